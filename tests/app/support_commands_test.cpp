// The support commands as a support person, a dietitian and a supervisor
// run them, the built binary on a freshly generated demo facility (on an
// empty drive folder, on a facility that lost its default roster): info,
// show-resident, --help and --version; show-meals, what a resident gets on a
// cycle day for each card kind, read back by a real JSON parser; and check
// before the tray line: a clean facility reports nothing, a facility with
// damage names each problem, and neither run leaves a byte of the tree changed.
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

TEST(InfoCommand, ReportsTheDemoFacilityOrFailsWithoutSetupFileRosterOrDriveFolder) {
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

  // Without a setup file, the default roster or the drive folder it fails.
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
      // Slurped, so that no output at all is no name either.
      const std::string resident = " RS00" + std::to_string(file) + order;
      const CommandResult parsed = runMealcards(drives + resident + " | jq -se '.[0].NameLine'");
      EXPECT_EQ(parsed.exitCode, 0) << resident << parsed.err;
    }

  const CommandResult missing = runMealcards(drives + " RS99999");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_TRUE(holds(missing.err, "no resident data file c:\\dnv\\res\\dataMGC\\RS99999.~MGC"));
  EXPECT_EQ(runMealcards(drives).exitCode, 2);
}

TEST(HelpAndVersion, HelpListsEveryCommandAndAWrongLineNamesTheNearestWord) {
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

  // A slip of the keyboard gets one line: what is wrong, the nearest command
  // or option, and where the whole usage is.
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

  // The version comes from the build; both win over a command.
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

// The lines that jq's filter picks from show-meals' JSON, one per line.
std::string meals(const Demo& d, const std::string& args, const std::string& filter) {
  const CommandResult r = d.run("show-meals " + args);
  EXPECT_EQ(r.exitCode, 0) << args << ": " << r.err;
  return jq(filter, r.out);
}

// What a resident gets on a cycle day for each card kind, missing menus
// named and wrong command lines refused. "Exclude W" (Check6, settings
// column 33) leaves out the menu records flagged W, either case, wherever
// menus are built: show-meals takes the settings' value, and so does a
// print of the set.
TEST(ShowMeals, EachCardKindServesItsOwnLinesAndExcludeWTakesFlaggedRecordsOffEveryMenu) {
  const Demo d;
  // Breakfast's select juice flagged "w" (off only with the option on);
  // supper's second choice of entree is flagged "W" in the demo's menus.
  patchFile(d.dnv("menus/smenuMGC/M1T1.MGC"), 681, "w");
  const std::string select = "RS00101 --day 1 --kind select";
  const std::string juices = ".MealText[0][1:3][]", entrees = ".MealText[2] | map(select(test(\"Enchiladas\"))) | length";
  // Day 3 lunch on a diet with meal patterns: the lasagna's portion tripled,
  // the starch it stands for and the dessert taken off, the rest counted.
  EXPECT_EQ(meals(d, "RS00106 --day 3", ".MealText[1][]"),
            "\n   3 c Beef Lasagna         \n" + std::string(25, ' ') + "\n   6 oz Peas and Carrots    \n"
            "   1 Dinner Roll            \n" + std::string(25, ' ') + "\n(1)8 oz 2% Milk             \n"
            "   7 oz Hot Tea             \n   1 pat Margarine          \n");
  EXPECT_EQ(meals(d, select, ".MealText[0][1:4][]"),
            "4 oz Orange Juice*       \n3 oz Grape Juice         \n2 Scrambled Eggs*        \n");
  EXPECT_EQ(meals(d, select, entrees), "1\n");
  EXPECT_EQ(meals(d, "RS00101 --day 1 --kind pseudo", ".MealText[1][1:3][]"),
            "3 oz Roast Beef*         \n       Chef Salad Plate  \n");
  EXPECT_EQ(meals(d, "RS00108 --day 1 --kind meal", ".MealText[0][2]"), " DISLIKES EGGS \n");
  EXPECT_EQ(meals(d, "RS00102 --day 2 --kind alf --alf-meal 3", ".AlfText[1:3][], (.MealText[0] | length)"),
            ">>> ALL FOODS MECH SOFT <<<\n___4 oz Low Salt Broth      \n1\n");

  const CommandResult past = d.run("show-meals RS00101 --day 9");
  EXPECT_EQ(past.exitCode, 0);
  EXPECT_EQ(jq(".MealText | map(length) | @text", past.out), "[1,1,1]\n");
  EXPECT_TRUE(holds(past.err, "smenuMGC\\M9T1.MGC"));
  EXPECT_EQ(d.run("show-meals RS00101").exitCode, 2);
  for (const char* bad : {" --day x", " --day 0", " --day 1 --kind tray", " --day 1 --alf-meal 4", " --day 1 extra"})
    EXPECT_EQ(d.run("show-meals RS00101" + std::string(bad)).exitCode, 2) << bad;
  EXPECT_EQ(d.run("show-meals RS99999 --day 1").exitCode, 1);

  for (int set : {1, 3}) patchFile(d.dnv("setup/Mcardset.MGC"), (set - 1) * 300 + 32, "1");
  EXPECT_EQ(meals(d, select, juices), "4 oz Orange Juice*       \n2 Scrambled Eggs*        \n");
  EXPECT_EQ(meals(d, select, entrees), "0\n");
  EXPECT_EQ(meals(d, "RS00101 --day 1 --kind alf --alf-meal 1", ".AlfText | map(select(test(\"Grape\"))) | length"),
            "0\n");

  // Settings button 3 prints the select menus with the option on.
  const std::string trace = d.file("trace.jsonl").string();
  const CommandResult printed =
      d.run("--date 12-07-26 --pdf " + shellQuote(d.pdf.string()) + " --trace " + shellQuote(trace) + " print --set 3");
  ASSERT_EQ(printed.exitCode, 0) << printed.err;
  const std::string drawn = readFile(trace);
  EXPECT_TRUE(holds(drawn, "Orange Juice"));
  EXPECT_EQ(drawn.find("Grape Juice"), std::string::npos);
}

TEST(CheckCommand, CleanFacilityReportsNothingWritesNothingAndSaysWhatPrintAllWillPrint) {
  const Demo d;
  const auto before = treeSnapshot(d.root);

  const CommandResult text = d.run("check");
  EXPECT_EQ(text.exitCode, 0) << text.out << text.err;
  EXPECT_TRUE(holds(text.out, "Check of Print ALL \u2014 Tray Cards, set 1: nothing found"));
  // The rule-bound absences are told, but are not findings.
  EXPECT_TRUE(holds(text.out, "RS00206 (203-B Petrov, Ivan): hospital or out on pass"));
  EXPECT_TRUE(holds(text.out, "unit 1: 9 residents, 27 cards, 9 pages"));

  const CommandResult json = d.run("check --json");
  EXPECT_EQ(json.exitCode, 0) << json.err;
  EXPECT_EQ(jq("[.findings, .printed.cards, (.units | length), .units[0].files[0], .exit, (.problems | length)] | @tsv",
               json.out),
            "0\t63\t3\tRS00101\t0\t0\n") << json.out;
  // Every settings button checks clean too (print's side is the golden runs'),
  // under its own heading; a seventh set and output options are refused.
  for (int set = 2; set <= 6; ++set) {
    const CommandResult r = d.run("check --set " + std::to_string(set));
    EXPECT_EQ(r.exitCode, 0) << "set " << set << "\n" << r.out << r.err;
    if (set == 2) {
      EXPECT_TRUE(holds(r.out, "Check of settings button 2, then Print \u2014 Meal Cards, set 2"));
    }
  }
  EXPECT_EQ(d.run("check --set 7").exitCode, 2);
  EXPECT_EQ(d.run("--pdf x.pdf check").exitCode, 2);
  EXPECT_EQ(treeSnapshot(d.root), before);

  // Every print leaves through Exit, which saves the window into set 1: after
  // settings button 3 (select menus), Print ALL prints select menus. The check
  // and the print both say so before anyone reads "Print ALL Tray Cards".
  ASSERT_EQ(d.print("--set 3").exitCode, 0);
  const CommandResult check = d.run("check");
  EXPECT_EQ(check.out.rfind("Check of Print ALL \u2014 Select Menus, set 1: ", 0), 0u) << check.out;
  EXPECT_TRUE(holds(check.out, "Card kind         Select Menus"));
  EXPECT_EQ(jq(".action", d.run("check --json").out), "Print ALL \u2014 Select Menus, set 1\n");
  const CommandResult printed = d.print();
  EXPECT_TRUE(hasLine(printed.err, "mealcards: Print ALL \u2014 Select Menus, set 1")) << printed.err;
  EXPECT_TRUE(hasLine(d.print("--set 2").err, "mealcards: settings button 2, then Print \u2014 Meal Cards, set 2"));

  // One resident: counted as one, in the check and in the print's summary.
  const Demo one("--units 1 --residents 1");
  EXPECT_TRUE(holds(one.run("check").out, "unit 1: 1 resident, 3 cards, 1 page\n"));
  EXPECT_TRUE(hasLine(one.print().err, "mealcards: 1 resident printed (3 cards, 1 page)"));
}

// A damaged facility: a resident without a data file (a fault, told first),
// and two faults that print a card all the same, but not the card meant: a
// list longer than the card and a diet the diet file does not know. (Every
// kind of damaged file, the check against print's report: BrokenFiles.)
TEST(CheckCommand, NamesEveryProblemFaultsFirstAndWarnsOfCardsNotAsMeant) {
  const Demo d;
  fs::remove(d.dnv("res/dataMGC/RS00102.~MGC"));
  // Every one of the thirty likes for RS00101 (the flags of record 57),
  // far more than the 13 items a tray card lists.
  patchFile(d.dnv("res/dataMGC/RS00101.~MGC"), 56 * 82 + 3, std::string(30, 'X'));
  // The diet file ends before code 70, RS00207's full liquid diet.
  fs::resize_file(d.dnv("diets/dietMGC"), 69 * 200);
  const auto before = treeSnapshot(d.root);

  const CommandResult r = d.run("check --json");
  EXPECT_EQ(r.exitCode, 3) << r.out << r.err;
  EXPECT_EQ(jq(".left_out[] | select(.by == \"fault\") | \"\\(.file) \\(.reason)\"", r.out), "RS00102 no data file\n")
      << r.out;
  EXPECT_EQ(jq(".warnings[] | \"\\(.file) \\(.warning)\"", r.out),
            "RS00101 Breakfast likes cut off at the card's last line: 15 lines not printed\n"
            "RS00101 Lunch likes cut off at the card's last line: 16 lines not printed\n"
            "RS00101 Supper likes cut off at the card's last line: 14 lines not printed\n"
            "RS00207 diet code 70 not in the diet file c:\\dnv\\diets\\DietMGC\n")
      << r.out;
  const CommandResult text = d.run("check");
  EXPECT_EQ(text.exitCode, 3);
  const size_t faults = text.out.find("Residents without a card, by fault");
  ASSERT_NE(faults, std::string::npos) << text.out;
  EXPECT_LT(faults, text.out.find("Cards that would print"));
  EXPECT_EQ(treeSnapshot(d.root), before);

  // print tells the same on its way, and prints with problems: a warning
  // is no reason to leave a resident out.
  const CommandResult printed = d.print("", "12-07-26");
  EXPECT_EQ(printed.exitCode, 4) << printed.err;
  EXPECT_TRUE(holds(printed.err, "RS00207 (204-A Quinn, Abigail): diet code 70 not in the diet file"));
}

}  // namespace
}  // namespace mc::test
