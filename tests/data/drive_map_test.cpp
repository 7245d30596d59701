#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "data/atomic_file.h"
#include "data/drive_map.h"
#include "support/commands.h"
#include "support/test_drives.h"

namespace fs = std::filesystem;

namespace mc {
namespace {

using test::readFile;
using test::TempDrives;
using test::writeFile;

TEST(DriveMap, ComponentsMatchInAnyCaseForLookupsCopiesDeletesAndFolders) {
  TempDrives t;
  t.putFile("c:\\DNV\\Setup\\Mcardset.ABC", "x");
  EXPECT_TRUE(t.drives().fileExists("C:\\dnv\\SETUP\\MCARDSET.abc"));
  // A missing component keeps the spelling given, under the matched folders.
  EXPECT_EQ(*t.drives().hostPath("c:\\dnv\\SETUP\\New.txt"), t.root() / "c" / "DNV" / "Setup" / "New.txt");
  EXPECT_FALSE(t.drives().fileExists("c:\\dnv\\setup"));  // a folder is not a file
  EXPECT_TRUE(t.drives().fileExists("c:/dnv/sub/../setup/./Mcardset.abc"));
  EXPECT_TRUE(t.drives().fileExists("\\dnv\\setup\\Mcardset.abc"));  // no drive: drive c
  EXPECT_FALSE(t.drives().hostPath("e:\\dnv").has_value());
  fs::create_directories(t.root() / "d:" / "dnv");  // a drive folder may carry the colon
  EXPECT_TRUE(t.drives().folderExists("D:\\dnv"));

  t.putFile("c:\\dnv\\setup\\Trailing.", "x");  // trailing dots are dropped, as Windows does
  EXPECT_TRUE(fs::exists(t.root() / "c" / "DNV" / "Setup" / "Trailing"));
  EXPECT_TRUE(t.drives().fileExists("c:\\dnv\\setup\\TRAILING"));

  t.putFile("c:\\dnv\\cards\\A.pdf", "1");
  t.putFile("c:\\dnv\\cards\\b.PDF", "2");
  t.putFile("c:\\dnv\\cards\\TC.pdf.txt", "3");
  EXPECT_TRUE(t.drives().copyFile("c:\\dnv\\cards\\tc.PDF.TXT", "c:\\dnv\\cards\\copy.txt"));
  EXPECT_EQ(t.read("c:\\dnv\\cards\\copy.txt"), "3");
  EXPECT_FALSE(t.drives().copyFile("c:\\dnv\\cards\\none.txt", "c:\\dnv\\cards\\x.txt"));
  EXPECT_EQ(t.drives().removeFiles("c:\\DNV\\Cards\\*.pdf"), 2);
  EXPECT_TRUE(t.exists("c:\\dnv\\cards\\TC.pdf.txt"));
  EXPECT_TRUE(wildcardMatch("tc?.pdf", "TCL.pdf"));
  EXPECT_TRUE(t.drives().createFolder("c:\\dnv\\PDF\\deeper"));
  EXPECT_TRUE(t.drives().folderExists("c:\\DNV\\pdf\\DEEPER"));
}

// The drive map remembers folders and folder listings between lookups; a
// file added a moment after a lookup in another case must still be found,
// and a window open all day sees folders renamed and made again in another case.
// A folder listed once (a name asked for was not there) answers later
// questions from its listing until it changes; an exact name still wins.
TEST(DriveMap, CachedFoldersAndListingsFollowTheDiskInAnyCase) {
  TempDrives t;
  t.putFile("c:\\pics\\Photo.JPG", "p");
  const fs::path folder = t.root() / "c" / "pics";
  std::ofstream(folder / "photo.jpg") << "q";  // the same name in another case, as only this disk allows
  const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
  fs::last_write_time(folder, old);
  const DriveMap& drives = t.drives();
  EXPECT_FALSE(drives.fileExists("c:\\pics\\none.asz"));
  EXPECT_EQ(drives.hostPath("c:\\pics\\photo.jpg")->filename(), "photo.jpg");
  EXPECT_EQ(drives.hostPath("c:\\pics\\PHOTO.jpg")->filename(), "Photo.JPG");
  EXPECT_FALSE(drives.fileExists("c:\\pics\\none.asz"));
  t.putFile("c:\\pics\\None.ASZ", "n");
  fs::last_write_time(folder, old + std::chrono::seconds(1));
  EXPECT_TRUE(drives.fileExists("c:\\pics\\none.asz"));
  fs::remove(folder / "None.ASZ");
  fs::last_write_time(folder, old + std::chrono::seconds(2));
  EXPECT_FALSE(drives.fileExists("c:\\pics\\none.asz"));
  EXPECT_TRUE(drives.fileExists("c:\\pics\\PHOTO.JPG"));
  // A folder changed just now is listed again at every look: a name added
  // within the tick of its time stamp is found all the same. (The stamp is
  // a minute ahead, so that a slow machine cannot age it.)
  const auto now = fs::file_time_type::clock::now() + std::chrono::minutes(1);
  fs::last_write_time(folder, now);
  EXPECT_FALSE(drives.fileExists("c:\\pics\\late.asz"));
  t.putFile("c:\\pics\\Late.ASZ", "l");
  fs::last_write_time(folder, now);
  EXPECT_TRUE(drives.fileExists("c:\\pics\\late.asz"));

  t.putFile("c:\\dnv\\RES\\A.txt", "a");
  EXPECT_TRUE(drives.fileExists("C:\\DNV\\RES\\a.TXT"));
  EXPECT_FALSE(drives.fileExists("c:\\dnv\\res\\b.txt"));
  t.putFile("c:\\dnv\\res\\B.TXT", "b");
  EXPECT_TRUE(drives.fileExists("c:\\dnv\\res\\b.txt"));
  EXPECT_EQ(drives.fileSize("c:\\dnv\\RES\\b.txt"), 1u);
  EXPECT_EQ(drives.readAll("c:\\dnv\\res\\A.txt"), "a");
  fs::rename(t.root() / "c" / "dnv" / "RES", t.root() / "c" / "dnv" / "Res");
  EXPECT_EQ(drives.readAll("c:\\dnv\\res\\A.txt"), "a");  // read where the folder is now
  EXPECT_TRUE(drives.fileExists("c:\\dnv\\res\\a.txt"));
  // A file written again in another case is read under its new name.
  fs::remove(t.root() / "c" / "dnv" / "Res" / "A.txt");
  t.putFile("c:\\dnv\\Res\\a.TXT", "b");
  EXPECT_EQ(drives.readAll("c:\\dnv\\res\\A.txt"), "b");
  EXPECT_EQ(*drives.hostPath("c:\\dnv\\res\\new.txt"), t.root() / "c" / "dnv" / "Res" / "new.txt");
  fs::remove_all(t.root() / "c" / "dnv" / "Res");
  EXPECT_FALSE(drives.fileExists("c:\\dnv\\res\\a.txt"));
}

TEST(RecordFile, BlanksBeyondTheEndWritesInPlaceAndADryRunKeepsEveryChangeInMemory) {
  TempDrives t;
  t.putFile("c:\\f.dat", "AAAABBBBCC");
  const RecordFile f = t.drives().readRecords("c:\\f.dat", 4);
  EXPECT_EQ(f.recordCount(), 3);
  EXPECT_EQ(f.record(3), "CC  ");
  EXPECT_EQ(f.record(4) + f.record(0), std::string(8, ' '));
  EXPECT_EQ(t.drives().readRecords("c:\\none.dat", 4).record(1), "    ");

  ASSERT_TRUE(t.drives().writeRecord("c:\\F.DAT", 4, 2, "xy"));
  EXPECT_EQ(t.read("c:\\f.dat"), "AAAAxy  CC");
  ASSERT_TRUE(t.drives().writeRecord("c:\\f.dat", 4, 5, "toolong"));
  EXPECT_EQ(t.read("c:\\f.dat"), "AAAAxy  CC      tool");
  ASSERT_TRUE(t.drives().writeRecord("c:\\new.dat", 3, 2, "abc"));
  EXPECT_EQ(t.read("c:\\new.dat"), "   abc");
  EXPECT_FALSE(t.drives().writeRecord("c:\\nofolder\\new.dat", 3, 1, "abc"));

  // Several records in one rewrite: each in its place, the rest kept.
  ASSERT_TRUE(t.drives().writeRecords("c:\\f.dat", 4, {{1, "a"}, {3, "cccc"}, {7, "g"}}));
  EXPECT_EQ(t.read("c:\\f.dat"), "a   xy  cccc    tool    g   ");
  EXPECT_FALSE(t.drives().writeRecords("c:\\nofolder\\new.dat", 3, {{1, "abc"}, {2, "def"}}));
  DriveMap dry = t.drives();
  dry.setDryRun(true);
  ASSERT_TRUE(dry.writeRecords("c:\\f.dat", 4, {{2, "BB"}, {8, "h"}}));
  EXPECT_EQ(dry.readAll("c:\\f.dat"), "a   BB  cccc    tool    g   h   ");
  EXPECT_EQ(t.read("c:\\f.dat"), "a   xy  cccc    tool    g   ");

  // A dry run keeps every change in memory and reads it back.
  t.putFile("c:\\dnv\\out\\Old.txt", "old");
  t.putFile("c:\\dnv\\out\\Other.pdf", "pdf");
  DriveMap drives = t.drives();
  drives.setDryRun(true);

  EXPECT_TRUE(drives.writeAll("c:\\dnv\\out\\OLD.TXT", "new"));
  EXPECT_TRUE(drives.writeRecord("c:\\dnv\\out\\Rec", 3, 2, "ab"));
  EXPECT_TRUE(drives.copyFile("c:\\dnv\\out\\old.txt", "c:\\dnv\\copy\\Old.txt"));
  EXPECT_TRUE(drives.createFolder("c:\\dnv\\made"));
  EXPECT_EQ(drives.readAll("c:\\dnv\\out\\old.txt"), "new");
  EXPECT_EQ(drives.readAll("c:\\dnv\\out\\rec"), "   ab ");
  EXPECT_EQ(drives.readAll("c:\\dnv\\copy\\old.txt"), "new");
  EXPECT_TRUE(drives.folderExists("c:\\dnv\\made"));
  // Deleting by wildcard counts the files on disk and those written meanwhile.
  EXPECT_EQ(drives.removeFiles("c:\\dnv\\out\\*"), 3);
  EXPECT_FALSE(drives.fileExists("c:\\dnv\\out\\other.pdf"));
  EXPECT_FALSE(drives.readRecords("c:\\dnv\\out\\old.txt", 1).exists());

  // The disk saw none of it.
  EXPECT_EQ(t.read("c:\\dnv\\out\\Old.txt"), "old");
  EXPECT_TRUE(fs::exists(t.root() / "c" / "dnv" / "out" / "Other.pdf"));
  EXPECT_FALSE(fs::exists(t.root() / "c" / "dnv" / "out" / "Rec"));
  EXPECT_FALSE(fs::exists(t.root() / "c" / "dnv" / "copy"));
  EXPECT_FALSE(fs::exists(t.root() / "c" / "dnv" / "made"));
  drives.setDryRun(false);
  EXPECT_EQ(drives.readAll("c:\\dnv\\out\\old.txt"), "old");
}

TEST(DriveMap, FilesOfOursAreWrittenOnlyAsFilesInsideTheirDriveFolder) {
  TempDrives t, elsewhere;
  t.putFile("c:\\dnv\\out\\Inside.txt", "inside");
  const fs::path out = t.root() / "c" / "dnv" / "out", outside = elsewhere.root() / "outside.txt";
  writeFile(outside, "outside");
  fs::create_symlink(out / "Inside.txt", out / "near.txt");
  fs::create_symlink(outside, out / "far.txt");
  fs::create_symlink(elsewhere.root() / "missing.txt", out / "nowhere.txt");
  ASSERT_EQ(::mkfifo((out / "pipe.txt").c_str(), 0600), 0);
  fs::create_directory(out / "folder.txt");

  // A link within the drive folder is followed: the file it names is
  // replaced, the link stays.
  EXPECT_TRUE(t.drives().writeAll("c:\\dnv\\out\\near.txt", "near"));
  EXPECT_TRUE(fs::is_symlink(out / "near.txt"));
  EXPECT_EQ(t.read("c:\\dnv\\out\\inside.txt"), "near");
  const std::pair<const char*, const char*> refused[] = {
      {"far.txt", "it leads out of the drive folder"},
      {"nowhere.txt", "it leads out of the drive folder"},
      {"pipe.txt", "it is a pipe (FIFO), not a regular file"},
      {"folder.txt", "it is a folder, not a regular file"}};
  for (const auto& [name, why] : refused) {
    const auto path = t.drives().outputPath(std::string("c:\\dnv\\out\\") + name);
    EXPECT_FALSE(path.ok()) << name;
    EXPECT_NE(path.error().find(why), std::string::npos) << path.error();
    EXPECT_FALSE(t.drives().writeAll(std::string("c:\\dnv\\out\\") + name, "x")) << name;
    EXPECT_FALSE(t.drives().writeRecord(std::string("c:\\dnv\\out\\") + name, 4, 1, "x")) << name;
    const Result<int> opened = openOutputFile(out / name, t.root() / "c", O_WRONLY | O_CREAT);
    EXPECT_FALSE(opened.ok()) << name;
    EXPECT_NE(opened.error().find(why), std::string::npos) << opened.error();
  }
  EXPECT_EQ(readFile(outside), "outside");
  EXPECT_FALSE(fs::exists(elsewhere.root() / "missing.txt"));
  EXPECT_TRUE(fs::is_fifo(out / "pipe.txt"));
  // A drive folder that is itself a link (a Wine prefix): FailedWrites
  // prints a whole run through one.
}

}  // namespace
}  // namespace mc
