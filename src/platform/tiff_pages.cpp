#include "platform/tiff_pages.h"

#include <fcntl.h>
#include <tiffio.h>
#include <unistd.h>

#include <QBuffer>
#include <QImageWriter>
#include <cmath>
#include <vector>

#include "data/atomic_file.h"

namespace mc {

TiffPages::TiffPages(Kind kind, std::filesystem::path path) : kind_(kind), path_(std::move(path)) {}

// A file not closed by its writer is one nobody waits for: the store
// removes it.
TiffPages::~TiffPages() { static_cast<void>(close()); }

void TiffPages::fail(std::string why) {
  if (status_) status_ = Failure{std::move(why)};
}

std::vector<uint8_t> TiffPages::faxBits(const QImage& image) {
  const QImage page = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
                          ? image
                          : image.convertToFormat(QImage::Format_RGB32);
  const int width = page.width();
  const size_t stride = (static_cast<size_t>(width) + 7) / 8;
  std::vector<uint8_t> bits(stride * static_cast<size_t>(page.height()), 0);
  // Floyd-Steinberg: each pixel's error goes 7/16 right, 3/16, 5/16 and
  // 1/16 to the row below. Blank paper with no error to carry stays blank
  // at no cost, and most of a card is blank paper.
  std::vector<int> here(static_cast<size_t>(width) + 2, 0), below(static_cast<size_t>(width) + 2, 0);
  for (int y = 0; y < page.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
    uint8_t* out = bits.data() + stride * static_cast<size_t>(y);
    int* const next = below.data() + 1;  // next[x] is below pixel x
    const int* const above = here.data() + 1;
    int right = 0;  // the error carried to the next pixel of this row
    for (int x = 0; x < width; ++x) {
      const int carried = above[x] + right;
      if (carried == 0 && (row[x] & 0xffffff) == 0xffffff) {
        right = 0;
        continue;
      }
      const int level = qGray(row[x]) + carried;
      int error = level;
      if (level < 128)
        out[x >> 3] |= static_cast<uint8_t>(0x80 >> (x & 7));
      else
        error = level - 255;
      right = error * 7 / 16;
      next[x - 1] += error * 3 / 16;
      next[x] += error * 5 / 16;
      next[x + 1] += error / 16;
    }
    here.swap(below);
    std::fill(below.begin(), below.end(), 0);
  }
  return bits;
}

QByteArray TiffPages::jpeg(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpg");
  writer.setQuality(kJpegQuality);
  writer.setOptimizedWrite(true);
  if (!writer.write(image)) return {};
  return bytes;
}

bool TiffPages::open() {
  if (!status_) return false;
  if (!tif_) {
    // Opened as every output of ours is, so that a pipe, a device or a link
    // out of its folder in its place is refused instead of written to;
    // libtiff closes the file.
    const Result<int> opened = openOutputFile(path_, path_.parent_path(), O_RDWR | O_CREAT | O_TRUNC);
    if (!opened) {
      fail(opened.error());
      return false;
    }
    const int fd = *opened;
    tif_ = TIFFFdOpen(fd, path_.c_str(), "w");
    if (!tif_) {
      ::close(fd);
      fail("cannot create the file");
      return false;
    }
  }
  return true;
}

void TiffPages::pageTags(uint32_t width, uint32_t height, double dpi) {
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
}

void TiffPages::addJpegPage(const QByteArray& jpeg, int width, int height, double dpi) {
  if (!open()) return;
  if (jpeg.isEmpty() || width <= 0 || height <= 0) return fail("an empty page");
  pageTags(static_cast<uint32_t>(width), static_cast<uint32_t>(height), dpi);
  TIFFSetField(tif_, TIFFTAG_SAMPLESPERPIXEL, 3);
  TIFFSetField(tif_, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(tif_, TIFFTAG_COMPRESSION, COMPRESSION_JPEG);
  // A whole JPEG stream per strip, tables included, as the JPG file holds
  // it: readers take a strip's own tables when the file has none.
  TIFFSetField(tif_, TIFFTAG_JPEGTABLESMODE, 0);
  TIFFSetField(tif_, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_YCBCR);
  TIFFSetField(tif_, TIFFTAG_YCBCRSUBSAMPLING, 2, 2);
  TIFFSetField(tif_, TIFFTAG_ROWSPERSTRIP, static_cast<uint32_t>(height));
  const bool ok = TIFFWriteRawStrip(tif_, 0, const_cast<char*>(jpeg.constData()), jpeg.size()) == jpeg.size();
  if (!ok || !TIFFWriteDirectory(tif_)) return fail("cannot write page " + std::to_string(pages_ + 1));
  ++pages_;
}

void TiffPages::addPage(const QImage& page) {
  if (!open()) return;
  if (page.isNull()) return fail("an empty page");
  const double dpi = page.dotsPerMeterX() > 0 ? page.dotsPerMeterX() * 0.0254 : 150;
  if (kind_ == Kind::Colour) return addJpegPage(jpeg(page), page.width(), page.height(), dpi);

  const uint32_t width = static_cast<uint32_t>(page.width());
  const uint32_t height = static_cast<uint32_t>(page.height());
  pageTags(width, height, dpi);
  TIFFSetField(tif_, TIFFTAG_SAMPLESPERPIXEL, 1);
  TIFFSetField(tif_, TIFFTAG_BITSPERSAMPLE, 1);
  TIFFSetField(tif_, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
  TIFFSetField(tif_, TIFFTAG_COMPRESSION, COMPRESSION_CCITTFAX4);
  TIFFSetField(tif_, TIFFTAG_FILLORDER, FILLORDER_MSB2LSB);
  TIFFSetField(tif_, TIFFTAG_ROWSPERSTRIP, height);
  // The page goes to the encoder whole: one call instead of a row at a time.
  std::vector<uint8_t> bits = faxBits(page);
  const bool ok = TIFFWriteEncodedStrip(tif_, 0, bits.data(), static_cast<tmsize_t>(bits.size())) >= 0;
  if (!ok || !TIFFWriteDirectory(tif_)) return fail("cannot write page " + std::to_string(pages_ + 1));
  ++pages_;
}

Outcome TiffPages::close() {
  if (tif_) {
    if (pages_ > 0 && !TIFFFlush(tif_)) fail("cannot finish the file");
    TIFFClose(tif_);
    tif_ = nullptr;
  }
  return status_;
}

}  // namespace mc
