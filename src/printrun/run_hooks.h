// Where a print run meets whoever started it, and the only way it does:
// the run never writes the window's caption or fields itself. The
// controller turns what it hears here into the caption and the controls,
// the window keeps its events flowing and shows the "Next Res" button, the
// command line draws a progress bar and turns Ctrl-C into a stop. The run
// calls these at fixed points only: once per resident, and in a
// walk-through run after a card.
#pragma once

#include <string>

#include "printrun/run_report.h"

namespace mc {

// Where the run stands, as its caption tells it.
struct RunProgress {
  std::string caption;  // the window caption during the run
  int unit = 0;
  int resident = 0;
  int pass = 0;
  double done = 0;      // 0..1 of the current meal order's residents
};

// The eight range fields (Text1..Text8) as numbers, as the run read them.
struct RunRanges {
  int unitFirst = 1, unitLast = 1;
  int residentFirst = 1, residentLast = 1;
  int dayFirst = 1, dayLast = 1;
  int locationFirst = 1, locationLast = 1;
};

// Where the "Next Res" button (Command5) stands while the run waits.
struct NextResPlace {
  int top = 0;
  int left = 0;
};

class RunHooks {
 public:
  virtual ~RunHooks() = default;
  // An asked-for run read its ranges: the window shows them as the plain
  // numbers the run works with.
  virtual void rangesRead(const RunRanges&) {}
  // The caption changed: a new resident, or the tray line being assembled.
  virtual void progress(const RunProgress&) {}
  // Once per resident: handle the events that came in meanwhile (a click
  // on Exit may end the program here).
  virtual void processEvents() {}
  // A walk-through run over several residents waits here, with the button
  // shown, until "Next Res" is clicked. The command line never waits.
  virtual void waitNextRes(const NextResPlace&) {}
  // The one way a run is stopped (the window's Exit answered Yes, the
  // program ended meanwhile, Ctrl-C on the command line): the run ends
  // after the card it is on.
  virtual bool cancelRequested() { return false; }
  // A problem joined the run's list (the command line names it at once).
  virtual void problem(const RunProblem&) {}
};

}  // namespace mc
