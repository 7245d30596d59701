// The picture store on this machine: each page is drawn again from its
// recording by the Qt surfaces, on two threads of its own so that the run
// never waits for an encoder: one draws the page as a picture (the JPG and
// the pages of the two TIF files, in page order), the other as a one-page
// vector PDF. The TIF pages are written to the files as they come, so a
// run of any length holds only the pages still queued.
//
// Needs a QGuiApplication (for the fonts).
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/tiff_pages.h"
#include "printrun/picture_store.h"

namespace mc {

class QtPictureStore final : public PictureStore {
 public:
  // The resolution of the JPG and TIF pages.
  static constexpr double kPictureDpi = 150;
  static constexpr int kJpgQuality = 90;

  QtPictureStore();
  ~QtPictureStore() override;

  void clear(bool runFiles) override;
  void addPage(std::shared_ptr<const RecordedPage> page, const std::filesystem::path& jpg,
               const std::filesystem::path& pdf) override;
  void wait() override;
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

   private:
    void loop();
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
  };

  void failed(const std::filesystem::path& file, const std::string& reason);
  void drawPicture(const RecordedPage& page, const std::filesystem::path& jpg);
  void drawPdf(const RecordedPage& page, const std::filesystem::path& pdf);
  void dropTifs();

  std::mutex failuresMutex_;
  std::vector<StoreFailure> failures_;
  bool runFiles_ = false;
  // Touched only by the picture worker (or while both workers are idle).
  std::unique_ptr<TiffPages> colour_;
  std::unique_ptr<TiffPages> blackWhite_;
  Worker pictures_;
  Worker documents_;
};

}  // namespace mc
