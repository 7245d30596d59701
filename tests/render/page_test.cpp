// The page: frame, headings, and how a page ends.
#include "card_fixture.h"

namespace mc::test {
namespace {

using PageTest = CardFixture;

TEST_F(PageTest, MarginsMoveTheFrameAndAnInkJetNarrowsTheLastColumn) {
  model.Text[17] = "300";
  model.Text[16] = "0";  // a top margin of 0 stands for 700
  const auto lines = opsOf(draw(), "line");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0]["x1"], 300);
  EXPECT_EQ(lines[0]["y1"], 700);
  const PageGeometry laser = pageGeometry(readCardSettings(model), CardType::Tray);
  model.Check[19] = 1;
  const PageGeometry inkJet = pageGeometry(readCardSettings(model), CardType::Tray);
  EXPECT_LT(inkJet.Right, laser.Right);
  EXPECT_EQ(inkJet.width(1), laser.width(1));
  EXPECT_LT(inkJet.width(3), laser.width(3));
}

// (A PDF driver ends the page instead: the demo runs.)
TEST_F(PageTest, OrdinaryPrinterEndsTheJobAfterThePagesLastMeal) {
  ctx.MealOrder = "BLS";
  for (int meal : {1, 2, 3}) {
    ctx.MealToDraw = meal;
    EXPECT_EQ(drawMenu(), meal == 3);
  }
  const auto ops = parseTrace(printerTrace.str());
  EXPECT_EQ(opsOf(ops, "enddoc").size(), 1u);
  EXPECT_EQ(ops.back().op, "enddoc");
  EXPECT_EQ(textsOf(ops, "Maple Grove Care Center").size(), 3u);  // one page start
}

TEST_F(PageTest, PreviewAndPrintToScreenDrawOnTheScreenAndEndNoPage) {
  ctx.PreviewFlag = true;
  EXPECT_TRUE(drawMenu());
  EXPECT_TRUE(printerTrace.str().empty());
  const auto ops = parseTrace(screenTrace.str());
  EXPECT_EQ(textsOf(ops, "101-A Anderson, Mary").size(), 6u);
  EXPECT_TRUE(opsOf(ops, "enddoc").empty() && opsOf(ops, "newpage").empty());
  ctx.PreviewFlag = false;
  model.Check[5] = 1;
  EXPECT_TRUE(draw().empty());
}

TEST_F(PageTest, ACardThatFailsSaysSoOnItsPageAndTheRunGoesOn) {
  printerDevice.failOn = "Cornbread";
  resident.Likes[2][2] = "Cornbread";
  ctx.MealOrder = "BLS";
  ctx.MealToDraw = 2;
  std::vector<std::string> warnings;
  renderer.Warn = [&](const std::string& w) { warnings.push_back(w); };
  EXPECT_TRUE(drawMenu());
  EXPECT_EQ(warnings, std::vector<std::string>{"ERROR Printing Tray Card: device error"}) << "the run is told why";
  const std::string error = "ERROR Printing Tray Card for 101-A Anderson, Mary";
  auto ops = parseTrace(printerTrace.str());
  EXPECT_EQ(textsOf(ops, error).size(), 1u);
  EXPECT_EQ(ops.back().op, "enddoc");
  resident.Likes[2][2] = "Corn";
  ctx.MealToDraw = 3;
  EXPECT_TRUE(drawMenu());
  ops = parseTrace(printerTrace.str());
  EXPECT_EQ(opsOf(ops, "enddoc").size(), 2u);
  EXPECT_EQ(textsOf(ops, error).size(), 1u);
}

}  // namespace
}  // namespace mc::test
