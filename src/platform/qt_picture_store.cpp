#include "platform/qt_picture_store.h"

#include <QFile>
#include <chrono>
#include <system_error>

#include "data/atomic_file.h"
#include "platform/qpdf_merger.h"
#include "platform/qt_surface.h"

namespace mc {

namespace fs = std::filesystem;

namespace {

// Puts the finished temporary file in place; the reason when it failed.
Outcome putInPlace(const fs::path& temp, const fs::path& path) {
  std::error_code ec;
  fs::rename(temp, path, ec);
  if (!ec) return {};
  Failure failure{ec.message()};
  fs::remove(temp, ec);
  return failure;
}

const char* const kDocumentParts[] = {".TCrun.pdf.part", ".TCrunB.pdf.part", ".TCrunL.pdf.part", ".TCrunS.pdf.part"};

}  // namespace

QtPictureStore::Worker::Worker(size_t queued) : queued_(queued), thread_([this] { loop(); }) {}

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
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queued_ == 0 || jobs_.size() < queued_; });
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
  // A page is written once its one-page PDF is, and that comes from the
  // run's document: it is closed now.
  if (runFiles_) vectors_.post([this] { closeDocuments(); });
  // The picture thread before the one it hands its pictures to.
  Worker* const workers[] = {&colours_, &pictures_, &mono_, &vectors_};
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
    d.surface.reset();
    if (!d.part.empty()) fs::remove(d.part, ec);
    d = Document{};
  }
  onePagePdfs_.clear();
  documentsClosed_ = false;
  lateDocumentPages_ = false;
}

void QtPictureStore::dropTifs() {
  std::error_code ec;
  for (auto* tif : {&colour_, &blackWhite_}) {
    if (!*tif) continue;
    // The file is removed: what became of it matters no more.
    static_cast<void>((*tif)->close());
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
  // With the run files a page is four jobs: the picture, the black-and-white
  // page, its page of the run's document, and its one-page PDF taken from
  // that document; without them the picture and the one-page PDF drawn.
  jobsPerPage_ = runFiles ? 4 : 2;
}

void QtPictureStore::addPage(std::shared_ptr<const RecordedPage> page, const fs::path& jpg, const fs::path& pdf,
                             int meal) {
  {
    std::lock_guard lock(failuresMutex_);
    if (unsynced_.empty()) unsynced_ = jpg.parent_path();
  }
  jobsPosted_ += jobsPerPage_;
  colours_.post([this, page, jpg] {
    drawColour(*page, jpg);
    jobDone();
  });
  // The black-and-white page, only for the run's TIF file.
  if (runFiles_) {
    const fs::path folder = jpg.parent_path();
    pictures_.post([this, page, folder] {
      QImage image = drawn(*page, kPictureDpi);
      mono_.post([this, image = std::move(image), folder] {
        drawBlackWhite(image, folder);
        jobDone();
      });
    });
  }
  vectors_.post([this, page, pdf, meal] {
    drawPdf(*page, pdf, meal);
    jobDone();
  });
}

void QtPictureStore::drawColour(const RecordedPage& page, const fs::path& jpg) {
  // The colour picture is encoded once: the JPG file and the colour TIF
  // page are the same JPEG.
  const QImage colour = drawn(page, kColourDpi);
  const QByteArray bytes = TiffPages::jpeg(colour);
  AtomicFile file(jpg);
  if (bytes.isEmpty())
    failed(jpg, "cannot encode the picture");
  else if (!file.write(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))) ||
           !file.commit(false))
    failed(jpg, file.status().error());
  if (!runFiles_ || bytes.isEmpty()) return;
  // The run's TIF files grow beside the pages and get their names at the
  // end of the run.
  if (!colour_) colour_ = std::make_unique<TiffPages>(TiffPages::Kind::Colour, jpg.parent_path() / ".TIFCards.tif.part");
  colour_->addJpegPage(bytes, colour.width(), colour.height(), kColourDpi);
}

QImage QtPictureStore::drawn(const RecordedPage& page, double dpi) {
  const auto surface = QtSurface::screen(dpi);
  surface->usePaperPens(page.printer);
  replayPage(page, *surface);
  return surface->image();
}

void QtPictureStore::drawBlackWhite(const QImage& image, const fs::path& folder) {
  if (!blackWhite_)
    blackWhite_ = std::make_unique<TiffPages>(TiffPages::Kind::BlackWhite, folder / ".TIFBWCards.tif.part");
  blackWhite_->addPage(image);
}

