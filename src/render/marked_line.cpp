#include "render/marked_line.h"

#include <algorithm>
#include <vector>

#include "data/text.h"

namespace mc {

namespace {

constexpr double kCharPitch = 150;  // markers stand this far apart per character
constexpr double kWideLine = 4700;
constexpr double kCompactLine = 2400;

struct Marker {
  char mark;
  size_t index;  // 0-based position in the line
};

// The font of the line: the settings' font choice, its size, then shrunk
// to fit. Check35 wins over Check25 when both are ticked.
void chooseFont(const CardPage& page, const std::string& text, const MarkedLineStyle& style) {
  Surface& s = page.s;
  s.FontName = kCardFont;
  s.FontBold = style.bold;
  s.FontItalic = true;
  s.FontUnderline = false;
  s.FontSize = 16;
  const bool cb1 = page.settings.Check25;
  const bool narrow = page.settings.Check35;
  if (cb1) s.FontName = "CB1";
  if (narrow) {
    s.FontName = "Arial Narrow";
    s.FontBold = false;
  }
  if (cb1 || narrow) {
    s.FontSize = 12;
    s.FontItalic = false;
  }
  if (style.listSize > 0) s.FontSize = style.listSize;
  if (style.dining) s.FontSize = 12;
  if (style.fitWide) {
    for (double size : {14.0, 12.0, 10.0})
      if (s.TextWidth(text) > kWideLine) s.FontSize = size;
  }
  if (style.compact) {
    for (double size : {10.0, 9.0, 8.0})
      if (s.TextWidth(text) > kCompactLine) s.FontSize = size;
  }
}

void drawBox(const CardPage& page, const std::string& text, const Marker& m, double x0, double y0) {
  Surface& s = page.s;
  const bool grey = page.settings.Check10;
  const double left = x0 + static_cast<double>(m.index) * kCharPitch;
  if (m.mark == '_') {
    s.Line(left + 40, y0 + 40, left + 2400, y0 + 280, grey ? colour::LightGrey : colour::Yellow,
           LineMode::Fill);
    return;
  }
  // The frames hilite the words from the marker on; they are sized in the
  // font the line prints in, so they fit the text that is printed.
  const double words = s.TextWidth(rtrim(std::string_view(text).substr(m.index)));
  const double width = m.mark == '^' ? std::min(words + 150, kWideLine) : words + 100;
  const int32_t color = grey ? colour::LightGrey : m.mark == '^' ? colour::Red : colour::Green;
  s.DrawWidth = page.pen(12, 2);
  s.Line(left - 60, y0 + 40, left - 60 + width, y0 + 280, color, LineMode::Box);
}

}  // namespace

std::string unmarked(std::string_view text) {
  std::string out(text);
  for (char mark : {'_', '^', '='}) {
    const size_t at = out.find(mark);
    if (at != std::string::npos) out[at] = ' ';
  }
  return out;
}

void PrintMarkedLine(const CardPage& page, std::string_view text, double x, double y,
                     const MarkedLineStyle& style) {
  const std::string plain = unmarked(text);
  if (trim(plain).empty()) return;
  std::vector<Marker> markers;
  for (char mark : {'_', '^', '='}) {
    const size_t at = text.find(mark);
    if (at != std::string_view::npos) markers.push_back({mark, at});
  }
  Surface& s = page.s;
  chooseFont(page, plain, style);
  if (!markers.empty()) {
    for (const Marker& m : markers) drawBox(page, plain, m, x, y);
    s.DrawWidth = 2;
  }
  s.ForeColor = style.color;
  s.CurrentX = x;
  s.CurrentY = y;
  s.Print(plain);
}

}  // namespace mc
