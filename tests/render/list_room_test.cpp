// Lists longer than the card has rows for: what does not fit is told to the
// run as a warning on the card, with the meal and the number of lines lost,
// and a list that fits says nothing.
#include "card_fixture.h"

namespace mc::test {
namespace {

class ListRoom : public CardFixture {
 protected:
  ListRoom() {
    renderer.Warn = [this](const std::string& w) { warnings.push_back(w); };
  }
  // Slot `slot`'s likes: the heading and `items` items.
  void likes(int slot, int items) {
    resident.Likes[slot] = {};
    resident.Likes[slot][1] = "----- LIKES -----";
    for (int i = 1; i <= items; ++i) resident.Likes[slot][i + 1] = "Like " + std::to_string(i);
  }
  std::vector<std::string> drawnWarnings() {
    warnings.clear();
    draw();
    return warnings;
  }
  std::vector<std::string> warnings;
};

TEST_F(ListRoom, TrayAndMealCardsTellTheLikesDislikesAndMenusTheyHaveNoRowForStillPrintTheMenuAndBuildNoneWithoutAResident) {
  likes(1, 13);  // heading and 13 items: the tray card's 14 rows
  resident.Dislikes[3][1] = "-- DISLIKES --";
  EXPECT_TRUE(drawnWarnings().empty());

  likes(1, 15);
  resident.LikesLost[1] = 2;  // two more the loader overwrote on line 16
  resident.Dislikes[3][17] = "Liver";
  EXPECT_EQ(drawnWarnings(), (std::vector<std::string>{
                                 "Breakfast likes cut off at the card's last line: 4 lines not printed",
                                 "Supper dislikes cut off at the card's last line: 1 line not printed"}));

  // The slots follow the meal order: slot 1 is lunch's column.
  ctx.MealOrder = "LSB";
  EXPECT_EQ(drawnWarnings().at(0), "Lunch likes cut off at the card's last line: 4 lines not printed");

  // A Meal Card lists the heading and six items.
  ctx.MealOrder = "";
  model.CardKind = 2;
  resident.LikesLost[1] = 0;
  resident.Dislikes[3][17] = "";
  likes(1, 6);
  EXPECT_TRUE(drawnWarnings().empty());
  likes(1, 8);
  EXPECT_EQ(drawnWarnings(), (std::vector<std::string>{
                                 "Breakfast likes cut off at the card's last line: 2 lines not printed"}));
  // Blank lines beyond the rows lose nothing.
  resident.Likes[1][8] = resident.Likes[1][9] = "   ";
  EXPECT_TRUE(drawnWarnings().empty());

  // Menus longer than the card are told and still printed.
  MealLines meals;
  for (int m = 1; m <= 3; ++m) {
    meals.MealText[m].assign(83, "");
    meals.MealLabel[m].assign(83, std::string(13, ' '));
  }
  const auto foods = [&](int meal, int count) {
    for (int i = 1; i <= count; ++i) meals.MealText[meal][i] = "Food " + std::to_string(i);
    meals.LineCount[meal] = count;
  };
  buildMenu = [&](const MealLineRequest& q) {
    MealLines l = meals;
    if (q.kind == MenuKind::Alf) l.AlfText = l.MealText[q.AlfMealNo];
    return l;
  };

  // Nineteen rows stand above the rule over the special instructions.
  foods(2, 19);
  EXPECT_TRUE(drawnWarnings().empty());
  foods(2, 22);
  EXPECT_EQ(drawnWarnings(),
            (std::vector<std::string>{
                "Lunch menu runs past the card's last line: 3 lines printed over the special instructions"}));
  // Printed all the same: a food left off could be one the resident must not get.
  EXPECT_EQ(textsOf(draw(), "Food 22").size(), 1u);

  // The assisted-living week has 31 rows a day, special instructions
  // included; the meal's lines past them are left off every day.
  model.AlfMenus = true;
  ctx.MealToDraw = 1;
  ctx.AlfMealNo = 2;
  resident.SpecialInstructions[2][1] = "Cut meat";
  foods(2, 30);
  EXPECT_TRUE(drawnWarnings().empty());
  foods(2, 32);
  const auto ops = draw();
  EXPECT_TRUE(textsOf(ops, "Cut meat").empty());
  EXPECT_EQ(warnings.back(),
            "Lunch menu and special instructions cut off at the card's last line: 14 lines not printed");
  // (Without a resident file nothing is drawn: the start-up preview's test.)
  resident.ResidentPath.clear();
  EXPECT_TRUE(renderer.menusFor(ctx, resident).empty()) << "no menu to build without a resident";
}

}  // namespace
}  // namespace mc::test
