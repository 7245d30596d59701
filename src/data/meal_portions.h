// Portion rewriting of meal card lines for the diets with meal patterns:
// the pattern's count for the line's food category goes in front of the
// line ("(2)"), bread and starch portions give way to the reductions marked
// on the house menu, a count of 0 takes the food off the card, and the
// common count-times-quantity products are written out ("(2)1/2" -> "1").
#pragma once

#include <string>
#include <string_view>

namespace mc {

// The reduction markers of a starred menu record on a meal card: each of
// "-1" and "-2" found in the record (any case) adds its amount and is
// blanked in the record. Returns the amount.
int takeReductionMarkers(std::string& record);

// The multiplier character for a line: the portion string's character at
// the position that the record's food category (columns 6-13) selects for
// this meal (1 breakfast, 2 lunch, 3 supper); ' ' when none. `reduces` is
// set for the bread and starch rows, whose portions the reductions lower.
char portionMultiplier(std::string_view record, std::string_view text, int meal, std::string_view portions,
                       bool& reduces);

// Lowers a bread or starch multiplier by the meal's pending reduction
// (not below 0) and takes what was used from the counter.
char reduceMultiplier(char multiplier, int& reduction);

// The line as printed with its multiplier: blanked for "0", the count in
// parentheses before it (three blanks when there is none), then the first
// count-times-quantity pattern written out in place.
std::string applyMultiplier(const std::string& text, char multiplier);

}  // namespace mc
