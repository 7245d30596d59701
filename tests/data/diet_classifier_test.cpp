#include <gtest/gtest.h>

#include "data/diet_classifier.h"

namespace mc {
namespace {

DietFlags diet(std::string_view text) {
  DietFlags f;
  ClassifyDiet(text, f);
  return f;
}

DietFlags scan(std::string_view record) {
  DietFlags f;
  ScanTexture(record, f);
  return f;
}

TEST(DietClassifier, LaterRowsDecideLevelsAndMeatTextures) {
  EXPECT_EQ(diet("DYSPHAGIA III   ").Dysphagia, 3);
  EXPECT_EQ(diet("DYSPHAGIA   ").Dysphagia, -1);
  EXPECT_EQ(diet("dysph 2 ").Dysphagia, 2);

  const DietFlags pureedMeat = diet("MECH SOFT PUREED MEAT   ");
  EXPECT_EQ(pureedMeat.Puree, 1);  // "PUREE" is inside "PUREED MEAT"
  EXPECT_EQ(pureedMeat.MechSoft, 1);
  EXPECT_EQ(pureedMeat.MeatTexture, 2);

  const DietFlags ground = diet("MECH GROUND");
  EXPECT_EQ(ground.MechSoft, 1);
  EXPECT_EQ(ground.MeatTexture, 1);
  // Chopped comes before ground in the table, so ground wins whatever the
  // order in the text.
  EXPECT_EQ(diet("GROUND CHOPPED").MeatTexture, 1);
  EXPECT_EQ(diet("CHOPED").MeatTexture, 0);
  EXPECT_EQ(diet("CHOPED").MechSoft, 1);
}

TEST(DietClassifier, KeywordsAreLiteralSubstrings) {
  EXPECT_EQ(diet("CALCIUM SUPPL").CalorieControl, 1);
  EXPECT_EQ(diet("NO FATHER").LowFat, 1);
  EXPECT_EQ(diet("nas").LowSodium, 1);
  EXPECT_EQ(diet("BLENDERIZED").Liquid, 1);
  // The facility's lower-case keywords match the upper-cased text.
  EXPECT_EQ(diet("REG l. por").LargePortion, 1);
  EXPECT_EQ(diet("REG L.POR").LargePortion, 1);
  EXPECT_EQ(diet("REG LPOR").LargePortion, 0);
}

TEST(DietClassifier, FfNeedsTheBlankAfterIt) {
  EXPECT_EQ(diet("REGULAR FF").Fortified, 0);
  EXPECT_EQ(diet("REGULAR FF ").Fortified, 1);
  EXPECT_EQ(diet("FORTIFIED").Fortified, 1);
  EXPECT_EQ(diet("REGULAR OFFAL ").Fortified, 0);
}

TEST(DietClassifier, ClassificationOnlyEverSetsFlags) {
  DietFlags f;
  f.Thickened = 1;
  ClassifyDiet("PUREED NECTAR", f);
  ClassifyDiet("REGULAR", f);
  EXPECT_EQ(f.Puree, 1);
  EXPECT_EQ(f.Nectar, 1);
  EXPECT_EQ(f.Thickened, 1);
  // The diet text alone never sets Thickened; the print run decides that.
  EXPECT_EQ(diet("NECTAR HONEY PUDDING").Thickened, 0);
}

TEST(DietClassifier, TextureScanOfSpecialInstructions) {
  const DietFlags nectar = scan(" (12) nectar thick liquids");
  EXPECT_EQ(nectar.Nectar, 1);
  EXPECT_EQ(nectar.Thickened, 1);
  EXPECT_EQ(scan(" HONEY BUN").Honey, 0);
  EXPECT_EQ(scan(" HONEY THICK").Thickened, 1);
  EXPECT_EQ(scan(" PUDDING").Thickened, 0);
  EXPECT_EQ(scan(" CHOP MEAT").MechSoft, 1);
  EXPECT_EQ(scan(" PUREE MT").MeatTexture, 2);
  EXPECT_EQ(scan(" FAT FREE").LowFat, 0);  // therapeutic keywords are not scanned
  EXPECT_EQ(scan(" DYSPHAGIA").Dysphagia, 0);
}

}  // namespace
}  // namespace mc
