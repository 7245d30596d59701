// Dots, strips, the hydration box, the name hilite and the marker frames.
#include "card_fixture.h"

namespace mc::test {
namespace {

using DietMarkersTest = CardFixture;

std::vector<TraceOp> circlesAt(const std::vector<TraceOp>& ops, double x, double y) {
  std::vector<TraceOp> out;
  for (const auto& op : opsOf(ops, "circle"))
    if (op["x"] == x && op["y"] == y) out.push_back(op);
  return out;
}

std::vector<TraceOp> fills(const std::vector<TraceOp>& ops) {
  std::vector<TraceOp> out;
  for (const auto& op : opsOf(ops, "line"))
    if (op.str.at("mode") == "fill") out.push_back(op);
  return out;
}

TEST_F(DietMarkersTest, MechanicalPureedMeatShowsTheMechDotAndNoRegularDot) {
  model.Check[28] = 1;
  resident.diet.MechSoft = 1;
  resident.diet.MeatTexture = 2;
  resident.diet.Puree = 1;
  const auto ops = draw();
  const auto mech = circlesAt(ops, 1530, 2950);
  ASSERT_EQ(mech.size(), 1u);
  EXPECT_EQ(mech[0]["r"], 160);
  EXPECT_EQ(mech[0]["width"], 100);
  EXPECT_EQ(mech[0]["color"], model.Label[4].BackColor);
  const auto pur = textsOf(ops, "PUR Meat");
  ASSERT_EQ(pur.size(), 3u);
  EXPECT_EQ(pur[0]["y"], 3000);
  EXPECT_DOUBLE_EQ(pur[0]["x"], 1030 + (1000 - 8 * 80) / 2.0);
  EXPECT_EQ(textsOf(ops, "Mech")[0]["y"], 2670);
  EXPECT_TRUE(circlesAt(ops, 600, 2950).empty());
  EXPECT_TRUE(textsOf(ops, "Regular").empty());
  const auto ring = circlesAt(ops, 2400, 2950);
  ASSERT_EQ(ring.size(), 1u);
  EXPECT_EQ(ring[0]["r"], 360);
  EXPECT_EQ(ring[0]["width"], 40);
  // Columns 2 and 3 count from their own left edge.
  EXPECT_EQ(circlesAt(ops, 5200 + 1530, 2950).size(), 1u);
  EXPECT_EQ(circlesAt(ops, 10020 + 1530, 2950).size(), 1u);
}

TEST_F(DietMarkersTest, ThinLiquidsGetABlackRingAndThickOnesTheirColour) {
  model.Check[28] = 1;
  auto ops = draw();
  EXPECT_EQ(circlesAt(ops, 600, 2950).size(), 1u);  // regular texture
  const auto thin = circlesAt(ops, 2550, 6650);
  ASSERT_EQ(thin.size(), 1u);
  EXPECT_EQ(thin[0]["color"], 0);
  EXPECT_EQ(thin[0]["r"], 360);
  EXPECT_EQ(thin[0]["width"], 40);
  EXPECT_EQ(textsOf(ops, "THIN")[0]["y"], 6550);
  EXPECT_EQ(circlesAt(ops, 5200 - 200 + 2550, 6650).size(), 1u);
  // Nectar and honey ordered together: the thicker one shows.
  resident.diet.Nectar = 1;
  resident.diet.Honey = 1;
  ops = draw();
  EXPECT_TRUE(textsOf(ops, "THIN").empty());
  const auto thick = circlesAt(ops, 2550, 6650);
  ASSERT_EQ(thick.size(), 1u);
  EXPECT_EQ(thick[0]["color"], model.Label[18].BackColor);
  EXPECT_EQ(thick[0]["r"], 160);
  EXPECT_EQ(textsOf(ops, "Honey")[0]["y"], 6510);
  // A thick-liquid flag of -1 (its symbol is missing) counts as thin.
  resident.diet.Nectar = -1;
  resident.diet.Honey = 0;
  EXPECT_EQ(textsOf(draw(), "THIN").size(), 3u);
}

TEST_F(DietMarkersTest, DotsUseThinnerPensOnTheScreen) {
  model.Check[28] = 1;
  ctx.PreviewFlag = true;
  renderer.DrawMenu(ctx);
  const auto ops = screenOps();
  EXPECT_EQ(circlesAt(ops, 600, 2950)[0]["width"], 40);
  EXPECT_EQ(circlesAt(ops, 2550, 6650)[0]["width"], 6);
}

TEST_F(DietMarkersTest, RenalAndLowFatStripsInThatOrder) {
  model.Check[13] = 1;
  model.StripChoice[3] = 3;
  model.StripColor[3] = stripColor(3);
  model.StripChoice[4] = 4;
  model.StripColor[4] = stripColor(4);
  resident.diet.LowFat = 1;
  resident.diet.Renal = 1;
  auto strips = fills(draw());
  ASSERT_GE(strips.size(), 2u);
  EXPECT_EQ(strips[0]["x1"], 10 + 40);
  EXPECT_EQ(strips[0]["x2"], 10 + 220);
  EXPECT_EQ(strips[0]["color"], 0x800080);
  EXPECT_EQ(strips[1]["x1"], 10 + 220);
  EXPECT_EQ(strips[1]["color"], 0x80FF80);
  EXPECT_EQ(strips[0]["y1"], 735);
  EXPECT_EQ(strips[0]["y2"], 10520);
  EXPECT_EQ(strips[2]["x1"], 5240);  // column 2 starts again
  // Calorie and sodium strips stand between renal and low fat.
  resident.diet.CalorieControl = 1;
  resident.diet.LowSodium = 1;
  strips = fills(draw());
  ASSERT_GE(strips.size(), 4u);
  EXPECT_EQ(strips[1]["color"], model.StripColor[1]);
  EXPECT_EQ(strips[2]["color"], model.StripColor[2]);
  EXPECT_EQ(strips[3]["x1"], 10 + 40 + 3 * 180);
  EXPECT_EQ(strips[3]["color"], 0x80FF80);
}

TEST_F(DietMarkersTest, FilledMarkersNeverHideText) {
  model.Check[13] = 1;
  model.Check[14] = 1;
  model.Check[28] = 1;
  model.Text[36] = "Kitchen ext. 214";
  resident.diet.Renal = 1;
  resident.HydrateLines[1][1] = "Offer water";
  const auto ops = draw();
  size_t lastStrip = 0, note = 0, dot = 0, hydrateLine = 0;
  for (size_t i = 0; i < ops.size(); ++i) {
    if (ops[i].op == "line" && ops[i]["color"] == model.StripColor[4]) lastStrip = i;
    if (ops[i].op == "text" && ops[i].text() == "Kitchen ext. 214" && !note) note = i;
    if (ops[i].op == "circle" && !dot) dot = i;
    if (ops[i].op == "text" && ops[i].text() == "Offer water") hydrateLine = i;
  }
  ASSERT_TRUE(lastStrip && note && dot && hydrateLine);
  EXPECT_LT(lastStrip, note);
  EXPECT_LT(dot, hydrateLine);  // the dots lie on the hydration box, its lines on them
}

TEST_F(DietMarkersTest, HydrationBoxWhenAskedForAndItsTitle) {
  resident.Hydrate = "1500";
  resident.HydrateAt = {"", "240", "360", "120"};
  resident.HydrateLines[2][1] = "Offer water at 10am";
  EXPECT_TRUE(fills(draw()).empty());
  // The lunch location asked for it: only the lunch column shows it.
  ctx.HydrateMark[2] = true;
  auto ops = draw();
  auto boxes = fills(ops);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0]["x1"], 5300);
  EXPECT_EQ(boxes[0]["y1"], 2450);
  EXPECT_EQ(boxes[0]["x2"], 8460);
  EXPECT_EQ(boxes[0]["color"], 16777088);
  const auto title = textsOf(ops, "Hydrate:1500cc/dy 360@Lh");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_EQ(title[0]["x"], 5330);
  EXPECT_EQ(title[0]["y"], 2180);
  EXPECT_EQ(title[0]["color"], 16711680);
  const auto line = textsOf(ops, "Offer water at 10am");
  ASSERT_EQ(line.size(), 1u);
  EXPECT_EQ(line[0]["y"], 2410);
  EXPECT_EQ(line[0]["color"], 8388608);
  // Every card, breakfast in all columns: the last tag is written in lower case.
  ctx.HydrateMark[2] = false;
  model.Check[14] = 1;
  ctx.MealOrder = "BBB";
  ops = draw();
  EXPECT_EQ(textsOf(ops, "Hydrate:1500cc/dy 240@Bk").size(), 2u);
  EXPECT_EQ(textsOf(ops, "Hydrate:1500cc/dy 240@bk").size(), 1u);
  model.Check[37] = 1;
  ops = draw();
  EXPECT_EQ(fills(ops).size(), 3u);
  EXPECT_TRUE(textsOf(ops, "Hydrate:1500cc/dy 240@Bk").empty());
}

