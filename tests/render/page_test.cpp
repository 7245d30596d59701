// The page: column edges, frame, headings, and how a page ends.
#include <stdexcept>

#include "card_fixture.h"
#include "render/page_geometry.h"

namespace mc::test {
namespace {

using PageTest = CardFixture;

// Vertical lines of the frame and separators, by X.
std::vector<double> verticals(const std::vector<TraceOp>& ops) {
  std::vector<double> xs;
  for (const auto& op : opsOf(ops, "line"))
    if (op["x1"] == op["x2"]) xs.push_back(op["x1"]);
  return xs;
}

TEST_F(PageTest, ColumnEdgesFollowTheMarginSettings) {
  model.Text[17] = "300";
  model.Text[18] = "100";
  model.Text[19] = "-50";
  const auto ops = draw();
  EXPECT_EQ(verticals(ops), (std::vector<double>{300, 15010, 5300, 9970}));
  // The title is centred in each column by its own width.
  const auto titles = textsOf(ops, "Maple Grove Care Center");
  ASSERT_EQ(titles.size(), 3u);
  const double width = 23 * 16 * 10;
  EXPECT_DOUBLE_EQ(titles[0]["x"], 300 + (5000 - width) / 2);
  EXPECT_DOUBLE_EQ(titles[1]["x"], 5300 + (4670 - width) / 2);
  EXPECT_DOUBLE_EQ(titles[2]["x"], 9970 + (5040 - width) / 2);
  EXPECT_EQ(titles[0]["y"], 150);
  EXPECT_EQ(titles[0].flag.at("bold"), false);
}

TEST_F(PageTest, TopMarginZeroStartsTheColumnsAt700) {
  model.Text[16] = "0";
  const auto lines = opsOf(draw(), "line");
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[0]["y1"], 700);  // the frame's top line
  EXPECT_EQ(lines[4]["y1"], 720);  // separators start 20 below the top
  EXPECT_EQ(lines[4]["y2"], 10550);
}

TEST_F(PageTest, InkJetPrintingMakesColumnThreeNarrower) {
  const PageGeometry laser = pageGeometry(model, CardType::Tray);
  model.Check[19] = 1;
  const PageGeometry inkJet = pageGeometry(model, CardType::Tray);
  EXPECT_EQ(inkJet.Right, 14800);
  EXPECT_EQ(laser.width(3) - inkJet.width(3), 210);
  EXPECT_EQ(inkJet.width(1), laser.width(1));
}

TEST_F(PageTest, AssistedLivingPagesOnLegalPaperUnlessTheMarkerSaysNo) {
  model.AlfMenus = true;
  model.Check[32] = 1;
  PageGeometry g = pageGeometry(model, CardType::Alf);
  EXPECT_TRUE(g.Legal);
  EXPECT_EQ(g.Right, 19500);
  EXPECT_EQ(g.DayPitch, 2800);
  EXPECT_EQ(g.Bottom, 11370);
  model.NoLeg = true;
  g = pageGeometry(model, CardType::Alf);
  EXPECT_FALSE(g.Legal);
  EXPECT_EQ(g.Right, 15190);
  EXPECT_EQ(g.Top, 700);
}

TEST_F(PageTest, FrameIsThickerOnPaperThanTheScreenDrawsIt) {
  EXPECT_EQ(opsOf(draw(), "line")[0]["width"], 5);
  ctx.PreviewFlag = true;
  renderer.DrawMenu(ctx);
  EXPECT_EQ(opsOf(screenOps(), "line")[0]["width"], 2);
}

TEST_F(PageTest, TitleSaysWhenThereIsNoSetupFileAndDateLineNamesTheWeekday) {
  facility.setupFound = false;
  model.Text[34] = "-2";
  model.Check[12] = 1;
  ctx.CardDate = {2008, 3, 4};
  const auto ops = draw();
  const auto titles = textsOf(ops, "Cannot Find Setup File");
  ASSERT_EQ(titles.size(), 3u);
  EXPECT_EQ(titles[0]["size"], 14);
  const auto dates = textsOf(ops, "Tuesday  03-04-08");
  ASSERT_EQ(dates.size(), 3u);
  EXPECT_EQ(dates[0]["y"], 485);
  EXPECT_DOUBLE_EQ(dates[0]["x"], 10 + (5190 - 17 * 100) / 2.0 - 100);
}

TEST_F(PageTest, MealCardsNameTheMealOfEachColumn) {
  model.CardKind = 2;
  ctx.MealOrder = "LSB";
  const auto ops = draw();
  const auto lunch = textsOf(ops, "Lunch");
  ASSERT_EQ(lunch.size(), 1u);
  EXPECT_EQ(lunch[0]["x"], 410);
  EXPECT_EQ(lunch[0]["size"], 22);
  EXPECT_EQ(textsOf(ops, "Supper")[0]["x"], 5450);
  const auto breakfast = textsOf(ops, "Breakfast");
  ASSERT_EQ(breakfast.size(), 1u);
  EXPECT_EQ(breakfast[0]["x"], 10220);
  EXPECT_EQ(breakfast[0]["size"], 20);
  EXPECT_EQ(breakfast[0]["y"], 700);
  model.CardKind = 3;
  EXPECT_TRUE(textsOf(draw(), "Lunch").empty());
}

TEST_F(PageTest, OrdinaryPrinterEndsTheJobAndPdfDriverThePage) {
  auto ops = draw();
  EXPECT_EQ(ops.back().op, "enddoc");
  EXPECT_TRUE(opsOf(ops, "newpage").empty());
  ctx.PdfDriver = true;
  ops = draw();
  EXPECT_EQ(ops.back().op, "newpage");
  EXPECT_TRUE(opsOf(ops, "enddoc").empty());
}

TEST_F(PageTest, OnlyTheLastMealPositionEndsThePage) {
  ctx.MealOrder = "BLS";
  for (int16_t position : {1, 2}) {
    ctx.MealToDraw = position;
    EXPECT_FALSE(renderer.DrawMenu(ctx));
  }
  ctx.MealToDraw = 3;
  EXPECT_TRUE(renderer.DrawMenu(ctx));
  const auto ops = parseTrace(printerTrace.str());
  EXPECT_EQ(opsOf(ops, "enddoc").size(), 1u);
  EXPECT_EQ(ops.back().op, "enddoc");
  // The frame belongs to the call that starts the page.
  EXPECT_EQ(textsOf(ops, "Maple Grove Care Center").size(), 3u);
}

TEST_F(PageTest, PreviewDrawsOnTheScreenAndNeverEndsAPage) {
  ctx.PreviewFlag = true;
  EXPECT_TRUE(renderer.DrawMenu(ctx));
  EXPECT_TRUE(printerTrace.str().empty());
  const auto ops = screenOps();
  EXPECT_FALSE(textsOf(ops, "101-A Anderson, Mary").empty());
  EXPECT_TRUE(opsOf(ops, "enddoc").empty());
  EXPECT_TRUE(opsOf(ops, "newpage").empty());
  // Print to Screen sends a real run there too.
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
  EXPECT_EQ(loads, 1);
  EXPECT_TRUE(printerTrace.str().empty());
  renderer.DrawMenu(ctx);
  EXPECT_EQ(loads, 1);  // a loaded record is not read again
}

// A printer that fails on one text.
class FailingSurface : public CountingSurface {
 public:
  void Print(std::string_view text, bool endLine) override {
    if (text.find("Cornbread") != std::string_view::npos) throw std::runtime_error("device error");
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
  ctx.MealToDraw = 1;
  EXPECT_FALSE(broken.DrawMenu(ctx));
  ctx.MealToDraw = 2;
  EXPECT_TRUE(broken.DrawMenu(ctx));
  const auto ops = parseTrace(trace.str());
  const auto error = textsOf(ops, "ERROR Printing Tray Card for 101-A Anderson, Mary");
  ASSERT_EQ(error.size(), 1u);
  EXPECT_EQ(error[0]["x"], 200);
  EXPECT_EQ(error[0]["y"], 250);
  EXPECT_EQ(ops.back().op, "enddoc");
  // The next card draws normally.
  resident.Likes[2][2] = "Corn";
  ctx.MealToDraw = 3;
  EXPECT_TRUE(broken.DrawMenu(ctx));
  EXPECT_EQ(opsOf(parseTrace(trace.str()), "enddoc").size(), 2u);
}

}  // namespace
}  // namespace mc::test
