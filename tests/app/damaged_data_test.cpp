// Damaged files as a print meets them: each case of tests/errors put into a
// fresh demo facility, a test each (the exit code and message its case
// names, the file left exactly as it was, and print's run report and check
// naming the same problems), damaged rosters named with the residents they
// cost, and two runs on one facility at once that never lose or tear a card.
#include <gtest/gtest.h>

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

int pdfPageCount(const fs::path& pdf) { return std::stoi("0" + runShell("qpdf --show-npages " + shellQuote(pdf.string())).out); }

TEST(DamagedData, RostersThatLeaveResidentsOutSayWhoAndWhy) {
  const Demo d;
  const fs::path rosters = d.dnv("Rosters");
  const std::string unit1 = readFile(rosters / "sfl1.MGC"), unit2 = readFile(rosters / "sfl2.MGC");
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

  const CommandResult r = d.print();
  EXPECT_EQ(r.exitCode, 4) << r.err;
  for (const char* named : {"sfl1.MGC ends 40 bytes into record 3", "beyond the unit's",
                            "RS00102 (Baker, Thomas): damaged file C:\\Dnv\\Rosters\\sfl2.MGC lists this resident again (first at unit 1 bed 2)"})
    EXPECT_TRUE(holds(r.err, named)) << named;
  size_t pages = 0;  // pages that carry Baker's cards
  for (const std::string& page : pdfPages(d.pdf)) pages += page.find("Baker, Thomas") != std::string::npos;
  EXPECT_EQ(pages, 1u);
}

// A resident the kitchen expects a tray for never vanishes silently: a
// roster row with a name and no file name is named, and a file name starting
// with a letter outside ASCII prints. (A data file the system will not read:
// the resident-folder case of BrokenFiles.)
TEST(DamagedData, ResidentsWhoseFilesCannotBeUsedAreNamedWithUnitBedAndName) {
  const Demo d;
  const fs::path roster = d.dnv("Rosters/sfl1.MGC");
  std::string rows = readFile(roster);
  rows.replace(2 * 122 + 32, 7, "       ");   // bed 3, Castillo: the file field blank
  rows.replace(3 * 122 + 32, 1, "\xC9");      // bed 4, Dubois: "\xC9S00104"
  writeFile(roster, rows);
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
    EXPECT_EQ(pdfPageCount(a), 21) << "round " << round;
    EXPECT_EQ(pdfPageCount(b), 21) << "round " << round;
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

}  // namespace
}  // namespace mc::test
