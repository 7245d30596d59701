#include "printrun/meal_pattern.h"

#include "data/text.h"

namespace mc {

namespace {

constexpr char kHead[] = "Meal Patrn:";

struct Portion {
  int digit;  // position of the digit in the field, from 1
  const char* label;
};

constexpr Portion kBreakfast[] = {{1, "Jc "}, {2, "Eg "}, {3, "BMt "}, {4, "Bd "},
                                  {5, "Cer "}, {6, "Fat "}, {7, "Mlk "}};
// Digit 2 of the lunch and supper fields is not shown on the card.
constexpr Portion kLunchSupper[] = {{1, "Mt "}, {3, "Vg "}, {4, "St "}, {5, "Bd "},
                                    {6, "Fr "}, {7, "Fat "}, {8, "Mk "}};

template <size_t N>
std::string patternText(std::string_view field, const Portion (&portions)[N]) {
  if (leadingNumber(field) <= 0) return {};
  std::string text = kHead;
  for (const Portion& p : portions) text += column(field, p.digit) + std::string(p.label);
  return text;
}

}  // namespace

std::string breakfastPattern(std::string_view field) { return patternText(field, kBreakfast); }
std::string lunchSupperPattern(std::string_view field) { return patternText(field, kLunchSupper); }

namespace {

// The diet file record whose pattern applies: each of the four codes 1..255
// whose record has a pattern (column 47 not 0) replaces an earlier one; ""
// when none has.
std::string patternRecord(const DietFile& dietFile, const std::array<int16_t, 5>& dietCodes) {
  std::string found;
  for (int k = 1; k <= 4; ++k) {
    const int code = dietCodes[k];
    if (code < 1 || code > 255) continue;
    std::string rec = dietFile.record(code);
    if (leadingNumber(columns(rec, 47, 47)) != 0) found = std::move(rec);
  }
  return found;
}

}  // namespace

std::array<std::string, 4> mealPatternLines(const DietFile& dietFile, const std::array<int16_t, 5>& dietCodes) {
  std::array<std::string, 4> byMeal{};
  const std::string rec = patternRecord(dietFile, dietCodes);
  if (rec.empty()) return byMeal;
  byMeal[1] = breakfastPattern(columns(rec, 47, 53));
  byMeal[2] = lunchSupperPattern(columns(rec, 55, 62));
  byMeal[3] = lunchSupperPattern(columns(rec, 64, 71));
  return byMeal;
}

std::array<std::string, 4> mealPortionStrings(const DietFile& dietFile, const std::array<int16_t, 5>& dietCodes) {
  std::array<std::string, 4> byMeal{};
  const std::string rec = patternRecord(dietFile, dietCodes);
  if (rec.empty()) return byMeal;
  byMeal[1] = columns(rec, 47, 53);
  byMeal[2] = columns(rec, 55, 62);
  byMeal[3] = columns(rec, 64, 71);
  return byMeal;
}

}  // namespace mc
