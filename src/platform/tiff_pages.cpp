#include "platform/tiff_pages.h"

#include <fcntl.h>
#include <tiffio.h>
#include <unistd.h>

#include <cmath>
#include <vector>

#include "data/atomic_file.h"

namespace mc {

TiffPages::TiffPages(Kind kind, std::filesystem::path path) : kind_(kind), path_(std::move(path)) {}

TiffPages::~TiffPages() { close(); }

bool TiffPages::fail(std::string why) {
  if (error_.empty()) error_ = std::move(why);
  return false;
}

QImage TiffPages::blackWhite(const QImage& image) {
  return image.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::DiffuseDither);
}

bool TiffPages::addPage(const QImage& page) {
  if (!error_.empty()) return false;
  if (page.isNull()) return fail("an empty page");
  if (!tif_) {
    // Opened as every output of ours is, so that a pipe, a device or a link
    // out of its folder in its place is refused instead of written to;
    // libtiff closes the file.
    std::string refused;
    const int fd = openOutputFile(path_, path_.parent_path(), O_RDWR | O_CREAT | O_TRUNC, refused);
    if (fd < 0) return fail(refused);
    tif_ = TIFFFdOpen(fd, path_.c_str(), "w");
    if (!tif_) {
      ::close(fd);
      return fail("cannot create the file");
    }
  }
  const uint32_t width = static_cast<uint32_t>(page.width());
  const uint32_t height = static_cast<uint32_t>(page.height());
  const double dpi = page.dotsPerMeterX() > 0 ? page.dotsPerMeterX() * 0.0254 : 150;
  TIFFSetField(tif_, TIFFTAG_IMAGEWIDTH, width);
  TIFFSetField(tif_, TIFFTAG_IMAGELENGTH, height);
  TIFFSetField(tif_, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(tif_, TIFFTAG_XRESOLUTION, static_cast<float>(std::round(dpi)));
  TIFFSetField(tif_, TIFFTAG_YRESOLUTION, static_cast<float>(std::round(dpi)));
  TIFFSetField(tif_, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
  TIFFSetField(tif_, TIFFTAG_SUBFILETYPE, FILETYPE_PAGE);
  // The page count is unknown until the run ends; 0 says so.
  TIFFSetField(tif_, TIFFTAG_PAGENUMBER, static_cast<uint16_t>(pages_), static_cast<uint16_t>(0));
  TIFFSetField(tif_, TIFFTAG_SOFTWARE, "mealcards");

  bool ok = true;
  if (kind_ == Kind::Colour) {
    const QImage rgb = page.convertToFormat(QImage::Format_RGB888);
    TIFFSetField(tif_, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(tif_, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tif_, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tif_, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
    TIFFSetField(tif_, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
    TIFFSetField(tif_, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tif_, 0));
    std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
    for (uint32_t y = 0; ok && y < height; ++y) {
      std::copy_n(rgb.constScanLine(static_cast<int>(y)), row.size(), row.begin());
      ok = TIFFWriteScanline(tif_, row.data(), y, 0) >= 0;
    }
  } else {
    const QImage mono = blackWhite(page);
    // Fax pages are "1 is black"; the dithered image's colour table says
    // which of its two indexes is black.
    const bool zeroIsBlack = mono.colorCount() > 0 && qGray(mono.color(0)) < 128;
    TIFFSetField(tif_, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(tif_, TIFFTAG_BITSPERSAMPLE, 1);
    TIFFSetField(tif_, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
    TIFFSetField(tif_, TIFFTAG_COMPRESSION, COMPRESSION_CCITTFAX4);
    TIFFSetField(tif_, TIFFTAG_FILLORDER, FILLORDER_MSB2LSB);
    TIFFSetField(tif_, TIFFTAG_ROWSPERSTRIP, height);
    std::vector<uint8_t> row((width + 7) / 8);
    for (uint32_t y = 0; ok && y < height; ++y) {
      const uchar* bits = mono.constScanLine(static_cast<int>(y));
      for (size_t i = 0; i < row.size(); ++i) row[i] = zeroIsBlack ? static_cast<uint8_t>(~bits[i]) : bits[i];
      ok = TIFFWriteScanline(tif_, row.data(), y, 0) >= 0;
    }
  }
  if (!ok || !TIFFWriteDirectory(tif_)) return fail("cannot write page " + std::to_string(pages_ + 1));
  ++pages_;
  return true;
}

bool TiffPages::close() {
  if (tif_) {
    if (pages_ > 0 && !TIFFFlush(tif_)) fail("cannot finish the file");
    TIFFClose(tif_);
    tif_ = nullptr;
  }
  return error_.empty();
}

}  // namespace mc
