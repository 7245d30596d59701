#include "render/forwarding_surface.h"

namespace mc {

void ForwardingSurface::Print(std::string_view text, bool endLine) {
  onPrint(text, endLine);
  sync();
  inner_.Print(text, endLine);
  CurrentX = inner_.CurrentX;
  CurrentY = inner_.CurrentY;
}

void ForwardingSurface::Line(double x1, double y1, double x2, double y2, int32_t color, LineMode mode) {
  onLine(x1, y1, x2, y2, color, mode);
  sync();
  inner_.Line(x1, y1, x2, y2, color, mode);
}

void ForwardingSurface::Circle(double x, double y, double radius, int32_t color, bool filled) {
  onCircle(x, y, radius, color, filled);
  sync();
  inner_.Circle(x, y, radius, color, filled);
}

double ForwardingSurface::TextWidth(std::string_view text) {
  sync();
  return inner_.TextWidth(text);
}

double ForwardingSurface::TextHeight() {
  sync();
  return inner_.TextHeight();
}

void ForwardingSurface::PaintPicture(const std::string& source, double x, double y, double width, double height) {
  onPicture(source, x, y, width, height);
  sync();
  inner_.PaintPicture(source, x, y, width, height);
}

void ForwardingSurface::NewPage() {
  onNewPage();
  sync();
  inner_.NewPage();
}

void ForwardingSurface::EndDoc() {
  onEndDoc();
  sync();
  inner_.EndDoc();
}

void ForwardingSurface::SetPaper(int paperSize, int orientation) {
  onSetPaper(paperSize, orientation);
  sync();
  inner_.SetPaper(paperSize, orientation);
}

void ForwardingSurface::Cls() {
  onCls();
  sync();
  inner_.Cls();
}

}  // namespace mc
