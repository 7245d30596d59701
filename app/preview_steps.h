// Start-up for the commands that only look: the preview and the window's
// screenshots.
#pragma once

#include <iostream>

#include "ui/program_startup_steps.h"

namespace mc::app {

// Start-up as the program runs it, except that a preview never prints: the
// auto-print marker is left for the program's next real start, and the
// automatic run it asks for is drawn as the start-up preview instead.
class PreviewSteps : public ProgramStartupSteps {
 public:
  bool ActsOnAutoPrint() const override { return false; }
  void PrintRun(Controller& c) override {
    if (c.facility.AutoPrint) {
      std::cerr << "mealcards: the auto-print marker is there; it is left for the next print, preview prints nothing\n";
      c.facility.AutoPrint = false;
      c.run.PreviewFlag = 1;
      c.model.CallMode = callmode::QuickRun;
    }
    ProgramStartupSteps::PrintRun(c);
  }
};

}  // namespace mc::app
