// Start-up (Form_Load): finds the setup file, reads the facility, the marker
// files, the printer list and the name lists, loads the settings, and ends
// with the first preview or an automatic print run. The steps that belong to
// other parts of the program (the settings load, the sample resident, the
// print run, the Easy overlay) are reached through StartupSteps, so that the
// window, the command line and the tests can each supply their own.
#pragma once

#include "ui/controller.h"

namespace mc {

class StartupSteps {
 public:
  virtual ~StartupSteps() = default;
  // The settings load, called with CallMode -1111.
  virtual void GetSet(Controller& c) = 0;
  // The fixed tables and the sample resident (with its thickened-liquid and
  // pureed-food pictures).
  virtual void InitTables(Controller&) {}
  virtual void LoadResident(Controller&) {}
  virtual void LoadThick(Controller&) {}
  virtual void LOADPUR(Controller&) {}
  // The "Set For All" button, pressed when the auto-print marker survived.
  virtual void SetForAll(Controller&) {}
  // The print run (Command1_Click): a real run when PreviewFlag is 0, the
  // start-up preview run when CallMode is -101.
  virtual void PrintRun(Controller&) {}
  // The Easy overlay.
  virtual void ShowForm2(Controller&) {}
  // Whether start-up acts on the auto-print marker by deleting it. A
  // start-up that only reports (the info command) leaves the marker for
  // the program's next real start.
  virtual bool ActsOnAutoPrint() const { return true; }
};

enum class StartupOutcome {
  Ready,            // the window is up (the preview drawn or an auto-print run done)
  NoSetupFile,      // FacilityName says "Cannot Find Setup File"; nothing was loaded
  NoDefaultRoster,  // the default unit's roster is missing: the program ends silently
  Ended,            // a print run during start-up ended the program
};

StartupOutcome Form_Load(Controller& c, StartupSteps& steps);

// The message shown when the default resident lies beyond the unit's beds.
extern const char* const kBedNumberMessage;
// Shown after the auto-print marker's path when it cannot be deleted.
extern const char* const kAutoPrintDeleteError;
inline constexpr const char* kNoSetupFileName = "Cannot Find Setup File";

}  // namespace mc
