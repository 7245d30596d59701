#include "render/pictures.h"

#include <algorithm>
#include <string>

#include "data/text.h"
#include "settings/field_encoding.h"

namespace mc {

namespace {

constexpr int32_t kFrameBrown = 16512;
constexpr double kBottom = 10570;

void paintName(Surface& s, const std::string& name, const PaintRect& r) {
  if (!name.empty()) s.PaintPicture(name, r.X, r.Y, r.Width, r.Height);
}

void caption(Surface& s, double x, double y, const std::string& text, int32_t color = colour::Black,
             double size = 9) {
  if (text.empty()) return;
  // The captions' label font on the window is Times New Roman.
  s.FontName = kCardFont;
  s.FontSize = size;
  s.FontBold = false;
  s.FontUnderline = false;
  s.ForeColor = color;
  s.CurrentX = x;
  s.CurrentY = y;
  s.Print(text);
}

bool smallSymbols(const CardPage& page) { return page.settings.Check26 || page.type == CardType::Select; }

void paintPhoto(const CardPage& page, const CardPictures& pictures, int k) {
  if (pictures.Image[1].empty() && pictures.Image[16].empty()) return;
  Surface& s = page.s;
  const double right = page.geo.rightEnd(k);
  const double t = page.geo.Top;
  const bool small = page.settings.Check24;
  const PaintRect r{static_cast<int32_t>(right - (small ? 1650 : 2650)), static_cast<int32_t>(t + 200),
                    small ? 1000 : 2400, small ? 800 : 1800};
  pap(page, pictures, 1, r, k);
  if (pictures.Image[1].empty()) return;
  s.DrawWidth = page.pen(8, 4);
  s.Line(r.X, r.Y, r.X + r.Width, r.Y + r.Height, kFrameBrown, LineMode::Box);
  if (pictures.FilterStrength > 0) {
    // Horizontal lines across the photograph: the face is there for the
    // tray line to recognise, not for anyone to copy.
    s.DrawWidth = page.pen(pictures.FilterStrength, 1);
    for (double y = r.Y; y <= r.Y + r.Height; y += 30) s.Line(r.X, y, r.X + r.Width, y, colour::Black);
    caption(s, page.geo.C[k] + 3000, 2800, " Filtered View ", colour::Black, 10);
  }
  if (!pictures.ClipArtCaption.empty()) {
    s.FontName = kCardFont;
    s.FontSize = 10;
    s.FontBold = true;
    const double x = r.X + (2300 - s.TextWidth(pictures.ClipArtCaption)) / 2;
    s.ForeColor = colour::Black;
    s.CurrentX = x;
    s.CurrentY = t + (k == 3 ? 1850 : 2000);
    s.Print(pictures.ClipArtCaption);
  }
  s.DrawWidth = 2;
}

void paintSymbols(const CardPage& page, const CardPictures& pictures, int k) {
  Surface& s = page.s;
  const DietFlags& d = page.resident.diet;
  const double right = page.geo.rightEnd(k);
  const double t = page.geo.Top;
  const bool small = smallSymbols(page);
  const int32_t size = small ? 450 : 850;
  const int32_t x = static_cast<int32_t>(right - (small ? 500 : 900));
  const auto at = [&](double y) { return static_cast<int32_t>(t + y); };
  const bool symbols = page.settings.Check15;

  if (symbols && !pictures.Image[4].empty()) {
    const bool regular = !(d.MechSoft > 0 || d.Puree > 0 || d.Liquid > 0 || d.Dysphagia != 0);
    const int32_t height = regular ? (small ? 750 : 1070) : size;
    pap(page, pictures, 4, {x, at(2520), size, height});
    caption(s, x, at(2520) + height, TextureCaption(d, small));
  }
  if (!pictures.Image[5].empty()) {
    pap(page, pictures, 5, {x, at(3620), size, size});
    caption(s, x, at(3620) + size, small ? "NoSug" : "NO Sugar");
  }
  if (!pictures.Image[6].empty()) {
    pap(page, pictures, 6, {x, at(4690), size, size});
    caption(s, x, at(4690) + size, small ? "NoSalt" : "NO Salt");
  }
  if (!pictures.Image[7].empty()) {
    pap(page, pictures, 7, {x, at(5690), size, size});
    caption(s, x, at(5690) + size, small ? "FFds" : "Fortified", colour::Blue);
  }
  // Bland and no milk share their place; both side by side when both apply.
  const bool both = !pictures.Image[14].empty() && !pictures.Image[15].empty();
  pap(page, pictures, 14, {both ? x - size - 50 : x, at(size), size, size});
  pap(page, pictures, 15, {x, at(size), size, size});
  if (symbols && !pictures.Image[9].empty()) pap(page, pictures, 9, {x, at(6690), small ? 450 : 650, small ? 450 : 650});
  if (symbols && !pictures.Image[3].empty()) {
    const int32_t tx = static_cast<int32_t>(right - 1300);
    pap(page, pictures, 3, {tx, static_cast<int32_t>(kBottom - 2000), 1250, 1250});
    const char* text = d.Pudding > 0 ? "Pudding Thick" : d.Honey > 0 ? "Honey Thick" : "Nectar Thick";
    caption(s, tx, kBottom - (d.Pudding > 0 || d.Honey > 0 ? 780 : 1000), text);
  }
}

void paintEquipment(const CardPage& page, const CardPictures& pictures, int k) {
  // Up to four pictures in a row on the free band under the dots, where
  // the person setting up the tray looks for the resident's aids.
  const bool small = page.settings.Check24 || page.settings.Check26;
  const int32_t size = small ? 550 : 1000;
  int n = 0;
  for (int i = 1; i <= 4; ++i) {
    if (pictures.Equipment[i].empty()) continue;
    const PaintRect r{static_cast<int32_t>(page.geo.C[k] + 100 + n * (size + 80)), 3650, size, size};
    paintName(page.s, pictures.Equipment[i], r);
    ++n;
  }
}

}  // namespace

int32_t ReColor(int colorCode) {
  static constexpr int32_t kTints[] = {16777088, 8421631, 8438015, 8454143, 8454016};
  return colorCode <= -1 && colorCode >= -5 ? kTints[-colorCode - 1] : 0;
}

void pap(const CardPage& page, const CardPictures& pictures, int imageNo, PaintRect r, int k) {
  if (imageNo < 1 || imageNo > 18) return;
  Surface& s = page.s;
  if (imageNo == 1) {
    const std::string& indicator = pictures.Image[k == 1 ? 16 : 17];
    paintName(s, indicator, {r.X - 200, r.Y - 100, r.Width + 400, r.Height + 400});
  }
  if (imageNo == 13 && page.type == CardType::Alf) r.Y += 920;
  paintName(s, pictures.Image[imageNo], r);
}

void PaintWatermarks(const CardPage& page, const CardPictures& pictures) {
  if (pictures.Image[10].empty() || page.settings.Text33 == 0) return;
  const PageGeometry& g = page.geo;
  const bool alf = page.type == CardType::Alf;
  const bool lowerHalf = page.settings.Check36;
  const auto bottomHalf = [&](PaintRect r) {
    if (!lowerHalf) return r;
    r.Y += 2800;
    r.Height = std::max(4000, r.Height - 4000);
    return r;
  };
  if (page.settings.Check33) {
    const bool rotated = page.settings.Check34;
    for (int k = 1; k <= 3; ++k) {
      PaintRect r = bottomHalf({static_cast<int32_t>(g.C[k]), alf ? 1300 : 720,
                                static_cast<int32_t>(g.width(k)), alf ? 9440 : 9780});
      if (rotated) {
        // The same rectangle, the picture upside down: for cards that are
        // cut apart and read from the other side of the tray.
        r.Y += r.Height;
        r.Height = -r.Height;
      }
      pap(page, pictures, 10, r);
    }
    return;
  }
  PaintRect r{static_cast<int32_t>(g.C[1]), static_cast<int32_t>(g.Top), static_cast<int32_t>(g.Right - g.C[1]),
              static_cast<int32_t>(10570 - g.Top)};
  if (alf) r.Height += 700;
  if (g.Legal) r.Width = 19420;
  if (page.screen) r.Y = 750;
  pap(page, pictures, 10, bottomHalf(r));
}

void PaintColumnBackground(const CardPage& page, const CardPictures* pictures, int k) {
  const PageGeometry& g = page.geo;
  const int32_t tint = ReColor(page.resident.ColorCode);
  if (tint != 0 && page.type != CardType::Alf)
    page.s.Line(g.C[k] + 100, g.Top + 50, g.rightEnd(k) - 100, g.Top + 3600, tint, LineMode::Fill);
  // The select menu's label lies under the menu, between the diet lines
  // and the first heading, like a watermark.
  if (pictures && page.type == CardType::Select && !pictures->Image[18].empty())
    pap(page, *pictures, 18,
        {static_cast<int32_t>(g.C[k] + 300), static_cast<int32_t>(g.Top + 1500), static_cast<int32_t>(g.width(k) - 600), 900});
  if (pictures && page.settings.Check23 && !pictures->Image[8].empty() && page.type != CardType::Alf) {
    // The scanned card takes the place of the lists and instructions that
    // are left off when it is pasted.
    pap(page, *pictures, 8,
        {static_cast<int32_t>(g.C[k] + 60), 5000, static_cast<int32_t>(g.width(k) - 120),
         static_cast<int32_t>(kBottom - 60 - 5000)});
  }
}

void PaintColumnPictures(const CardPage& page, const CardPictures& pictures, int k) {
  if (page.type == CardType::Alf) return;
  paintPhoto(page, pictures, k);
  paintEquipment(page, pictures, k);
  paintSymbols(page, pictures, k);
}

void PaintAlfPictures(const CardPage& page, const CardPictures& pictures) {
  const PageGeometry& g = page.geo;
  const int32_t right = static_cast<int32_t>(g.Right);
  pap(page, pictures, 11, {static_cast<int32_t>(g.C[1]), 0, right, 600});
  const int32_t width = page.settings.Check19 ? right - 70 : right;
  pap(page, pictures, 12, {static_cast<int32_t>(g.C[1]), 600, width, 200});
  pap(page, pictures, 12, {static_cast<int32_t>(g.C[1]), 10570 + 750, width, 200});
}

}  // namespace mc
