// Dots, strips, the hydration box and the marker frames.
#include "card_fixture.h"

namespace mc::test {
namespace {

using DietMarkersTest = CardFixture;

std::vector<TraceOp> circlesAt(const std::vector<TraceOp>& ops, double x, double y) {
  return only(opsOf(ops, "circle"), [&](const TraceOp& op) { return op["x"] == x && op["y"] == y; });
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
  EXPECT_EQ(circlesAt(ops, 1530, 2950).at(0)["color"], model.Label[4].BackColor);
  // Captions are centred in 1000 twips: "PUR Meat" is 8 characters of 80.
  EXPECT_AT(textsOf(ops, "PUR Meat").at(0), 1030 + (1000 - 640) / 2.0, 3000);
  EXPECT_TRUE(circlesAt(ops, 600, 2950).empty());
  EXPECT_TRUE(textsOf(ops, "Regular").empty());
}

TEST_F(DietMarkersTest, ThinLiquidsGetABlackRingAndThickOnesTheirColour) {
  model.Check[28] = 1;
  auto ops = draw();
  EXPECT_EQ(circlesAt(ops, 600, 2950).size(), 1u);  // regular texture
  EXPECT_EQ(circlesAt(ops, 2550, 6650).at(0)["color"], 0);
  EXPECT_EQ(textsOf(ops, "THIN").at(0)["y"], 6550);
  // Nectar and honey ordered together: the thicker one shows.
  resident.diet.Nectar = 1;
  resident.diet.Honey = 1;
  ops = draw();
  EXPECT_EQ(circlesAt(ops, 2550, 6650).at(0)["color"], model.Label[18].BackColor);
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
  EXPECT_AT(strips[0], 10 + 40, 700 + 35);
  EXPECT_EQ(strips[0]["color"], 0x800080);
  EXPECT_AT(strips[1], 10 + 220, 735);
  EXPECT_EQ(strips[1]["y2"], 10570 - 50);
  EXPECT_EQ(strips[1]["color"], 0x80FF80);
}

TEST_F(DietMarkersTest, HydrationBoxWhenAskedForWithItsTitleAndLines) {
  resident.Hydrate = "1500";
  resident.HydrateAt = {"", "240", "360", "120"};
  resident.HydrateLines[2][1] = "Offer water at 10am";
  resident.diet.FluidRestriction = 1;  // shows only with Check4
  EXPECT_TRUE(linesIn(draw(), "fill").empty());
  ctx.HydrateMark[2] = true;  // the lunch location asked for it
  auto ops = draw();
  EXPECT_AT(linesIn(ops, "fill").at(0), 5300, 2450);
  EXPECT_AT(textsOf(ops, "Hydrate:1500cc/dy 360@Lh").at(0), 5330, 2180);
  EXPECT_AT(textsOf(ops, "Offer water at 10am").at(0), 5300, 2410);
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
    EXPECT_AT(boxes[0], 110 - 60, 8580 + 40);
    EXPECT_EQ(boxes[0]["x2"] - boxes[0]["x1"], 8 * 160 + 150);  // " NO PORK" at 16 point
    EXPECT_EQ(boxes[0]["color"], grey ? 14737632 : 255);
    EXPECT_AT(boxes[1], 110 + 5 * 150 - 60, 8845 + 40);
    EXPECT_EQ(boxes[1]["color"], grey ? 14737632 : 65280);
    EXPECT_EQ(textsOf(ops, "SOFT  BREAD").size(), 1u);
  }
}

}  // namespace
}  // namespace mc::test
