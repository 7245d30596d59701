// Meal pattern lines: the portions a diet allows per meal, from the diet
// file, printed as the last special-instruction line of each meal's card
// ("Meal Patrn:1Jc 1Eg 2BMt 1Bd 1Cer 0Fat 1Mlk ").
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/diet_file.h"

namespace mc {

// The pattern texts by meal (1 breakfast, 2 lunch, 3 supper) for the four
// diet codes of a resident: each code 1..255 whose record has a pattern
// (column 47 not 0) replaces the texts of an earlier one. A meal whose
// pattern does not read above 0 gets "".
std::array<std::string, 4> mealPatternLines(const DietFile& dietFile, const std::array<int16_t, 5>& dietCodes);

// The portion strings by meal (1 breakfast, 2 lunch, 3 supper) of the same
// record, which rewrite the portions of meal cards: breakfast columns 47-53,
// lunch 55-62, supper 64-71; "" when no code has a pattern.
std::array<std::string, 4> mealPortionStrings(const DietFile& dietFile, const std::array<int16_t, 5>& dietCodes);

// One meal's text from its pattern field: breakfast (columns 47-53) or
// lunch and supper (55-62, 64-71).
std::string breakfastPattern(std::string_view field);
std::string lunchSupperPattern(std::string_view field);

}  // namespace mc
