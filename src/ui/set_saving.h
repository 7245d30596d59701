// Saving the screen's settings under one of the six settings buttons: "Save
// Settings &Z" (Command14) with the ranges, and the right button on Label1
// ("Nursing Units"), which also renames the button. These are the only ways
// a set 2 to 6 changes.
#pragma once

#include "ui/controller.h"

namespace mc {

void Command14_Click(Controller& c);
void Label1_RightClick(Controller& c);

// Holding Ctrl while pressing a settings button marks the load (CallMode
// -1001); the load itself is the same.
void SettingsButton_MouseDown(Controller& c, bool ctrl);

}  // namespace mc