void QtPictureStore::drawPdf(const RecordedPage& page, const fs::path& pdf, int meal) {
  if (runFiles_ && !documentsClosed_) {
    // Drawn once into the run's document; the one-page file is cut from it
    // when the document closes. A PDF document of its own per page would
    // embed its fonts again for every page, which costs more than drawing.
    addToDocument(0, page, pdf.parent_path());
    if (meal >= 1 && meal <= 3) addToDocument(meal, page, pdf.parent_path());
    onePagePdfs_.push_back(pdf);
    return;
  }
  // A page after the documents closed is not in them: saveDocument says so.
  if (runFiles_) lateDocumentPages_ = true;
  const auto surface = QtSurface::pdf(pdf.string(), 1200, false);
  surface->usePaperPens(page.printer);
  replayPage(page, *surface);
  if (!surface->finish() || !surface->pdfWritten())
    failed(pdf, surface->pdfStatus() ? "cannot write the PDF page" : surface->pdfStatus().error());
  if (runFiles_) jobDone();
}

void QtPictureStore::addToDocument(int meal, const RecordedPage& page, const fs::path& folder) {
  Document& d = documents_[static_cast<size_t>(meal)];
  if (!d.surface && d.pages == 0) {
    d.part = folder / kDocumentParts[meal];
    d.surface = QtSurface::pdf(d.part.string(), 1200, false);
  }
  // Each recording starts from a fresh page.
  d.surface->NewPage();
  d.surface->usePaperPens(page.printer);
  replayPage(page, *d.surface);
  ++d.pages;
}

void QtPictureStore::closeDocuments() {
  for (Document& d : documents_) {
    if (!d.surface) continue;
    if (!d.surface->finish() || !d.surface->pdfWritten())
      d.closed = Failure{d.surface->pdfStatus() ? "cannot write the document" : d.surface->pdfStatus().error()};
    d.surface.reset();
  }
  if (onePagePdfs_.empty()) return;
  documentsClosed_ = true;
  const std::vector<fs::path> pages = std::exchange(onePagePdfs_, {});
  const Document& all = documents_[0];
  const auto written = [&](size_t i, const Outcome& page) {
    if (!page) failed(pages[i], page.error());
    jobDone();
  };
  if (!all.closed) {
    for (size_t i = 0; i < pages.size(); ++i)
      written(i, Failure{"the run's document was not written: " + all.closed.error()});
    return;
  }
  splitPdfPages(all.part, pages, written);
}

Outcome QtPictureStore::saveDocument(int meal, const fs::path& target) {
  wait();
  if (meal < 0 || meal > 3) return Failure{"no such document"};
  Document& d = documents_[static_cast<size_t>(meal)];
  if (d.pages == 0) return Failure{"no page was stored"};
  Outcome saved = d.closed;
  if (saved && lateDocumentPages_) saved = Failure{"pages came after the document was closed and are not in it"};
  // The document is on the disk before it takes its name.
  if (saved && !syncFileSystem(d.part)) saved = Failure{"cannot flush it to the disk"};
  if (saved) saved = putInPlace(d.part, target);
  std::error_code ec;
  fs::remove(d.part, ec);
  d = Document{};
  return saved;
}

bool QtPictureStore::saveTifs(const fs::path& colour, const fs::path& blackWhite) {
  wait();
  bool ok = true;
  const std::pair<std::unique_ptr<TiffPages>*, fs::path> files[] = {{&colour_, colour}, {&blackWhite_, blackWhite}};
  for (const auto& [tif, target] : files) {
    if (!*tif || (*tif)->pages() == 0) {
      failed(target, (*tif && !(*tif)->status()) ? (*tif)->status().error() : "no page was stored");
      ok = false;
      continue;
    }
    if (const Outcome closed = (*tif)->close(); !closed) {
      failed(target, closed.error());
      ok = false;
      continue;
    }
    if (!syncFileSystem((*tif)->path())) {
      failed(target, "cannot flush it to the disk");
      ok = false;
      continue;
    }
    if (const Outcome placed = putInPlace((*tif)->path(), target); !placed) {
      failed(target, placed.error());
      ok = false;
    }
  }
  // What did not reach its name is removed with the temporary files.
  dropTifs();
  return ok;
}

}  // namespace mc
