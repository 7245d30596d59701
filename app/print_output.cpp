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

int PrintOutput::finish(bool nothingIsFine) {
  if (!device_) return kExitOk;
  const bool ok = device_->finish();
  if (device_->device() == QtSurface::Device::Pdf) {
    std::error_code ec;
    if (!ok) return fail("cannot write " + description_);
    if (!std::filesystem::exists(*options_.pdf, ec) && !nothingIsFine)
      return fail("no card qualified: nothing was printed and " + description_ + " was not written");
    return kExitOk;
  }
  if (!ok) return fail(description_ + " did not take the job");
  if (device_->jobs() == 0 && !nothingIsFine) return fail("no card qualified: nothing was sent to " + description_);
  return kExitOk;
}

}  // namespace mc::app
