// Bar codes under the columns: whose resident and meal they name, and how
// the bars are laid on the device's pixels.
#include <cmath>

#include "card_fixture.h"
#include "render/bar_code.h"

namespace mc::test {
namespace {

// Three modules of bar, one of space, one of bar, for any text.
struct FakeCoder : BarCoder {
  BarCodeSymbol Encode(BarCodeType, std::string_view text) const override {
    return {{3, 1, 1}, "<" + std::string(text) + ">"};
  }
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
  FakeCoder coder;
};

// The control's units are printer pixels: the bars must fall on whole
// pixels (4.8 twips each here), or a scanner reads the widths wrongly.
TEST_F(BarCodeTest, BarsFallOnWholePrinterPixelsWithTheReturnedTextUnderEachColumn) {
  const auto ops = draw();
  const double bottom = pageGeometry(readCardSettings(model), CardType::Tray).Bottom;  // bars hang below the frame
  const auto bars = only(opsOf(ops, "line"), [&](const TraceOp& op) {
    return op.str("mode") == "fill" && op["y1"] > bottom;
  });
  ASSERT_EQ(bars.size(), 6u);  // two bars in each of the three columns
  for (const TraceOp& bar : bars) {
    for (const char* edge : {"x1", "x2", "y1", "y2"}) {
      const double pixels = bar[edge] / 4.8;
      EXPECT_NEAR(pixels, std::round(pixels), 1e-6) << edge;
    }
    EXPECT_EQ(bar["color"], 0);
  }
  // A bar of three modules is three times as wide as the space after it.
  EXPECT_NEAR(bars[2]["x2"] - bars[2]["x1"], 3 * (bars[3]["x1"] - bars[2]["x2"]), 1e-6);
  // Without a meal letter the columns are breakfast, lunch and supper.
  const char* texts[] = {"<BRS00101>", "<LRS00101>", "<SRS00101>"};
  for (int k = 0; k < 3; ++k) {
    const auto text = textsOf(ops, texts[k]);
    ASSERT_EQ(text.size(), 1u) << texts[k];
    EXPECT_EQ(columnOf(text[0]), k + 1) << texts[k];
  }
  // A factor typed away to nothing must not divide by zero.
  model.Text[21] = "";
  CountingSurface s;
  settings = readCardSettings(model);
  CardPage page{s, facility, settings, resident, ctx, CardType::Tray, pageGeometry(settings, CardType::Tray), false};
  EXPECT_TRUE(std::isfinite(BarCodePlacement(page, 2).left));
}

// The meal being printed names the code, whatever column it stands in: a
// supper tray in the middle column scans as supper. (The type a setting
// picks is what the scanner reads in BarCodeScan.)
TEST_F(BarCodeTest, EachCallCodesItsOwnColumnWithTheMealBeingPrinted) {
  ctx.MealToDraw = 2;
  ctx.MealLetter = "S";
  const auto ops = draw();
  ASSERT_EQ(textsOf(ops, "<SRS00101>").size(), 1u);
  EXPECT_EQ(columnOf(textsOf(ops, "<SRS00101>")[0]), 2);  // its own column only
  EXPECT_TRUE(textsOf(ops, "<BRS00101>").empty() && textsOf(ops, "<LRS00101>").empty());
}

TEST_F(BarCodeTest, OffWithoutTheSettingAndTextOnlyWithoutACoder) {
  model.Check[20] = 0;
  EXPECT_TRUE(textsOf(draw(), "<BRS00101>").empty());
  model.Check[20] = 1;
  renderer.barCoder = nullptr;
  const auto ops = draw();
  EXPECT_EQ(textsOf(ops, "BRS00101").size(), 1u);
  const double bottom = pageGeometry(readCardSettings(model), CardType::Tray).Bottom;
  EXPECT_TRUE(only(opsOf(ops, "line"), [&](const TraceOp& op) { return op["y1"] > bottom; }).empty());
}

}  // namespace
}  // namespace mc::test
