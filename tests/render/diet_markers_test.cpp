// Dots, the hydration box, the warnings and the marker frames (the demo
// runs hold the texture dots and the strips).
#include "card_fixture.h"

namespace mc::test {
namespace {

using DietMarkersTest = CardFixture;

size_t dots(const std::vector<TraceOp>& ops, int32_t colour) {
  return only(opsOf(ops, "circle"), [&](const TraceOp& op) { return op["color"] == colour; }).size();
}

std::vector<TraceOp> linesIn(const std::vector<TraceOp>& ops, const std::string& mode) {
  return only(opsOf(ops, "line"), [&](const TraceOp& op) { return op.str("mode") == mode; });
}

// (Thin liquids' black ring and the texture dots: the demo runs.)
TEST_F(DietMarkersTest, NectarAndHoneyTogetherShowTheThickerAndAMissingSymbolCountsAsThin) {
  model.Check[28] = 1;
  resident.diet.Nectar = 1;
  resident.diet.Honey = 1;
  auto ops = draw();
  EXPECT_EQ(dots(ops, model.Label[18].BackColor), 3u);
  EXPECT_EQ(dots(ops, 0), 0u);
  EXPECT_EQ(textsOf(ops, "Honey").size(), 3u);
  EXPECT_TRUE(textsOf(ops, "THIN").empty());
  // A thick-liquid flag of -1 (its symbol is missing) counts as thin.
  resident.diet.Nectar = -1;
  resident.diet.Honey = 0;
  EXPECT_EQ(textsOf(draw(), "THIN").size(), 3u);
}

TEST_F(DietMarkersTest, HydrationBoxWhenAskedForWithItsTitleAndLines) {
  resident.Hydrate = "1500";
  resident.HydrateAt = {"", "240", "360", "120"};
  resident.HydrateLines[2][1] = "Offer water at 10am";
  resident.diet.FluidRestriction = 1;  // shows only with Check4
  EXPECT_TRUE(linesIn(draw(), "fill").empty());
  ctx.HydrateMark[2] = true;  // the lunch location asked for it
  auto ops = draw();
  EXPECT_EQ(linesIn(ops, "fill").size(), 1u);
  EXPECT_EQ(textsOf(ops, "Hydrate:1500cc/dy 360@Lh").size(), 1u);
  EXPECT_EQ(textsOf(ops, "Offer water at 10am").size(), 1u);
  ctx.HydrateMark[2] = false;
  model.Check[4] = 1;  // for the fluid restriction
  EXPECT_EQ(linesIn(draw(), "fill").size(), 3u);
}

// The warnings on every column in red and the frames in their colours,
// all of them grey when the cards print grey.
TEST_F(DietMarkersTest, WarningsAndFrameMarkersAroundWordsOfASpecialInstruction) {
  resident.SpecialInstructions[1][1] = "^NO PORK";
  resident.SpecialInstructions[1][2] = "SOFT =BREAD";
  resident.Isolation = resident.Allergies = true;
  for (int grey : {0, 1}) {
    model.Check[10] = grey;
    const auto ops = draw();
    for (const char* warning : {"ISOLATION", "** ALLERGIES **"}) {
      const auto found = textsOf(ops, warning);
      ASSERT_EQ(found.size(), 3u) << warning;
      for (const auto& op : found) EXPECT_EQ(op["color"], grey ? 0 : 255) << warning;
    }
    const auto boxes = linesIn(ops, "box");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0]["color"], grey ? 14737632 : 255);
    EXPECT_EQ(boxes[1]["color"], grey ? 14737632 : 65280);
    // The second frame holds one word, starting after "SOFT ".
    EXPECT_LT(boxes[1]["x2"] - boxes[1]["x1"], boxes[0]["x2"] - boxes[0]["x1"]);
    EXPECT_GT(boxes[1]["x1"], boxes[0]["x1"]);
    EXPECT_EQ(textsOf(ops, "SOFT  BREAD").size(), 1u);
  }
}

}  // namespace
}  // namespace mc::test
