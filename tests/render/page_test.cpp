// The page: column edges, frame, headings, and how a page ends.
#include "card_fixture.h"
#include "render/page_geometry.h"

namespace mc::test {
namespace {

using PageTest = CardFixture;

TEST_F(PageTest, ColumnEdgesFollowTheMarginsAndThePrinter) {
  model.Text[17] = "300";
  model.Text[18] = "100";
  model.Text[19] = "-50";
  const auto ops = draw();
  std::vector<double> verticals;
  for (const auto& op : opsOf(ops, "line"))
    if (op["x1"] == op["x2"]) verticals.push_back(op["x1"]);
  EXPECT_EQ(verticals, (std::vector<double>{300, 15010, 5300, 9970}));  // frame, separators
  // The title is centred in each column by its own width (23 characters).
  const auto titles = textsOf(ops, "Maple Grove Care Center");
  ASSERT_EQ(titles.size(), 3u);
  EXPECT_AT(titles[0], 300 + (5000 - 3680) / 2, 150);
  EXPECT_AT(titles[2], 9970 + (5040 - 3680) / 2, 150);
  // A top margin of 0 stands for 700; the separators start 20 below the frame.
  model.Text[16] = "0";
  const auto lines = opsOf(draw(), "line");
  EXPECT_EQ(lines[0]["y1"], 700);
  EXPECT_AT(lines[4], 5300, 720);
  // An ink-jet printer cannot reach as far right: column 3 is narrower.
  const PageGeometry laser = pageGeometry(model, CardType::Tray);
  model.Check[19] = 1;
  const PageGeometry inkJet = pageGeometry(model, CardType::Tray);
  EXPECT_EQ(inkJet.Right, 14800);
  EXPECT_EQ(laser.width(3) - inkJet.width(3), 210);
}

TEST_F(PageTest, HeadingsNameTheDateAndTheMeals) {
  model.Text[34] = "-2";
  model.Check[12] = 1;
  model.CardKind = 2;
  ctx.CardDate = {2008, 3, 4};
  ctx.MealOrder = "LSB";
  const auto ops = draw();
  EXPECT_AT(textsOf(ops, "Tuesday  03-04-08").at(0), 10 + (5190 - 1700) / 2.0 - 100, 485);
  EXPECT_AT(textsOf(ops, "Lunch").at(0), 410, 700);
  EXPECT_AT(textsOf(ops, "Breakfast").at(0), 10220, 700);  // the long name starts further left
  model.CardKind = 3;
  EXPECT_TRUE(textsOf(draw(), "Lunch").empty());  // tray cards name no meals
}

TEST_F(PageTest, OrdinaryPrinterEndsTheJobAndPdfDriverThePage) {
  ctx.MealOrder = "BLS";
  for (int meal : {1, 2, 3}) {
    ctx.MealToDraw = meal;
    EXPECT_EQ(renderer.DrawMenu(ctx), meal == 3);
  }
  const auto ops = parseTrace(printerTrace.str());
  EXPECT_EQ(opsOf(ops, "enddoc").size(), 1u);
  EXPECT_EQ(ops.back().op, "enddoc");
  EXPECT_EQ(textsOf(ops, "Maple Grove Care Center").size(), 3u);  // one page start
  ctx.PdfDriver = true;
  ctx.MealToDraw = 4;
  EXPECT_EQ(draw().back().op, "newpage");
  EXPECT_TRUE(opsOf(draw(), "enddoc").empty());
}

TEST_F(PageTest, PreviewAndPrintToScreenDrawOnTheScreenAndEndNoPage) {
  ctx.PreviewFlag = true;
  EXPECT_TRUE(renderer.DrawMenu(ctx));
  EXPECT_TRUE(printerTrace.str().empty());
  const auto ops = parseTrace(screenTrace.str());
  EXPECT_EQ(textsOf(ops, "101-A Anderson, Mary").size(), 6u);
  EXPECT_TRUE(opsOf(ops, "enddoc").empty() && opsOf(ops, "newpage").empty());
  ctx.PreviewFlag = false;
  model.Check[5] = 1;
  EXPECT_TRUE(draw().empty());
}

TEST_F(PageTest, MissingResidentFileDrawsNothingAfterAskingTheLoader) {
  int loads = 0;
  resident.Loaded = false;
  renderer.LoadResident = [&] {
    ++loads;
    resident.Loaded = true;
    resident.ResidentPath.clear();
  };
  EXPECT_FALSE(renderer.DrawMenu(ctx));
  renderer.DrawMenu(ctx);
  EXPECT_EQ(loads, 1);  // a loaded record is not read again
  EXPECT_TRUE(printerTrace.str().empty());
}

TEST_F(PageTest, ACardThatFailsSaysSoOnItsPageAndTheRunGoesOn) {
  printerDevice.failOn = "Cornbread";
  resident.Likes[2][2] = "Cornbread";
  ctx.MealOrder = "BLS";
  ctx.MealToDraw = 2;
  EXPECT_TRUE(renderer.DrawMenu(ctx));
  const std::string error = "ERROR Printing Tray Card for 101-A Anderson, Mary";
  auto ops = parseTrace(printerTrace.str());
  EXPECT_AT(textsOf(ops, error).at(0), 200, 250);
  EXPECT_EQ(ops.back().op, "enddoc");
  resident.Likes[2][2] = "Corn";
  ctx.MealToDraw = 3;
  EXPECT_TRUE(renderer.DrawMenu(ctx));
  ops = parseTrace(printerTrace.str());
  EXPECT_EQ(opsOf(ops, "enddoc").size(), 2u);
  EXPECT_EQ(textsOf(ops, error).size(), 1u);
}

}  // namespace
}  // namespace mc::test
