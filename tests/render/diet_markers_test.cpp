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

std::vector<TraceOp> linesIn(const std::vector<TraceOp>& ops, const std::string& mode) {
  std::vector<TraceOp> out;
  for (const auto& op : opsOf(ops, "line"))
    if (op.str("mode") == mode) out.push_back(op);
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
  // Captions are centred in 1000 twips: "PUR Meat" is 8 characters of 80.
  EXPECT_AT(textsOf(ops, "PUR Meat").at(0), 1030 + (1000 - 640) / 2.0, 3000);
  EXPECT_EQ(textsOf(ops, "Mech").at(0)["y"], 2670);
  EXPECT_TRUE(circlesAt(ops, 600, 2950).empty());
  EXPECT_TRUE(textsOf(ops, "Regular").empty());
  const auto ring = circlesAt(ops, 2400, 2950);
  ASSERT_EQ(ring.size(), 1u);
  EXPECT_EQ(ring[0]["r"], 360);
  EXPECT_EQ(ring[0]["width"], 40);
  EXPECT_EQ(circlesAt(ops, 10020 + 1530, 2950).size(), 1u);  // columns count from their edge
}

TEST_F(DietMarkersTest, ThinLiquidsGetABlackRingAndThickOnesTheirColour) {
  model.Check[28] = 1;
  auto ops = draw();
  EXPECT_EQ(circlesAt(ops, 600, 2950).size(), 1u);  // regular texture
  const auto thin = circlesAt(ops, 2550, 6650);
  ASSERT_EQ(thin.size(), 1u);
  EXPECT_EQ(thin[0]["color"], 0);
  EXPECT_EQ(thin[0]["r"], 360);
  EXPECT_EQ(textsOf(ops, "THIN").at(0)["y"], 6550);
  EXPECT_EQ(circlesAt(ops, 5200 - 200 + 2550, 6650).size(), 1u);
  // Nectar and honey ordered together: the thicker one shows.
  resident.diet.Nectar = 1;
  resident.diet.Honey = 1;
  ops = draw();
  const auto thick = circlesAt(ops, 2550, 6650);
  ASSERT_EQ(thick.size(), 1u);
  EXPECT_EQ(thick[0]["color"], model.Label[18].BackColor);
  EXPECT_EQ(textsOf(ops, "Honey").at(0)["y"], 6510);
  EXPECT_TRUE(textsOf(ops, "THIN").empty());
  // A thick-liquid flag of -1 (its symbol is missing) counts as thin.
  resident.diet.Nectar = -1;
  resident.diet.Honey = 0;
  EXPECT_EQ(textsOf(draw(), "THIN").size(), 3u);
  // The screen draws the dots with its own pens.
  ctx.PreviewFlag = true;
  renderer.DrawMenu(ctx);
  EXPECT_EQ(circlesAt(screenOps(), 600, 2950).at(0)["width"], 40);
  EXPECT_EQ(circlesAt(screenOps(), 2550, 6650).at(0)["width"], 6);
}

TEST_F(DietMarkersTest, RenalAndLowFatStripsInThatOrder) {
  model.Check[13] = 1;
  model.StripColor[3] = stripColor(3);
  model.StripColor[4] = stripColor(4);
  resident.diet.LowFat = 1;
  resident.diet.Renal = 1;
  auto strips = linesIn(draw(), "fill");
  ASSERT_EQ(strips.size(), 6u);
  EXPECT_AT(strips[0], 10 + 40, 700 + 35);
  EXPECT_EQ(strips[0]["y2"], 10570 - 50);
  EXPECT_EQ(strips[0]["color"], 0x800080);
  EXPECT_AT(strips[1], 10 + 220, 735);
  EXPECT_EQ(strips[1]["x2"], 10 + 400);
  EXPECT_EQ(strips[1]["color"], 0x80FF80);
  // Calorie and sodium strips stand between renal and low fat.
  resident.diet.CalorieControl = 1;
  resident.diet.LowSodium = 1;
  strips = linesIn(draw(), "fill");
  EXPECT_EQ(strips.at(1)["color"], model.StripColor[1]);
  EXPECT_EQ(strips.at(2)["color"], model.StripColor[2]);
  EXPECT_AT(strips.at(3), 10 + 40 + 3 * 180, 735);
}

