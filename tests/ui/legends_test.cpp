#include "ui/legends.h"

#include <gtest/gtest.h>

#include <sstream>

#include "render/counting_surface.h"
#include "render/trace_surface.h"
#include "support/controller_test.h"
#include "support/resident_file.h"
#include "support/trace_ops.h"

namespace mc {
namespace {

class Legends : public test::ControllerTest {
 protected:
  Legends() {
    c.facility = test::testFacility();
    c.facility.SetupValues[1] = "03-15-07";
    c.printer = &trace;
  }
  std::vector<test::TraceOp> ops() const { return test::parseTrace(out.str()); }
  void putWatermark(int n) const {
    t.putFile(c.facility.folder(35) + "\\vod\\wm" + std::to_string(n) + ".jpg", "picture");
  }

  CountingSurface paper{true};
  std::ostringstream out;
  TraceSurface trace{paper, out};
};

TEST_F(Legends, DotLegendTakesTheLabelColoursNotTheirTexts) {
  c.model.Label[5].BackColor = 0x123456;  // changed in the colour dialog, not saved
  c.model.Label[5].Caption = "Smooth";
  dialogs.answerInput("Print Legends", "1");
  const std::string caption = c.model.Caption;
  trace.SetPaper(kPaperLetter, kLandscape);  // as the last card left the printer
  trace.CurrentY = 9000;
  Command3_Click(c);
  const auto all = ops();
  // Every row is on the sheet, the heading at its top.
  for (const auto& op : all) {
    if (op.op == "circle") {
      EXPECT_LE(op["y"] + op["r"], paper.page.height) << op["y"];
    }
    if (op.op == "text") {
      EXPECT_LE(op["y"] + op["size"] * 20, paper.page.height) << op.text();
    }
  }
  EXPECT_LT(test::textsOf(all, "Dot Color Legend").at(0)["y"], 1000);
  const auto circles = test::opsOf(all, "circle");
  ASSERT_EQ(circles.size(), 10u);
  EXPECT_EQ(circles[2]["color"], 0x123456);
  EXPECT_EQ(circles[6]["color"], 0);  // thin liquids: black
  EXPECT_EQ(test::textsOf(all, "Pureed Consistency").size(), 1u);
  EXPECT_TRUE(test::textsOf(all, "Smooth").empty());
  EXPECT_EQ(test::textsOf(all, "Chop=Chopped Meat").size(), 1u);
  EXPECT_EQ(test::opsOf(all, "enddoc").size(), 1u);
  EXPECT_EQ(c.model.Caption, caption);
}

TEST_F(Legends, WatermarksAreLabelledByNumberAndBreakThePageAsTheDeviceWants) {
  putWatermark(11);
  putWatermark(200);
  trace.SetPaper(kPaperLetter, kLandscape);
  PrintWatermarkLegend(trace, c);
  auto all = ops();
  EXPECT_LE(test::textsOf(all, "Wm # 200").at(0)["y"] + 240, paper.page.height);
  EXPECT_EQ(test::opsOf(all, "picture").size(), 2u);
  EXPECT_EQ(test::textsOf(all, "Wm # 11").size(), 1u);
  EXPECT_EQ(test::textsOf(all, " Watermarks as of 03-15-07").size(), 1u);
  // A printer gets two jobs; a PDF driver one document of two pages.
  EXPECT_EQ(test::opsOf(all, "enddoc").size(), 2u);
  EXPECT_EQ(test::opsOf(all, "newpage").size(), 0u);
  out.str("");
  c.run.PdfDriver = true;
  PrintWatermarkLegend(trace, c);
  all = ops();
  EXPECT_EQ(test::opsOf(all, "enddoc").size(), 1u);
  EXPECT_EQ(test::opsOf(all, "newpage").size(), 1u);
}

TEST_F(Legends, NoWatermarksGiveOnlyTheHeadingAndOtherAnswersNothing) {
  PrintWatermarkLegend(trace, c);
  EXPECT_EQ(test::opsOf(ops(), "text").size(), 1u);
  EXPECT_TRUE(test::opsOf(ops(), "picture").empty());
  out.str("");
  for (const char* answer : {"3", "0", ""}) {
    dialogs.answerInput("Print Legends", answer);
    Command3_Click(c);
  }
  EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace mc
