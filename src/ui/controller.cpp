#include "ui/controller.h"

#include "ui/main_actions.h"

namespace mc {

Controller::Controller(DriveMap driveMap, Dialogs& dialogsIn, const PrinterList& printerList,
                       const Clock& clockIn)
    : drives(std::move(driveMap)), dialogs(dialogsIn), printers(printerList), clock(clockIn) {}

RunEnvironment Controller::runEnvironment() {
  return RunEnvironment{drives,  facility, model,   settingsFile,    resident,
                        dietFile, dialogs, clock,   run,             printer,
                        screenSurface(), runHooks(), [this] { Command2_Click(*this); }, Ended,
                        pictures, pdfMerger};
}

}  // namespace mc
