// Start-up's steps as the program itself runs them: the settings load from
// the settings file, the fixed tables (with the first preview drawing), the
// sample resident and its pictures, "Set For All", the print run (the
// automatic run or the start-up preview run) and the Easy overlay.
#pragma once

#include "ui/startup.h"

namespace mc {

class ProgramStartupSteps : public StartupSteps {
 public:
  void GetSet(Controller& c) override;
  void InitTables(Controller& c) override;
  void LoadResident(Controller& c) override;
  void LoadThick(Controller& c) override;
  void LOADPUR(Controller& c) override;
  void SetForAll(Controller& c) override;
  void PrintRun(Controller& c) override;
  void ShowForm2(Controller& c) override;
};

}  // namespace mc