TEST_F(DietMarkersTest, HydrationBoxForFluidRestrictionAndThickLiquidsBySetting) {
  resident.diet.FluidRestriction = 1;
  EXPECT_TRUE(fills(draw()).empty());
  model.Check[4] = 1;
  EXPECT_EQ(fills(draw()).size(), 3u);
  model.Check[4] = 0;
  resident.diet.FluidRestriction = 0;
  resident.diet.Pudding = 1;
  model.Check[38] = 1;
  EXPECT_EQ(fills(draw()).size(), 3u);
}

TEST_F(DietMarkersTest, NameHiliteGoesBehindTheName) {
  model.Check[41] = 1;
  model.Check[10] = 1;  // grey mode keeps the hilite's colour
  const auto ops = draw();
  size_t hilite = ops.size(), name = ops.size();
  for (size_t i = 0; i < ops.size(); ++i) {
    if (ops[i].op == "line" && ops[i]["color"] == 33023 && hilite == ops.size()) {
      hilite = i;
      EXPECT_EQ(ops[i]["x1"], 950);
      EXPECT_EQ(ops[i]["y1"], 10570);
      EXPECT_EQ(ops[i]["x2"], 2910);
      EXPECT_EQ(ops[i]["y2"], 10870);
    }
    if (ops[i].op == "text" && ops[i].text() == "101-A Anderson, Mary" && name == ops.size()) name = i;
  }
  ASSERT_LT(hilite, ops.size());
  EXPECT_LT(hilite, name);
}

