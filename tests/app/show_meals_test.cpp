// show-meals as a dietitian runs it on the demo facility: what a resident
// gets on a cycle day for each card kind, read back by a real JSON parser.
#include <gtest/gtest.h>

#include <string>

#include "support/demo.h"

namespace mc::test {
namespace {

// The lines that jq's filter picks from show-meals' JSON, one per line.
std::string meals(const Demo& d, const std::string& args, const std::string& filter) {
  const CommandResult r = d.run("show-meals " + args);
  EXPECT_EQ(r.exitCode, 0) << args << ": " << r.err;
  return jq(filter, r.out);
}

class ShowMeals : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { demo_ = new Demo; }
  static void TearDownTestSuite() { delete demo_; }
  static Demo* demo_;
};
Demo* ShowMeals::demo_ = nullptr;

TEST_F(ShowMeals, EachCardKindServesItsOwnLines) {
  // Day 3 lunch on a diet with meal patterns: the lasagna's portion tripled,
  // the starch it stands for and the dessert taken off, the rest counted.
  EXPECT_EQ(meals(*demo_, "RS00106 --day 3", ".MealText[1][]"),
            "\n   3 c Beef Lasagna         \n" + std::string(25, ' ') + "\n   6 oz Peas and Carrots    \n"
            "   1 Dinner Roll            \n" + std::string(25, ' ') + "\n(1)8 oz 2% Milk             \n"
            "   7 oz Hot Tea             \n   1 pat Margarine          \n");
  EXPECT_EQ(meals(*demo_, "RS00101 --day 1 --kind select", ".MealText[0][1:4][]"),
            "4 oz Orange Juice*       \n3 oz Grape Juice         \n2 Scrambled Eggs*        \n");
  EXPECT_EQ(meals(*demo_, "RS00101 --day 1 --kind pseudo", ".MealText[1][1:3][]"),
            "3 oz Roast Beef*         \n       Chef Salad Plate  \n");
  EXPECT_EQ(meals(*demo_, "RS00108 --day 1 --kind meal", ".MealText[0][2]"), " DISLIKES EGGS \n");
  EXPECT_EQ(meals(*demo_, "RS00102 --day 2 --kind alf --alf-meal 3", ".AlfText[1:3][], (.MealText[0] | length)"),
            ">>> ALL FOODS MECH SOFT <<<\n___4 oz Low Salt Broth      \n1\n");
}

TEST_F(ShowMeals, NamesMissingMenusAndRejectsAWrongCommandLine) {
  const CommandResult past = demo_->run("show-meals RS00101 --day 9");
  EXPECT_EQ(past.exitCode, 0);
  EXPECT_EQ(jq(".MealText | map(length) | @text", past.out), "[1,1,1]\n");
  EXPECT_TRUE(holds(past.err, "smenuMGC\\M9T1.MGC"));

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
  const std::string select = "RS00101 --day 1 --kind select";
  // Breakfast's select juice flagged "w"; supper's second choice of entree
  // is flagged "W" in the demo's menus.
  patchFile(d.dnv("menus/smenuMGC/M1T1.MGC"), 681, "w");
  const std::string juices = ".MealText[0][1:3][]", entrees = ".MealText[2] | map(select(test(\"Enchiladas\"))) | length";
  EXPECT_EQ(meals(d, select, juices), "4 oz Orange Juice*       \n3 oz Grape Juice         \n");
  EXPECT_EQ(meals(d, select, entrees), "1\n");

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

}  // namespace
}  // namespace mc::test
