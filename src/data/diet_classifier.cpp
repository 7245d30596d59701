#include "data/diet_classifier.h"

#include <array>
#include <string>
#include <vector>

#include "data/text.h"

namespace mc {

namespace {

struct FlagEffect {
  int DietFlags::*flag = nullptr;
  int value = 0;
};

struct KeywordRow {
  std::array<const char*, 6> keywords{};  // unused entries are null
  std::array<FlagEffect, 2> effects{};    // unused entries have no flag
};

using F = DietFlags;

// Diet text keywords, in the order they are tried.
constexpr KeywordRow kDietRows[] = {
    {{"NECTAR"}, {{{&F::Nectar, 1}}}},
    {{"HONEY"}, {{{&F::Honey, 1}}}},
    {{"PUDD"}, {{{&F::Pudding, 1}}}},
    {{"FL/R", "FLUID R", "FLUIDR"}, {{{&F::FluidRestriction, 1}}}},
    {{"LACTOSE", "NO MILK"}, {{{&F::NoMilk, 1}}}},
    {{"BLAND", "NO SPICY"}, {{{&F::Bland, 1}}}},
    {{"PUREE"}, {{{&F::Puree, 1}}}},
    {{"DYSPH"}, {{{&F::Dysphagia, -1}}}},
    {{"DYSPHAGIA I", "DYSPH I", "DYSPHAGIA 1", "DYSPH 1"}, {{{&F::Dysphagia, 1}}}},
    {{"DYSPHAGIA II", "DYSPH II", "DYSPHAGIA 2", "DYSPH 2"}, {{{&F::Dysphagia, 2}}}},
    {{"DYSPHAGIA III", "DYSPH III", "DYSPHAGIA 3", "DYSPH 3"}, {{{&F::Dysphagia, 3}}}},
    {{"MECH"}, {{{&F::MechSoft, 1}}}},
    {{"CHOPP", "CHOPED"}, {{{&F::MechSoft, 1}, {&F::MeatTexture, 0}}}},
    {{"GROUND"}, {{{&F::MechSoft, 1}, {&F::MeatTexture, 1}}}},
    {{"PUREE MEAT", "PUREED MEAT", "PUREED MT", "PUREE MT"}, {{{&F::MechSoft, 1}, {&F::MeatTexture, 2}}}},
    {{"FULL LIQ", "FULL/L", "CLEAR LIQ", "CLEAR/L", "BLENDERIZ", "FORTIFIED LIQ"}, {{{&F::Liquid, 1}}}},
    {{"NAS", "4GN", "2GN", "L.NA", "LOW SO"}, {{{&F::LowSodium, 1}}}},
    {{"NCS", "RCS", "LCS", "CAL", "ADA"}, {{{&F::CalorieControl, 1}}}},
    {{"RENAL", "K+"}, {{{&F::Renal, 1}}}},
    {{"FAT", "CHOL"}, {{{&F::LowFat, 1}}}},
    // "FF" only with the blank after it; the joined diet text ends in blanks.
    {{"FORT", "FF "}, {{{&F::Fortified, 1}}}},
    // Written with lower-case letters in the facility's list; they are
    // compared upper-cased like every other keyword.
    {{"LARGE P", "LARGEP", "L.Por", "L. Por", "LGPOR", "LG P"}, {{{&F::LargePortion, 1}}}},
    {{"DOUBLEP", "DOUBLE P", "DBL P", "DBLPOR"}, {{{&F::DoublePortion, 1}}}},
};

// Texture keywords on the special instruction records.
constexpr KeywordRow kTextureRows[] = {
    {{"NECTAR"}, {{{&F::Nectar, 1}, {&F::Thickened, 1}}}},
    {{"HONEY TH"}, {{{&F::Honey, 1}, {&F::Thickened, 1}}}},
    {{"PUDDING TH"}, {{{&F::Pudding, 1}, {&F::Thickened, 1}}}},
    {{"PUREE"}, {{{&F::Puree, 1}}}},
    {{"MECH"}, {{{&F::MechSoft, 1}}}},
    {{"CHOPP", "CHOPE", "CHOP M"}, {{{&F::MechSoft, 1}, {&F::MeatTexture, 0}}}},
    {{"GROUND"}, {{{&F::MechSoft, 1}, {&F::MeatTexture, 1}}}},
    {{"PUREE MEAT", "PUREED MEAT", "PUREED MT", "PUREE MT"}, {{{&F::MechSoft, 1}, {&F::MeatTexture, 2}}}},
};

using UpperKeywords = std::vector<std::vector<std::string>>;

// The keywords of a table as they are compared: upper-cased.
template <size_t N>
UpperKeywords upperKeywords(const KeywordRow (&rows)[N]) {
  UpperKeywords out;
  for (const KeywordRow& row : rows) {
    out.emplace_back();
    for (const char* keyword : row.keywords) {
      if (keyword) out.back().push_back(upper(keyword));
    }
  }
  return out;
}

template <size_t N>
void apply(const KeywordRow (&rows)[N], const UpperKeywords& keywords, std::string_view text, DietFlags& flags) {
  const std::string u = upper(text);
  for (size_t r = 0; r < N; ++r) {
    bool matched = false;
    for (const std::string& keyword : keywords[r]) matched = matched || contains(u, keyword);
    if (!matched) continue;
    for (const FlagEffect& e : rows[r].effects) {
      if (e.flag) flags.*e.flag = e.value;
    }
  }
}

}  // namespace

void ClassifyDiet(std::string_view dietText, DietFlags& flags) {
  static const UpperKeywords keywords = upperKeywords(kDietRows);
  apply(kDietRows, keywords, dietText, flags);
}

void ScanTexture(std::string_view record, DietFlags& flags) {
  static const UpperKeywords keywords = upperKeywords(kTextureRows);
  apply(kTextureRows, keywords, record, flags);
}

}  // namespace mc
