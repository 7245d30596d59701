// check as a supervisor runs it before the tray line: a clean facility
// reports nothing, a facility with damage names each problem, and neither
// run leaves a byte of the tree changed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/demo.h"

namespace mc::test {
namespace {

namespace fs = std::filesystem;

TEST(CheckCommand, CleanFacilityReportsNothingAndWritesNothing) {
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

// Every print leaves through Exit, which saves the window into set 1: after
// settings button 3 (select menus), Print ALL prints select menus. The check
// and the print both say so before anyone reads "Print ALL Tray Cards".
TEST(CheckCommand, SaysWhatPrintAllWillPrintAfterAnotherSetWasPrinted) {
  const Demo d;
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

}  // namespace
}  // namespace mc::test
