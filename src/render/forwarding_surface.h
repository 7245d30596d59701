// A surface that passes every call on to another surface, with the state
// the layout set here, after showing each call to the surface built on it:
// the trace and the page recorder watch a device so.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "render/surface.h"

namespace mc {

class ForwardingSurface : public Surface {
 public:
  explicit ForwardingSurface(Surface& inner) : inner_(inner) {}

  void Print(std::string_view text, bool endLine = false) final;
  void Line(double x1, double y1, double x2, double y2, int32_t color,
            LineMode mode = LineMode::Line) final;
  void Circle(double x, double y, double radius, int32_t color, bool filled = true) final;
  double TextWidth(std::string_view text) final;
  double TextHeight() final;
  void PaintPicture(const std::string& source, double x, double y, double width,
                    double height) final;
  void NewPage() final;
  void EndDoc() final;
  void SetPaper(int paperSize, int orientation) final;
  void Cls() final;
  bool isPrinter() const final { return inner_.isPrinter(); }

 protected:
  // Each call as the layout made it, before the inner surface gets it.
  virtual void onPrint(std::string_view, bool) {}
  virtual void onLine(double, double, double, double, int32_t, LineMode) {}
  virtual void onCircle(double, double, double, int32_t, bool) {}
  virtual void onPicture(const std::string&, double, double, double, double) {}
  virtual void onNewPage() {}
  virtual void onEndDoc() {}
  virtual void onSetPaper(int, int) {}
  virtual void onCls() {}

 private:
  void sync() { copyStateTo(inner_); }

  Surface& inner_;
};

}  // namespace mc
