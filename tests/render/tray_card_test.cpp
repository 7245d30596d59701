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
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(isolation[k]["y"], 3100);
    EXPECT_EQ(isolation[k]["color"], 255);
    EXPECT_EQ(isolation[k]["size"], 14);
    EXPECT_TRUE(isolation[k].flag.at("underline"));
  }
  EXPECT_EQ(isolation[1]["x"], 5400);
  const auto allergies = textsOf(ops, "** ALLERGIES **");
  ASSERT_EQ(allergies.size(), 3u);
  EXPECT_EQ(allergies[0]["x"], 2610);   // C1 + 2600
  EXPECT_EQ(allergies[1]["x"], 7500);   // C2 + 2300
  EXPECT_EQ(allergies[2]["x"], 12320);  // C3 + 2300
  EXPECT_EQ(allergies[0]["y"], 3350);
  EXPECT_EQ(allergies[0]["size"], 10);
  // Meal cards carry the notices higher; grey mode prints them black.
  model.CardKind = 2;
  model.Check[10] = 1;
  ops = draw();
  EXPECT_EQ(textsOf(ops, "ISOLATION")[0]["y"], 2800);
  EXPECT_EQ(textsOf(ops, "ISOLATION")[0]["color"], 0);
  EXPECT_EQ(textsOf(ops, "** ALLERGIES **")[0]["y"], 3175);
  EXPECT_EQ(textsOf(ops, "** ALLERGIES **")[0]["color"], 0);
}

TEST_F(TrayCardTest, LikesAndDislikesRowsColoursAndShifts) {
  resident.Likes[1][1] = "----- LIKES -----";
  resident.Likes[1][3] = "Coffee";
  resident.Dislikes[1][1] = "-- DISLIKES --";
  resident.Dislikes[3][2] = "Liver";
  auto ops = draw();
  const auto coffee = textsOf(ops, "Coffee");
  ASSERT_EQ(coffee.size(), 1u);
  EXPECT_EQ(coffee[0]["x"], 110);
  EXPECT_EQ(coffee[0]["y"], 5600);
  EXPECT_EQ(coffee[0]["color"], 884764);
  EXPECT_EQ(coffee[0]["size"], 12);
  EXPECT_TRUE(coffee[0].flag.at("bold"));
  EXPECT_EQ(textsOf(ops, "-- DISLIKES --")[0]["x"], 3110);
  EXPECT_EQ(textsOf(ops, "Liver")[0]["x"], 12820);
  EXPECT_EQ(textsOf(ops, "Liver")[0]["color"], 255);
  // Symbols make room for the pictures; an ink-jet printer pulls column 3 in further.
  model.Check[15] = 1;
  model.Check[19] = 1;
  model.Check[10] = 1;
  ops = draw();
  EXPECT_EQ(textsOf(ops, "-- DISLIKES --")[0]["x"], 2710);
  EXPECT_EQ(textsOf(ops, "Liver")[0]["x"], 12020);
  EXPECT_EQ(textsOf(ops, "Liver")[0]["color"], 0);
  EXPECT_EQ(textsOf(ops, "Coffee")[0]["color"], 0);
}

TEST_F(TrayCardTest, TopNameKeepsSurnameAndInitialOfALongName) {
  EXPECT_EQ(TopName("1234 Smithson, Robert"), "1234 Smithson, R.");  // 21 characters
  EXPECT_EQ(TopName("12-A Kowalsk, Stanley"), "12-A Kowalsk, S.");
  const std::string line23 = "101-A Mill, Jonathan Ed";  // comma at 11
  ASSERT_EQ(line23.size(), 23u);
  EXPECT_EQ(TopName(line23), "101-A Mill, J.");
  EXPECT_EQ(TopName(line23).size(), 14u);  // 13 characters and the point
  EXPECT_EQ(TopName("101-A Anderson, Mary"), "101-A Anderson, Mary");
  EXPECT_EQ(TopName("101-B Madonna Ciccone Louise"), "101-B Madonna Ciccon");
  resident.NameLine = line23;
  const auto top = textsOf(draw(), "101-A Mill, J.");
  ASSERT_EQ(top.size(), 3u);
  EXPECT_EQ(top[0]["y"], 1150);  // T + 450
  EXPECT_EQ(top[0]["x"], 110);
  EXPECT_EQ(top[1]["x"], 5270);
  EXPECT_EQ(top[2]["x"], 10070);
}

