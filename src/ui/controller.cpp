#include "ui/controller.h"

namespace mc {

Controller::Controller(DriveMap driveMap, Dialogs& dialogsIn, const PrinterList& printerList,
                       const Clock& clockIn)
    : drives(std::move(driveMap)), dialogs(dialogsIn), printers(printerList), clock(clockIn) {}

}  // namespace mc
