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

  const DietFlags pureedMeat = diet("MECH SOFT PUREED MEAT   ");
  EXPECT_EQ(pureedMeat.Puree, 1);  // "PUREE" is inside "PUREED MEAT"
  EXPECT_EQ(pureedMeat.MechSoft, 1);
  EXPECT_EQ(pureedMeat.MeatTexture, 2);
  // Chopped comes before ground in the table, so ground wins whatever the
  // order in the text.
  EXPECT_EQ(diet("GROUND CHOPPED").MeatTexture, 1);
}

TEST(DietClassifier, KeywordsAreLiteralSubstringsAndFfNeedsItsBlank) {
  EXPECT_EQ(diet("CALCIUM SUPPL").CalorieControl, 1);
  EXPECT_EQ(diet("NO FATHER").LowFat, 1);
  EXPECT_EQ(diet("nas").LowSodium, 1);
  EXPECT_EQ(diet("REG l. por").LargePortion, 1);  // lower-case keywords match the upper-cased text
  EXPECT_EQ(diet("REG LPOR").LargePortion, 0);
  EXPECT_EQ(diet("REGULAR FF").Fortified, 0);
  EXPECT_EQ(diet("REGULAR FF ").Fortified, 1);
}

TEST(DietClassifier, ClassificationOnlyEverSetsFlags) {
  DietFlags f;
  ClassifyDiet("PUREED NECTAR", f);
  ClassifyDiet("REGULAR", f);
  EXPECT_EQ(f.Puree + f.Nectar, 2);
  // The diet text alone never sets Thickened; the print run decides that.
  EXPECT_EQ(diet("NECTAR HONEY PUDDING").Thickened, 0);
}

TEST(DietClassifier, TextureScanOfSpecialInstructions) {
  const DietFlags nectar = scan(" (12) nectar thick liquids");
  EXPECT_EQ(nectar.Nectar + nectar.Thickened, 2);
  EXPECT_EQ(scan(" PUREE MT").MeatTexture, 2);
  EXPECT_EQ(scan(" FAT FREE").LowFat, 0);  // therapeutic keywords are not scanned
}

}  // namespace
}  // namespace mc
