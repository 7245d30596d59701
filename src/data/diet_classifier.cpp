#include "data/diet_classifier.h"

#include <array>

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

template <size_t N>
void apply(const KeywordRow (&rows)[N], std::string_view text, DietFlags& flags) {
  const std::string u = upper(text);
  for (const KeywordRow& row : rows) {
    bool matched = false;
    for (const char* keyword : row.keywords) {
      if (keyword && contains(u, upper(keyword))) matched = true;
    }
    if (!matched) continue;
    for (const FlagEffect& e : row.effects) {
      if (e.flag) flags.*e.flag = e.value;
    }
  }
}

}  // namespace

void ClassifyDiet(std::string_view dietText, DietFlags& flags) { apply(kDietRows, dietText, flags); }

void ScanTexture(std::string_view record, DietFlags& flags) { apply(kTextureRows, record, flags); }

}  // namespace mc
