// The program's picture store: a file that is no picture is named once and
// left out; a picture is decoded once and read again only when its file
// changes. And the black-and-white pages of the backup's TIF file.
#include <gtest/gtest.h>

#include <QImage>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "platform/qt_pictures.h"
#include "platform/tiff_pages.h"
#include "support/test_drives.h"

namespace mc {
namespace {

namespace fs = std::filesystem;

TEST(QtPictures, APictureThatDoesNotDecodeIsNamedOnceAndADecodedOneIsKeptUntilItsFileChanges) {
  test::TempDrives tmp;
  std::ostringstream warnings;
  QtPictures store(warnings);
  const std::string broken = (tmp.root() / "Nectar.asz").string();
  std::ofstream(broken) << "not a picture at all";
  EXPECT_FALSE(store.Load(broken, broken));
  EXPECT_EQ(store.Loaded(broken), std::optional<bool>(false));
  EXPECT_TRUE(store.image(broken).isNull());
  // The card's loader names it, by its Windows path, for the run's list.
  EXPECT_EQ(warnings.str(), "");
  EXPECT_FALSE(store.LoadBytes(broken, "not a picture at all"));
  // A name given straight to image() has nobody else to name it.
  const std::string straight = (tmp.root() / "Pudding.asz").string();
  std::ofstream(straight) << "not a picture either";
  EXPECT_TRUE(store.image(straight).isNull());
  EXPECT_TRUE(store.image(straight).isNull());
  EXPECT_NE(warnings.str().find(straight), std::string::npos) << warnings.str();
  EXPECT_EQ(warnings.str().find(straight), warnings.str().rfind(straight)) << "named more than once";

  const std::string good = (tmp.root() / "Honey.asz").string(), copy = (tmp.root() / "Honey.as2").string();
  QImage red(8, 8, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(QString::fromStdString(copy), "JPG"));
  fs::copy_file(copy, good);
  // Decoded in memory where no working copy can be written.
  std::ifstream in(copy, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_TRUE(store.LoadBytes(good, bytes));
  ASSERT_TRUE(store.Load(good, copy));
  fs::remove(copy);  // the working copy is gone; the picture stays
  const QImage first = store.image(good);
  ASSERT_FALSE(first.isNull());
  EXPECT_EQ(store.image(good).cacheKey(), first.cacheKey()) << "decoded again";
  // A changed file is a new picture: it has to be loaded again.
  std::ofstream(good, std::ios::app) << "more";
  fs::last_write_time(good, fs::last_write_time(good) + std::chrono::seconds(2));
  EXPECT_EQ(store.Loaded(good), std::nullopt);
}

// The backup's workers paint pages while the run loads the next card's
// pictures: a reload must never free a picture a painter still holds.
TEST(QtPictures, PaintersOnOtherThreadsKeepTheirPictureWhileTheRunReloadsIt) {
  test::TempDrives tmp;
  std::ostringstream warnings;
  QtPictures store(warnings);
  const std::string name = (tmp.root() / "Thick.jpg").string();
  QImage blue(64, 64, QImage::Format_RGB32);
  blue.fill(Qt::blue);
  ASSERT_TRUE(blue.save(QString::fromStdString(name), "JPG"));
  ASSERT_TRUE(store.Load(name, name));
  std::atomic<bool> stop = false;
  std::atomic<int> blank = 0;
  std::vector<std::thread> painters;
  for (int i = 0; i < 2; ++i)
    painters.emplace_back([&] {
      while (!stop) {
        const QImage image = store.image(name);
        if (image.isNull() || qBlue(image.pixel(image.width() - 1, image.height() - 1)) < 128) ++blank;
      }
    });
  for (int round = 0; round < 1000; ++round) {
    store.Load(name, name);
    store.Loaded("never loaded " + std::to_string(round));
  }
  stop = true;
  for (auto& t : painters) t.join();
  EXPECT_EQ(blank, 0);
}

// A page of paper with a black name line, a pastel diet strip and a mid
// grey dot: in the fax rows (1 is black, first pixel in the high bit) the
// paper stays blank, the line black, and the strip and the dot each a tint
// as dark as their colour, never thresholded away.
TEST(TiffPages, TheBlackAndWhitePageKeepsPaperBlankTextBlackAndTintsAsDarkAsTheirColour) {
  QImage page(203, 60, QImage::Format_RGB32);  // not a whole number of bytes a row
  page.fill(Qt::white);
  for (int x = 0; x < 203; ++x) page.setPixel(x, 2, qRgb(0, 0, 0));
  const QRect strip(0, 10, 203, 20), dot(100, 35, 40, 20);
  for (int y = strip.top(); y <= strip.bottom(); ++y)
    for (int x = strip.left(); x <= strip.right(); ++x) page.setPixel(x, y, qRgb(255, 230, 150));  // pastel yellow
  for (int y = dot.top(); y <= dot.bottom(); ++y)
    for (int x = dot.left(); x <= dot.right(); ++x) page.setPixel(x, y, qRgb(128, 128, 128));

  const std::vector<uint8_t> bits = TiffPages::faxBits(page);
  const size_t stride = 26;
  ASSERT_EQ(bits.size(), stride * 60);
  const auto black = [&](int x, int y) { return (bits[stride * y + x / 8] >> (7 - x % 8)) & 1; };
  const auto share = [&](const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) n += black(x, y);
    return static_cast<double>(n) / (r.width() * r.height());
  };
  EXPECT_EQ(share(QRect(0, 2, 203, 1)), 1.0);
  EXPECT_EQ(share(QRect(0, 4, 203, 5)), 0.0);     // paper between the marks
  EXPECT_EQ(share(QRect(150, 35, 53, 25)), 0.0);  // paper beside the dot
  // qGray of the strip is 221: about an eighth of its dots black.
  EXPECT_NEAR(share(strip), 1 - 221 / 255.0, 0.04);
  EXPECT_NEAR(share(dot), 0.5, 0.06);
  // The padding after the last pixel of a row is never black.
  for (int y = 0; y < 60; ++y) EXPECT_EQ(bits[stride * y + 25] & 0x1f, 0) << y;
}

}  // namespace
}  // namespace mc
