// What the print run sets before each call of DrawMenu: the run state that
// the renderer reads, and the per-resident values that the selection step
// prepares beside the resident record.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/card_date.h"

namespace mc {

struct DrawContext {
  // Meal position to draw: 1, 2, 3 (one column) or 4 (all three columns).
  int16_t MealToDraw = 4;
  int16_t MealCode = 4;     // 1 breakfast, 2 lunch, 3 supper, 4 all
  std::string MealLetter;   // "B", "L", "S", or "" when none is set
  // The run's current meal order: "" (breakfast, lunch, supper) or "BLS",
  // "LSB", "SBL", "BBB", "LLL", "SSS". Column k shows the meal of letter k.
  std::string MealOrder;
  int16_t MenuDay = 1;
  Date CardDate;
  int16_t WeekdayNo = 1;  // 1 Sunday .. 7 Saturday
  int16_t CardCount = 1;  // page counter, printed with "Number Pages"
  int16_t UnitNo = 1;
  int16_t ResidentNo = 1;
  int16_t PassNo = 1;
  bool PdfDriver = false;    // the printer is a PDF printer driver
  bool PreviewFlag = false;  // drawing the preview on the screen
  int AlfMealNo = 0;         // assisted-living meal: 1..3
  std::string AlfMealName;   // "Breakfast", "Lunch", "Supper"

  // Per resident, by meal (1 breakfast, 2 lunch, 3 supper): the dining
  // location description (three blanks when none) and whether it asked for
  // the hydration box.
  std::array<std::string, 4> MealLocations{"", "   ", "   ", "   "};
  std::array<bool, 4> HydrateMark{};
  std::string LocationLabel;  // the dining location text of user-defined cards
};

}  // namespace mc
