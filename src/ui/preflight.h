// The pre-flight check: what a print would do, found out before the tray
// line starts. It is the print run itself, walked with the drive map in a
// dry run (every write kept in memory, the tree left as it was), a printer
// that draws nothing, no screen and no backup; the run's own report says
// who would get cards, who would not and why, and which cards would carry
// a warning, and its list of problems: the files missing, unreadable or
// damaged, the same list a print run names.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "data/file_problems.h"
#include "printrun/dialogs.h"
#include "printrun/run_report.h"

namespace mc {

class Controller;

struct SettingsModel;

struct PreflightReport {
  // What was checked, by printTitle(): "Print ALL \x97 Tray Cards, set 1",
  // "settings button 2, then Print \x97 Meal Cards, set 2".
  std::string action;
  // The ranges and options in force when the run started, label and value.
  std::vector<std::pair<std::string, std::string>> settings;
  RunReport run;  // its problems are the files missing, unreadable or damaged

  // Residents who would get cards, by unit (0: the tray line).
  std::vector<std::string> residentsOf(int unit) const;
  // Residents left out by the ranges or passes: the stored ranges may leave
  // out more than anyone meant, so they count as findings.
  int leftOutByRange() const;
  // Everything worth a look before printing: faults, warnings, file
  // problems, residents outside the ranges, a run that would print nothing.
  int findings() const;
  // For people, most serious first.
  std::vector<std::string> text() const;
};

// What a print prints, as the window names it: the action, the card kind
// and the settings set it came from ("Print ALL \x97 Select Menus, set 1").
// Print ALL always prints set 1, which every Exit saves the window into, so
// the card kind is the one a person must see before the cards go out.
std::string printTitle(const std::string& action, const SettingsModel& m, int set);
// Checks Print ALL (setNo 0) or settings button setNo (1..6) then Print, on
// a controller that went through start-up. The run's questions and
// messages go to `answers`, never to the controller's own dialogs: a
// window's check asks its user nothing. The controller's settings, run
// state, resident, devices and "ended" flag are as they were afterwards, so
// a window can check and then print.
PreflightReport Preflight(Controller& c, int setNo, Dialogs& answers);

}  // namespace mc
