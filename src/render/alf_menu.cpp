#include "render/alf_menu.h"

#include <algorithm>

#include "data/card_date.h"
#include "data/meal_order.h"
#include "data/text.h"
#include "render/marked_line.h"
#include "settings/field_encoding.h"

namespace mc {

namespace {

constexpr int kLinesPerDay = 31;
constexpr double kRowPitch = 240;

struct HeadingRow {
  const char* category;
  const char* heading;
};
// The category words and the headings the kitchen prints for them; the
// starches share the vegetables' heading.
constexpr HeadingRow kHeadingRows[] = {
    {"ENTREE", "Entrees"},   {"APPETI", "Appetizers"}, {"STARCH", "Vegetables"}, {"VEGETA", "Vegetables"},
    {"BREAD", "BREADS"},     {"DESSER", "Desserts"},   {"BEVERA", "Beverages"},
};

void printAt(Surface& s, double x, double y, std::string_view text) {
  s.CurrentX = x;
  s.CurrentY = y;
  s.Print(text);
}

// 12 point, one point smaller at a time while wider than the room.
void fitted(Surface& s, double x, double y, const std::string& text, double room) {
  uprightFont(s, 12, true);
  while (s.FontSize > 6 && s.TextWidth(text) > room) s.FontSize -= 1;
  printAt(s, x, y, text);
}

}  // namespace

std::string AlfHeading(const std::string& category) {
  const std::string up = upper(category);
  for (const HeadingRow& row : kHeadingRows)
    if (startsWith(up, row.category)) return row.heading;
  return {};
}

void DrawAlfWeek(const CardPage& page, std::span<const MealLines> week) {
  Surface& s = page.s;
  const PageGeometry& g = page.geo;
  const double p = g.DayPitch;
  const double size = g.Legal ? 12 : 10;

  // The title over the whole week.
  const std::string title = page.title();
  uprightFont(s, std::max(1.0, 16 + page.settings.Text34), true);
  s.FontItalic = true;
  printAt(s, g.C[1] + (g.Right - g.C[1] - s.TextWidth(title)) / 2, page.settings.Text32, title);
  s.FontItalic = false;
  s.FontBold = false;

  const int meal = page.alfMeal();
  const int slot = MealOrder::parse(page.ctx.MealOrder).slotOf(meal);
  const int firstWeekday = weekday(page.ctx.CardDate);

  int cut = 0;
  for (int d = 1; d <= kAlfWeekDays; ++d) {
    const double left = g.C[1] + (d - 1) * p;
    uprightFont(s, 12, true);
    printAt(s, left + 570, 760, kWeekdayNames[(firstWeekday - 1 + d - 1) % 7 + 1]);
    fitted(s, left + 70, 1000, page.resident.NameLine, p - 100);
    fitted(s, left + 70, 1250, rtrim(page.resident.Diet), p - 100);

    int row = 0;
    const auto line = [&](const std::string& text, bool heading) {
      if (row >= kLinesPerDay) {
        ++cut;
        return;
      }
      uprightFont(s, size, heading);
      s.FontUnderline = heading;
      // A food wider than its day is printed up to three points smaller.
      for (int step = 0; step < 3 && s.TextWidth(text) > p - 150; ++step) s.FontSize -= 1;
      printAt(s, left + 150, g.Top + 800 + row++ * kRowPitch, text);
    };
    const MealLines* lines = d <= static_cast<int>(week.size()) ? &week[d - 1] : nullptr;
    if (lines && !lines->AlfText.empty()) {
      std::string lastHeading;
      for (int i = 1; i < static_cast<int>(lines->AlfText.size()); ++i) {
        const std::string text = trim(lines->AlfText[i]);
        if (text.empty() || text == "___") continue;
        // Each food category starts under its heading.
        const std::string heading = AlfHeading(lineCategory(lines->MealLabel[meal][i]));
        if (!heading.empty() && heading != lastHeading) line(heading, true);
        lastHeading = heading;
        line(text, false);
      }
    }
    for (int i = 1; i <= 7; ++i) {
      const std::string text = trim(unmarked(page.resident.SpecialInstructions[slot][i]));
      if (!text.empty()) line(text, false);
    }
  }
  s.FontUnderline = false;
  page.cutOff(meal, "menu and special instructions", cut);
}

}  // namespace mc
