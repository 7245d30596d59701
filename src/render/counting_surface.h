// A surface that draws nothing: it counts the operations it receives and
// measures text by a fixed metric, so that layout can run without a device
// (layout tests, and the benchmark's share of time spent in our layout).
//
// The metric: every character is half an em wide (FontSize x 10 twips), a
// line is 1.15 em high. Real widths come from the Qt surface; layout that
// depends on them is tested there.
#pragma once

#include "render/surface.h"

namespace mc {

struct SurfaceCounts {
  long texts = 0;
  long lines = 0;
  long circles = 0;
  long pictures = 0;
  long pages = 0;  // NewPage calls
  long docs = 0;   // EndDoc calls
};

class CountingSurface : public Surface {
 public:
  explicit CountingSurface(bool printer = true) : printer_(printer) {}

  void Print(std::string_view text, bool endLine = false) override;
  void Line(double, double, double, double, int32_t, LineMode = LineMode::Line) override {
    ++counts.lines;
  }
  void Circle(double, double, double, int32_t, bool = true) override { ++counts.circles; }
  double TextWidth(std::string_view text) override;
  double TextHeight() override { return FontSize * 20 * 1.15; }
  void PaintPicture(const std::string&, double, double, double, double) override {
    ++counts.pictures;
  }
  void NewPage() override { ++counts.pages; }
  void EndDoc() override { ++counts.docs; }
  void SetPaper(int paperSize, int orientation) override;
  void Cls() override {}
  bool isPrinter() const override { return printer_; }

  SurfaceCounts counts;
  PageSize page{15840, 12240};

 private:
  bool printer_;
};

}  // namespace mc
