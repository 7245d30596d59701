// The print run (the Print button, Command1_Click): turns the window's
// current choices into cards in the order the tray line needs them. It
// reads the ranges and options from the settings model, asks the few
// questions a run needs, then walks the meal orders, the user-card meals,
// the dining-location passes, the diet categories, the nursing units, the
// residents, the assisted-living meals, the meal positions and the menu
// days, and hands each qualifying card to DrawMenu (or PrBM for
// user-defined cards).
//
// Callers set CallMode and PreviewFlag first: CallMode -101 asks for a
// quick run (no save, no questions), PreviewFlag makes it a walk-through
// run drawn on the screen. The run never ends the program itself: its
// report says when the program should end (after a run over more than one
// resident, or an automatic run), and the caller acts on it.
#pragma once

#include <string_view>

#include "printrun/run_environment.h"
#include "printrun/run_report.h"

namespace mc {

// Runs the print and says what it did.
RunReport Command1_Click(RunEnvironment& env);

// A printer name that is a PDF printer driver: one document for the whole
// run, its pages ended by NewPage.
bool isPdfDriverName(std::string_view printerName);

// SetDt: the card date from the text typed in the date confirmation.
// False, and CardDate unchanged, when the text is not a date "mm-dd-yy".
bool SetDt(RunState& run, std::string_view typed);

extern const char* const kMultipleDaysMessage;
extern const char* const kMultipleDaysTitle;
extern const char* const kByCategoryMessage;
extern const char* const kConfirmDateTitle;

}  // namespace mc
