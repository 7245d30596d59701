// The menu on Meal Cards and Select menus: the meal card's food lines and
// its likes and dislikes at their fixed places, and the select menu's
// headed category tables from which the resident chooses.
#pragma once

#include "render/card_page.h"

namespace mc {

// Column k's food lines on a Meal Card.
void DrawMealCardLines(const CardPage& page, int k);
// Column k's likes and dislikes on a Meal Card.
void DrawMealCardLists(const CardPage& page, int k);
// Column k of a Select (or Pseudo Select) menu: headings and items.
void DrawSelectMenu(const CardPage& page, int k);

}  // namespace mc
