// Start-up's steps as the program itself runs them: the settings load from
// the settings file, the fixed tables and the sample resident. The print run
// and the Easy overlay join here as their parts of the program are built;
// until then start-up leaves the preview undrawn.
#pragma once

#include "ui/startup.h"

namespace mc {

class ProgramStartupSteps : public StartupSteps {
 public:
  void GetSet(Controller& c) override;
  void InitTables(Controller& c) override;
  void LoadResident(Controller& c) override;
};

}  // namespace mc
