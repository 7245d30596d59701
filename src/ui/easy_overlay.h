// The Easy overlay (Form2): the everyday jobs with few choices, in front of
// the main window after start-up and after every print started from it.
// It keeps no settings of its own; its fields mirror the main window's,
// and its prints go through the main window's print run.
#pragma once

#include "ui/controller.h"

namespace mc {

// Refreshes the overlay from the main window and shows it.
void ShowForm2(Controller& c);

namespace easy {

// "&Print ALL Tray Cards": save, "Set For &ALL", a real run, the overlay again.
void Command1_Click(Controller& c);
// "&Print Just": a real run over the main window's current ranges.
void Command3_Click(Controller& c);

}  // namespace easy

}  // namespace mc
