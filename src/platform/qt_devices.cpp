#include "platform/qt_devices.h"

#include <QPageSize>
#include <map>
#include <utility>

#include "platform/cups_queue.h"

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
    out.error = device_->pdfStatus().error();
    out.written = device_->pdfWritten();
    out.jobs = device_->jobs();
    out.refusedJobs = device_->refusedJobs();
    return out;
  }

 protected:
  QtOutput() = default;
  std::unique_ptr<QtSurface> device_;
};

// A print queue: every job is handed to the print service through libcups
// and followed until the scheduler has taken it.
class QueueOutput : public QtOutput {
 public:
  explicit QueueOutput(const std::string& name) : queue_(name) {
    device_ = QtSurface::printer([this](const QtSurface::PrintJob& job) { return send(job); });
  }
  Outcome refusal() override { return queue_.refusal(); }
  void nameJobs(std::function<std::string(int pages)> owner) override { owner_ = std::move(owner); }
  std::vector<std::string> takeFailedJobs() override {
    for (auto& [number, why] : queue_.lostJobs()) {
      failed_.push_back(owners_[number] + ": " + why);
      owners_.erase(number);
    }
    return std::exchange(failed_, {});
  }

 private:
  bool send(const QtSurface::PrintJob& job) {
    const std::string owner = owner_ ? owner_(job.pages) : "job " + std::to_string(++unnamed_);
    // The options Qt's own print engine gives the print service with the
    // same document.
    CupsQueue::Options options{
        {"media", QPageSize(job.paper == kPaperLegal ? QPageSize::Legal : QPageSize::Letter).key().toStdString()},
        {"sides", "one-sided"}};
    if (job.orientation == kLandscape) options.emplace_back("landscape", "");
    const Outcome taken = queue_.send(job.pdfFile, "Meal Cards", options);
    ++sent_;
    if (!taken) {
      failed_.push_back(owner + ": " + taken.error());
      return false;
    }
    owners_[sent_] = owner;
    return true;
  }

  CupsQueue queue_;
  std::function<std::string(int pages)> owner_;
  int sent_ = 0;
  int unnamed_ = 0;
  // The owners of the jobs taken, by their number among those sent, until
  // the scheduler is done with them.
  std::map<int, std::string> owners_;
  std::vector<std::string> failed_;
};

}  // namespace

std::unique_ptr<Output> QtDevices::openPrinter(const std::string& name) {
  return std::make_unique<QueueOutput>(name);
}

Result<std::unique_ptr<Output>> QtDevices::openPdf(const std::string& path) {
  auto device = QtSurface::pdf(path);
  if (!device->pdfStatus()) return Failure{device->pdfStatus().error()};
  return std::unique_ptr<Output>(std::make_unique<QtOutput>(std::move(device)));
}

}  // namespace mc
