// show-meals as a dietitian runs it on the demo facility: what a resident
// gets on a cycle day for each card kind, read back by a real JSON parser.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/demo.h"

namespace mc::test {
namespace {

namespace fs = std::filesystem;

class ShowMeals : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { demo_ = new Demo; }
  static void TearDownTestSuite() { delete demo_; }

  // The lines that jq's filter picks from the command's JSON, one per line.
  static CommandResult lines(const std::string& args, const std::string& filter) {
    return runShell("env -u MEALCARDS_DRIVES " + shellQuote(MEALCARDS_BINARY) + " " + demo_->drives() +
                    " show-meals " + args + " | jq -r " + shellQuote(filter));
  }

  static Demo* demo_;
};
Demo* ShowMeals::demo_ = nullptr;

TEST_F(ShowMeals, EachCardKindServesItsOwnLines) {
  // Day 3 lunch on a diet with meal patterns: the lasagna's portion tripled,
  // the starch it stands for and the dessert taken off, the rest counted.
  const CommandResult patterned = lines("RS00106 --day 3", ".MealText[1][]");
  ASSERT_EQ(patterned.exitCode, 0) << patterned.err;
  EXPECT_EQ(patterned.out,
            "\n   3 c Beef Lasagna         \n" + std::string(25, ' ') + "\n   6 oz Peas and Carrots    \n"
            "   1 Dinner Roll            \n" + std::string(25, ' ') + "\n(1)8 oz 2% Milk             \n"
            "   7 oz Hot Tea             \n   1 pat Margarine          \n");

  const CommandResult select = lines("RS00101 --day 1 --kind select", ".MealText[0][1:4][]");
  EXPECT_EQ(select.out, "4 oz Orange Juice*       \n3 oz Grape Juice         \n2 Scrambled Eggs*        \n");
  const CommandResult pseudo = lines("RS00101 --day 1 --kind pseudo", ".MealText[1][1:3][]");
  EXPECT_EQ(pseudo.out, "3 oz Roast Beef*         \n       Chef Salad Plate  \n");
  const CommandResult eggs = lines("RS00108 --day 1 --kind meal", ".MealText[0][2]");
  EXPECT_EQ(eggs.out, " DISLIKES EGGS \n");

  const CommandResult alf = lines("RS00102 --day 2 --kind alf --alf-meal 3", ".AlfText[1:3][], (.MealText[0] | length)");
  EXPECT_EQ(alf.out, ">>> ALL FOODS MECH SOFT <<<\n___4 oz Low Salt Broth      \n1\n");
}

TEST_F(ShowMeals, NamesMissingMenusAndRejectsAWrongCommandLine) {
  const CommandResult past = lines("RS00101 --day 9", ".MealText | map(length) | @text");
  EXPECT_EQ(past.exitCode, 0);
  EXPECT_EQ(past.out, "[1,1,1]\n");
  EXPECT_NE(past.err.find("smenuMGC\\M9T1.MGC"), std::string::npos) << past.err;

  EXPECT_EQ(demo_->run("show-meals RS00101").exitCode, 2);
  for (const char* bad : {" --day x", " --day 0", " --day 1 --kind tray", " --day 1 --alf-meal 4", " --day 1 extra"})
    EXPECT_EQ(demo_->run("show-meals RS00101" + std::string(bad)).exitCode, 2) << bad;
  EXPECT_EQ(demo_->run("show-meals RS99999 --day 1").exitCode, 1);
}

// "Exclude W" (Check6, settings column 33) leaves out the menu records
// flagged W, either case, wherever menus are built: show-meals takes the
// settings' value, and so does a print of the set.
TEST(ShowMealsWOption, ExcludeWTakesFlaggedRecordsOffEveryMenu) {
  const Demo d;
  const std::string show = shellQuote(MEALCARDS_BINARY) + " " + d.drives() + " show-meals RS00101 --day 1 --kind ";
  const auto meals = [&](const std::string& kind, const std::string& filter) {
    const CommandResult r = runShell("env -u MEALCARDS_DRIVES " + show + kind + " | jq -r " + shellQuote(filter));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return r.out;
  };
  // Breakfast's select juice flagged "w"; supper's second choice of entree
  // is flagged "W" in the demo's menus.
  runShell("printf w | dd of=" + shellQuote(d.dnv("menus/smenuMGC/M1T1.MGC").string()) +
           " bs=1 seek=681 conv=notrunc 2>/dev/null");
  const std::string juices = ".MealText[0][1:3][]", entrees = ".MealText[2] | map(select(test(\"Enchiladas\"))) | length";
  EXPECT_EQ(meals("select", juices), "4 oz Orange Juice*       \n3 oz Grape Juice         \n");
  EXPECT_EQ(meals("select", entrees), "1\n");

  const fs::path settings = d.dnv("setup/Mcardset.MGC");
  for (int set : {1, 3})
    runShell("printf 1 | dd of=" + shellQuote(settings.string()) + " bs=1 seek=" + std::to_string((set - 1) * 300 + 32) +
             " conv=notrunc 2>/dev/null");
  EXPECT_EQ(meals("select", juices), "4 oz Orange Juice*       \n2 Scrambled Eggs*        \n");
  EXPECT_EQ(meals("select", entrees), "0\n");
  EXPECT_EQ(meals("alf --alf-meal 1", ".AlfText | map(select(test(\"Grape\"))) | length"), "0\n");

  // Settings button 3 prints the select menus with the option on.
  const fs::path trace = d.file("trace.jsonl");
  const CommandResult printed = d.run("--date 12-07-26 --pdf " + shellQuote(d.pdf.string()) + " --trace " +
                                      shellQuote(trace.string()) + " print --set 3");
  ASSERT_EQ(printed.exitCode, 0) << printed.err;
  const std::string drawn = readFile(trace);
  EXPECT_NE(drawn.find("Orange Juice"), std::string::npos);
  EXPECT_EQ(drawn.find("Grape Juice"), std::string::npos);
}

}  // namespace
}  // namespace mc::test
