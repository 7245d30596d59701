#include "platform/qt_devices.h"

namespace mc {

namespace {

class QtOutput : public Output {
 public:
  explicit QtOutput(std::unique_ptr<QtSurface> device) : device_(std::move(device)) {}
  Surface& surface() override { return *device_; }
  OutputOutcome finish() override {
    OutputOutcome out;
    out.ok = device_->finish();
    out.pdf = device_->device() == QtSurface::Device::Pdf;
    out.error = device_->pdfError();
    out.written = device_->pdfWritten();
    out.jobs = device_->jobs();
    out.refusedJobs = device_->refusedJobs();
    return out;
  }

 private:
  std::unique_ptr<QtSurface> device_;
};

}  // namespace

std::unique_ptr<Output> QtDevices::openPrinter(const std::string& name) {
  return std::make_unique<QtOutput>(QtSurface::printer(name));
}

std::unique_ptr<Output> QtDevices::openPdf(const std::string& path, std::string& error) {
  auto device = QtSurface::pdf(path);
  if (!device->pdfError().empty()) {
    error = device->pdfError();
    return nullptr;
  }
  return std::make_unique<QtOutput>(std::move(device));
}

}  // namespace mc
