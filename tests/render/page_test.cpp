// The page: column edges, frame, headings, and how a page ends.
#include <stdexcept>

#include "card_fixture.h"
#include "render/page_geometry.h"

namespace mc::test {
namespace {

using PageTest = CardFixture;

TEST_F(PageTest, ColumnEdgesFollowTheMarginSettings) {
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
}

TEST_F(PageTest, TopMarginZeroAndInkJetRightEdge) {
  model.Text[16] = "0";
  const auto lines = opsOf(draw(), "line");
  EXPECT_EQ(lines[0]["y1"], 700);                     // the frame's top line
  EXPECT_AT(lines[4], 5200, 720);                     // separators start 20 below it
  EXPECT_EQ(lines[0]["width"], 5);                    // on the screen the frame is 2
  const PageGeometry laser = pageGeometry(model, CardType::Tray);
  model.Check[19] = 1;
  const PageGeometry inkJet = pageGeometry(model, CardType::Tray);
  EXPECT_EQ(inkJet.Right, 14800);
  EXPECT_EQ(laser.width(3) - inkJet.width(3), 210);
}

TEST_F(PageTest, HeadingsNameTheSetupTheDateAndTheMeals) {
  facility.setupFound = false;
  model.Text[34] = "-2";
  model.Check[12] = 1;
  model.CardKind = 2;
  ctx.CardDate = {2008, 3, 4};
  ctx.MealOrder = "LSB";
  const auto ops = draw();
  ASSERT_EQ(textsOf(ops, "Cannot Find Setup File").size(), 3u);
  EXPECT_EQ(textsOf(ops, "Cannot Find Setup File")[0]["size"], 14);
  const auto dates = textsOf(ops, "Tuesday  03-04-08");
  ASSERT_EQ(dates.size(), 3u);
  EXPECT_AT(dates[0], 10 + (5190 - 1700) / 2.0 - 100, 485);
  EXPECT_AT(textsOf(ops, "Lunch").at(0), 410, 700);
  EXPECT_AT(textsOf(ops, "Supper").at(0), 5450, 700);
  // Breakfast in the last column is the long name: smaller and further left.
  EXPECT_AT(textsOf(ops, "Breakfast").at(0), 10220, 700);
  EXPECT_EQ(textsOf(ops, "Breakfast")[0]["size"], 20);
  model.CardKind = 3;
  EXPECT_TRUE(textsOf(draw(), "Lunch").empty());  // tray cards name no meals
}

TEST_F(PageTest, OrdinaryPrinterEndsTheJobAndPdfDriverThePage) {
  ctx.MealOrder = "BLS";
  ctx.MealToDraw = 1;
  EXPECT_FALSE(renderer.DrawMenu(ctx));
  ctx.MealToDraw = 2;
  EXPECT_FALSE(renderer.DrawMenu(ctx));
  ctx.MealToDraw = 3;
  EXPECT_TRUE(renderer.DrawMenu(ctx));
  auto ops = parseTrace(printerTrace.str());
  EXPECT_EQ(opsOf(ops, "enddoc").size(), 1u);
  EXPECT_EQ(ops.back().op, "enddoc");
  EXPECT_EQ(textsOf(ops, "Maple Grove Care Center").size(), 3u);  // one page start
  ctx.PdfDriver = true;
  ctx.MealToDraw = 4;
  ops = draw();
  EXPECT_EQ(ops.back().op, "newpage");
  EXPECT_TRUE(opsOf(ops, "enddoc").empty());
}

TEST_F(PageTest, PreviewAndPrintToScreenDrawOnTheScreenAndEndNoPage) {
  ctx.PreviewFlag = true;
  EXPECT_TRUE(renderer.DrawMenu(ctx));
  EXPECT_TRUE(printerTrace.str().empty());
  const auto ops = screenOps();
  EXPECT_EQ(textsOf(ops, "101-A Anderson, Mary").size(), 6u);
  EXPECT_TRUE(opsOf(ops, "enddoc").empty() && opsOf(ops, "newpage").empty());
  EXPECT_EQ(opsOf(ops, "line")[0]["width"], 2);
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

// A printer that fails on one text.
class FailingSurface : public CountingSurface {
 public:
  void Print(std::string_view text, bool endLine) override {
    if (text == "Cornbread") throw std::runtime_error("device error");
    CountingSurface::Print(text, endLine);
  }
};

TEST_F(PageTest, ACardThatFailsSaysSoOnItsPageAndTheRunGoesOn) {
  FailingSurface failing;
  std::ostringstream trace;
  TraceSurface failingPrinter(failing, trace);
  CardRenderer broken(facility, model, resident, &failingPrinter, screen);
  resident.Likes[2][2] = "Cornbread";
  ctx.MealOrder = "BLS";
  ctx.MealToDraw = 2;
  EXPECT_TRUE(broken.DrawMenu(ctx));
  auto ops = parseTrace(trace.str());
  const auto error = textsOf(ops, "ERROR Printing Tray Card for 101-A Anderson, Mary");
  ASSERT_EQ(error.size(), 1u);
  EXPECT_AT(error[0], 200, 250);
  EXPECT_EQ(ops.back().op, "enddoc");
  resident.Likes[2][2] = "Corn";
  ctx.MealToDraw = 3;
  EXPECT_TRUE(broken.DrawMenu(ctx));
  ops = parseTrace(trace.str());
  EXPECT_EQ(opsOf(ops, "enddoc").size(), 2u);
  EXPECT_EQ(textsOf(ops, "ERROR Printing Tray Card for 101-A Anderson, Mary").size(), 1u);
}

}  // namespace
}  // namespace mc::test
