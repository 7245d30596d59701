// A surface that passes every call on to a real device and adds up the
// time spent inside it: what is left of a run's time is ours (data,
// selection, layout).
#pragma once

#include <chrono>

#include "render/surface.h"

namespace mc::bench {

using Clock = std::chrono::steady_clock;

inline double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Passes every call on and adds up the time spent inside the device.
class TimingSurface : public Surface {
 public:
  explicit TimingSurface(Surface& inner) : inner_(inner) {}
  Clock::duration inside{};

  void Print(std::string_view text, bool endLine) override {
    timed([&] { inner_.Print(text, endLine); });
    CurrentX = inner_.CurrentX;
    CurrentY = inner_.CurrentY;
  }
  void Line(double x1, double y1, double x2, double y2, int32_t color, LineMode mode) override {
    timed([&] { inner_.Line(x1, y1, x2, y2, color, mode); });
  }
  void Circle(double x, double y, double r, int32_t color, bool filled) override {
    timed([&] { inner_.Circle(x, y, r, color, filled); });
  }
  double TextWidth(std::string_view text) override {
    double w = 0;
    timed([&] { w = inner_.TextWidth(text); });
    return w;
  }
  double TextHeight() override {
    double h = 0;
    timed([&] { h = inner_.TextHeight(); });
    return h;
  }
  void PaintPicture(const std::string& src, double x, double y, double w, double h) override {
    timed([&] { inner_.PaintPicture(src, x, y, w, h); });
  }
  void NewPage() override { timed([&] { inner_.NewPage(); }); }
  void EndDoc() override { timed([&] { inner_.EndDoc(); }); }
  void SetPaper(int paper, int orientation) override { timed([&] { inner_.SetPaper(paper, orientation); }); }
  void Cls() override { timed([&] { inner_.Cls(); }); }
  bool isPrinter() const override { return inner_.isPrinter(); }

 private:
  template <class F>
  void timed(F&& f) {
    copyStateTo(inner_);
    const auto start = Clock::now();
    f();
    inside += Clock::now() - start;
  }
  Surface& inner_;
};

}  // namespace mc::bench
