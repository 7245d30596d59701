// The assisted-living weekly menu: one meal of seven menu days on one page,
// a day per sub-column, with the facility's title, the day names, the
// resident's name and diet over each day, the foods under their category
// headings and the meal's special instructions.
#pragma once

#include <functional>

#include "render/card_page.h"

namespace mc {

// The meal lines of one menu day (the week's days are consecutive menu
// days from the card's own).
using DayMenu = std::function<const MealLines*(int menuDay)>;

void DrawAlfWeek(const CardPage& page, const DayMenu& dayMenu);

// The heading that a food category starts on the weekly menu, "" for a
// category without one.
std::string AlfHeading(const std::string& category);

}  // namespace mc
