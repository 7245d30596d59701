// Outputs and files of ours that cannot be written: the run says so by
// name, ends with exit 1, and whatever was at the path before is still
// there, whole. A full disk is a small tmpfs, which needs root; those cases
// are skipped elsewhere.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/demo.h"

namespace mc::test {
namespace {

namespace fs = std::filesystem;

// A tmpfs of `kib` KiB over `dir` (its files copied in), filled to the brim
// but for `spare` bytes; unmounted at the end.
class SmallDisk {
 public:
  SmallDisk(const fs::path& dir, int kib, long spare = 0) : dir_(dir) {
    if (geteuid() != 0) return;
    const fs::path keep = dir.string() + ".before";
    fs::create_directories(dir);
    fs::rename(dir, keep);
    fs::create_directories(dir);
    if (::mount("tmpfs", dir.c_str(), "tmpfs", 0, ("size=" + std::to_string(kib) + "k").c_str()) != 0) {
      fs::remove(dir);
      fs::rename(keep, dir);
      return;
    }
    mounted_ = true;
    fs::copy(keep, dir, fs::copy_options::recursive);
    fs::remove_all(keep);
    runShell("dd if=/dev/zero of=" + shellQuote((dir / "filler").string()) + " bs=1k 2>/dev/null");
    if (spare > 0) {
      const auto size = fs::file_size(dir / "filler");
      fs::resize_file(dir / "filler", size > static_cast<uintmax_t>(spare) ? size - spare : 0);
    }
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }
  // Files in the folder whose names start with a dot: temporary files left.
  int leftovers() const {
    int n = 0;
    for (const auto& e : fs::directory_iterator(dir_)) n += e.path().filename().string()[0] == '.';
    return n;
  }

