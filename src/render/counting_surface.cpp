#include "render/counting_surface.h"

namespace mc {

void CountingSurface::Print(std::string_view text, bool endLine) {
  ++counts.texts;
  if (endLine) {
    CurrentX = 0;
    CurrentY += TextHeight();
  } else {
    CurrentX += TextWidth(text);
  }
}

double CountingSurface::TextWidth(std::string_view text) {
  return static_cast<double>(text.size()) * FontSize * 10;
}

void CountingSurface::SetPaper(int paperSize, int orientation) {
  page = pageSize(paperSize, orientation);
}

}  // namespace mc
