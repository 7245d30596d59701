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

// (Bars on whole printer pixels, their widths and the text under each
// column: the demo runs' meal-card set.)
TEST_F(BarCodeTest, OffWithoutTheSettingTextOnlyWithoutACoderAndNeverDividedByZero) {
  model.Check[20] = 0;
  EXPECT_TRUE(textsOf(draw(), "<BRS00101>").empty());
  model.Check[20] = 1;
  renderer.barCoder = nullptr;
  const auto ops = draw();
  EXPECT_EQ(textsOf(ops, "BRS00101").size(), 1u);
  const double bottom = pageGeometry(readCardSettings(model), CardType::Tray).Bottom;
  EXPECT_TRUE(only(opsOf(ops, "line"), [&](const TraceOp& op) { return op["y1"] > bottom; }).empty());
  // A factor typed away to nothing must not divide by zero.
  model.Text[21] = "";
  CountingSurface s;
  settings = readCardSettings(model);
  CardPage page{s, facility, settings, resident, ctx, CardType::Tray, pageGeometry(settings, CardType::Tray), false};
  EXPECT_TRUE(std::isfinite(BarCodePlacement(page, 2).left));
}

}  // namespace
}  // namespace mc::test
