// The resident's items on a tray card.
#include "card_fixture.h"
#include "render/tray_card.h"

namespace mc::test {
namespace {

using TrayCardTest = CardFixture;

TEST_F(TrayCardTest, IsolationAndAllergiesStandWhereTheTrayLineLooks) {
  resident.Isolation = true;
  resident.Allergies = true;
  auto ops = draw();
  const auto isolation = textsOf(ops, "ISOLATION");
  ASSERT_EQ(isolation.size(), 3u);
  EXPECT_AT(isolation[1], 5200 + 200, 3100);
  EXPECT_EQ(isolation[1]["color"], 255);
  EXPECT_TRUE(isolation[1].is("underline"));
  const auto allergies = textsOf(ops, "** ALLERGIES **");
  ASSERT_EQ(allergies.size(), 3u);
  EXPECT_AT(allergies[0], 10 + 2600, 3350);
  EXPECT_AT(allergies[2], 10020 + 2300, 3350);
  // Meal cards carry the notices higher; grey mode prints them black.
  model.CardKind = 2;
  model.Check[10] = 1;
  ops = draw();
  EXPECT_AT(textsOf(ops, "ISOLATION").at(0), 210, 2800);
  EXPECT_EQ(textsOf(ops, "ISOLATION")[0]["color"], 0);
  EXPECT_AT(textsOf(ops, "** ALLERGIES **").at(0), 2610, 3175);
  EXPECT_EQ(textsOf(ops, "** ALLERGIES **")[0]["color"], 0);
}

TEST_F(TrayCardTest, LikesAndDislikesRowsColoursAndShifts) {
  resident.Likes[1][3] = "Coffee";
  resident.Dislikes[1][1] = "-- DISLIKES --";
  resident.Dislikes[3][2] = "Liver";
  auto ops = draw();
  EXPECT_AT(textsOf(ops, "Coffee").at(0), 110, 5100 + 2 * 250);
  EXPECT_EQ(textsOf(ops, "Coffee")[0]["color"], 884764);
  EXPECT_EQ(textsOf(ops, "Coffee")[0]["size"], 12);
  EXPECT_AT(textsOf(ops, "-- DISLIKES --").at(0), 3110, 5100);
  EXPECT_AT(textsOf(ops, "Liver").at(0), 12820, 5350);
  EXPECT_EQ(textsOf(ops, "Liver")[0]["color"], 255);
  // Symbols make room for the pictures; an ink-jet printer pulls column 3 in further.
  model.Check[15] = 1;
  model.Check[19] = 1;
  model.Check[10] = 1;
  ops = draw();
  EXPECT_EQ(textsOf(ops, "-- DISLIKES --").at(0)["x"], 2710);
  EXPECT_EQ(textsOf(ops, "Liver").at(0)["x"], 12020);
  EXPECT_EQ(textsOf(ops, "Liver")[0]["color"], 0);
  EXPECT_EQ(textsOf(ops, "Coffee")[0]["color"], 0);
}

TEST_F(TrayCardTest, TopNameKeepsSurnameAndInitialOfALongName) {
  const std::string line23 = "101-A Mill, Jonathan Ed";  // its comma at 11
  EXPECT_EQ(TopName(line23), "101-A Mill, J.");     // 13 characters and the point
  EXPECT_EQ(TopName("1234 Smithson, Robert"), "1234 Smithson, R.");
  EXPECT_EQ(TopName("101-A Anderson, Mary"), "101-A Anderson, Mary");  // 20: whole
  EXPECT_EQ(TopName("101-B Madonna Ciccone Louise"), "101-B Madonna Ciccon");
  resident.NameLine = line23;
  const auto top = textsOf(draw(), "101-A Mill, J.");
  ASSERT_EQ(top.size(), 3u);
  EXPECT_AT(top[0], 110, 700 + 450);
  EXPECT_AT(top[1], 5270, 1150);
  EXPECT_AT(top[2], 10070, 1150);
}

TEST_F(TrayCardTest, LongDietPrintsOnThreeLinesCutAtBlanks) {
  const std::string diet = "MECH SOFT PUREED MEAT NECTAR THICK LOW SODIUM";  // 45
  EXPECT_EQ(DietLines(diet + "   "),
            (std::array<std::string, 3>{"MECH SOFT PUREED", "MEAT NECTAR THICK", "LOW SODIUM"}));
  // The blank may stand at position 18 but not later; without one a line stays whole.
  EXPECT_EQ(DietLines("ABCDEFGHIJKLMNOPQ RSTUV")[0], "ABCDEFGHIJKLMNOPQ");
  EXPECT_EQ(DietLines("ABCDEFGHIJ KLMNOPQR STUV")[1], "KLMNOPQR STUV");
  EXPECT_EQ(DietLines("CARBOHYDRATECONTROLLED DIET")[0], "CARBOHYDRATECONTROLLED DIET");
  resident.Diet = diet + "   ";
  const auto ops = draw();
  EXPECT_EQ(textsOf(ops, "MECH SOFT PUREED").at(0)["y"], 700 + 680);
  EXPECT_EQ(textsOf(ops, "MEAT NECTAR THICK").at(0)["y"], 700 + 900);
  EXPECT_EQ(textsOf(ops, "LOW SODIUM").at(0)["y"], 700 + 1180);
  EXPECT_EQ(textsOf(ops, diet).size(), 3u);  // whole under the name line
}

TEST_F(TrayCardTest, NameAndDietShrinkToFitANarrowColumn) {
  model.Text[18] = "-1790";  // column 1 is 3400 wide: 2500 for the name line
  resident.Diet = "REGULAR LOW SODIUM X   ";
  const auto ops = draw();
  // 20 characters are 2800 wide at 14 point; 13 point is never used for the name.
  const auto name = textsOf(ops, "101-A Anderson, Mary").at(0);
  EXPECT_AT(name, 110, 10570);
  EXPECT_EQ(name["size"], 12);
  EXPECT_FALSE(name.is("bold"));
  const auto diet = textsOf(ops, "REGULAR LOW SODIUM X").at(0);
  EXPECT_AT(diet, 110, 10570 + 210 + 2 * 20);  // two sizes given up: 20 lower each
  EXPECT_EQ(diet["size"], 12);
}

TEST_F(TrayCardTest, DiningLocationInParenthesesAndInItsBottomBox) {
  model.Check[2] = 1;
  ctx.MealLocations = {"", "Main Dining Room", "   ", "Room Tray"};
  auto ops = draw();
  const auto main = textsOf(ops, "(Main Dining Room)");
  ASSERT_EQ(main.size(), 1u);
  EXPECT_AT(main[0], 110, 8600 - 300);
  EXPECT_EQ(main[0]["size"], 12);
  EXPECT_TRUE(textsOf(ops, "(   )").empty());
  EXPECT_AT(textsOf(ops, "Room Tray").at(0), 10320, 11170);
  int yellow = 0, outlines = 0;
  for (const auto& op : opsOf(ops, "line")) {
    if (op["y1"] != 11120) continue;
    yellow += op.str("mode") == "fill" && op["color"] == 65535;
    outlines += op.str("mode") == "box";
  }
  EXPECT_EQ(yellow, 3);
  EXPECT_EQ(outlines, 3);
  facility.NoYellowDL = true;
  for (const auto& op : opsOf(draw(), "line")) EXPECT_NE(op["color"], 65535);
}

TEST_F(TrayCardTest, MarkerBarSitsBehindADiningLocation) {
  model.Check[3] = 1;
  ctx.MealLocations[1] = "_Main Dining Room";
  for (int grey : {0, 1}) {
    model.Check[10] = grey;
    const auto ops = draw();
    ASSERT_EQ(textsOf(ops, "( Main Dining Room)").size(), 1u);
    ASSERT_EQ(textsOf(ops, "Main Dining Room").size(), 1u);  // no marker in the box
    std::vector<TraceOp> bars;
    for (const auto& op : opsOf(ops, "line"))
      if (op.str("mode") == "fill" && op["y1"] == 8340) bars.push_back(op);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_AT(bars[0], 110 + 190, 8340);
    EXPECT_EQ(bars[0]["x2"] - bars[0]["x1"], 2360);
    EXPECT_EQ(bars[0]["color"], grey ? 14737632 : 65535);
  }
}

TEST_F(TrayCardTest, SpecialInstructionsFollowTheDiningLine) {
  resident.SpecialInstructions[2][1] = std::string(30, 'W');
  resident.SpecialInstructions[2][2] = "      ";
  resident.SpecialInstructions[2][7] = "Meal Patrn:1Mt ";
  auto ops = draw();
  const auto wide = textsOf(ops, std::string(30, 'W')).at(0);
  EXPECT_AT(wide, 5300, 8600 - 20);
  EXPECT_EQ(wide["size"], 14);  // 4800 at 16 point is too wide for 4700
  EXPECT_EQ(textsOf(ops, "Meal Patrn:1Mt ").at(0)["y"], 8580 + 6 * 265);
  EXPECT_TRUE(textsOf(ops, "      ").empty());
  model.Check[35] = 1;
  const auto narrow = textsOf(draw(), std::string(30, 'W')).at(0);
  EXPECT_EQ(narrow.str("font"), "Arial Narrow");
  EXPECT_EQ(narrow["size"], 12);
  EXPECT_FALSE(narrow.is("bold") || narrow.is("italic"));
  model.Check[35] = 0;
  model.CardKind = 1;  // select menus pack them below the line
  EXPECT_AT(textsOf(draw(), "Meal Patrn:1Mt ").at(0), 5300, 8600 + 330 + 6 * 160);
}

TEST_F(TrayCardTest, PageNumberNoteFeedingSkillAndRules) {
  model.Check[17] = 1;
  model.Check[39] = 1;
  model.Text[36] = "Thank you for dining with us" + std::string(32, ' ');
  resident.FeedingSkill = 2;
  ctx.CardCount = 7;
  const auto ops = draw();
  const auto numbers = textsOf(ops, " 7");
  ASSERT_EQ(numbers.size(), 3u);
  EXPECT_AT(numbers[1], 5200 + 4350, 10570 + 650);
  EXPECT_EQ(numbers[1]["color"], 8421504);
  EXPECT_AT(textsOf(ops, "Thank you for dining with us").at(2), 10120, 10370);
  const auto skill = textsOf(ops, " 2");
  ASSERT_EQ(skill.size(), 3u);
  EXPECT_AT(skill[0], 5200 - 450, 700 + 7400);
  EXPECT_AT(skill[2], 15010 - 450, 8100);
  int rules = 0;
  for (const auto& op : opsOf(ops, "line"))
    rules += op["x1"] == 10 && op["x2"] == 15010 && op["width"] == 2 &&
             (op["y1"] == 8600 || op["y1"] == 10570);
  EXPECT_EQ(rules, 2);
}

}  // namespace
}  // namespace mc::test
