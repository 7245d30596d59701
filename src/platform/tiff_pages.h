// A multi-page TIF file written with libtiff, one page (directory) at a
// time, so that a run of any length never holds more than one page image:
// colour pages as 8-bit RGB with LZW, black-and-white pages as 1-bit CCITT
// Group 4.
#pragma once

#include <QImage>
#include <filesystem>
#include <string>

typedef struct tiff TIFF;

namespace mc {

class TiffPages {
 public:
  enum class Kind { Colour, BlackWhite };

  TiffPages(Kind kind, std::filesystem::path path);
  ~TiffPages();
  TiffPages(const TiffPages&) = delete;
  TiffPages& operator=(const TiffPages&) = delete;

  // Appends the image as the next page. False (and error() says why) when
  // the file could not be opened or written.
  bool addPage(const QImage& image);
  // Closes the file; false when anything failed.
  bool close();
  int pages() const { return pages_; }
  const std::string& error() const { return error_; }
  const std::filesystem::path& path() const { return path_; }

  // The black-and-white page of a colour page. Dithered, not thresholded:
  // a threshold turns the pastel strips and hilite boxes white, and those
  // marks are what the kitchen reads a diet by.
  static QImage blackWhite(const QImage& image);

 private:
  bool fail(std::string why);

  Kind kind_;
  std::filesystem::path path_;
  TIFF* tif_ = nullptr;
  int pages_ = 0;
  std::string error_;
};

}  // namespace mc
