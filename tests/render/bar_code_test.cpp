// Bar codes under the columns: where the control's units put them on paper
// and on the preview, whose resident and meal they name, and how the bars
// are laid on the device's pixels.
#include "card_fixture.h"
#include "render/bar_code.h"

namespace mc::test {
namespace {

// Three modules of bar, one of space, one of bar, for any text.
struct FakeCoder : BarCoder {
  BarCodeSymbol Encode(BarCodeType type, std::string_view text) const override {
    lastType = type;
    return {{3, 1, 1}, "<" + std::string(text) + ">"};
  }
  mutable BarCodeType lastType = BarCodeType::Code39;
};

class BarCodeTest : public CardFixture {
 protected:
  BarCodeTest() {
    model.Check[20] = 1;
    model.Text[21] = "4.8";
    model.Text[22] = "290";
    model.Text[23] = "170";
    model.Text[24] = "80";
    model.Text[25] = "460";
    model.Text[26] = "3";
    resident.ResidentFile = "RS00101";
    renderer.barCoder = &coder;
  }
  CardPage page(Surface& s, bool screen) const {
    return CardPage{s, facility, model, resident, ctx, CardType::Tray, pageGeometry(model, CardType::Tray), screen};
  }
  FakeCoder coder;
};

TEST_F(BarCodeTest, PlacedByTheFactorAndShiftsOnPaperAndByTheScreenRuleOnThePreview) {
  CountingSurface s;
  const BarCodePlace paper = BarCodePlacement(page(s, false), 2);
  EXPECT_NEAR(paper.left, 5200 / 4.8 + 290 + 200, 1e-9);  // 1573.33 device units
  EXPECT_NEAR(paper.top, 10570 / 4.8 + 170, 1e-9);
  EXPECT_EQ(paper.width, 460);
  EXPECT_EQ(paper.height, 90);
  const BarCodePlace screen = BarCodePlacement(page(s, true), 2);
  EXPECT_NEAR(screen.left, 5200 / 15.0 + 90, 1e-9);
  EXPECT_NEAR(screen.top, 10570 / 15.0 + 50, 1e-9);
  EXPECT_NEAR(screen.width, 460 / 3.0, 1e-9);
  EXPECT_EQ(screen.height, 30);
  // A factor typed away to nothing must not divide by zero.
  model.Text[21] = "";
  EXPECT_NEAR(BarCodePlacement(page(s, false), 2).left, 1573.33, 0.01);
}

TEST_F(BarCodeTest, BarsFallOnWholePrinterPixelsWithTheReturnedTextBeside) {
  const auto ops = draw();
  const auto bars = only(opsOf(ops, "line"), [](const TraceOp& op) {
    return op.str("mode") == "fill" && op["y1"] > 10570;
  });
  ASSERT_EQ(bars.size(), 6u);  // two bars in each of the three columns
  // Column 2: 1573.33 units rounded to 1573 printer pixels of 4.8 twips; a
  // module is 460 / 5 = 92 pixels.
  EXPECT_NEAR(bars[2]["x1"], 1573 * 4.8, 1e-6);
  EXPECT_NEAR(bars[2]["x2"] - bars[2]["x1"], 3 * 92 * 4.8, 1e-6);
  EXPECT_NEAR(bars[3]["x1"] - bars[2]["x2"], 92 * 4.8, 1e-6);
  EXPECT_NEAR(bars[2]["y1"], 2372 * 4.8, 1e-6);
  EXPECT_NEAR(bars[2]["y2"] - bars[2]["y1"], 90 * 4.8, 1e-6);
  for (const TraceOp& bar : bars) EXPECT_EQ(bar["color"], 0);
  // Without a meal letter the columns are breakfast, lunch and supper.
  const char* texts[] = {"<BRS00101>", "<LRS00101>", "<SRS00101>"};
  for (int k = 0; k < 3; ++k) {
    const auto text = textsOf(ops, texts[k]);
    ASSERT_EQ(text.size(), 1u) << texts[k];
    EXPECT_AT(text[0], std::vector<double>({10, 5200, 10020})[k] + 150, 10570 + 650);
    EXPECT_EQ(text[0]["size"], 8);
    EXPECT_FALSE(text[0].is("bold"));
  }
}

TEST_F(BarCodeTest, EachCallCodesItsOwnColumnWithTheMealBeingPrinted) {
  ctx.MealToDraw = 2;
  ctx.MealLetter = "S";
  model.Text[26] = "6";
  const auto ops = draw();
  EXPECT_EQ(coder.lastType, BarCodeType::Code128A);
  ASSERT_EQ(textsOf(ops, "<SRS00101>").size(), 1u);
  EXPECT_AT(textsOf(ops, "<SRS00101>")[0], 5200 + 150, 11220);
  EXPECT_TRUE(textsOf(ops, "<BRS00101>").empty() && textsOf(ops, "<LRS00101>").empty());
}

TEST_F(BarCodeTest, OffWithoutTheSettingAndTextOnlyWithoutACoder) {
  model.Check[20] = 0;
  EXPECT_TRUE(textsOf(draw(), "<BRS00101>").empty());
  model.Check[20] = 1;
  renderer.barCoder = nullptr;
  const auto ops = draw();
  EXPECT_EQ(textsOf(ops, "BRS00101").size(), 1u);
  EXPECT_TRUE(only(opsOf(ops, "line"), [](const TraceOp& op) { return op["y1"] > 10570 + 700; }).empty());
}

}  // namespace
}  // namespace mc::test
