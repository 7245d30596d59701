// show-meals as a dietitian runs it on the demo facility: what a resident
// gets on a cycle day for each card kind, read back by a real JSON parser.
#include <gtest/gtest.h>

#include <string>

#include "support/demo.h"

namespace mc::test {
namespace {

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

}  // namespace
}  // namespace mc::test
