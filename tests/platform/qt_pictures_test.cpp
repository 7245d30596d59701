// The program's picture store: a file that is no picture is named once and
// left out; a picture is decoded once and read again only when its file
// changes.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/qt_pictures.h"
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
  EXPECT_EQ(store.image(broken), nullptr);
  EXPECT_NE(warnings.str().find(broken), std::string::npos) << warnings.str();
  EXPECT_EQ(warnings.str().find(broken), warnings.str().rfind(broken)) << "named more than once";

  const std::string good = (tmp.root() / "Honey.asz").string(), copy = (tmp.root() / "Honey.as2").string();
  QImage red(8, 8, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(QString::fromStdString(copy), "JPG"));
  fs::copy_file(copy, good);
  ASSERT_TRUE(store.Load(good, copy));
  fs::remove(copy);  // the working copy is gone; the picture stays
  const QImage* first = store.image(good);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(store.image(good)->cacheKey(), first->cacheKey());
  // A changed file is a new picture: it has to be loaded again.
  std::ofstream(good, std::ios::app) << "more";
  fs::last_write_time(good, fs::last_write_time(good) + std::chrono::seconds(2));
  EXPECT_EQ(store.Loaded(good), std::nullopt);
}

}  // namespace
}  // namespace mc
