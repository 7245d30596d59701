// What a print meets that goes wrong. Damaged files: each case of
// tests/errors put into a fresh demo facility, a test each (the exit code and
// message its case names, the file left exactly as it was, and print's run
// report and check naming the same problems), damaged rosters named with the
// residents they cost, and two runs on one facility at once that never lose
// or tear a card. Outputs and files of ours that cannot be written: the run
// says so by name, ends with exit 1, and whatever was at the path before is
// still there, whole (a full disk is a small tmpfs, which needs root; those
// cases are skipped elsewhere).
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "data/text.h"
#include "support/demo.h"

namespace mc::test {
namespace {

namespace fs = std::filesystem;

struct BrokenFileCase {
  std::string name, target, fixture;
  int exitCode = 0;
  std::string message;
  bool writes = false;  // the program writes this file by design
  std::string args;        // after print (and check)
  std::string unreadable;  // a line of cases.txt that is not a case
};

std::vector<BrokenFileCase> cases() {
  std::vector<BrokenFileCase> out;
  std::istringstream in(readFile(fs::path(MEALCARDS_SOURCE_DIR) / "tests" / "errors" / "cases.txt"));
  for (std::string line; std::getline(in, line);) {
    if (trim(line).empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::istringstream row(line);
    for (std::string f; std::getline(row, f, '|');) fields.push_back(trim(f));
    fields.resize(std::max<size_t>(fields.size(), 7));
    if (fields.size() != 7 || fields[3].empty() || fields[3].find_first_not_of("0123456789") != std::string::npos) {
      BrokenFileCase unreadable;
      unreadable.name = "line" + std::to_string(out.size() + 1);
      unreadable.unreadable = line;
      out.push_back(unreadable);
      continue;
    }
    out.push_back({fields[0], fields[1], fields[2], std::stoi(fields[3]), fields[4], fields[5] == "writes", fields[6], ""});
  }
  return out;
}

// A case is named by its name (in the test's listing too), not its bytes.
void PrintTo(const BrokenFileCase& c, std::ostream* out) { *out << c.name; }

// One test per case, so that the cases run side by side.
class BrokenFiles : public testing::TestWithParam<BrokenFileCase> {};

TEST_P(BrokenFiles, GiveTheirBehaviourAndStayAsTheyWere) {
  const BrokenFileCase& c = GetParam();
  ASSERT_TRUE(c.unreadable.empty()) << "tests/errors/cases.txt: not a case: " << c.unreadable;
  const Demo d;
  const fs::path target = d.root / c.target;
  ASSERT_TRUE(fs::exists(target)) << target;
  std::string damaged;
  if (c.fixture == "-") {
    fs::remove_all(target);
  } else if (c.fixture == "<empty>") {
    std::ofstream(target, std::ios::binary | std::ios::trunc);
  } else if (c.fixture == "<shifted>" || startsWith(c.fixture, "<+")) {
    // The demo's own file, a byte put in front and its size kept, or with
    // bytes added at its end.
    const std::string sound = readFile(target);
    damaged = c.fixture == "<shifted>" ? "Q" + sound.substr(0, sound.size() - 1)
                                       : sound + c.fixture.substr(2, c.fixture.size() - 3);
    writeFile(target, damaged);
  } else if (c.fixture == "<folder>" || c.fixture == "<fifo>") {
    // A file the system will not read as one, whoever runs the tests.
    fs::remove(target);
    if (c.fixture == "<folder>") fs::create_directory(target);
    else ASSERT_EQ(runShell("mkfifo " + shellQuote(target.string())).exitCode, 0);
  } else {
    damaged = readFile(fs::path(MEALCARDS_SOURCE_DIR) / "tests" / "errors" / c.fixture);
    std::ofstream(target, std::ios::binary | std::ios::trunc) << damaged;
  }
  // The check first: it writes nothing, so the print meets the same tree.
  const CommandResult check = d.run("--date 12-07-26 check --json " + c.args);
  const fs::path report = d.file("report.json");
  const CommandResult r = d.print(c.args + " --report " + shellQuote(report.string()), "12-07-26");
  EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
  if (!c.message.empty()) {
    EXPECT_TRUE(holds(r.err, c.message));
  }
  if (c.fixture == "-") {
    EXPECT_EQ(fs::exists(target), c.writes);
  } else if (!c.writes && !damaged.empty()) {
    EXPECT_EQ(readFile(target), damaged);
  }
  if (r.exitCode == 0) {
    EXPECT_TRUE(qpdfChecks(d.pdf));
  }
  // One list, two readers: the report print wrote and the check name the
  // same files and the same residents left out by fault, and the check
  // finds something wherever the print was not clean.
  const std::string json = readFile(report);
  // Without a setup file or a default roster there is nothing to check:
  // both stop at start-up alike.
  if (check.exitCode == 1 && r.exitCode == 1 && check.out.empty()) return;
  EXPECT_EQ(jq(".exit", json), std::to_string(r.exitCode) + "\n");
  const std::string named = ".problems[].file, (.left_out[] | select(.by == \"fault\") | \"\\(.unit) \\(.bed) \\(.file)\")";
  EXPECT_EQ(jq(named, json), jq(named, check.out)) << json << check.out;
  EXPECT_EQ(check.exitCode, r.exitCode == 0 ? 0 : 3) << check.out << check.err;
  if (r.exitCode != 0) {
    EXPECT_NE(jq(".problems[], .left_out[], .warnings[] | tostring", json), "") << json;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, BrokenFiles, testing::ValuesIn(cases()),
                         [](const testing::TestParamInfo<BrokenFileCase>& info) {
                           std::string name = info.param.name;
                           for (char& ch : name)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return name;
                         });

TEST(BrokenFileCases, CoverEveryKindOfFile) { EXPECT_GE(cases().size(), 10u); }

// A resident the kitchen expects a tray for never vanishes silently: a
// roster row with a name and no file name is named, and a file name starting
// with a letter outside ASCII prints; a roster cut short or listing a
// resident again says whom it leaves out and why. (A data file the system
// will not read: the resident-folder case of BrokenFiles.)
TEST(DamagedData, RostersThatLeaveResidentsOutNameThemWithUnitBedAndName) {
  const Demo d;
  const fs::path rosters = d.dnv("Rosters");
  const std::string unit1 = readFile(rosters / "sfl1.MGC"), unit2 = readFile(rosters / "sfl2.MGC");
  std::string rows = unit1;
  rows.replace(2 * 122 + 32, 7, "       ");   // bed 3, Castillo: the file field blank
  rows.replace(3 * 122 + 32, 1, "\xC9");      // bed 4, Dubois: "\xC9S00104"
  writeFile(rosters / "sfl1.MGC", rows);
  fs::rename(d.dnv("res/dataMGC/RS00104.~MGC"), d.dnv("res/dataMGC/\xC9S00104.~MGC"));

  const fs::path report = d.file("report.json");
  const CommandResult r = d.print("--report " + shellQuote(report.string()));
  EXPECT_EQ(r.exitCode, 4) << r.err;
  const std::string json = readFile(report);
  EXPECT_EQ(jq(".left_out[] | select(.by == \"fault\") | \"\\(.unit) \\(.bed) \\(.name): \\(.reason)\"", json),
            "1 3 Castillo, Rosa: roster row without a usable file name\n")
      << json;
  EXPECT_TRUE(holds(r.err, "left out by fault: unit 1 bed 3 (Castillo, Rosa)"));
  EXPECT_EQ(jq(".printed.residents", json), "20\n") << json;
  size_t dubois = 0;
  for (const std::string& page : pdfPages(d.pdf)) dubois += page.find("Dubois, Henri") != std::string::npos;
  EXPECT_EQ(dubois, 1u);

  const CommandResult check = d.run("--date 12-06-26 check --json");
  EXPECT_EQ(check.exitCode, 3);
  EXPECT_EQ(jq(".left_out[] | select(.by == \"fault\") | .bed", check.out), "3\n") << check.out;

  // Unit 1 cut short in its third record; unit 2 lists Baker (unit 1,
  // bed 2) again at its first bed and someone at a bed past its last.
  writeFile(rosters / "sfl1.MGC", unit1.substr(0, 2 * 122 + 40));
  std::string twice = unit1.substr(122, 122) + unit2.substr(122);
  twice += std::string(20 * 122, ' ');
  twice.replace(twice.size() - 122 + 32, 7, "RS00201");
  writeFile(rosters / "sfl2.MGC", twice);

  const CommandResult info = d.run("info");
  EXPECT_TRUE(holds(info.out, "sfl1.MGC  damaged: ends 40 bytes into record 3 (284 bytes; records are 122 bytes)"));
  EXPECT_TRUE(holds(info.out, "sfl2.MGC  damaged: is listed at bed"));

  const CommandResult cut = d.print();
  EXPECT_EQ(cut.exitCode, 4) << cut.err;
  for (const char* named : {"sfl1.MGC ends 40 bytes into record 3", "beyond the unit's",
                            "RS00102 (Baker, Thomas): damaged file C:\\Dnv\\Rosters\\sfl2.MGC lists this resident again (first at unit 1 bed 2)"})
    EXPECT_TRUE(holds(cut.err, named)) << named;
  size_t pages = 0;  // pages that carry Baker's cards
  for (const std::string& page : pdfPages(d.pdf)) pages += page.find("Baker, Thomas") != std::string::npos;
  EXPECT_EQ(pages, 1u);
}

TEST(RunLock, TwoRunsStartedTogetherBothPrintEveryCardOrTheSecondRefuses) {
  const Demo d;
  const std::string binary = "env -u MEALCARDS_DRIVES -u DISPLAY " + shellQuote(MEALCARDS_BINARY) + " " + d.drives() +
                             "--date 12-06-26 --pdf ";
  const fs::path a = d.file("a.pdf"), b = d.file("b.pdf");
  constexpr int kRounds = 6;
  for (int round = 0; round < kRounds; ++round) {
    const CommandResult r = runShell(binary + shellQuote(a.string()) + " print 2>/dev/null & first=$!; " + binary +
                                     shellQuote(b.string()) + " print 2>/dev/null; second=$?; wait $first; " +
                                     "echo $? $second");
    EXPECT_EQ(r.out, "0 0\n") << "round " << round;
    EXPECT_EQ(pdfPages(a).size(), 21u) << "round " << round;
    EXPECT_EQ(pdfPages(b).size(), 21u) << "round " << round;
  }
  // Every card of every run is in the text card file, block by whole block.
  const std::string cards = readFile(d.dnv("output/cards/TC.txt"));
  EXPECT_EQ(cards.size(), size_t{kRounds} * 2 * 21 * 68 * 62);
  for (size_t block = 0; block < cards.size(); block += 68 * 62)
    ASSERT_EQ(cards.compare(block, 3, " [["), 0) << "a torn card block at byte " << block;

  // A run that holds on past the wait: the second refuses by name.
  const fs::path lock = d.dnv("setup/Mcardset.MGC.lock");
  const CommandResult refused = runShell("flock " + shellQuote(lock.string()) + " -c " +
                                         shellQuote("MEALCARDS_LOCK_WAIT=1 " + binary + shellQuote(a.string()) + " print"));
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_TRUE(holds(refused.err, "another run is printing for this facility"));
}


// A tmpfs of `kib` KiB over `dir` (its files copied in), filled to the
// brim; unmounted at the end.
class SmallDisk {
 public:
  SmallDisk(const fs::path& dir, int kib) : dir_(dir) {
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

TEST(FailedWrites, OutputsAndFacilityFilesAreWrittenOnlyAsRegularFilesInTheirPlace) {
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

TEST(FailedWrites, FullDiskKeepsTheOldPdfTraceAndSettingsAndLeavesWholeTextCardsOnly) {
  const Demo d;
  {
    const fs::path cards = d.dnv("output/cards");
    SmallDisk disk(cards, 16);  // room for three cards of 68 lines
    if (!disk.mounted()) GTEST_SKIP() << "a small tmpfs needs root";
    fs::remove(cards / "filler");
    const CommandResult r = d.print();
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(holds(r.err, "TC.txt): could not take the card of"));
    EXPECT_EQ(fs::file_size(cards / "TC.txt") % (68 * 62), 0u);
    EXPECT_GT(fs::file_size(cards / "TC.txt"), 0u);
  }

  const fs::path out = d.file("out");
  const fs::path old = out / "cards.pdf", trace = out / "trace.jsonl";
  fs::create_directory(out);
  std::ofstream(old) << "yesterday's cards";
  std::ofstream(trace) << "yesterday's trace";
  SmallDisk disk(out, 64);

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

}  // namespace
}  // namespace mc::test
