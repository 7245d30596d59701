#include "platform/qt_picture_store.h"

#include <QFile>
#include <system_error>

#include "data/atomic_file.h"
#include "platform/qt_surface.h"

namespace mc {

namespace fs = std::filesystem;

namespace {

// Puts the finished temporary file in place; the reason when it failed.
std::string putInPlace(const fs::path& temp, const fs::path& path) {
  std::error_code ec;
  fs::rename(temp, path, ec);
  if (!ec) return {};
  const std::string reason = ec.message();
  fs::remove(temp, ec);
  return reason;
}

}  // namespace

QtPictureStore::Worker::Worker() : thread_([this] { loop(); }) {}

QtPictureStore::Worker::~Worker() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void QtPictureStore::Worker::post(std::function<void()> job) {
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
  }
  changed_.notify_all();
}

void QtPictureStore::Worker::wait() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

void QtPictureStore::Worker::loop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
    // Jobs still queued are done before the thread stops: a page handed
    // over is a page written.
    if (jobs_.empty()) return;
    std::function<void()> job = std::move(jobs_.front());
    jobs_.pop_front();
    busy_ = true;
    lock.unlock();
    job();
    lock.lock();
    busy_ = false;
    changed_.notify_all();
  }
}

QtPictureStore::QtPictureStore() = default;

QtPictureStore::~QtPictureStore() {
  wait();
  dropTifs();
}

void QtPictureStore::failed(const fs::path& file, const std::string& reason) {
  std::lock_guard lock(failuresMutex_);
  failures_.push_back({file.string(), reason});
}

std::vector<StoreFailure> QtPictureStore::takeFailures() {
  std::lock_guard lock(failuresMutex_);
  return std::exchange(failures_, {});
}

void QtPictureStore::wait() {
  pictures_.wait();
  documents_.wait();
}

void QtPictureStore::dropTifs() {
  std::error_code ec;
  for (auto* tif : {&colour_, &blackWhite_}) {
    if (!*tif) continue;
    (*tif)->close();
    fs::remove((*tif)->path(), ec);
    tif->reset();
  }
}

void QtPictureStore::clear(bool runFiles) {
  wait();
  dropTifs();
  runFiles_ = runFiles;
}

void QtPictureStore::addPage(std::shared_ptr<const RecordedPage> page, const fs::path& jpg, const fs::path& pdf) {
  pictures_.post([this, page, jpg] { drawPicture(*page, jpg); });
  documents_.post([this, page, pdf] { drawPdf(*page, pdf); });
}

void QtPictureStore::drawPicture(const RecordedPage& page, const fs::path& jpg) {
  const auto surface = QtSurface::screen(kPictureDpi);
  surface->usePaperPens(page.printer);
  replayPage(page, *surface);
  const QImage image = surface->image();
  AtomicFile file(jpg);
  if (file.failed())
    failed(jpg, file.error());
  else if (!image.save(QFile::decodeName(QByteArray::fromStdString(file.temporary().string())), "JPG", kJpgQuality))
    failed(jpg, "cannot write the picture");
  else if (!file.commit())
    failed(jpg, file.error());
  if (!runFiles_) return;
  // The run's TIF files grow beside the pages and get their names at the
  // end of the run.
  if (!colour_) {
    colour_ = std::make_unique<TiffPages>(TiffPages::Kind::Colour, jpg.parent_path() / ".TIFCards.tif.part");
    blackWhite_ = std::make_unique<TiffPages>(TiffPages::Kind::BlackWhite, jpg.parent_path() / ".TIFBWCards.tif.part");
  }
  colour_->addPage(image);
  blackWhite_->addPage(image);
}

void QtPictureStore::drawPdf(const RecordedPage& page, const fs::path& pdf) {
  AtomicFile file(pdf);
  if (file.failed()) {
    failed(pdf, file.error());
    return;
  }
  {
    const auto surface = QtSurface::pdf(file.temporary().string());
    surface->usePaperPens(page.printer);
    replayPage(page, *surface);
    if (!surface->finish()) {
      failed(pdf, "cannot write the PDF page");
      return;
    }
  }
  if (!file.commit()) failed(pdf, file.error());
}

bool QtPictureStore::saveTifs(const fs::path& colour, const fs::path& blackWhite) {
  wait();
  bool ok = true;
  const std::pair<std::unique_ptr<TiffPages>*, fs::path> files[] = {{&colour_, colour}, {&blackWhite_, blackWhite}};
  for (const auto& [tif, target] : files) {
    if (!*tif || (*tif)->pages() == 0) {
      failed(target, "no page was stored");
      ok = false;
      continue;
    }
    if (!(*tif)->close()) {
      failed(target, (*tif)->error());
      ok = false;
      continue;
    }
    if (const std::string reason = putInPlace((*tif)->path(), target); !reason.empty()) {
      failed(target, reason);
      ok = false;
    }
  }
  // What did not reach its name is removed with the temporary files.
  dropTifs();
  return ok;
}

}  // namespace mc
