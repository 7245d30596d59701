// The scrambled picture form and the file conversions around it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "render/picture_files.h"
#include "support/commands.h"
#include "support/test_drives.h"

namespace mc {
namespace {

namespace fs = std::filesystem;

// Block n (from 1) filled with the letter 'a' + n - 1, then a tail.
std::string numberedBlocks(int blocks, const std::string& tail = "") {
  std::string bytes;
  for (int n = 1; n <= blocks; ++n) bytes += std::string(kScrambleBlock, static_cast<char>('a' + n - 1));
  return bytes + tail;
}

char blockLetter(const std::string& bytes, int n) { return bytes[(n - 1) * kScrambleBlock + 7]; }

using test::readFile;
using test::writeFile;

TEST(PictureFiles, ScramblingMovesBlocks19To1And1To15And15To19AndUnscramblingMovesThemBack) {
  const std::string original = numberedBlocks(25, "tail");
  std::string bytes = original;
  ScrambleBytes(bytes);
  EXPECT_EQ(blockLetter(bytes, 1), 'a' + 18);
  EXPECT_EQ(blockLetter(bytes, 15), 'a');
  EXPECT_EQ(blockLetter(bytes, 19), 'a' + 14);
  for (int n : {2, 14, 16, 18, 20, 25}) EXPECT_EQ(blockLetter(bytes, n), 'a' + n - 1) << n;
  EXPECT_EQ(bytes.size(), original.size());
  EXPECT_EQ(bytes.substr(bytes.size() - 4), "tail");
  UnscrambleBytes(bytes);
  EXPECT_EQ(bytes, original);
  // Exactly 19 blocks is enough; one byte less, and the file stays as it is.
  std::string nineteen = numberedBlocks(19);
  ScrambleBytes(nineteen);
  EXPECT_EQ(blockLetter(nineteen, 1), 'a' + 18);
  std::string short_ = numberedBlocks(19).substr(0, 19 * kScrambleBlock - 1);
  const std::string kept = short_;
  ScrambleBytes(short_);
  EXPECT_EQ(short_, kept);
  UnscrambleBytes(short_);
  EXPECT_EQ(short_, kept);
}

TEST(PictureFiles, AJpgBecomesItsScrambledAszAndIsGoneAndTheWorkingCopyReadsAsTheJpg) {
  test::TempDrives tmp;
  const fs::path folder = tmp.root() / "jpgs";  // "JPG" in a folder name is no extension
  fs::create_directories(folder);
  const std::string picture = numberedBlocks(30, "end");
  writeFile(folder / "Nectar.jpg", picture);

  const std::string asz = ConvertJPG((folder / "Nectar.jpg").string());
  EXPECT_EQ(asz, (folder / "Nectar.ASZ").string());
  EXPECT_FALSE(fs::exists(folder / "Nectar.jpg"));
  std::string scrambled = picture;
  ScrambleBytes(scrambled);
  EXPECT_EQ(readFile(asz), scrambled);

  const std::string copy = ConvertASZ(asz);
  EXPECT_EQ(copy, (folder / "Nectar.AS2").string());
  EXPECT_EQ(readFile(copy), picture);
  EXPECT_EQ(readFile(asz), scrambled);  // the .asz stays as it was
  KCFil(copy);
  EXPECT_FALSE(fs::exists(copy));

  // Other names are refused and touch nothing.
  writeFile(folder / "notes.txt", "x");
  EXPECT_EQ(ConvertJPG((folder / "notes.txt").string()), "");
  EXPECT_EQ(ConvertASZ((folder / "notes.txt").string()), "");
  EXPECT_EQ(ConvertJPG((folder / "missing.jpg").string()), "");
  EXPECT_TRUE(fs::exists(folder / "notes.txt"));
  for (const auto& entry : fs::directory_iterator(folder))
    EXPECT_NE(entry.path().extension(), ".part") << "a temporary file was left";
}

}  // namespace
}  // namespace mc
