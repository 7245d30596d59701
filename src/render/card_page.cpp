#include "render/card_page.h"

#include <algorithm>

#include "data/meal_order.h"
#include "data/meal_slots.h"
#include "data/text.h"

namespace mc {

char CardPage::columnLetter(int k) const { return "BLS"[columnMeal(k) - 1]; }

int CardPage::columnMeal(int k) const { return MealOrder::parse(ctx.MealOrder).meal(k); }

int CardPage::alfMeal() const { return mc::alfMeal(ctx, settings); }

int alfMeal(const DrawContext& ctx, const CardSettings& settings) {
  if (ctx.AlfMealNo >= 1 && ctx.AlfMealNo <= 3) return ctx.AlfMealNo;
  return settings.AlfMealNo >= 1 && settings.AlfMealNo <= 3 ? settings.AlfMealNo : 1;
}

double CardPage::topTextX(int k) const {
  if (k == 1) return geo.C[1] + 100;
  if (k == 2) return geo.C[2] + 70;
  return geo.C[3] + (screen ? 70 : 50);
}

namespace {

std::string pastLastLine(int meal, std::string_view list, const char* how, int lines, const char* what) {
  return std::string(mealName(meal)) + " " + std::string(list) + how + " the card's last line: " +
         std::to_string(lines) + (lines == 1 ? " line " : " lines ") + what;
}

}  // namespace

void CardPage::cutOff(int meal, std::string_view list, int lines) const {
  if (lines > 0 && warn) warn(pastLastLine(meal, list, " cut off at", lines, "not printed"));
}

void CardPage::runsOver(int meal, std::string_view list, int lines) const {
  if (lines > 0 && warn) warn(pastLastLine(meal, list, " runs past", lines, "printed over the special instructions"));
}

int textLinesAfter(std::span<const std::string> lines, int last) {
  int n = 0;
  for (size_t i = static_cast<size_t>(std::max(last, 0)) + 1; i < lines.size(); ++i)
    if (!trim(lines[i]).empty()) ++n;
  return n;
}

void uprightFont(Surface& s, double size, bool bold) {
  s.FontName = kCardFont;
  s.FontSize = size;
  s.FontBold = bold;
  s.FontItalic = false;
  s.FontUnderline = false;
  s.ForeColor = colour::Black;
}

const char* mealName(int meal) { return kMealNames[meal >= 1 && meal <= 3 ? meal : kSupper]; }

}  // namespace mc
