#include "print_output.h"

#include <filesystem>

#include "data/text.h"

namespace mc::app {

bool PrintOutput::open(std::unique_ptr<QtSurface> device, std::string description) {
  device_ = std::move(device);
  description_ = std::move(description);
  if (!options_.trace) return true;
  traced_ = std::make_unique<TraceSurface>(*device_, *options_.trace);
  if (!traced_->ok()) {
    fail("cannot write the trace file " + *options_.trace);
    return false;
  }
  return true;
}

bool PrintOutput::openFromOptions(RunState& run) {
  if (options_.pdf) {
    // The file is removed first: a PDF left from an earlier run must not
    // pass for this run's output when it prints nothing.
    std::error_code ec;
    std::filesystem::remove(*options_.pdf, ec);
    run.PdfDriverForced = true;
    return open(QtSurface::pdf(*options_.pdf), *options_.pdf);
  }
  if (options_.printer) {
    run.PrinterOverride = utf8ToCp1252(*options_.printer);
    return open(QtSurface::printer(*options_.printer), "the printer " + *options_.printer);
  }
  return true;
}

bool PrintOutput::openSettingsPrinter(const SettingsModel& model) {
  if (device_ || model.NoPrinters || trim(model.PrinterName).empty()) return true;
  const std::string name = cp1252ToUtf8(model.PrinterName);
  return open(QtSurface::printer(name), "the printer " + name);
}

void PrintOutput::finish(RunReport& report) {
  if (!device_) return;
  const bool ok = device_->finish();
  if (traced_ && !traced_->ok()) report.outputFailed(*options_.trace, "the trace could not be written completely");
  if (device_->device() == QtSurface::Device::Pdf) {
    std::error_code ec;
    if (!ok)
      report.outputFailed(description_, "cannot write the file");
    else if (!std::filesystem::exists(*options_.pdf, ec) && report.cards() > 0)
      report.outputFailed(description_, "the file was not written: no card reached it");
    return;
  }
  if (device_->refusedJobs() > 0)
    report.outputFailed(description_, "did not take " + std::to_string(device_->refusedJobs()) + " of " +
                                          std::to_string(device_->refusedJobs() + device_->jobs()) + " jobs");
  else if (!ok)
    report.outputFailed(description_, "did not take the job");
  else if (device_->jobs() == 0 && report.cards() > 0)
    report.outputFailed(description_, "no job was sent: no card reached it");
}

}  // namespace mc::app
