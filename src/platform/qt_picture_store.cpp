#include "platform/qt_picture_store.h"

#include <QFile>
#include <chrono>
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

const char* const kDocumentParts[] = {".TCrun.pdf.part", ".TCrunB.pdf.part", ".TCrunL.pdf.part", ".TCrunS.pdf.part"};

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

bool QtPictureStore::Worker::waitFor(int ms) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return jobs_.empty() && !busy_; });
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
  dropRunFiles();
}

void QtPictureStore::failed(const fs::path& file, const std::string& reason) {
  std::lock_guard lock(failuresMutex_);
  failures_.push_back({file.string(), reason});
}

std::vector<StoreFailure> QtPictureStore::takeFailures() {
  std::lock_guard lock(failuresMutex_);
  return std::exchange(failures_, {});
}

void QtPictureStore::wait(const Progress& progress) {
  const auto tell = [&] {
    if (!progress) return;
    const int posted = jobsPosted_ / jobsPerPage_;
    progress(std::min(posted, jobsDone_.load() / jobsPerPage_), posted);
  };
  Worker* const workers[] = {&pictures_, &mono_, &vectors_};
  for (Worker* w : workers) {
    while (!w->waitFor(progress ? 200 : 60000)) tell();
  }
  tell();
  // One flush for every file put in place since the last wait.
  fs::path folder;
  {
    std::lock_guard lock(failuresMutex_);
    folder = std::exchange(unsynced_, {});
  }
  if (!folder.empty() && !syncFileSystem(folder)) failed(folder, "cannot flush the written files to the disk");
}

void QtPictureStore::dropRunFiles() {
  dropTifs();
  std::error_code ec;
  for (Document& d : documents_) {
    if (d.surface) {
      d.surface->finish();
      d.surface.reset();
    }
    if (!d.part.empty()) fs::remove(d.part, ec);
    d = Document{};
  }
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
  dropRunFiles();
  runFiles_ = runFiles;
  jobsPosted_ = 0;
  jobsDone_ = 0;
  // Without the run files the black-and-white page is not made.
  jobsPerPage_ = runFiles ? 3 : 2;
}

void QtPictureStore::addPage(std::shared_ptr<const RecordedPage> page, const fs::path& jpg, const fs::path& pdf,
                             int meal) {
  {
    std::lock_guard lock(failuresMutex_);
    if (unsynced_.empty()) unsynced_ = jpg.parent_path();
  }
  jobsPosted_ += jobsPerPage_;
  pictures_.post([this, page, jpg] {
    drawPicture(*page, jpg);
    jobDone();
  });
  vectors_.post([this, page, pdf, meal] {
    drawPdf(*page, pdf, meal);
    jobDone();
  });
}

void QtPictureStore::drawPicture(const RecordedPage& page, const fs::path& jpg) {
  QImage image;
  {
    const auto surface = QtSurface::screen(kPictureDpi);
    surface->usePaperPens(page.printer);
    replayPage(page, *surface);
    image = surface->image();
  }
  // The black-and-white page is made from the same drawing on a thread of
  // its own while this one goes on with the JPG.
  if (runFiles_) {
    const fs::path folder = jpg.parent_path();
    mono_.post([this, image, folder] {
      drawBlackWhite(image, folder);
      jobDone();
    });
  }
  const QByteArray bytes = TiffPages::jpeg(image);
  AtomicFile file(jpg);
  if (bytes.isEmpty())
    failed(jpg, "cannot encode the picture");
  else if (!file.write(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))) ||
           !file.commit(false))
    failed(jpg, file.error());
  if (!runFiles_) return;
  // The run's TIF files grow beside the pages and get their names at the
  // end of the run.
  if (!colour_) colour_ = std::make_unique<TiffPages>(TiffPages::Kind::Colour, jpg.parent_path() / ".TIFCards.tif.part");
  QImage small = image.scaled(static_cast<int>(std::lround(image.width() * kColourTifDpi / kPictureDpi)),
                              static_cast<int>(std::lround(image.height() * kColourTifDpi / kPictureDpi)),
                              Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const int dotsPerMeter = static_cast<int>(std::lround(kColourTifDpi / 0.0254));
  small.setDotsPerMeterX(dotsPerMeter);
  small.setDotsPerMeterY(dotsPerMeter);
  colour_->addPage(small);
}

void QtPictureStore::drawBlackWhite(const QImage& image, const fs::path& folder) {
  if (!blackWhite_)
    blackWhite_ = std::make_unique<TiffPages>(TiffPages::Kind::BlackWhite, folder / ".TIFBWCards.tif.part");
  blackWhite_->addPage(image);
}

void QtPictureStore::drawPdf(const RecordedPage& page, const fs::path& pdf, int meal) {
  {
    const auto surface = QtSurface::pdf(pdf.string(), 1200, false);
    surface->usePaperPens(page.printer);
    replayPage(page, *surface);
    if (!surface->finish() || !surface->pdfWritten())
      failed(pdf, surface->pdfError().empty() ? "cannot write the PDF page" : surface->pdfError());
  }
  if (!runFiles_) return;
  addToDocument(0, page, pdf.parent_path());
  if (meal >= 1 && meal <= 3) addToDocument(meal, page, pdf.parent_path());
}

void QtPictureStore::addToDocument(int meal, const RecordedPage& page, const fs::path& folder) {
  Document& d = documents_[static_cast<size_t>(meal)];
  if (!d.surface) {
    d.part = folder / kDocumentParts[meal];
    d.surface = QtSurface::pdf(d.part.string(), 1200, false);
  }
  // Each recording starts from a fresh page.
  d.surface->NewPage();
  d.surface->usePaperPens(page.printer);
  replayPage(page, *d.surface);
  ++d.pages;
}

std::string QtPictureStore::saveDocument(int meal, const fs::path& target) {
  wait();
  if (meal < 0 || meal > 3) return "no such document";
  Document& d = documents_[static_cast<size_t>(meal)];
  if (!d.surface || d.pages == 0) return "no page was stored";
  std::string reason;
  if (!d.surface->finish() || !d.surface->pdfWritten())
    reason = d.surface->pdfError().empty() ? "cannot write the document" : d.surface->pdfError();
  d.surface.reset();
  // The document is on the disk before it takes its name.
  if (reason.empty() && !syncFileSystem(d.part)) reason = "cannot flush it to the disk";
  if (reason.empty()) reason = putInPlace(d.part, target);
  std::error_code ec;
  fs::remove(d.part, ec);
  d = Document{};
  return reason;
}

bool QtPictureStore::saveTifs(const fs::path& colour, const fs::path& blackWhite) {
  wait();
  bool ok = true;
  const std::pair<std::unique_ptr<TiffPages>*, fs::path> files[] = {{&colour_, colour}, {&blackWhite_, blackWhite}};
  for (const auto& [tif, target] : files) {
    if (!*tif || (*tif)->pages() == 0) {
      failed(target, (*tif && !(*tif)->error().empty()) ? (*tif)->error() : "no page was stored");
      ok = false;
      continue;
    }
    if (!(*tif)->close()) {
      failed(target, (*tif)->error());
      ok = false;
      continue;
    }
    if (!syncFileSystem((*tif)->path())) {
      failed(target, "cannot flush it to the disk");
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