TEST_F(TrayCardTest, LongDietPrintsOnThreeLinesCutAtBlanks) {
  const std::string diet = "MECH SOFT PUREED MEAT NECTAR THICK LOW SODIUM";
  ASSERT_EQ(diet.size(), 45u);
  const auto lines = DietLines(diet + "   ");
  EXPECT_EQ(lines[0], "MECH SOFT PUREED");
  EXPECT_EQ(lines[1], "MEAT NECTAR THICK");
  EXPECT_EQ(lines[2], "LOW SODIUM");
  // The blank may stand at position 18 but not later.
  EXPECT_EQ(DietLines("ABCDEFGHIJKLMNOPQ RSTUV")[0], "ABCDEFGHIJKLMNOPQ");
  EXPECT_EQ(DietLines("ABCDEFGHIJ KLMNOPQR STUV")[0], "ABCDEFGHIJ");
  EXPECT_EQ(DietLines("ABCDEFGHIJ KLMNOPQR STUV")[1], "KLMNOPQR STUV");
  // Without a blank early enough a line stays whole and is shrunk instead.
  EXPECT_EQ(DietLines("CARBOHYDRATECONTROLLED DIET")[0], "CARBOHYDRATECONTROLLED DIET");
  resident.Diet = diet + "   ";
  const auto ops = draw();
  EXPECT_EQ(textsOf(ops, "MECH SOFT PUREED")[0]["y"], 1380);  // T + 680
  EXPECT_EQ(textsOf(ops, "MEAT NECTAR THICK")[0]["y"], 1600);
  EXPECT_EQ(textsOf(ops, "LOW SODIUM")[0]["y"], 1880);
  // The whole diet under the name line, in every column.
  EXPECT_EQ(textsOf(ops, diet).size(), 3u);
}

TEST_F(TrayCardTest, NameAndDietShrinkToFitANarrowColumn) {
  model.Text[18] = "-1790";  // column 1 is 3400 wide: names get 2500
  resident.NameLine = "101-A Anderson, Mary";       // 20 characters: 2800 at 14 point
  resident.Diet = "REGULAR LOW SODIUM X   ";       // 20 after trimming
  const auto ops = draw();
  const auto name = textsOf(ops, "101-A Anderson, Mary");
  ASSERT_FALSE(name.empty());
  const auto& bottom = name[0];
  EXPECT_EQ(bottom["y"], 10570);
  EXPECT_EQ(bottom["size"], 12);  // 13 point is never used for the name
  EXPECT_FALSE(bottom.flag.at("bold"));
  const auto diet = textsOf(ops, "REGULAR LOW SODIUM X");
  ASSERT_FALSE(diet.empty());
  EXPECT_EQ(diet[0]["size"], 12);
  EXPECT_EQ(diet[0]["y"], 10570 + 210 + 40);  // two sizes given up
  EXPECT_EQ(diet[0]["x"], 110);
}

TEST_F(TrayCardTest, DiningLocationPrintsInParenthesesWithItsBottomBox) {
  model.Check[2] = 1;
  ctx.MealLocations = {"", "Main Dining Room", "   ", "Room Tray"};
  auto ops = draw();
  const auto main = textsOf(ops, "(Main Dining Room)");
  ASSERT_EQ(main.size(), 1u);
  EXPECT_EQ(main[0]["x"], 110);
  EXPECT_EQ(main[0]["y"], 8300);
  EXPECT_EQ(main[0]["size"], 12);
  EXPECT_TRUE(textsOf(ops, "(   )").empty());  // three blanks: no location
  EXPECT_EQ(textsOf(ops, "Room Tray")[0]["x"], 10320);  // in the bottom box
  EXPECT_EQ(textsOf(ops, "Room Tray")[0]["y"], 11170);
  int yellow = 0, outlines = 0;
  for (const auto& op : opsOf(ops, "line")) {
    if (op["y1"] != 11120) continue;
    yellow += op.str.at("mode") == "fill" && op["color"] == 65535;
    outlines += op.str.at("mode") == "box";
  }
  EXPECT_EQ(yellow, 3);
  EXPECT_EQ(outlines, 3);
  facility.NoYellowDL = true;
  ops = draw();
  for (const auto& op : opsOf(ops, "line")) EXPECT_NE(op["color"], 65535);
}

