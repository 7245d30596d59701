// A recorded page drawn again gives the same drawing as the page itself:
// the backup's copies are the printed card, not an approximation.
#include "render/page_recorder.h"

#include "card_fixture.h"

namespace mc {
namespace {

std::string withoutPageEnds(const std::string& trace) {
  std::istringstream in(trace);
  std::string out, line;
  while (std::getline(in, line))
    if (line.find("\"newpage\"") == std::string::npos && line.find("\"enddoc\"") == std::string::npos)
      out += line + "\n";
  return out;
}

class PageRecorderTest : public test::CardFixture {
 protected:
  RecordingSurface recorder{printer};
  CardRenderer recorded{facility, settings, &recorder, screen};
};

TEST_F(PageRecorderTest, AReplayedPageDrawsWhatThePrinterGotAndAClearedScreenForgetsItsDrawing) {
  resident.Likes[1][1] = "Orange Juice";
  model.Check[12] = 1;
  model.Check[28] = 1;  // the diet dots: circles
  ctx.MealToDraw = 4;
  ASSERT_TRUE(drawMenu(recorded));
  const std::string printed = withoutPageEnds(printerTrace.str());
  ASSERT_NE(printed.find("Orange Juice"), std::string::npos);

  const RecordedPage page = recorder.takePage();
  EXPECT_EQ(page.orientation, kLandscape);
  EXPECT_TRUE(page.printer);
  EXPECT_FALSE(recorder.hasDrawing());  // the next page starts empty
  std::ostringstream again;
  CountingSurface device;
  TraceSurface target(device, again);
  replayPage(page, target);
  EXPECT_EQ(withoutPageEnds(again.str()), printed);
  // The trace passes every call on to its device. (What it writes of each:
  // the demo runs' kept traces.)
  target.PaintPicture("wm3.jpg", 0, 0, 10, 10);
  target.NewPage();
  target.EndDoc();
  const auto ops = test::parseTrace(again.str());
  const auto traced = [&](const char* kind) { return static_cast<long>(test::opsOf(ops, kind).size()); };
  const SurfaceCounts& n = device.counts;
  EXPECT_EQ(std::vector<long>({n.texts, n.lines, n.circles, n.pictures, n.pages, n.docs}),
            std::vector<long>({traced("text"), traced("line"), traced("circle"), traced("picture"), traced("newpage"),
                               traced("enddoc")}));
  EXPECT_GT(n.texts * n.lines * n.circles, 0);

  // A cleared screen forgets its drawing; the printer ignores a clear.
  RecordingSurface onScreen(screen);
  onScreen.Print("lost");
  onScreen.Cls();
  onScreen.Print("kept");
  const RecordedPage shown = onScreen.takePage();
  ASSERT_EQ(shown.items.size(), 1u);
  EXPECT_EQ(shown.items[0].text, "kept");
  EXPECT_FALSE(shown.printer);

  recorder.Print("on paper");
  recorder.Cls();
  EXPECT_TRUE(recorder.hasDrawing());
}

}  // namespace
}  // namespace mc
