// The trace: one JSON line per drawing operation, while every call still
// reaches the device.
#include <gtest/gtest.h>

#include <sstream>

#include "render/counting_surface.h"
#include "render/trace_surface.h"

namespace mc::test {
namespace {

TEST(TraceSurfaceTest, WritesEachOperationAsOneJsonLine) {
  CountingSurface device;
  std::ostringstream out;
  TraceSurface trace(device, out);
  trace.CurrentX = 110;
  trace.CurrentY = 1150.5;
  trace.FontName = "Arial Narrow";
  trace.FontBold = true;
  trace.FontUnderline = true;
  trace.ForeColor = 884764;
  trace.Print("S\xe1nchez, \"Jos\xe9\"\\");
  trace.DrawWidth = 5;
  trace.Line(10, 700, 15010, 700, 0);
  trace.Line(1, 2, 3, 4.333, 255, LineMode::Box);
  trace.Line(1, 2, 3, 4, 65535, LineMode::Fill);
  trace.DrawWidth = 40;
  trace.Circle(2550, 6650, 360, 0, false);
  trace.PaintPicture("/tmp/c/dnv/vod/wm3.jpg", 10, 720, 5190, -9780);
  trace.NewPage();
  trace.EndDoc();
  EXPECT_EQ(out.str(),
      R"({"op":"text","x":110,"y":1150.5,"s":"Sánchez, \"José\"\\","font":"Arial Narrow","size":12,"bold":true,"italic":false,"underline":true,"color":884764})" "\n"
      R"({"op":"line","x1":10,"y1":700,"x2":15010,"y2":700,"color":0,"width":5,"mode":"line"})" "\n"
      R"({"op":"line","x1":1,"y1":2,"x2":3,"y2":4.33,"color":255,"width":5,"mode":"box"})" "\n"
      R"({"op":"line","x1":1,"y1":2,"x2":3,"y2":4,"color":65535,"width":5,"mode":"fill"})" "\n"
      R"({"op":"circle","x":2550,"y":6650,"r":360,"color":0,"width":40})" "\n"
      R"({"op":"picture","x":10,"y":720,"w":5190,"h":-9780,"src":"/tmp/c/dnv/vod/wm3.jpg"})" "\n"
      R"({"op":"newpage"})" "\n"
      R"({"op":"enddoc"})" "\n");
  const SurfaceCounts& n = device.counts;
  EXPECT_EQ(std::vector<long>({n.texts, n.lines, n.circles, n.pictures, n.pages, n.docs}),
            std::vector<long>({1, 3, 1, 1, 1, 1}));
}

}  // namespace
}  // namespace mc::test
