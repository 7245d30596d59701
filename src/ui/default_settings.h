// The two ways back to known settings: "R&eset to Defaults" (Command17)
// blanks the active set and the shared records so that every value takes
// the settings reader's own default; "RESET" (Command18) replaces the
// whole settings file by one of the three default settings files kept
// beside it.
#pragma once

#include "ui/controller.h"

namespace mc {

void Command17_Click(Controller& c);
void Command18_Click(Controller& c);

}  // namespace mc
