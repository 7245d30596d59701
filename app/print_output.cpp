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
    // Nothing at the path is deleted: the new document replaces a file
    // there only once it is complete. Only a file can be replaced so: a
    // folder, a pipe or a device named by mistake is left alone.
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path target = *options_.pdf;
    const fs::file_status st = fs::status(target, ec);
    if (fs::exists(st) && !fs::is_regular_file(st)) {
      fail("--pdf " + *options_.pdf + " is not a regular file (" +
           (fs::is_directory(st) ? "a folder" : "a device or pipe") + "): nothing was written to it");
      return false;
    }
    // A link to a file is kept: the document replaces the file it names.
    if (fs::is_symlink(fs::symlink_status(target, ec))) target = fs::weakly_canonical(target, ec);
    run.PdfDriverForced = true;
    auto device = QtSurface::pdf(target.string());
    if (!device->pdfError().empty()) {
      fail("cannot write " + *options_.pdf + ": " + device->pdfError());
      return false;
    }
    return open(std::move(device), *options_.pdf);
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
  // The trace is completed whatever became of the device: it shows what
  // the run drew.
  std::string traceError;
  if (traced_ && !traced_->finish(&traceError))
    report.outputFailed(*options_.trace, "cannot write the trace file (" + traceError + "); the file is left as it was");
  if (device_->device() == QtSurface::Device::Pdf) {
    if (!ok)
      report.outputFailed(description_, "cannot write the file (" + device_->pdfError() + "); the file is left as it was");
    else if (!device_->pdfWritten() && report.cards() > 0)
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
