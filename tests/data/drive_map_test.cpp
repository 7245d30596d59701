#include <gtest/gtest.h>

#include <filesystem>

#include "data/drive_map.h"
#include "support/test_drives.h"

namespace fs = std::filesystem;

namespace mc {
namespace {

using test::Rec;
using test::TempDrives;

TEST(DriveMap, ComponentsMatchInAnyCase) {
  TempDrives t;
  t.putFile("c:\\DNV\\Setup\\Mcardset.ABC", "x");
  EXPECT_TRUE(t.drives().fileExists("c:\\dnv\\setup\\mcardset.abc"));
  EXPECT_TRUE(t.drives().fileExists("C:\\dnv\\SETUP\\MCARDSET.abc"));
  EXPECT_EQ(*t.drives().hostPath("c:\\dnv\\setup\\mcardset.abc"),
            t.root() / "c" / "DNV" / "Setup" / "Mcardset.ABC");
  // A missing component keeps the spelling given, under the matched folders.
  EXPECT_EQ(*t.drives().hostPath("c:\\dnv\\SETUP\\New.txt"), t.root() / "c" / "DNV" / "Setup" / "New.txt");
  EXPECT_FALSE(t.drives().fileExists("c:\\dnv\\setup"));  // a folder is not a file
  EXPECT_TRUE(t.drives().folderExists("c:\\dnv\\setup"));
}

TEST(DriveMap, DriveFoldersMayCarryTheColon) {
  TempDrives t;
  fs::create_directories(t.root() / "d:" / "dnv");
  EXPECT_TRUE(t.drives().folderExists("D:\\dnv"));
  EXPECT_FALSE(t.drives().hostPath("e:\\dnv").has_value());
  EXPECT_EQ(t.drives().drives(), (std::vector<char>{'c', 'd'}));
}

TEST(DriveMap, TrailingDotsAreDroppedAsWindowsDoes) {
  TempDrives t;
  t.putFile("c:\\dnv\\setup\\Mcardset.", "x");
  EXPECT_TRUE(fs::exists(t.root() / "c" / "dnv" / "setup" / "Mcardset"));
  EXPECT_TRUE(t.drives().fileExists("c:\\dnv\\setup\\MCARDSET"));
}

TEST(DriveMap, RelativeComponentsAndForwardSlashes) {
  TempDrives t;
  t.putFile("c:/dnv/a.txt", "x");
  EXPECT_TRUE(t.drives().fileExists("c:\\dnv\\sub\\..\\.\\A.TXT"));
  EXPECT_TRUE(t.drives().fileExists("\\dnv\\a.txt"));  // no drive: drive c
  EXPECT_FALSE(t.drives().hostPath("dnv\\a.txt").has_value());
}

TEST(DriveMap, CopyDeleteWithWildcardAndCreateFolder) {
  TempDrives t;
  t.putFile("c:\\dnv\\cards\\A.pdf", "1");
  t.putFile("c:\\dnv\\cards\\b.PDF", "2");
  t.putFile("c:\\dnv\\cards\\TC.txt", "3");
  EXPECT_TRUE(t.drives().copyFile("c:\\dnv\\cards\\tc.TXT", "c:\\dnv\\cards\\copy.txt"));
  EXPECT_EQ(t.read("c:\\dnv\\cards\\copy.txt"), "3");
  EXPECT_FALSE(t.drives().copyFile("c:\\dnv\\cards\\none.txt", "c:\\dnv\\cards\\x.txt"));
  EXPECT_EQ(t.drives().removeFiles("c:\\DNV\\Cards\\*.pdf"), 2);
  EXPECT_TRUE(t.exists("c:\\dnv\\cards\\TC.txt"));
  EXPECT_FALSE(t.exists("c:\\dnv\\cards\\a.pdf"));
  EXPECT_TRUE(t.drives().createFolder("c:\\dnv\\PDF\\deeper"));
  EXPECT_TRUE(t.drives().folderExists("c:\\DNV\\pdf\\DEEPER"));
}

TEST(Wildcard, MatchesLikeTheDeleteCommand) {
  EXPECT_TRUE(wildcardMatch("*.pdf", "TCB.PDF"));
  EXPECT_TRUE(wildcardMatch("tc?.pdf", "TCL.pdf"));
  EXPECT_FALSE(wildcardMatch("*.pdf", "TC.pdf.txt"));
  EXPECT_TRUE(wildcardMatch("*", ""));
}

TEST(RecordFile, RecordsBeyondTheEndReadAsBlanks) {
  TempDrives t;
  t.putFile("c:\\f.dat", "AAAABBBBCC");
  const RecordFile f = t.drives().readRecords("c:\\f.dat", 4);
  EXPECT_TRUE(f.exists());
  EXPECT_EQ(f.recordCount(), 3);
  EXPECT_EQ(f.record(2), "BBBB");
  EXPECT_EQ(f.record(3), "CC  ");
  EXPECT_EQ(f.record(4), "    ");
  EXPECT_EQ(f.record(0), "    ");
  const RecordFile missing = t.drives().readRecords("c:\\none.dat", 4);
  EXPECT_FALSE(missing.exists());
  EXPECT_EQ(missing.record(1), "    ");
}

TEST(RecordFile, WritingInPlaceKeepsTheOtherBytesAndExtendsWithBlanks) {
  TempDrives t;
  t.putFile("c:\\f.dat", "AAAABBBBCCCC");
  ASSERT_TRUE(t.drives().writeRecord("c:\\F.DAT", 4, 2, "xy"));
  EXPECT_EQ(t.read("c:\\f.dat"), "AAAAxy  CCCC");
  ASSERT_TRUE(t.drives().writeRecord("c:\\f.dat", 4, 5, "toolong"));
  EXPECT_EQ(t.read("c:\\f.dat"), "AAAAxy  CCCC    tool");
  ASSERT_TRUE(t.drives().writeRecord("c:\\new.dat", 3, 2, "abc"));
  EXPECT_EQ(t.read("c:\\new.dat"), "   abc");
  EXPECT_FALSE(t.drives().writeRecord("c:\\nofolder\\new.dat", 3, 1, "abc"));
  EXPECT_FALSE(t.drives().writeRecord("q:\\new.dat", 3, 1, "abc"));
}

}  // namespace
}  // namespace mc

namespace mc {
namespace {

// The drive map remembers folders and folder listings between lookups; a
// file added a moment after a lookup in another case must still be found.
TEST(DriveMap, NamesAddedRightAfterALookupAreFoundInAnyCase) {
  test::TempDrives t;
  t.putFile("c:\\dnv\\res\\A.txt", "a");
  EXPECT_TRUE(t.drives().fileExists("C:\\DNV\\RES\\a.TXT"));
  EXPECT_FALSE(t.drives().fileExists("c:\\dnv\\res\\b.txt"));
  t.putFile("c:\\dnv\\res\\B.TXT", "b");
  EXPECT_TRUE(t.drives().fileExists("c:\\dnv\\res\\b.txt"));
  EXPECT_TRUE(t.drives().folderExists("c:\\DNV\\res"));
  EXPECT_FALSE(t.drives().folderExists("c:\\dnv\\res\\b.txt"));
  EXPECT_EQ(t.drives().fileSize("c:\\dnv\\RES\\b.txt"), 1u);
}

}  // namespace
}  // namespace mc
