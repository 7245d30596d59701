// Printing by diet category: the category list of the window (List2), the
// fourteen category tests, and how a list entry becomes the categories a
// run walks.
//
// The list and the tests are numbered one apart: entry "Mech" (index 1)
// means test 2, "Enhanced Foods " (index 10) test 11. A run walks test
// numbers, list index + 1, so that every entry selects the diets it names;
// "ALL Diets by Category" (index 9) walks tests 1 to 9. Test 9 ("Other
// Diets") takes every code from 31 up, the renal codes 60 and 70 included:
// a kitchen printing "Other Diets" must not find its renal residents
// without a card, so under "ALL Diets by Category" they print twice, with
// the renal diets and again with the other diets.
#pragma once

#include <array>
#include <string_view>

namespace mc {

inline constexpr std::array<const char*, 14> kDietCategoryList = {
    "Regular",     "Mech",           "Pureed",          "Low Sodium",       "Diabetic",
    "Low Fat",     "Bland/Low Residue", "Renal  Diets", "Other Diets",      "ALL Diets by Category",
    "Enhanced Foods ", "No Thick Liquids", "No Enhanced Foods", "No Thick or Enhanced"};
inline constexpr int kAllDietCategories = 9;  // the list index of "ALL Diets by Category"

struct CategoryRange {
  int first = 1;
  int last = 1;
};

// The category tests a run walks for a List2 index (-1, no selection, and
// anything out of the list count as the first entry).
CategoryRange categoryRange(int list2Index);

// What the category tests look at.
struct DietFacts {
  int dietCode = 0;  // the first diet code, 3 for an unusable one
  bool thickened = false;
  bool enhanced = false;
};

// Thickened liquids and enhanced foods, from the diet text.
bool dietIsThickened(std::string_view diet);
bool dietIsEnhanced(std::string_view diet);

// Whether category test 1..14 holds; false for any other number.
bool dietCategoryHolds(int category, const DietFacts& facts);

}  // namespace mc
