// What every command that starts the program needs: the drive folder, the
// controller over it, dialogs answered from the command line (Yes to every
// question, messages echoed to stderr), the machine's printers and clock.
#pragma once

#include <memory>

#include "command.h"
#include "file_problem_log.h"
#include "platform/qt_pictures.h"
#include "platform/qt_devices.h"
#include "platform/qt_program_launcher.h"
#include "platform/system_clock.h"
#include "platform/zint_bar_coder.h"
#include "printrun/scripted_dialogs.h"
#include "ui/controller.h"
#include "ui/startup.h"

namespace mc::app {

class AppContext {
 public:
  // The context for the drive folder of the options; nothing, after saying
  // why on stderr, when the options name no drive folder or it is not one.
  // The boxes are answered from the command line unless `shown` shows them
  // to a person; `preview` gives the program run a screen preview.
  static std::unique_ptr<AppContext> create(const GlobalOptions& options, Dialogs* shown = nullptr,
                                            bool preview = false);

  // Start-up with these steps; afterwards --date is typed into Text15.
  StartupOutcome startUp(StartupSteps& steps);
  // Says on stderr why start-up stopped and returns the exit code; kExitOk
  // when it did not stop.
  int reportStop(StartupOutcome outcome) const;

  const GlobalOptions& options;
  // Declared before the controller, whose drive map reports into it.
  FileProblemLog problems;
  ScriptedDialogs dialogs;
  QtDevices devices;
  SystemClock clock;
  ZintBarCoder barCoder;
  Controller controller;
  QtProgramLauncher launcher{controller.drives};

 private:
  AppContext(const GlobalOptions& options, DriveMap drives, Dialogs* shown, bool preview);
};

}  // namespace mc::app
