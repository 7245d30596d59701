// The picture store on this machine: each page is drawn again from its
// recording by the Qt surfaces, on threads of its own so that the run
// never waits for an encoder, and so that both cores work: one draws the
// page as a picture (the JPG and the colour TIF page), one
// turns that picture into the black-and-white TIF page, one draws the
// one-page vector PDF and the run's backup documents. Each keeps page
// order. The TIF pages and the documents are written as they come, so a
// run of any length holds only the pages still queued.
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
  // The page is drawn once, at kPictureDpi, for the JPG and the
  // black-and-white TIF page, and scaled to kColourTifDpi for the colour TIF
  // page: every line of a card stays legible in each, and a run of a
  // thousand residents stays within a quarter of a gigabyte (see README).
  static constexpr double kPictureDpi = 120;
  static constexpr double kColourTifDpi = 80;

  QtPictureStore();
  ~QtPictureStore() override;

  void clear(bool runFiles) override;
  void addPage(std::shared_ptr<const RecordedPage> page, const std::filesystem::path& jpg,
               const std::filesystem::path& pdf, int meal) override;
  void wait(const Progress& progress = {}) override;
  std::string saveDocument(int meal, const std::filesystem::path& target) override;
  bool saveTifs(const std::filesystem::path& colour, const std::filesystem::path& blackWhite) override;
  std::vector<StoreFailure> takeFailures() override;

 private:
  // One thread working through its jobs in the order given.
  class Worker {
   public:
    Worker();
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
    std::thread thread_;
  };

  // A backup document being drawn: all pages (0) or one meal's (1..3).
  struct Document {
    std::filesystem::path part;
    std::unique_ptr<QtSurface> surface;
    int pages = 0;
  };

  void failed(const std::filesystem::path& file, const std::string& reason);
  void drawPicture(const RecordedPage& page, const std::filesystem::path& jpg);
  void drawBlackWhite(const QImage& image, const std::filesystem::path& folder);
  void drawPdf(const RecordedPage& page, const std::filesystem::path& pdf, int meal);
  void addToDocument(int meal, const RecordedPage& page, const std::filesystem::path& folder);
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
  Worker pictures_;
  Worker mono_;
  Worker vectors_;
};

}  // namespace mc
