#include "render/bar_code.h"

#include <algorithm>
#include <cmath>

#include "data/text.h"
#include "settings/field_encoding.h"

namespace mc {

namespace {

constexpr double kBottom = 10570;
constexpr double kScreenPixel = 15;

double positive(double value, double fallback) { return value > 0 ? value : fallback; }

}  // namespace

int BarCodeSymbol::modules() const {
  int n = 0;
  for (int r : runs) n += r;
  return n;
}

BarCodePlace BarCodePlacement(const CardPage& page, int k) {
  const CardSettings& m = page.settings;
  const double c = page.geo.C[k];
  // The settings load replaces stored zeros by the defaults; a field typed
  // empty since then must not divide by zero either.
  const double width = positive(m.Text25, 460);
  BarCodePlace p;
  if (page.screen) {
    p.left = c / kScreenPixel + 90;
    p.top = kBottom / kScreenPixel + 50;
    p.width = width / 3;
    p.height = 30;
    p.unit = kScreenPixel;
    return p;
  }
  // The factor turns twips into the printer's pixels (4.8 at 300 dpi), the
  // units the shifts, width and height are given in.
  // A fraction, unlike the other fields: it is not rounded.
  const double factor = positive(m.Text21, 4.8);
  p.left = c / factor + m.Text22 + 200;
  p.top = kBottom / factor + m.Text23;
  p.width = width;
  p.height = m.Text24 + 10;
  p.unit = factor;
  return p;
}

std::string BarCodeText(const CardPage& page, int k) {
  const std::string& letter = page.ctx.MealLetter;
  const std::string meal = letter.empty() ? std::string(1, "BLS"[k - 1]) : letter;
  return meal + trim(page.resident.ResidentFile);
}

void DrawBarCodes(const CardPage& page, const BarCoder* coder) {
  Surface& s = page.s;
  const BarCodeType type =
      page.settings.Text26 == 6 ? BarCodeType::Code128A : BarCodeType::Code39;
  // Each call draws the bar codes of its own columns: with a meal order such
  // as "BBB" the columns of a page are different residents, and a bar code
  // drawn over another would scan as neither.
  for (int k = 1; k <= 3; ++k) {
    if (!page.drawsColumn(k)) continue;
    const std::string text = BarCodeText(page, k);
    const BarCodeSymbol symbol = coder ? coder->Encode(type, text) : BarCodeSymbol{};
    const int modules = symbol.modules();
    if (modules > 0) {
      // Whole device units for the position and every module, so that on
      // the printer each bar edge falls on a pixel edge and no bar comes out
      // a pixel wider than its neighbour: that is what makes it scan.
      const BarCodePlace p = BarCodePlacement(page, k);
      const double module = std::max(1.0, std::floor(p.width / modules)) * p.unit;
      double x = std::round(p.left) * p.unit;
      const double top = std::round(p.top) * p.unit;
      const double bottom = top + std::max(1.0, std::round(p.height)) * p.unit;
      bool bar = true;
      for (int run : symbol.runs) {
        if (bar) s.Line(x, top, x + run * module, bottom, colour::Black, LineMode::Fill);
        x += run * module;
        bar = !bar;
      }
    }
    s.FontName = kCardFont;
    s.FontSize = 8;
    s.FontBold = false;
    s.ForeColor = colour::Black;
    s.CurrentX = page.geo.C[k] + 150;
    s.CurrentY = kBottom + (page.screen ? 800 : 650);
    s.Print(symbol.text.empty() ? text : symbol.text);
  }
}

}  // namespace mc
