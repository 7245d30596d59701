// Start-up's steps as the program itself runs them: the settings load from
// the settings file (and the printer it names), the fixed tables (with the
// first preview drawing), the sample resident, "Set For All", the print run
// (the automatic run or the start-up preview run) and the Easy overlay.
#pragma once

#include "ui/startup.h"

namespace mc {

// Said where a start-up that only looks left the auto-print marker.
inline constexpr const char* kAutoPrintLeftNote =
    "the auto-print marker is there; it is left for the next print, preview prints nothing";

inline constexpr const char* kDamagedSettingsSuffix = ".damaged";

class ProgramStartupSteps : public StartupSteps {
 public:
  // `lookOnly`: start-up for what only looks (the preview, the window's
  // pictures), which never prints: the auto-print marker is left for the
  // program's next real start, and the automatic run it asks for is drawn
  // as the start-up preview instead.
  explicit ProgramStartupSteps(bool lookOnly = false) : lookOnly_(lookOnly) {}

  void GetSet(Controller& c) override;
  void InitTables(Controller& c) override;
  void LoadResident(Controller& c) override;
  // LoadThick and LOADPUR stay as the base's: the preview's renderer loads
  // the sample resident's pictures when it draws them.
  void SetForAll(Controller& c) override;
  void PrintRun(Controller& c) override;
  void ShowForm2(Controller& c) override;
  bool ActsOnAutoPrint() const override { return !lookOnly_; }

  // A damaged settings file is never loaded: start-up stops with a
  // failed `startup` saying which file and what to do, unless the defaults are
  // offered (the window asks) and taken, when the damaged file is kept
  // aside under the name kDamagedSettingsSuffix adds and the program goes
  // on as without a settings file.
  bool offerDefaults = false;

 private:
  bool lookOnly_;
};

}  // namespace mc
