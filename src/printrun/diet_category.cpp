#include "printrun/diet_category.h"

#include <algorithm>

#include "data/text.h"

namespace mc {

namespace {

bool renal(int d) { return d == 60 || d == 70; }

using Test = bool (*)(const DietFacts&);

// Test n at index n - 1.
constexpr Test kTests[] = {
    [](const DietFacts& f) { return f.dietCode == 1; },
    [](const DietFacts& f) { return f.dietCode == 2; },
    [](const DietFacts& f) { return f.dietCode == 3; },
    [](const DietFacts& f) { return f.dietCode == 4 || f.dietCode == 5; },
    [](const DietFacts& f) { return f.dietCode == 6 || (f.dietCode >= 10 && f.dietCode <= 30); },
    [](const DietFacts& f) { return f.dietCode == 7 || f.dietCode == 8; },
    [](const DietFacts& f) { return f.dietCode == 9; },
    [](const DietFacts& f) { return renal(f.dietCode); },
    [](const DietFacts& f) { return f.dietCode >= 31; },
    [](const DietFacts& f) { return f.thickened; },
    [](const DietFacts& f) { return f.enhanced; },
    [](const DietFacts& f) { return !f.thickened; },
    [](const DietFacts& f) { return !f.enhanced; },
    [](const DietFacts& f) { return !f.thickened && !f.enhanced; },
};

bool containsAny(std::string_view diet, std::initializer_list<std::string_view> words) {
  const std::string text = upper(diet);
  return std::any_of(words.begin(), words.end(), [&](std::string_view w) { return contains(text, w); });
}

}  // namespace

CategoryRange categoryRange(int list2Index) {
  if (list2Index == kAllDietCategories) return {1, 9};
  const int index = list2Index >= 0 && list2Index < static_cast<int>(kDietCategoryList.size()) ? list2Index : 0;
  return {index + 1, index + 1};
}

bool dietIsThickened(std::string_view diet) { return containsAny(diet, {"THICK", "NECTAR", "HONEY", "PUDDING"}); }

bool dietIsEnhanced(std::string_view diet) { return containsAny(diet, {"FTF", "SUPER", "ENHANCE"}); }

bool dietCategoryHolds(int category, const DietFacts& facts) {
  if (category < 1 || category > static_cast<int>(std::size(kTests))) return false;
  return kTests[category - 1](facts);
}

}  // namespace mc
