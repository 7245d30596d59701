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
  // Lunch is column 1, under its heading; the empty line keeps its row.
  EXPECT_EQ(columnOf(beef[0]), 1);
  EXPECT_EQ(columnOf(textsOf(ops, "Lunch").at(0)), 1);
  EXPECT_DOUBLE_EQ(roll[0]["y"] - beef[0]["y"], 3 * (rice[0]["y"] - beef[0]["y"]));
  EXPECT_EQ(columnOf(textsOf(ops, "4 oz Orange Juice").at(0)), 3);  // breakfast
  model.CardKind = 3;
  requests.clear();
  EXPECT_TRUE(textsOf(draw(), "3 oz Roast Beef").empty());
  EXPECT_TRUE(requests.empty());  // tray cards build no menu
}

// The week starts on the card date's weekday. (Which day's menu of which
// meal each day asks for, how the days stand, headings and foods: the demo
// runs.)
TEST_F(MenuLayout, AssistedLivingWeekShowsSevenDaysOfOneMeal) {
  model.AlfMenus = true;
  model.CardKind = 2;
  ctx.MealToDraw = 1;
  ctx.AlfMealNo = 3;
  ctx.MenuDay = 5;
  ctx.CardDate = {2026, 3, 5};  // a Thursday
  resident.SpecialInstructions[3][1] = "_Cut meat";
  fill(meals, 3, {{"ENTREE", "4 oz Chicken"}});
  std::vector<std::string> warnings;
  renderer.Warn = [&](const std::string& w) { warnings.push_back(w); };
  const auto ops = draw();
  std::vector<std::string> days;
  for (const auto& op : opsOf(ops, "text"))
    for (const char* name : {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"})
      if (op.text() == name) days.push_back(name);
  EXPECT_EQ(days, (std::vector<std::string>{"Thursday", "Friday", "Saturday", "Sunday", "Monday", "Tuesday",
                                            "Wednesday"}));
  EXPECT_EQ(textsOf(ops, "Cut meat").size(), 7u);  // the meal's instructions, their marker taken off
  EXPECT_TRUE(warnings.empty());

  fill(meals, 3, {{"ENTREE", " --> Supervisor Review-2 "}});
  draw();
  EXPECT_EQ(warnings, (std::vector<std::string>{"Supervisor Review"}));  // once per card
}

}  // namespace
}  // namespace mc::test
