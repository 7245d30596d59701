#include <gtest/gtest.h>

#include "data/diet_classifier.h"

namespace mc {
namespace {

// A diet text (or, scanned, a special instruction line) and one flag it
// must leave at a value.
struct Case {
  const char* text;
  bool scanned;
  int DietFlags::*flag;
  int want;
};

TEST(DietClassifier, KeywordsAreLiteralSubstringsAndLaterRowsDecideLevelsAndMeatTextures) {
  const Case cases[] = {
      {"DYSPHAGIA III   ", false, &DietFlags::Dysphagia, 3},
      {"DYSPHAGIA   ", false, &DietFlags::Dysphagia, -1},
      // "PUREE" is inside "PUREED MEAT".
      {"MECH SOFT PUREED MEAT   ", false, &DietFlags::Puree, 1},
      {"MECH SOFT PUREED MEAT   ", false, &DietFlags::MechSoft, 1},
      {"MECH SOFT PUREED MEAT   ", false, &DietFlags::MeatTexture, 2},
      // Chopped comes before ground in the table: ground wins whatever the
      // order in the text.
      {"GROUND CHOPPED", false, &DietFlags::MeatTexture, 1},
      {"CALCIUM SUPPL", false, &DietFlags::CalorieControl, 1},
      {"NO FATHER", false, &DietFlags::LowFat, 1},
      {"nas", false, &DietFlags::LowSodium, 1},
      {"REG l. por", false, &DietFlags::LargePortion, 1},  // lower-case keywords match the upper-cased text
      {"REG LPOR", false, &DietFlags::LargePortion, 0},
      {"REGULAR FF", false, &DietFlags::Fortified, 0},  // FF needs its blank
      {"REGULAR FF ", false, &DietFlags::Fortified, 1},
      // The diet text alone never sets Thickened; the print run decides that.
      {"NECTAR HONEY PUDDING", false, &DietFlags::Thickened, 0},
      {" (12) nectar thick liquids", true, &DietFlags::Nectar, 1},
      {" (12) nectar thick liquids", true, &DietFlags::Thickened, 1},
      {" PUREE MT", true, &DietFlags::MeatTexture, 2},
      {" FAT FREE", true, &DietFlags::LowFat, 0},  // therapeutic keywords are not scanned
  };
  for (const Case& c : cases) {
    DietFlags f;
    c.scanned ? ScanTexture(c.text, f) : ClassifyDiet(c.text, f);
    EXPECT_EQ(f.*c.flag, c.want) << c.text;
  }
  // Classification only ever sets flags.
  DietFlags f;
  ClassifyDiet("PUREED NECTAR", f);
  ClassifyDiet("REGULAR", f);
  EXPECT_EQ(f.Puree + f.Nectar, 2);
}

}  // namespace
}  // namespace mc
