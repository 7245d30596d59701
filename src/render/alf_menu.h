// The assisted-living weekly menu: one meal of seven menu days on one page,
// a day per sub-column, with the facility's title, the day names, the
// resident's name and diet over each day, the foods under their category
// headings and the meal's special instructions.
#pragma once

#include <span>

#include "render/card_page.h"

namespace mc {

inline constexpr int kAlfWeekDays = 7;

// `week` holds the meal lines of the week's days in turn (consecutive menu
// days from the card's own); a day it does not reach shows no foods.
void DrawAlfWeek(const CardPage& page, std::span<const MealLines> week);

// The heading that a food category starts on the weekly menu, "" for a
// category without one.
std::string AlfHeading(const std::string& category);

}  // namespace mc