TEST_F(DietMarkersTest, FrameMarkersAroundWordsOfASpecialInstruction) {
  resident.SpecialInstructions[1][1] = "^NO PORK";
  resident.SpecialInstructions[1][2] = "SOFT =BREAD";
  auto ops = draw();
  std::vector<TraceOp> boxes;
  for (const auto& op : opsOf(ops, "line"))
    if (op.str.at("mode") == "box" && op["x1"] < 5200) boxes.push_back(op);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0]["color"], 255);
  EXPECT_EQ(boxes[0]["width"], 12);
  EXPECT_EQ(boxes[0]["x1"], 110 - 60);
  EXPECT_EQ(boxes[0]["x2"] - boxes[0]["x1"], 8 * 160 + 150);
  EXPECT_EQ(boxes[0]["y1"], 8580 + 40);
  EXPECT_EQ(boxes[1]["color"], 65280);
  EXPECT_EQ(boxes[1]["x1"], 110 + 5 * 150 - 60);
  EXPECT_EQ(boxes[1]["x2"] - boxes[1]["x1"], 6 * 160 + 100);
  EXPECT_EQ(textsOf(ops, " NO PORK").size(), 1u);
  EXPECT_EQ(textsOf(ops, "SOFT  BREAD").size(), 1u);
  model.Check[10] = 1;
  ops = draw();
  for (const auto& op : opsOf(ops, "line"))
    if (op.str.at("mode") == "box" && op["x1"] < 5200 && op["y1"] == 8620) {
      EXPECT_EQ(op["color"], 14737632);
    }
}

}  // namespace
}  // namespace mc::test
