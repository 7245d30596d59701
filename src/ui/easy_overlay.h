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

// Titles of the two input boxes, by which the command line answers them.
inline constexpr const char* kOneLocationTitle = "Print Just One Dining Location";
inline constexpr const char* kOneUnitTitle = "Print ONE Nursing Unit";

// "&Print ALL Tray Cards": save, "Set For &ALL", a real run, the overlay again.
void Command1_Click(Controller& c);
// "&Print Just": a real run over the main window's current ranges.
void Command3_Click(Controller& c);
// "Menu Day Picker": runs the picker, waits for it, and takes the menu days
// and the card date it leaves in the menu-day file.
void Command5_Click(Controller& c);
// The menu-day file's record 1 (first and last menu day, card date) taken
// into the overlay's and the main window's fields.
void takeMenuDayPick(SettingsModel& m, std::string_view record);
// "&Print Backup PDF Cards": the run's PDF backup in a PDF reader.
void Command6_Click(Controller& c);
// "Print One DLoc" and "Print One NUnit": ask which one, confirm, and run
// over it. True when the run was started; false when a message or an
// answer stopped it first.
bool Command7_Click(Controller& c);
bool Command8_Click(Controller& c);

}  // namespace easy

}  // namespace mc
