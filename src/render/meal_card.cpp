#include "render/meal_card.h"

#include <array>
#include <vector>

#include "data/text.h"
#include "render/marked_line.h"

namespace mc {

namespace {

constexpr double kSelectPitch = 200;
constexpr int32_t kHeadingFill = 16448210;  // light goldenrod

// The Y of each select-menu category, per column (index 1..9).
constexpr std::array<std::array<double, 10>, 4> kCategoryY = {{
    {},
    {0, 3450, 4350, 5000, 5600, 6300, 7250, 7850, 8250, 8900},
    {0, 3450, 4150, 4750, 5350, 6100, 6650, 7450, 8050, 8700},
    {0, 3450, 3950, 4650, 5150, 5650, 6300, 6750, 7550, 8050},
}};

struct Heading {
  int column;
  const char* text;
  int entry;  // index into the column's category Y table
  double outerLeft, outerRight, textX;
};

// The headings of the three select-menu columns, with their boxes; X values
// count from the column's left edge, the filled box lies 10 inside the
// outer one.
constexpr Heading kHeadings[] = {
    {1, "  Juices   ", 1, 1620, 2400, 1700},
    {1, "  Eggs/Meats  ", 2, 1420, 2600, 1500},
    {1, " Cereal & Breads  ", 4, 1240, 2800, 1360},
    {1, "  Milk/Beverages/Condiments  ", 6, 880, 3210, 890},
    {2, "  Entrees  ", 1, 1620, 2400, 1650},
    {2, "  Starches  ", 2, 1520, 2500, 1620},
    {2, "  Vegetables  ", 3, 1420, 2600, 1540},
    {2, "  Breads  ", 4, 1620, 2400, 1670},
    {2, "  Desserts  ", 5, 1620, 2400, 1620},
    {2, "  Milk/Beverages/Condiments  ", 6, 840, 3225, 880},
    {3, "  Soups & Appetizers  ", 1, 1220, 2870, 1230},
    {3, "  Entrees  ", 2, 1520, 2450, 1620},
    {3, "  Starches  ", 3, 1520, 2500, 1610},
    {3, "  Vegetables  ", 4, 1420, 2600, 1520},
    {3, "  Breads  ", 5, 1700, 2320, 1660},
    {3, "  Desserts  ", 6, 1620, 2400, 1620},
    {3, "  Milk/Beverages/Condiments  ", 7, 930, 3220, 920},
};

// Likes and dislikes of Meal Cards stand at fixed page places, by column.
constexpr double kRuleX[] = {0, 2900, 8000, 12900};
constexpr double kLikesX[] = {0, 2950, 7950, 12950};
constexpr double kDislikesX[] = {0, 3450, 8550, 13450};
// Rows of each list on a Meal Card: its heading and six items.
constexpr int kListRows = 7;

bool grey(const CardPage& page) { return page.settings.Check10; }

// A banner line that the menu builder put above the foods.
bool isBanner(const std::string& label, const std::string& text) {
  return trim(label).empty() && (startsWith(text, "!!!") || startsWith(text, ">>>"));
}

void drawHeading(const CardPage& page, const Heading& h, double c) {
  Surface& s = page.s;
  const double y = kCategoryY[h.column][h.entry];
  // Every heading takes the box of the juices heading: 170 above its Y to
  // 30 below, the text 195 above it.
  s.DrawWidth = 1;
  s.Line(c, y - 90, page.geo.rightEnd(h.column), y - 90, colour::Black);
  s.Line(c + h.outerLeft + 10, y - 160, c + h.outerRight - 10, y + 20, kHeadingFill, LineMode::Fill);
  s.Line(c + h.outerLeft, y - 170, c + h.outerRight, y + 30, colour::Black, LineMode::Box);
  // The heading's size is the one whose line fits its 200-twip box.
  uprightFont(s, 8, true);
  s.CurrentX = c + h.textX;
  s.CurrentY = y - 195;
  s.Print(h.text);
}

}  // namespace

void DrawMealCardLines(const CardPage& page, int k) {
  if (page.type != CardType::Meal || !page.meals) return;
  const int meal = page.columnMeal(k);
  const std::vector<std::string>& lines = page.meals->MealText[meal];
  MarkedLineStyle style;
  style.listSize = 12;
  int past = 0;
  for (int n = 1; n <= page.meals->LineCount[meal]; ++n) {
    const std::string text = trim(lines[n]);
    if (text.empty()) continue;
    const double row = 3300 + (n - 1) * 280;
    // A row below the rule over the special instructions prints over them:
    // the menu has run past the card. It is printed all the same (a food
    // left off could be the one the resident must not get), and told.
    if (row > page.geo.DiningLine) ++past;
    // The lines and their marker boxes stand 250 above their row.
    PrintMarkedLine(page, text, page.geo.C[k] + 200, row - 250, style);
  }
  page.runsOver(meal, "menu", past);
}

void DrawMealCardLists(const CardPage& page, int k) {
  if (page.type != CardType::Meal || page.settings.Check23) return;
  const ResidentRecord& r = page.resident;
  MarkedLineStyle likes;
  likes.listSize = 12;
  likes.color = grey(page) ? colour::Black : colour::DarkGreen;
  MarkedLineStyle dislikes = likes;
  dislikes.color = grey(page) ? colour::Black : colour::Red;
  if (!trim(r.Likes[k][1]).empty())
    PrintMarkedLine(page, "---------------------", kRuleX[k], 5300, likes);
  for (int row = 1; row <= kListRows; ++row) {
    PrintMarkedLine(page, r.Likes[k][row], kLikesX[k], 5500 + (row - 1) * 250, likes);
    PrintMarkedLine(page, r.Dislikes[k][row], kDislikesX[k], 3600 + (row - 1) * 250, dislikes);
  }
  const int meal = page.columnMeal(k);
  page.cutOff(meal, "likes", textLinesAfter(r.Likes[k], kListRows) + r.LikesLost[k]);
  page.cutOff(meal, "dislikes", textLinesAfter(r.Dislikes[k], kListRows) + r.DislikesLost[k]);
}

void DrawSelectMenu(const CardPage& page, int k) {
  if (page.type != CardType::Select || !page.meals) return;
  const double c = page.geo.C[k];
  for (const Heading& h : kHeadings)
    if (h.column == k) drawHeading(page, h, c);

  const int meal = page.columnMeal(k);
  const auto& text = page.meals->MealText[meal];
  const auto& labels = page.meals->MealLabel[meal];
  MarkedLineStyle style;
  style.listSize = 10;
  style.fitWide = false;
  style.compact = true;
  int category = 0, item = 0, banners = 0;
  std::string previous;
  for (int n = 1; n <= page.meals->LineCount[meal]; ++n) {
    const std::string line = trim(text[n]);
    // The texture banners stand above the tables, where they cannot take a
    // category's place and push the foods under the wrong headings.
    if (isBanner(labels[n], line)) {
      PrintMarkedLine(page, line, c + 100, 2450 + banners++ * kSelectPitch, style);
      continue;
    }
    const std::string current = lineCategory(labels[n]);
    // Past the ninth category the foods go on under the ninth, rather
    // than being left off the menu.
    if ((category == 0 || current != previous) && category < 9) {
      ++category;
      item = 0;
    }
    previous = current;
    if (line.empty()) continue;
    ++item;
    const double y = kCategoryY[k][category] + ((item - 1) / 2) * kSelectPitch;
    const bool right = item == 2 || item == 4 || item == 5 || item == 8 || item == 10;
    if (y > 0) PrintMarkedLine(page, line, c + (right ? 2550 : 100), y, style);
  }
}

}  // namespace mc
