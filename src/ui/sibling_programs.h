// The main window's buttons that start the family's other programs, all of
// which live in the facility's setup folder (folder 23). Most of them hand
// the user over to the other program and end this one; the reset program
// runs beside it.
#pragma once

#include "ui/controller.h"

namespace mc {

// "Labels", "Traycds", "Setup", "Inet": start the program, then end this
// one without saving. A program that could not be started is reported and
// this one goes on.
void Command12_Click(Controller& c);
void Command13_Click(Controller& c);
void Command15_Click(Controller& c);
// Starts "\zSorbel.exe" when it is there, else "\Sorbel.exe".
void Command16_Click(Controller& c);
// Releasing a mouse button over "R&eset to Defaults": the right button
// starts the reset program minimized, beside this one; the left button's
// click keeps its own meaning.
void Command17_MouseUp(Controller& c, bool rightButton);

}  // namespace mc
