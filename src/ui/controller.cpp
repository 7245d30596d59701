#include "ui/controller.h"

#include <filesystem>

#include "data/text.h"
#include "printrun/print_run.h"
#include "printrun/window_caption.h"
#include "settings/resident_load_options.h"
#include "ui/main_actions.h"

namespace mc {

Controller::Controller(DriveMap driveMap, Dialogs& dialogsIn, const PrinterList& printerList,
                       const Clock& clockIn)
    : drives(std::move(driveMap)), dialogs(dialogsIn), printers(printerList), clock(clockIn) {}

RunEnvironment Controller::runEnvironment() {
  return RunEnvironment{drives,  facility, model,   settingsFile,    resident,
                        dietFile, dialogs, clock,   run,             printer,
                        screenSurface(), runHooks(),
                        // The run leaves through Exit once its work is done:
                        // nothing is left to cancel, so Exit asks nothing.
                        [this] { EndWithSave(*this); }, Ended, cancelRequested_, &tables,
                        barCoder, pictures, pdfMerger,
                        pictureLoader};
}

void Controller::loadResident(std::string_view mealOrder) {
  loadResidentAsSet(resident, dietFile, drives, facility, model, mealOrder);
}

bool Controller::holdFacility(double waitSeconds) {
  if (lock_.held() || drives.dryRun()) return true;
  const auto settings = drives.hostPath(settingsFile.path());
  std::error_code ec;
  if (!settings || !std::filesystem::is_directory(settings->parent_path(), ec)) return true;
  return lock_.acquire(settings->string() + ".lock", waitSeconds);
}

const RunReport& Controller::print() {
  if (running_) {
    // The window keeps its events flowing during a run: a second Print
    // must not start a run inside the first.
    RunReport refused;
    refused.end = RunEnd::Refused;
    lastReport_ = std::move(refused);
    return lastReport_;
  }
  const bool heldBefore = lock_.held();
  if (!holdFacility(lockWaitSeconds)) {
    std::string text = lock_.error();
    if (!text.empty()) text[0] = upperChar(text[0]);
    dialogs.message(text, Buttons::Ok);
    RunReport refused;
    refused.end = RunEnd::Refused;
    lastReport_ = std::move(refused);
    return lastReport_;
  }
  running_ = true;
  cancelRequested_ = false;
  RunEnvironment env = runEnvironment();
  RunReport report = mc::Command1_Click(env);
  running_ = false;
  if (!heldBefore) lock_.release();
  cancelRequested_ = false;
  // The run's own caption ("....") must not outlive it: a run that stopped
  // early returns before it rebuilds the caption itself.
  if (!Ended) PutCap(facility, model);
  lastReport_ = std::move(report);
  return lastReport_;
}

}  // namespace mc
