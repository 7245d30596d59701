// The resident's own information on a card: name, diet, isolation and
// allergy notices, dining location, special instructions, likes and
// dislikes, feeding skill, the note at the bottom and the page number.
// Meal Cards and Select menus draw these items too.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "render/card_page.h"

namespace mc {

// Items drawn once for all three columns, by the call that starts the page.
void DrawPageNumbers(const CardPage& page);
void DrawBottomNote(const CardPage& page);
void DrawDiningBoxes(const CardPage& page);

// Items of column k.
void DrawDiningLocation(const CardPage& page, int k);
void DrawFeedingSkill(const CardPage& page, int k);
void DrawIsolationAndAllergies(const CardPage& page, int k);
void DrawSpecialInstructions(const CardPage& page, int k);
void DrawTrayLists(const CardPage& page, int k);
void DrawNameAndDiet(const CardPage& page, int k);

// The two rules across the page, above the special instructions and under
// the columns.
void DrawRules(const CardPage& page);

// The name at the top of a column: a long name line is cut to its first 20
// characters and, when it holds a comma, to the surname and first initial.
std::string TopName(std::string_view nameLine);
// The diet in up to three lines of about 20 characters, cut at blanks.
std::array<std::string, 3> DietLines(std::string_view diet);

}  // namespace mc
