// Start-up's steps as the program itself runs them: the settings load from
// the settings file, the fixed tables (with the first preview drawing), the
// sample resident, "Set For All", the print run (the
// automatic run or the start-up preview run) and the Easy overlay.
#pragma once

#include "ui/startup.h"

namespace mc {

class ProgramStartupSteps : public StartupSteps {
 public:
  void GetSet(Controller& c) override;
  void InitTables(Controller& c) override;
  void LoadResident(Controller& c) override;
  // LoadThick and LOADPUR stay as the base's: the preview's renderer loads
  // the sample resident's pictures when it draws them.
  void SetForAll(Controller& c) override;
  void PrintRun(Controller& c) override;
  void ShowForm2(Controller& c) override;
};

}  // namespace mc