 private:
  fs::path dir_;
  bool mounted_ = false;
};

#define SKIP_UNLESS_MOUNTED(disk) \
  if (!(disk).mounted()) GTEST_SKIP() << "a small tmpfs needs root"

TEST(CommandLine, DateIsExactlyEightCharactersOfARealDate) {
  const Demo d;
  // A wrong date is told which part of it is wrong.
  const std::pair<const char*, const char*> wrong[] = {
      {"03-15-2027", "it is 10 characters long, not eight"},
      {"12-06-2", "it is 7 characters long, not eight"},
      {"12.06.26", "month, day and year are separated by - or /"},
      {"12-06-2x", "month, day and year are two digits each"},
      {"13-45-26", "there is no month 13 and no day 45"},
      {"13-01-26", "there is no month 13"},
      {"12-00-26", "there is no day 0"},
      {"02-30-27", "February 2027 has no 30th"},
      {"02-29-27", "February 2027 has no 29th"},
      {"04-31-26", "April has no 31st"},
  };
  for (const auto& [date, what] : wrong) {
    const CommandResult r = d.run("--date " + shellQuote(date) + " info");
    EXPECT_EQ(r.exitCode, 2) << date;
    EXPECT_TRUE(holds(r.err, std::string("--date ") + date + " is not a date MM-DD-YY: " + what));
  }
  for (const char* good : {"12/06/26", "02-29-28"}) EXPECT_EQ(d.run(std::string("--date ") + good + " info").exitCode, 0);
}

TEST(FailedWrites, OutputsNamedOnTheCommandLineAreRefusedUnlessTheyAreFiles) {
  const Demo d;
  const fs::path setup = d.dnv("setup"), fifo = d.scratch.root() / "pipe", folder = d.scratch.root() / "empty";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directory(folder);
  const std::pair<fs::path, const char*> targets[] = {
      {fifo, "it is a pipe (FIFO), not a regular file"},
      {folder, "it is a folder, not a regular file"},
      {"/dev/null", "it is a device, not a regular file"}};
  for (const auto& [target, why] : targets) {
    const CommandResult pdf = d.run("--date 12-06-26 --pdf " + shellQuote(target.string()) + " print");
    EXPECT_EQ(pdf.exitCode, 1) << target;
    EXPECT_TRUE(holds(pdf.err, "cannot write " + target.string() + ": " + why));
    // As root a trace renamed over /dev/null would replace the machine's.
    const CommandResult trace = d.run("--date 12-06-26 --pdf " + shellQuote(d.pdf.string()) + " --trace " +
                                      shellQuote(target.string()) + " print");
    EXPECT_EQ(trace.exitCode, 1) << target;
    EXPECT_TRUE(holds(trace.err, "cannot write the trace file " + target.string() + ": " + why));
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_FALSE(fs::exists(d.pdf));

  // One file for both the cards and the trace, by name or through a link,
  // is a wrong command line.
  fs::create_symlink(d.pdf, d.file("link.pdf"));
  for (const char* trace : {"cards.pdf", "link.pdf"}) {
    const CommandResult both = d.run("--pdf " + shellQuote(d.pdf.string()) + " --trace " +
                                     shellQuote(d.file(trace).string()) + " print");
    EXPECT_EQ(both.exitCode, 2) << trace;
    EXPECT_TRUE(holds(both.err, "--pdf and --trace name the same file"));
  }

  // A start-up that fails leaves the file from the last run in place.
  std::ofstream(d.pdf) << "yesterday's cards";
  fs::rename(setup / "F.kvt", setup / "F.old");
  EXPECT_EQ(d.run("--date 12-06-26 --pdf " + shellQuote(d.pdf.string()) + " print").exitCode, 1);
  EXPECT_EQ(readFile(d.pdf), "yesterday's cards");
  // A run that prints replaces it whole, and through a link the file it names.
  fs::rename(setup / "F.old", setup / "F.kvt");
  ASSERT_EQ(d.run("--date 12-06-26 --pdf " + shellQuote(d.file("link.pdf").string()) + " print").exitCode, 0);
  EXPECT_TRUE(fs::is_symlink(d.file("link.pdf")));
  EXPECT_TRUE(qpdfChecks(d.pdf));
}

TEST(FailedWrites, FacilityFilesAreWrittenOnlyAsFilesInsideTheDriveFolder) {
  const Demo d;
  const fs::path textCards = d.dnv("output/cards/TC.txt");
  const fs::path settings = d.dnv("setup/Mcardset.MGC"), settingsOutside = d.file("Mcardset.MGC");
  const auto refused = [&](const std::string& args, const std::string& file, const std::string& why) {
    const CommandResult r = d.print(args);
    EXPECT_EQ(r.exitCode, 1) << file;
    EXPECT_TRUE(holds(r.err, file));
    EXPECT_TRUE(holds(r.err, why));
    EXPECT_TRUE(qpdfChecks(d.pdf)) << "the cards print all the same";
  };

  // A pipe where the text cards go would hold the run (and the facility's
  // lock) forever.
  fs::remove(textCards);
  ASSERT_EQ(::mkfifo(textCards.c_str(), 0600), 0);
  refused("", "TC.txt", "it is a pipe (FIFO), not a regular file");
  EXPECT_TRUE(fs::is_fifo(textCards));

  // A link that leads out of the facility's drive folder: the settings
  // (read through it, never written through it). Every other link out is
  // refused alike (DriveMap.FilesOfOursAreWrittenOnlyAsFilesInsideTheirDriveFolder).
  fs::remove(textCards);
  fs::copy_file(settings, settingsOutside);
  fs::remove(settings);
  fs::create_symlink(settingsOutside, settings);
  const std::string before = readFile(settingsOutside);
  refused("", "Mcardset.MGC", "it leads out of the drive folder");
  EXPECT_EQ(readFile(settingsOutside), before);
  fs::remove(settings);
  fs::copy_file(settingsOutside, settings);

  // (The backup's copy for other programs, no file in its place:
  // BackupCommand.AnOutputThatCannotBeWrittenIsNamedAndFailsTheRun.)

  // A drive folder that is itself a link, as in a Wine prefix, is the
  // facility's: everything is written through it.
  fs::rename(d.root / "c", d.file("drive_c"));
  fs::create_symlink(d.file("drive_c"), d.root / "c:");
  const auto cardsBefore = fs::file_size(d.file("drive_c/dnv/output/cards/TC.txt"));
  const CommandResult wine = d.print("--backup");
  EXPECT_EQ(wine.exitCode, 0) << wine.err;
  EXPECT_GT(fs::file_size(d.file("drive_c/dnv/output/cards/TC.txt")), cardsBefore);
  EXPECT_TRUE(fs::is_regular_file(d.file("drive_c/dnv/PDF/TC.PDF")));
}

TEST(FailedWrites, TrayLineThatCannotBeWrittenPrintsNothing) {
  // As root no permission stops a write: a folder where the file goes does.
  for (const char* blocked : {"mealo.MGC", "xsfl2.MGC"}) {
    const Demo d;
    // Settings button 2 prints by the tray line's meal order "BLS".
    patchFile(d.dnv("setup/Mcardset.MGC"), 300 + 113, "BLS");
    fs::remove(d.dnv("Rosters") / blocked);
    fs::create_directory(d.dnv("Rosters") / blocked);
    const CommandResult r = d.print("--set 2");
    EXPECT_EQ(r.exitCode, 1) << blocked;
    EXPECT_TRUE(holds(r.err, std::string(blocked) + "): could not be written"));
    EXPECT_FALSE(fs::exists(d.pdf)) << "a stale or short tray line was printed";
  }
}

TEST(FailedWrites, FullDiskKeepsTheOldPdfTraceAndSettings) {
  const Demo d;
  const fs::path out = d.file("out");
  const fs::path old = out / "cards.pdf", trace = out / "trace.jsonl";
  fs::create_directory(out);
  std::ofstream(old) << "yesterday's cards";
  std::ofstream(trace) << "yesterday's trace";
  SmallDisk disk(out, 64);
  SKIP_UNLESS_MOUNTED(disk);

  const CommandResult pdf = d.run("--date 12-06-26 --pdf " + shellQuote(old.string()) + " print");
  EXPECT_EQ(pdf.exitCode, 1);
  EXPECT_TRUE(holds(pdf.err, old.string() + ": cannot write the file"));
  EXPECT_EQ(readFile(old), "yesterday's cards");

  const CommandResult traced = d.run("--date 12-06-26 --pdf " + shellQuote(d.pdf.string()) + " --trace " + shellQuote(trace.string()) + " print");
  EXPECT_EQ(traced.exitCode, 1);
  EXPECT_TRUE(holds(traced.err, trace.string() + ": cannot write the trace file"));
  EXPECT_EQ(readFile(trace), "yesterday's trace");
  EXPECT_EQ(disk.leftovers(), 0);

  // The settings are saved as the run starts and again on Exit.
  const fs::path settings = d.dnv("setup/Mcardset.MGC");
  const std::string before = readFile(settings);
  SmallDisk setupDisk(d.dnv("setup"), 256);
  const CommandResult saved = d.print();
  EXPECT_EQ(saved.exitCode, 1);
  EXPECT_TRUE(holds(saved.err, "Mcardset.MGC): could not be written"));
  EXPECT_EQ(readFile(settings), before);
}

TEST(FailedWrites, TextCardsThatDoNotFitLeaveWholeCardsOnly) {
  const Demo d;
  const fs::path cards = d.dnv("output/cards");
  SmallDisk disk(cards, 16);  // room for three cards of 68 lines
  SKIP_UNLESS_MOUNTED(disk);
  fs::remove(cards / "filler");
  const CommandResult r = d.print();
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(holds(r.err, "TC.txt): could not take the card of"));
  EXPECT_EQ(fs::file_size(cards / "TC.txt") % (68 * 62), 0u);
  EXPECT_GT(fs::file_size(cards / "TC.txt"), 0u);
}

}  // namespace
}  // namespace mc::test
