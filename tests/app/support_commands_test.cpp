// info, show-resident, --help and --version as a support person runs them:
// the built binary on a freshly generated demo facility, on an empty drive
// folder, on a facility that lost its default roster.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "support/demo.h"

namespace mc::test {
namespace {

namespace fs = std::filesystem;

TEST(InfoCommand, ReportsTheDemoFacilityAndLeavesTheAutoPrintMarker) {
  const Demo d;
  // A support command only reports: the auto-print marker stays for the
  // program's next real start.
  const fs::path marker = d.dnv("setup/apcard.MGC");
  std::ofstream(marker).put('x');
  const CommandResult r = d.run("--date 07-04-27 info");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::string expected[] = {
      "setup file        c:\\dnv\\setup\\F.kvt",
      "                  " + d.dnv("setup/F.kvt").string(),
      "facility          Maple Grove Care Center  (code MGC)",
      "nursing units (4)",
      "   1  North Wing            max beds  10  roster C:\\Dnv\\Rosters\\sfl1.MGC  present",
      "default resident  3  RS00103",
      "dining locations (5)  c:\\dnv\\diets\\dining.MGC",
      "   MDR   Main Dining Room",
      "card date         07-04-27 (the window's Date)"};
  for (const std::string& line : expected) EXPECT_TRUE(hasLine(r.out, line)) << line << "\n" << r.out;
  EXPECT_TRUE(holds(r.out, "apcard.MGC  present: the next start-up prints automatically"));
  EXPECT_TRUE(fs::exists(marker));
}

TEST(InfoCommand, FailsWithoutSetupFileRosterOrDriveFolder) {
  const Demo d;
  const fs::path empty = d.file("empty");
  fs::create_directories(empty / "c");
  ASSERT_TRUE(fs::remove(d.dnv("Rosters/sfl1.MGC")));
  const auto at = [](const fs::path& drives) { return "--drives " + shellQuote(drives.string()); };
  const std::pair<std::string, std::string> cases[] = {
      {at(empty), "no setup file: looked for c:\\dnv\\setup\\F.kvt on drives"},
      {at(empty), "a:\\find.kvt, b:\\find.kvt under " + empty.string()},
      // One level too high, the folder that holds the facility's drive
      // folder: the folder to give instead is named.
      {at(d.scratch.root()), d.root.string() + " holds one: give --drives " + d.root.string()},
      {at(d.root), "roster of the default nursing unit 1 is missing: C:\\Dnv\\Rosters\\sfl1.MGC"},
      {"", "--drives"},
      {at(d.file("nowhere")), "nowhere"}};
  for (const auto& [drives, why] : cases) {
    const CommandResult r = runMealcards(drives + " info");
    EXPECT_EQ(r.exitCode, 1) << drives;
    EXPECT_EQ(r.out, "") << drives;
    EXPECT_TRUE(holds(r.err, why));
  }
}

TEST(ShowResidentCommand, PrintsTheLoadedRecordOrSaysWhyNot) {
  const Demo d;
  const std::string drives = d.drives() + "show-resident";
  const CommandResult own = runMealcards(drives + " RS00105");
  ASSERT_EQ(own.exitCode, 0) << own.err;
  EXPECT_TRUE(holds(own.out, "\"NameLine\": \"103-A Eriksen, Ingrid\""));
  EXPECT_TRUE(holds(own.out, "\"OwnNameTable\": true"));
  EXPECT_TRUE(holds(own.out, "\"DietCode\": [60, 7, 5, 0]"));
  EXPECT_TRUE(holds(runMealcards(drives + " RS00209").out, "S\xc3\xa1nchez, Jos\xc3\xa9"));

  // Every demo resident, each a different mix of the loader's rules, comes
  // out as JSON that a real parser reads, with every meal order.
  for (const int file : {101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 201, 202, 203, 204, 205, 206, 207, 208,
                         209, 301, 302, 303, 304, 305, 306})
    for (const char* order : {"", " --meal-order LSB", " --meal-order SSS"}) {
      const CommandResult parsed = runMealcards(drives + " RS00" + std::to_string(file) + order + " | jq -e .NameLine");
      EXPECT_EQ(parsed.exitCode, 0) << file << order << parsed.err;
    }

  const CommandResult missing = runMealcards(drives + " RS99999");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_TRUE(holds(missing.err, "no resident data file c:\\dnv\\res\\dataMGC\\RS99999.~MGC"));
  EXPECT_EQ(runMealcards(drives).exitCode, 2);
}

TEST(HelpAndVersion, HelpDocumentsEveryCommandTheProgramKnows) {
  const CommandResult help = runMealcards("--help");
  ASSERT_EQ(help.exitCode, 0) << help.err;
  EXPECT_EQ(help.out.rfind("usage: mealcards [--drives DIR]", 0), 0u) << help.out;
  for (const char* heading : {"Options (before the command):", "Commands:", "Exit status:"})
    EXPECT_TRUE(hasLine(help.out, heading)) << heading;

  // Without a command the usage lists the commands registered in the
  // program; each must have its entry under Commands.
  const CommandResult wrong = runMealcards("");
  ASSERT_EQ(wrong.exitCode, 2);
  std::istringstream usage(wrong.err.substr(wrong.err.find("commands:")));
  int commands = 0;
  for (std::string line; std::getline(usage, line);) {
    if (line.size() < 3 || line.compare(0, 2, "  ") != 0 || line[2] == ' ') continue;
    const std::string name = line.substr(2, line.find(' ', 2) - 2);
    ++commands;
    const bool documented = help.out.find("\n  " + name + "\n") != std::string::npos ||
                            help.out.find("\n  " + name + " ") != std::string::npos;
    EXPECT_TRUE(documented) << name << " is missing from --help";
  }
  EXPECT_GE(commands, 3) << wrong.err;
}

// A slip of the keyboard gets one line: what is wrong, the nearest command
// or option, and where the whole usage is.
TEST(HelpAndVersion, AWrongCommandLineIsOneLineWithTheNearestWord) {
  const std::pair<const char*, const char*> cases[] = {
      {"prnt", "mealcards: unknown command prnt; did you mean print? (mealcards --help shows the whole usage)\n"},
      {"chek --set 2", "mealcards: unknown command chek; did you mean check? (mealcards --help shows the whole usage)\n"},
      {"--drive x info", "mealcards: unknown option --drive; did you mean --drives? (mealcards --help shows the whole usage)\n"},
      {"banana", "mealcards: unknown command banana (mealcards --help shows the whole usage)\n"},
  };
  for (const auto& [args, message] : cases) {
    const CommandResult r = runMealcards(args);
    EXPECT_EQ(r.exitCode, 2) << args;
    EXPECT_EQ(r.err, message);
  }
}

TEST(HelpAndVersion, VersionComesFromTheBuildAndBothWinOverACommand) {
  CommandResult r = runMealcards("--version");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, std::string("mealcards ") + MEALCARDS_VERSION + "\n");
  // Asked for help, the program helps, whatever else the line holds.
  r = runMealcards("--drives /nonexistent --help info");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "");
}

