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
  const auto allergies = textsOf(ops, "** ALLERGIES **");
  ASSERT_EQ(isolation.size() + allergies.size(), 6u);
  EXPECT_AT(isolation[1], 5200 + 200, 3100);
  EXPECT_EQ(isolation[1]["color"], 255);
  EXPECT_AT(allergies[0], 10 + 2600, 3350);
  EXPECT_AT(allergies[2], 10020 + 2300, 3350);
  model.Check[10] = 1;  // grey mode prints them black
  ops = draw();
  EXPECT_EQ(textsOf(ops, "ISOLATION").at(0)["color"], 0);
  EXPECT_EQ(textsOf(ops, "** ALLERGIES **").at(0)["color"], 0);
}

TEST_F(TrayCardTest, EachItemStandsInItsPlaceAndColour) {
  resident.Likes[1][3] = "Coffee";
  resident.Dislikes[3][2] = "Liver";
  resident.SpecialInstructions[2][1] = std::string(30, 'W');
  resident.SpecialInstructions[2][2] = "      ";
  resident.SpecialInstructions[2][7] = "Meal Patrn:1Mt ";
  resident.FeedingSkill = 2;
  model.Check[2] = 1;
  model.Check[17] = 1;
  model.Check[39] = 1;
  model.Text[36] = "Thank you for dining with us" + std::string(32, ' ');
  ctx.MealLocations = {"", "Main Dining Room", "   ", "Room Tray"};
  ctx.CardCount = 7;
  const auto ops = draw();
  const struct { std::string text; size_t column; double x, y; int32_t colour; } items[] = {
      {"Coffee", 0, 110, 5100 + 2 * 250, 884764},  // likes: third row, dark green
      {"Liver", 0, 12820, 5350, 255},              // dislikes: column 3, red
      {std::string(30, 'W'), 0, 5300, 8600 - 20, 0},
      {"Meal Patrn:1Mt ", 0, 5300, 8580 + 6 * 265, 0},
      {"(Main Dining Room)", 0, 110, 8600 - 300, 0},
      {"Room Tray", 0, 10320, 11170, 0},  // the bottom box
      {" 7", 1, 5200 + 4350, 10570 + 650, 8421504},
      {"Thank you for dining with us", 2, 10120, 10370, 0},
      {" 2", 2, 15010 - 450, 8100, 0},  // feeding skill
  };
  for (const auto& item : items) {
    SCOPED_TRACE(item.text);
    const auto found = textsOf(ops, item.text);
    ASSERT_GT(found.size(), item.column);
    EXPECT_AT(found[item.column], item.x, item.y);
    EXPECT_EQ(found[item.column]["color"], item.colour);
  }
  EXPECT_EQ(textsOf(ops, std::string(30, 'W'))[0]["size"], 14);  // 4800 wide at 16 point
  EXPECT_TRUE(textsOf(ops, "      ").empty() && textsOf(ops, "(   )").empty());
  const auto yellow = [](const TraceOp& op) { return op["y1"] == 11120 && op["color"] == 65535; };
  EXPECT_EQ(only(opsOf(ops, "line"), yellow).size(), 3u);  // under the bottom boxes
}

TEST_F(TrayCardTest, TopNameKeepsSurnameAndInitialOfALongName) {
  EXPECT_EQ(TopName("101-A Mill, Jonathan Ed"), "101-A Mill, J.");  // 23, its comma at 11
  EXPECT_EQ(TopName("101-B Madonna Ciccone Louise"), "101-B Madonna Ciccon");
  resident.NameLine = "101-A Mill, Jonathan Ed";
  const auto top = textsOf(draw(), "101-A Mill, J.");
  ASSERT_EQ(top.size(), 3u);
  EXPECT_AT(top[2], 10070, 700 + 450);
}

TEST_F(TrayCardTest, LongDietPrintsOnThreeLinesCutAtBlanks) {
  const std::string diet = "MECH SOFT PUREED MEAT NECTAR THICK LOW SODIUM";  // 45
  resident.Diet = diet + "   ";
  const auto ops = draw();
  EXPECT_AT(textsOf(ops, "MECH SOFT PUREED").at(0), 110, 700 + 680);
  EXPECT_EQ(textsOf(ops, "MEAT NECTAR THICK").at(0)["y"], 700 + 900);
  EXPECT_EQ(textsOf(ops, "LOW SODIUM").at(0)["y"], 700 + 1180);
  EXPECT_EQ(textsOf(ops, diet).size(), 3u);  // whole under the name line
  // The blank may stand at position 18 but not later; without one a line stays whole.
  EXPECT_EQ(DietLines("ABCDEFGHIJKLMNOPQ RSTUV")[0], "ABCDEFGHIJKLMNOPQ");
  EXPECT_EQ(DietLines("CARBOHYDRATECONTROLLED DIET")[0], "CARBOHYDRATECONTROLLED DIET");
}

TEST_F(TrayCardTest, NameAndDietShrinkToFitANarrowColumn) {
  model.Text[18] = "-1790";  // column 1 is 3400 wide: 2500 for the name line
  resident.Diet = "REGULAR LOW SODIUM X   ";
  const auto ops = draw();
  // 20 characters are 2800 wide at 14 point; 13 point is never used for the name.
  EXPECT_EQ(textsOf(ops, "101-A Anderson, Mary").at(0)["size"], 12);
  const auto diet = textsOf(ops, "REGULAR LOW SODIUM X").at(0);
  EXPECT_AT(diet, 110, 10570 + 210 + 2 * 20);  // two sizes given up: 20 lower each
  EXPECT_EQ(diet["size"], 12);
}

TEST_F(TrayCardTest, MarkerBarSitsBehindADiningLocation) {
  model.Check[3] = 1;
  ctx.MealLocations[1] = "_Main Dining Room";
  for (int grey : {0, 1}) {
    model.Check[10] = grey;
    const auto ops = draw();
    EXPECT_EQ(textsOf(ops, "( Main Dining Room)").size(), 1u);
    EXPECT_EQ(textsOf(ops, "Main Dining Room").size(), 1u);  // no marker in the box
    const auto bar = [](const TraceOp& op) { return op.str("mode") == "fill" && op["y1"] == 8340; };
    const auto bars = only(opsOf(ops, "line"), bar);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_AT(bars[0], 110 + 190, 8340);
    EXPECT_EQ(bars[0]["x2"] - bars[0]["x1"], 2360);
    EXPECT_EQ(bars[0]["color"], grey ? 14737632 : 65535);
  }
}

}  // namespace
}  // namespace mc::test
