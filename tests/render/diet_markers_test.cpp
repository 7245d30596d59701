// Dots, strips, the hydration box and the marker frames.
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

TEST_F(DietMarkersTest, MechanicalPureedMeatShowsTheMechDotAndNoRegularDot) {
  model.Check[28] = 1;
  resident.diet.MechSoft = 1;
  resident.diet.MeatTexture = 2;
  resident.diet.Puree = 1;
  const auto ops = draw();
  EXPECT_EQ(dots(ops, model.Label[4].BackColor), 3u);
  EXPECT_EQ(textsOf(ops, "PUR Meat").size(), 3u);
  EXPECT_TRUE(textsOf(ops, "Regular").empty());
}

TEST_F(DietMarkersTest, ThinLiquidsGetABlackRingAndThickOnesTheirColour) {
  model.Check[28] = 1;
  auto ops = draw();
  EXPECT_EQ(textsOf(ops, "Regular").size(), 3u);  // regular texture
  EXPECT_EQ(dots(ops, 0), 3u);
  EXPECT_EQ(textsOf(ops, "THIN").size(), 3u);
  // Nectar and honey ordered together: the thicker one shows.
  resident.diet.Nectar = 1;
  resident.diet.Honey = 1;
  ops = draw();
  EXPECT_EQ(dots(ops, model.Label[18].BackColor), 3u);
  EXPECT_EQ(dots(ops, 0), 0u);
  EXPECT_EQ(textsOf(ops, "Honey").size(), 3u);
  EXPECT_TRUE(textsOf(ops, "THIN").empty());
  // A thick-liquid flag of -1 (its symbol is missing) counts as thin.
  resident.diet.Nectar = -1;
  resident.diet.Honey = 0;
  EXPECT_EQ(textsOf(draw(), "THIN").size(), 3u);
}

TEST_F(DietMarkersTest, RenalAndLowFatStripsInThatOrder) {
  model.Check[13] = 1;
  model.StripColor[3] = stripColor(3);
  model.StripColor[4] = stripColor(4);
  resident.diet.LowFat = 1;
  resident.diet.Renal = 1;
  const auto strips = linesIn(draw(), "fill");
  ASSERT_EQ(strips.size(), 6u);
  EXPECT_EQ(strips[0]["color"], 0x800080);
  EXPECT_EQ(strips[1]["color"], 0x80FF80);
  EXPECT_LT(strips[0]["x1"], strips[1]["x1"]);
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

TEST_F(DietMarkersTest, FrameMarkersAroundWordsOfASpecialInstruction) {
  resident.SpecialInstructions[1][1] = "^NO PORK";
  resident.SpecialInstructions[1][2] = "SOFT =BREAD";
  for (int grey : {0, 1}) {
    model.Check[10] = grey;
    const auto ops = draw();
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