// The demo facility generator, as the benchmarks and a developer call it.
TEST(DemoGenerator, RefusesWrongOptionsAndUnitsItsSetupFileCannotHold) {
  const TempDrives scratch;
  const auto generate = [&](const std::string& args) {
    return runShell("cd " + shellQuote(scratch.root().string()) + " && " + shellQuote(MEALCARDS_DEMO_GENERATOR) +
                    " " + args);
  };
  const CommandResult help = generate("--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(holds(help.out, "--residents M"));
  for (const char* bad : {"", "gen --units", "gen --units 2 --residents", "gen --units 1 --residents 1000",
                          "gen --units 100 --residents 5", "gen --units 2", "gen --residents 5",
                          "gen --units two --residents 5", "gen --units 2x --residents 5", "gen other --units 1 --residents 1",
                          "gen --size 3"}) {
    const CommandResult r = generate(bad);
    EXPECT_EQ(r.exitCode, 2) << bad;
    EXPECT_TRUE(holds(r.err, "usage: make_demo_facility")) << bad << ": ";
  }
  // Nothing was written: no folder "--help", "gen" or "other".
  EXPECT_EQ(std::distance(fs::directory_iterator(scratch.root()), fs::directory_iterator()), 1);  // c
}

}  // namespace
}  // namespace mc::test
