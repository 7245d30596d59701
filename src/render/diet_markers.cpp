#include "render/diet_markers.h"

#include <string>
#include <vector>

#include "data/text.h"

namespace mc {

namespace {

constexpr double kDotRadius = 160;
constexpr double kRingRadius = 360;

// The dot captions are printed in the font of the Shapes check box, as the
// dot legend is; small enough to sit inside the dots.
constexpr const char* kDotFont = "CB1";
constexpr double kDotTextSize = 8;

enum class DotPen { Solid, Ring };

void dot(const CardPage& page, double x, double y, int32_t color, DotPen pen) {
  Surface& s = page.s;
  if (pen == DotPen::Solid) {
    s.DrawWidth = page.pen(100, 40);
    s.Circle(x, y, kDotRadius, color, true);
  } else {
    s.DrawWidth = page.pen(40, 6);
    s.Circle(x, y, kRingRadius, color, false);
  }
}

// A dot text centred in 1000 twips from `from`.
void dotText(const CardPage& page, const std::string& text, double from, double y) {
  Surface& s = page.s;
  s.FontName = kDotFont;
  s.FontSize = kDotTextSize;
  s.FontBold = true;
  s.FontItalic = false;
  s.FontUnderline = false;
  s.ForeColor = colour::Black;
  s.CurrentX = from + (1000 - s.TextWidth(text)) / 2;
  s.CurrentY = y;
  s.Print(text);
}

const char* meatTexture(int kind) {
  switch (kind) {
    case 1: return "GROUND";
    case 2: return "PUR Meat";
    default: return "CHOP";
  }
}

}  // namespace

bool thickLiquids(const DietFlags& diet) {
  return diet.Nectar > 0 || diet.Honey > 0 || diet.Pudding > 0;
}

void DrawStrips(const CardPage& page, int k) {
  if (!page.settings.Check13) return;
  const DietFlags& diet = page.resident.diet;
  // The renal strip comes first: it is the most restrictive diet group.
  const struct {
    bool present;
    int colourNo;
  } strips[] = {{diet.Renal > 0, 4}, {diet.CalorieControl > 0, 1}, {diet.LowSodium > 0, 2},
                {diet.LowFat > 0, 3}};
  const double c = page.geo.C[k];
  int i = 0;
  for (const auto& strip : strips) {
    if (!strip.present) continue;
    const double x = c + 40 + i * 180;
    page.s.Line(x, page.geo.Top + 35, x + 180, page.geo.Bottom - 50,
                page.settings.StripColor[strip.colourNo], LineMode::Fill);
    ++i;
  }
}

bool hydrationWanted(const CardPage& page, int k) {
  const ResidentRecord& r = page.resident;
  return (r.diet.FluidRestriction > 0 && page.settings.Check4) ||
         (thickLiquids(r.diet) && page.settings.Check38) || page.settings.Check14 ||
         page.ctx.HydrateMark[page.columnMeal(k)];
}

void DrawHydrationBox(const CardPage& page, int k) {
  if (!hydrationWanted(page, k)) return;
  Surface& s = page.s;
  const double c = page.geo.C[k];
  const double t = page.geo.Top;
  s.DrawWidth = page.pen(5, 2);
  s.Line(c + 100, t + 1750, c + 3260, t + 2620, colour::LightCyan, LineMode::Fill);
  s.Line(c + 100, t + 1750, c + 3260, t + 2620, colour::Black, LineMode::Box);
}

void DrawHydrationText(const CardPage& page, int k) {
  if (!hydrationWanted(page, k)) return;
  const ResidentRecord& r = page.resident;
  const int meal = page.columnMeal(k);
  Surface& s = page.s;
  const double c = page.geo.C[k];
  const double t = page.geo.Top;
  s.FontName = kCardFont;
  s.FontItalic = true;
  s.FontUnderline = false;
  s.FontBold = true;
  if (!page.settings.Check37) {
    static const char* const kTags[] = {"", "@Bk", "@Lh", "@Sp"};
    // With breakfast in every column the last one is tagged in lower case,
    // as the cards have always shown it.
    const bool lowerTag = k == 3 && upper(trim(page.ctx.MealOrder)) == "BBB";
    s.FontSize = 12;
    s.ForeColor = colour::Blue;
    s.CurrentX = c + 130;
    s.CurrentY = t + 1480;
    s.Print("Hydrate:" + r.Hydrate + "cc/dy" + " " + r.HydrateAt[meal] +
            (lowerTag ? "@bk" : kTags[meal]));
  }
  s.FontSize = 10;
  s.ForeColor = colour::Navy;
  for (int line = 1; line <= 4; ++line) {
    const std::string& text = r.HydrateLines[k][line];
    if (trim(text).empty()) continue;
    s.CurrentX = c + (k == 1 ? 120 : 100);
    s.CurrentY = t + 1710 + (line - 1) * 200;
    s.Print(text);
  }
}

void DrawDots(const CardPage& page, int k) {
  if (!page.settings.Check28) return;
  const DietFlags& diet = page.resident.diet;
  const auto& label = page.settings.Label;
  // Column 1 counts from the page's edge, the others from their left edge;
  // the liquid and renal dots of columns 2 and 3 sit 200 further left.
  const double base = k == 1 ? 0 : page.geo.C[k];
  const double lowBase = k == 1 ? 0 : page.geo.C[k] - 200;
  const bool mech = diet.MechSoft > 0;
  const bool puree = diet.Puree > 0;
  if (!mech && !puree) {
    dot(page, base + 600, 2950, label[2].BackColor, DotPen::Solid);
    dotText(page, label[2].Caption, base + 85, 2850);
  }
  if (mech) {
    dot(page, base + 1530, 2950, label[4].BackColor, DotPen::Solid);
    dotText(page, label[4].Caption, base + 1030, 2670);
    dotText(page, meatTexture(diet.MeatTexture), base + 1030, 3000);
  }
  if (puree) {
    dot(page, base + 2400, 2950, label[5].BackColor, DotPen::Ring);
    dotText(page, label[5].Caption, base + 1885, 2800);
  }
  if (diet.CalorieControl > 0) {
    dot(page, base + 3300, 2950, label[7].BackColor, DotPen::Solid);
    dotText(page, label[7].Caption, base + 2780, 2820);
  }
  if (diet.LowSodium > 0) {
    dot(page, base + 4250, 2950, label[9].BackColor, DotPen::Solid);
    dotText(page, label[9].Caption, base + 3750, 2820);
  }
  if (thickLiquids(diet)) {
    // The thickest consistency ordered wins.
    int no = 17;
    const char* text = "Nectar";
    if (diet.Honey > 0) no = 18, text = "Honey";
    if (diet.Pudding > 0) no = 19, text = "Pudding";
    dot(page, lowBase + 2550, 6650, label[no].BackColor, DotPen::Solid);
    dotText(page, text, lowBase + 2050, 6510);
  } else {
    dot(page, lowBase + 2550, 6650, colour::Black, DotPen::Ring);
    dotText(page, "THIN", lowBase + 2050, 6550);
  }
  if (diet.Renal > 0) {
    dot(page, lowBase + 2570, 5560, label[20].BackColor, DotPen::Ring);
    dotText(page, label[20].Caption, lowBase + 2050, 5450);
  }
}

void DrawNameHilite(const CardPage& page, int k) {
  if (!page.settings.Check41) return;
  const double c = page.geo.C[k];
  page.s.Line(c + 940, page.geo.Bottom, c + 2900, page.geo.Bottom + 300, colour::Orange,
              LineMode::Fill);
}

}  // namespace mc
