// A multi-page TIF file written with libtiff, one page (directory) at a
// time, so that a run of any length never holds more than one page image:
// colour pages as JPEG, black-and-white pages as 1-bit CCITT Group 4.
#pragma once

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "data/outcome.h"

typedef struct tiff TIFF;

namespace mc {

class TiffPages {
 public:
  enum class Kind { Colour, BlackWhite };

  TiffPages(Kind kind, std::filesystem::path path);
  ~TiffPages();
  TiffPages(const TiffPages&) = delete;
  TiffPages& operator=(const TiffPages&) = delete;

  // Appends the image as the next page: black and white, dithered; colour,
  // encoded as a JPEG of kJpegQuality. A file that could not be opened or
  // written takes no more pages, and status() says why.
  void addPage(const QImage& image);
  // Appends a colour page given as a whole baseline JPEG picture of
  // width x height pixels at dpi, 4:2:0 (as Qt writes it): the picture,
  // tables and all, becomes the page's one strip.
  void addJpegPage(const QByteArray& jpeg, int width, int height, double dpi);
  // Closes the file; a failure when anything failed.
  Outcome close();
  int pages() const { return pages_; }
  const Outcome& status() const { return status_; }
  const std::filesystem::path& path() const { return path_; }

  // The black-and-white page of a colour page, as fax rows (a bit a pixel,
  // the first pixel in the high bit, 1 black, rows padded to a byte).
  // Dithered, not thresholded: a threshold turns the pastel strips and
  // hilite boxes white, and those marks are what the kitchen reads a diet
  // by; dithered, they stay a tint as dark as their colour.
  static std::vector<uint8_t> faxBits(const QImage& image);
  // The JPEG of a colour page, for addJpegPage and the page's JPG file.
  static QByteArray jpeg(const QImage& image);
  static constexpr int kJpegQuality = 60;

 private:
  // Keeps the first failure.
  void fail(std::string why);
  bool open();
  void pageTags(uint32_t width, uint32_t height, double dpi);

  Kind kind_;
  std::filesystem::path path_;
  TIFF* tif_ = nullptr;
  int pages_ = 0;
  Outcome status_;
};

}  // namespace mc
