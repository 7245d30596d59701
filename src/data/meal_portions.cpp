#include "data/meal_portions.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "data/text.h"

namespace mc {

namespace {

// Which character of the meal's portion string counts a food category.
// The first row whose words occur in the category decides; a row with a
// condition also needs its word in the line's text (only margarine and
// butter count as a fat, only milk as a milk portion).
struct PortionRow {
  std::vector<std::string_view> words;
  int breakfast;     // position in the portion string, 0: no multiplier
  int lunchSupper;
  bool reduces;      // bread and starch: lowered by the reduction markers
  std::vector<std::string_view> textNeeds;
};

const PortionRow kPortionRows[] = {
    {{"ENTREE", "EGG", "VEGETAR", "CHIC", "BEEF", "PORK", "POUL", "SEAFO", "FISH"}, 2, 1, false, {}},
    {{"JUICE", "FRUIT", "DESSERT"}, 1, 6, false, {}},
    {{"VEGETAB"}, 0, 3, false, {}},
    {{"SALAD"}, 0, 4, false, {}},
    {{"BREAD"}, 4, 5, true, {}},
    {{"STARCH", "CEREAL"}, 5, 2, true, {}},
    {{"CONDIM"}, 6, 7, false, {"MARGARINE", "BUTTER"}},
    {{"BEVER"}, 7, 8, false, {"MILK"}},
};

// Count times quantity, written out in the same width. The left column of
// the table is tried before the right one, so "(1)1/2" wins over "(1)1".
struct Product {
  const char* pattern;
  const char* replacement;
};
constexpr Product kProducts[] = {
    {"(1)1/2", "   1/2"}, {"(1)1/3", "   1/3"}, {"(1)1/4", "   1/4"}, {"(2)1/2", "    1 "},
    {"(2)1/3", "   2/3"}, {"(2)1/4", "   1/2"}, {"(3)1/2", " 1+1/2"}, {"(3)1/3", "     1"},
    {"(3)1/4", "   3/4"}, {"(1)1", "   1"},     {"(2)1", "   2"},     {"(3)1", "   3"},
    {"(4)1", "   4"},     {"(1)2", "   2"},     {"(2)2", "   4"},     {"(3)2", "   6"},
    {"(4)2", "   8"},     {"(1)3", "   3"},     {"(2)3", "   6"},
};

constexpr char kNoFood = static_cast<char>(205);  // a line that is not a food

bool anyIn(std::string_view text, const std::vector<std::string_view>& words) {
  return std::any_of(words.begin(), words.end(), [&](std::string_view w) { return contains(text, w); });
}

}  // namespace

int takeReductionMarkers(std::string& record) {
  int amount = 0;
  const std::string up = upper(record);
  for (const auto& [marker, by] : {std::pair{"-1", 1}, std::pair{"-2", 2}}) {
    const size_t at = up.find(marker);
    if (at == std::string::npos) continue;
    amount += by;
    record[at] = record[at + 1] = ' ';
  }
  return amount;
}

char portionMultiplier(std::string_view record, std::string_view text, int meal, std::string_view portions,
                       bool& reduces) {
  reduces = false;
  const std::string category = upper(columns(record, 6, 13));
  const std::string line = upper(text);
  const std::string padded = std::string(portions) + std::string(13, ' ');
  for (const PortionRow& row : kPortionRows) {
    if (!anyIn(category, row.words)) continue;
    if (!row.textNeeds.empty() && !anyIn(line, row.textNeeds)) continue;
    reduces = row.reduces;
    const int position = meal == 1 ? row.breakfast : row.lunchSupper;
    return position > 0 ? padded[position - 1] : ' ';
  }
  return ' ';
}

char reduceMultiplier(char multiplier, int& reduction) {
  // A category without a count in the pattern has nothing to lower: the
  // line stays as the menu has it rather than being taken off the card.
  if (reduction == 0 || multiplier < '0' || multiplier > '9') return multiplier;
  const int m = multiplier - '0';
  const int lowered = std::max(0, m - reduction);
  // The counter keeps only what this line could not absorb. A line whose
  // count is larger than the counter uses the whole reduction up: carrying
  // a negative rest would enlarge the next bread or starch portion.
  reduction = reduction >= m ? reduction - m : 0;
  return static_cast<char>('0' + lowered);
}

std::string applyMultiplier(const std::string& text, char multiplier) {
  if (trim(text).empty() || text[0] == kNoFood) return text;
  if (multiplier == '0') return std::string(25, ' ');
  std::string line = multiplier == ' ' ? "   " + text : std::string("(") + multiplier + ")" + text;
  for (const Product& p : kProducts) {
    const size_t at = line.find(p.pattern);
    if (at == std::string::npos) continue;
    line.replace(at, std::char_traits<char>::length(p.replacement), p.replacement);
    break;
  }
  return line;
}

}  // namespace mc
