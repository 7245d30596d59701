// The main window's buttons that start a print run, load a settings set or
// leave the program, working on the controller so that the window, the
// Easy overlay, start-up and the command line press the same buttons.
#pragma once

#include "ui/controller.h"

namespace mc {

inline constexpr const char* kCancelPrinting = "Cancel Printing ?";

// Print (Command1): pressing the mouse button on it clears PreviewFlag;
// the click runs the print run with the window's choices (refused while a
// run is going on) and returns what it did.
void Command1_MouseDown(Controller& c);
const RunReport& Command1_Click(Controller& c);

// Exit (Command2), also closing the window: saves into set 1 with the
// select filters cleared; while a run is going on asks "Cancel Printing ?"
// first: No keeps the program and the run going, Yes stops both.
void Command2_Click(Controller& c);
// The part of Exit before the question: CurrentSet 1, Check21 and Check22
// cleared, SaveSet.
void SaveOnExit(Controller& c);

// The six settings buttons load set 1..6: Command4 "Set For &ALL" (with
// its range repairs), Command7 to Command11 "Option 2" to "Option 6".
void SettingsButton_Click(Controller& c, int setNo);
void Command4_Click(Controller& c);
void Command7_Click(Controller& c);
void Command8_Click(Controller& c);
void Command9_Click(Controller& c);
void Command10_Click(Controller& c);
void Command11_Click(Controller& c);

// Ends the program however the caption reads (a run over several
// residents, a stop without question): saves as Exit does, then ends.
void EndWithSave(Controller& c);

// Escape anywhere in the window: saves set 1 as it stands, the select
// filters kept (only Exit clears them), then ends the program.
void Form_KeyEscape(Controller& c);

}  // namespace mc