TEST_F(TrayCardTest, MarkerBarSitsBehindADiningLocation) {
  model.Check[3] = 1;
  ctx.MealLocations[1] = "_Main Dining Room";
  auto ops = draw();
  ASSERT_EQ(textsOf(ops, "( Main Dining Room)").size(), 1u);
  ASSERT_EQ(textsOf(ops, "Main Dining Room").size(), 1u);  // the bottom box shows no marker
  bool found = false;
  for (const auto& op : opsOf(ops, "line")) {
    if (op.str.at("mode") != "fill" || op["y1"] != 8340) continue;
    found = true;
    EXPECT_EQ(op["x1"], 110 + 190);
    EXPECT_EQ(op["x2"] - op["x1"], 2360);
    EXPECT_EQ(op["y2"], 8580);
    EXPECT_EQ(op["color"], 65535);
  }
  EXPECT_TRUE(found);
  model.Check[10] = 1;
  ops = draw();
  int grey = 0;
  for (const auto& op : opsOf(ops, "line")) grey += op["y1"] == 8340 && op["color"] == 14737632;
  EXPECT_EQ(grey, 1);
}

TEST_F(TrayCardTest, SpecialInstructionsFollowTheDiningLine) {
  resident.SpecialInstructions[2][1] = "NO SALT PACKETS";
  resident.SpecialInstructions[2][2] = "      ";
  resident.SpecialInstructions[2][7] = "Meal Patrn:1Mt ";
  auto ops = draw();
  EXPECT_EQ(textsOf(ops, "NO SALT PACKETS")[0]["y"], 8580);
  EXPECT_EQ(textsOf(ops, "NO SALT PACKETS")[0]["x"], 5300);
  EXPECT_EQ(textsOf(ops, "NO SALT PACKETS")[0]["size"], 16);
  EXPECT_EQ(textsOf(ops, "Meal Patrn:1Mt ")[0]["y"], 8580 + 6 * 265);
  EXPECT_TRUE(textsOf(ops, "      ").empty());
  // A long line is brought down to fit; the narrow font prints smaller anyway.
  resident.SpecialInstructions[2][1] = std::string(30, 'W');
  ops = draw();
  EXPECT_EQ(textsOf(ops, std::string(30, 'W'))[0]["size"], 14);  // 30 x 140 <= 4700
  model.Check[35] = 1;
  ops = draw();
  const auto w = textsOf(ops, std::string(30, 'W'));
  EXPECT_EQ(w[0].str.at("font"), "Arial Narrow");
  EXPECT_EQ(w[0]["size"], 12);
  EXPECT_FALSE(w[0].flag.at("bold"));
  EXPECT_FALSE(w[0].flag.at("italic"));
}

TEST_F(TrayCardTest, SelectMenusPackSpecialInstructionsBelowTheLine) {
  model.CardKind = 1;
  resident.SpecialInstructions[1][3] = "FINGER FOODS";
  const auto op = textsOf(draw(), "FINGER FOODS");
  ASSERT_EQ(op.size(), 1u);
  EXPECT_EQ(op[0]["y"], 8600 + 330 + 2 * 160);
  EXPECT_EQ(op[0]["size"], 10);
}

TEST_F(TrayCardTest, PageNumberNoteAndFeedingSkill) {
  model.Check[17] = 1;
  model.Check[39] = 1;
  model.Text[36] = "Thank you for dining with us" + std::string(32, ' ');
  resident.FeedingSkill = 2;
  ctx.CardCount = 7;
  const auto ops = draw();
  const auto numbers = textsOf(ops, " 7");
  ASSERT_EQ(numbers.size(), 3u);
  EXPECT_EQ(numbers[1]["x"], 5200 + 4350);
  EXPECT_EQ(numbers[1]["y"], 11220);
  EXPECT_EQ(numbers[1]["color"], 8421504);
  const auto notes = textsOf(ops, "Thank you for dining with us");
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_EQ(notes[0]["y"], 10370);
  const auto skill = textsOf(ops, " 2");
  ASSERT_EQ(skill.size(), 3u);
  EXPECT_EQ(skill[0]["x"], 5200 - 450);
  EXPECT_EQ(skill[2]["x"], 15010 - 450);
  EXPECT_EQ(skill[0]["y"], 8100);
  EXPECT_EQ(skill[0]["size"], 24);
}

TEST_F(TrayCardTest, RulesAcrossThePage) {
  const auto lines = opsOf(draw(), "line");
  int rules = 0;
  for (const auto& op : lines)
    if (op["x1"] == 10 && op["x2"] == 15010 && (op["y1"] == 8600 || op["y1"] == 10570) &&
        op["width"] == 2)
      ++rules;
  EXPECT_EQ(rules, 2);
}

}  // namespace
}  // namespace mc::test
