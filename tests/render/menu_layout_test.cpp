// The menu on the card: meal card lines, select menu tables under their
// headings, and the assisted-living week, drawn from meal lines handed in as
// the menu builder would hand them.
#include "card_fixture.h"
#include "data/text.h"

namespace mc::test {
namespace {

// Meal lines with these texts and categories for a meal (index 0 unused).
void fill(MealLines& l, int meal, std::vector<std::pair<std::string, std::string>> lines) {
  l.MealText[meal].assign(83, "");
  l.MealLabel[meal].assign(83, "");
  for (size_t i = 0; i < lines.size(); ++i) {
    l.MealText[meal][i + 1] = padCut(lines[i].second, 25);
    l.MealLabel[meal][i + 1] = lines[i].first.empty() ? std::string(13, ' ') : " LH* " + padCut(lines[i].first, 8);
  }
  l.LineCount[meal] = static_cast<int>(lines.size());
}

class MenuLayout : public CardFixture {
 protected:
  MenuLayout() {
    for (int m = 1; m <= 3; ++m) fill(meals, m, {});
    buildMenu = [this](const MealLineRequest& q) {
      requests.push_back(q);
      MealLines l = meals;
      if (q.kind == MenuKind::Alf) {
        l.AlfText.assign(83, "");
        for (int i = 1; i <= l.LineCount[q.AlfMealNo]; ++i)
          if (!trim(l.MealText[q.AlfMealNo][i]).empty())
            l.AlfText[i] = "___" + trim(l.MealText[q.AlfMealNo][i]) + " d" + std::to_string(q.MenuDay);
      }
      return l;
    };
  }
  MealLines meals;
  std::vector<MealLineRequest> requests;
};

TEST_F(MenuLayout, MealCardPrintsTheColumnsMealRowByRow) {
  model.CardKind = 2;
  ctx.MealOrder = "LSB";
  ctx.MenuDay = 4;
  fill(meals, 2, {{"ENTREE", "3 oz Roast Beef"}, {"STARCH", "1/2 c Rice"}, {"VEGETABL", ""}, {"BREAD", "1 Roll"}});
  fill(meals, 1, {{"JUICE", "4 oz Orange Juice"}});
  const auto ops = draw();
  ASSERT_EQ(requests.size(), 1u);  // one build for the whole page
  EXPECT_EQ(requests[0].kind, MenuKind::MealCard);
  EXPECT_EQ(requests[0].MenuDay, 4);
  const auto beef = textsOf(ops, "3 oz Roast Beef"), rice = textsOf(ops, "1/2 c Rice"), roll = textsOf(ops, "1 Roll");
  ASSERT_EQ(beef.size() + rice.size() + roll.size(), 3u);
  // Lunch is column 1; the empty line keeps its row.
  EXPECT_EQ(columnOf(beef[0]), 1);
  EXPECT_DOUBLE_EQ(roll[0]["y"] - beef[0]["y"], 3 * (rice[0]["y"] - beef[0]["y"]));
  EXPECT_EQ(columnOf(textsOf(ops, "4 oz Orange Juice").at(0)), 3);  // breakfast
  model.CardKind = 3;
  requests.clear();
  EXPECT_TRUE(textsOf(draw(), "3 oz Roast Beef").empty());
  EXPECT_TRUE(requests.empty());  // tray cards build no menu
}

TEST_F(MenuLayout, SelectMenuGroupsTheFoodsUnderTheirHeadings) {
  model.CardKind = 1;
  model.PseudoSelect = true;
  fill(meals, 1, {{"", "!!! ALL FOODS PUREED !!!"},
                  {"JUICE", "4 oz Orange Juice*"},
                  {"JUICE", "6 oz Apple Juice"},
                  {"JUICE", "8 oz Grape Juice"},
                  {"EGG", "2 Eggs*"}});
  const auto ops = draw();
  EXPECT_EQ(requests.at(0).kind, MenuKind::PseudoSelect);
  const auto juices = textsOf(ops, "  Juices   ").at(0), eggs = textsOf(ops, "  Eggs/Meats  ").at(0);
  const auto orange = textsOf(ops, "4 oz Orange Juice*").at(0), apple = textsOf(ops, "6 oz Apple Juice").at(0),
             grape = textsOf(ops, "8 oz Grape Juice").at(0), egg = textsOf(ops, "2 Eggs*").at(0);
  // Two foods to a row, the first of each row on the left; each category
  // under its own heading. The banner stands above the tables.
  EXPECT_EQ(orange["y"], apple["y"]);
  EXPECT_LT(orange["x"], apple["x"]);
  EXPECT_EQ(grape["x"], orange["x"]);
  EXPECT_GT(grape["y"], orange["y"]);
  EXPECT_GT(orange["y"], juices["y"]);
  EXPECT_LT(grape["y"], eggs["y"]);
  EXPECT_GT(egg["y"], eggs["y"]);
  EXPECT_LT(textsOf(ops, "!!! ALL FOODS PUREED !!!").at(0)["y"], juices["y"]);
  EXPECT_EQ(textsOf(ops, "  Soups & Appetizers  ").size(), 1u);  // supper's column
}

TEST_F(MenuLayout, AssistedLivingWeekShowsSevenDaysOfOneMeal) {
  model.AlfMenus = true;
  model.CardKind = 2;
  ctx.MealToDraw = 1;
  ctx.AlfMealNo = 3;
  ctx.MenuDay = 5;
  ctx.CardDate = {2026, 3, 5};  // a Thursday
  resident.SpecialInstructions[3][1] = "_Cut meat";
  fill(meals, 3, {{"ENTREE", "4 oz Chicken"}, {"ENTREE", "5 oz Cod"}, {"DESSERT", "Pudding"}});
  fill(meals, 1, {{"ENTREE", "Breakfast Beef"}});
  std::vector<std::string> warnings;
  renderer.Warn = [&](const std::string& w) { warnings.push_back(w); };
  const auto ops = draw();
  ASSERT_EQ(requests.size(), 7u);
  for (int d = 0; d < 7; ++d) {
    EXPECT_EQ(requests[d].MenuDay, 5 + d);
    EXPECT_EQ(requests[d].kind, MenuKind::Alf);
    EXPECT_EQ(requests[d].AlfMealNo, 3);
  }
  std::vector<std::string> days;
  for (const auto& op : opsOf(ops, "text"))
    for (const char* name : {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"})
      if (op.text() == name) days.push_back(name);
  EXPECT_EQ(days, (std::vector<std::string>{"Thursday", "Friday", "Saturday", "Sunday", "Monday", "Tuesday",
                                            "Wednesday"}));
  // One heading per category, bold and underlined, above its foods.
  const auto entrees = textsOf(ops, "Entrees");
  ASSERT_EQ(entrees.size(), 7u);
  EXPECT_TRUE(entrees[0].is("bold") && entrees[0].is("underline"));
  const auto chicken = textsOf(ops, "___4 oz Chicken d5").at(0), cod = textsOf(ops, "___5 oz Cod d5").at(0);
  const auto pudding = textsOf(ops, "___Pudding d5").at(0), desserts = textsOf(ops, "Desserts").at(0);
  EXPECT_LT(entrees[0]["y"], chicken["y"]);
  EXPECT_LT(chicken["y"], cod["y"]);
  EXPECT_LT(cod["y"], desserts["y"]);
  EXPECT_LT(desserts["y"], pudding["y"]);
  EXPECT_GT(textsOf(ops, "___Pudding d11").at(0)["x"], pudding["x"] + 6 * 2000);
  EXPECT_EQ(textsOf(ops, "Cut meat").size(), 7u);
  EXPECT_TRUE(textsOf(ops, "___Breakfast Beef d5").empty());
  EXPECT_TRUE(warnings.empty());

  fill(meals, 3, {{"ENTREE", " --> Supervisor Review-2 "}});
  draw();
  EXPECT_EQ(warnings, (std::vector<std::string>{"Supervisor Review"}));  // once per card
}

}  // namespace
}  // namespace mc::test