TEST_F(DietMarkersTest, FilledMarkersNeverHideText) {
  model.Check[13] = 1;
  model.Check[14] = 1;
  model.Check[28] = 1;
  model.Check[41] = 1;
  model.Text[36] = "Kitchen ext. 214";
  resident.diet.Renal = 1;
  resident.HydrateLines[1][1] = "Offer water";
  const auto ops = draw();
  size_t lastStrip = 0, note = 0, dot = 0, hydrateLine = 0, hilite = 0;
  for (size_t i = 0; i < ops.size(); ++i) {
    if (ops[i].op == "line" && ops[i]["color"] == model.StripColor[4]) lastStrip = i;
    if (ops[i].text() == "Kitchen ext. 214" && !note) note = i;
    if (ops[i].op == "circle" && !dot) dot = i;
    if (ops[i].text() == "Offer water") hydrateLine = i;
    if (ops[i].op == "line" && ops[i]["color"] == 33023 && !hilite) hilite = i;
  }
  ASSERT_TRUE(lastStrip && note && dot && hydrateLine && hilite);
  EXPECT_LT(lastStrip, note);
  EXPECT_LT(dot, hydrateLine);  // the dots lie on the hydration box, its lines on them
  // The orange name hilite, then the name on it.
  EXPECT_AT(ops[hilite], 950, 10570);
  EXPECT_EQ(ops[hilite]["x2"], 2910);
  EXPECT_EQ(ops[hilite]["y2"], 10870);
  EXPECT_EQ(ops[hilite + 1].text(), "101-A Anderson, Mary");
}

TEST_F(DietMarkersTest, HydrationBoxWhenAskedForWithItsTitleAndLines) {
  resident.Hydrate = "1500";
  resident.HydrateAt = {"", "240", "360", "120"};
  resident.HydrateLines[2][1] = "Offer water at 10am";
  resident.diet.FluidRestriction = 1;  // shows only with Check4
  EXPECT_TRUE(linesIn(draw(), "fill").empty());
  ctx.HydrateMark[2] = true;  // the lunch location asked for it
  auto ops = draw();
  const auto boxes = linesIn(ops, "fill");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_AT(boxes[0], 5300, 2450);
  EXPECT_EQ(boxes[0]["x2"], 8460);
  EXPECT_EQ(boxes[0]["color"], 16777088);
  const auto title = textsOf(ops, "Hydrate:1500cc/dy 360@Lh");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_AT(title[0], 5330, 2180);
  EXPECT_EQ(title[0]["color"], 16711680);
  EXPECT_AT(textsOf(ops, "Offer water at 10am").at(0), 5300, 2410);
  // Every card, breakfast in all columns: the last tag is written in lower case.
  ctx.HydrateMark[2] = false;
  model.Check[14] = 1;
  ctx.MealOrder = "BBB";
  ops = draw();
  EXPECT_EQ(textsOf(ops, "Hydrate:1500cc/dy 240@Bk").size(), 2u);
  EXPECT_EQ(textsOf(ops, "Hydrate:1500cc/dy 240@bk").size(), 1u);
  model.Check[14] = 0;
  model.Check[4] = 1;
  model.Check[37] = 1;
  ops = draw();
  EXPECT_EQ(linesIn(ops, "fill").size(), 3u);
  EXPECT_TRUE(textsOf(ops, "Hydrate:1500cc/dy 240@Bk").empty());
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
    EXPECT_EQ(boxes[0]["width"], 12);
    EXPECT_EQ(boxes[0]["color"], grey ? 14737632 : 255);
    EXPECT_AT(boxes[1], 110 + 5 * 150 - 60, 8845 + 40);
    EXPECT_EQ(boxes[1]["x2"] - boxes[1]["x1"], 6 * 160 + 100);  // " BREAD"
    EXPECT_EQ(boxes[1]["color"], grey ? 14737632 : 65280);
    EXPECT_EQ(textsOf(ops, "SOFT  BREAD").size(), 1u);
  }
}

}  // namespace
}  // namespace mc::test
