// The picture store on this machine: each page is drawn again from its
// recording by the Qt surfaces, on threads of its own so that the run
// never waits for an encoder, and so that both cores work, each thread
// with a share of the work of a page: one draws the colour picture and
// encodes it once for the JPG and the colour TIF page; one draws the
// picture for the black-and-white page and another dithers and codes it;
// one draws the page into the run's backup documents. Each keeps page
// order. The TIF pages and the documents are written as they come, so a
// run of any length holds only the pages still queued.
//
// In a run with the run files, the one-page PDFs are cut from the run's
// document when it closes (wait()), each page with the fonts and pictures
// it uses; in a run without them each is drawn as a document of its own.
//
// The files of a page are put in place without a flush to the disk each;
// wait() flushes them all at once, which costs one call instead of two per
// file.
//
// Needs a QGuiApplication (for the fonts).
#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/tiff_pages.h"
#include "printrun/picture_store.h"

namespace mc {

class QtSurface;

class QtPictureStore final : public PictureStore {
 public:
  // The page is drawn once, at kPictureDpi, for the black-and-white TIF
  // page, and scaled to kColourDpi for the colour picture (the JPG and the
  // colour TIF page): every line of a card stays legible in each, and a run
  // of a thousand residents stays within a quarter of a gigabyte (see
  // docs/benchmarks.md).
  static constexpr double kPictureDpi = 120;
  static constexpr double kColourDpi = 96;

  QtPictureStore();
  ~QtPictureStore() override;

  void clear(bool runFiles) override;
  void addPage(std::shared_ptr<const RecordedPage> page, const std::filesystem::path& jpg,
               const std::filesystem::path& pdf, int meal) override;
  void wait(const Progress& progress = {}) override;
  Outcome saveDocument(int meal, const std::filesystem::path& target) override;
  bool saveTifs(const std::filesystem::path& colour, const std::filesystem::path& blackWhite) override;
  std::vector<StoreFailure> takeFailures() override;

 private:
  // One thread working through its jobs in the order given.
  class Worker {
   public:
    // At most `queued` jobs wait (0: any number); post() waits for room.
    explicit Worker(size_t queued = 0);
    ~Worker();
    void post(std::function<void()> job);
    void wait();
    // True once idle; false when `ms` passed first.
    bool waitFor(int ms);

   private:
    void loop();
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    size_t queued_;
    std::thread thread_;
  };

  // A backup document: all pages (0) or one meal's (1..3), being drawn
  // (surface) or closed and waiting for its name (part).
  struct Document {
    std::filesystem::path part;
    std::unique_ptr<QtSurface> surface;
    int pages = 0;
    Outcome closed;  // whether closing it worked
  };

  void failed(const std::filesystem::path& file, const std::string& reason);
  void drawColour(const RecordedPage& page, const std::filesystem::path& jpg);
  // The page as a picture at dpi.
  static QImage drawn(const RecordedPage& page, double dpi);
  void drawBlackWhite(const QImage& image, const std::filesystem::path& folder);
  void drawPdf(const RecordedPage& page, const std::filesystem::path& pdf, int meal);
  void addToDocument(int meal, const RecordedPage& page, const std::filesystem::path& folder);
  // Closes the documents and cuts the one-page PDFs from the run's.
  void closeDocuments();
  void dropRunFiles();
  void dropTifs();
  void jobDone() { ++jobsDone_; }

  std::mutex failuresMutex_;
  std::vector<StoreFailure> failures_;
  bool runFiles_ = false;
  // Where files were put in place without a flush, for wait(); touched
  // while the workers are idle only, or under failuresMutex_.
  std::filesystem::path unsynced_;
  std::atomic<int> jobsDone_{0};
  int jobsPosted_ = 0;
  int jobsPerPage_ = 2;
  // Each touched only by its worker (or while all workers are idle).
  std::unique_ptr<TiffPages> colour_;
  std::unique_ptr<TiffPages> blackWhite_;
  std::array<Document, 4> documents_;
  // The one-page PDFs of the pages in the run's document, in page order.
  std::vector<std::filesystem::path> onePagePdfs_;
  bool documentsClosed_ = false;
  bool lateDocumentPages_ = false;
  Worker colours_;
  Worker pictures_;
  // Its jobs hold a page picture each (5 MB at 120 dpi): a few wait at most,
  // so that a faster picture thread does not fill the memory with them.
  Worker mono_{4};
  Worker vectors_;
};

}  // namespace mc
