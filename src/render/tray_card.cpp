#include "render/tray_card.h"

#include <algorithm>

#include "data/text.h"
#include "render/diet_markers.h"
#include "render/marked_line.h"

namespace mc {

namespace {

constexpr int kFitTries = 30;
constexpr double kSmallestSize = 6;
// The list holds a heading and up to 15 items; the card has room for 14 rows.
constexpr int kTrayListRows = 14;

void font(Surface& s, double size, bool bold, int32_t color = colour::Black) {
  s.FontName = kCardFont;
  s.FontSize = size;
  s.FontBold = bold;
  s.FontItalic = true;
  s.FontUnderline = false;
  s.ForeColor = color;
}

void printAt(Surface& s, double x, double y, std::string_view text, bool endLine = false) {
  s.CurrentX = x;
  s.CurrentY = y;
  s.Print(text, endLine);
}

bool pasting(const CardPage& page) { return page.settings.Check23; }
bool grey(const CardPage& page) { return page.settings.Check10; }

// Shrinks the current font from 14 point until the text is no wider than
// `room`: the size counter drops by one per try; bold goes off below
// `boldBelow`; sizes from `applyBelow` down to 6 are applied. Returns the
// number of tries taken.
int fitFrom14(Surface& s, std::string_view text, double room, double boldBelow, double applyBelow) {
  double counter = 14;
  int tries = 0;
  while (tries < kFitTries && s.TextWidth(text) > room) {
    --counter;
    ++tries;
    if (counter < boldBelow) s.FontBold = false;
    if (counter < applyBelow && counter >= kSmallestSize) s.FontSize = counter;
  }
  return tries;
}

// Cuts `line` at its last blank at or before position 18 when it has 21
// characters or more; returns the text after the blank (up to 60).
std::string cutDietLine(std::string& line) {
  if (line.size() < 21) return {};
  const size_t blank = line.rfind(' ', 17);
  if (blank == std::string::npos) return {};
  std::string rest = line.substr(blank + 1, 60);
  line.resize(blank);
  return rest;
}

}  // namespace

std::string TopName(std::string_view nameLine) {
  if (nameLine.size() < 21) return std::string(nameLine);
  std::string name(nameLine.substr(0, 20));
  // Room, surname, comma, blank and first initial are enough to tell the
  // residents apart at the top of a narrow column.
  const size_t comma = name.find(',');
  if (comma != std::string::npos && comma >= 1) name = name.substr(0, comma + 3) + ".";
  return name;
}

std::array<std::string, 3> DietLines(std::string_view diet) {
  std::array<std::string, 3> lines{rtrim(diet), "", ""};
  lines[1] = cutDietLine(lines[0]);
  lines[2] = cutDietLine(lines[1]);
  return lines;
}

void DrawPageNumbers(const CardPage& page) {
  if (!page.settings.Check17) return;
  Surface& s = page.s;
  font(s, 8, false, colour::Grey);
  for (int k = 1; k <= 3; ++k)
    printAt(s, page.geo.C[k] + 4350, page.geo.Bottom + 650, numberText(page.ctx.CardCount));
}

void DrawBottomNote(const CardPage& page) {
  const std::string note = rtrim(page.settings.Text36);
  if (trim(note).empty() || pasting(page) || page.type == CardType::Alf) return;
  Surface& s = page.s;
  font(s, 8, false);
  for (int k = 1; k <= 3; ++k) printAt(s, page.geo.C[k] + 100, page.geo.Bottom - 200, note);
}

void DrawDiningBoxes(const CardPage& page) {
  if (!(page.settings.Check2 || page.settings.Check3) || page.settings.Check20 || page.type == CardType::Alf) return;
  Surface& s = page.s;
  const double b = page.geo.Bottom;
  s.DrawWidth = page.pen(5, 2);
  for (int k = 1; k <= 3; ++k) {
    const double c = page.geo.C[k];
    if (!page.facility.NoYellowDL) s.Line(c + 200, b + 550, c + 4300, b + 820, colour::Yellow, LineMode::Fill);
    s.Line(c + 200, b + 550, c + 4300, b + 820, colour::Black, LineMode::Box);
  }
}

void DrawDiningLocation(const CardPage& page, int k) {
  if (!(page.settings.Check2 || page.settings.Check3)) return;
  const std::string& location = page.ctx.MealLocations[page.columnMeal(k)];
  if (trim(location).empty()) return;
  const double c = page.geo.C[k];
  if (page.type != CardType::Select) {
    MarkedLineStyle style;
    style.dining = true;
    style.fitWide = true;
    PrintMarkedLine(page, "(" + location + ")", c + 100, page.geo.DiningLine - 300, style);
  }
  if (!page.settings.Check20 && page.type != CardType::Alf) {
    // The box is a plain label: a hilite marker in the description is not text.
    font(page.s, 10, true);
    printAt(page.s, c + 300, page.geo.Bottom + 600, trim(unmarked(location)));
  }
}

void DrawFeedingSkill(const CardPage& page, int k) {
  const int level = page.resident.FeedingSkill;
  if (!page.settings.Check39 || level < 1) return;
  Surface& s = page.s;
  font(s, 24, true);
  printAt(s, page.geo.rightEnd(k) - 450, page.geo.Top + 7400, numberText(level));
  s.FontBold = false;
  s.FontSize = 10;
}

void DrawIsolationAndAllergies(const CardPage& page, int k) {
  const ResidentRecord& r = page.resident;
  if (!r.Isolation && !r.Allergies) return;
  Surface& s = page.s;
  const bool tray = page.type == CardType::Tray;
  const double c = page.geo.C[k];
  const int32_t color = grey(page) ? colour::Black : colour::Red;
  if (r.Isolation) {
    font(s, 14, true, color);
    s.FontUnderline = true;
    printAt(s, c + 200, tray ? 3100 : 2800, "ISOLATION");
  }
  if (r.Allergies) {
    font(s, 10, true, color);
    s.FontUnderline = true;
    printAt(s, k == 1 ? page.geo.C[1] + 2600 : c + 2300, tray ? 3350 : 3175, "** ALLERGIES **");
  }
  s.ForeColor = colour::Black;
  s.FontUnderline = false;
}

void DrawSpecialInstructions(const CardPage& page, int k) {
  if (page.type == CardType::Alf || pasting(page)) return;
  const bool select = page.type == CardType::Select;
  MarkedLineStyle style;
  style.fitWide = !select;
  if (select) style.listSize = 10;
  const double d = page.geo.DiningLine;
  for (int line = 1; line <= 7; ++line) {
    const double y = select ? d + 330 + (line - 1) * 160 : d - 20 + (line - 1) * 265;
    PrintMarkedLine(page, page.resident.SpecialInstructions[k][line], page.geo.C[k] + 100, y, style);
  }
}

void DrawTrayLists(const CardPage& page, int k) {
  if (page.type != CardType::Tray || pasting(page)) return;
  const double c = page.geo.C[k];
  double shift = page.settings.Check15 ? -400 : 0;
  if (k == 3 && page.settings.Check19) shift -= 400;
  const double dislikesX = k == 1 ? page.geo.C[1] + 3100 + shift : c + 2800 + shift;
  MarkedLineStyle likes;
  likes.listSize = 12;
  likes.color = grey(page) ? colour::Black : colour::DarkGreen;
  MarkedLineStyle dislikes = likes;
  dislikes.color = grey(page) ? colour::Black : colour::Red;
  const ResidentRecord& r = page.resident;
  for (int row = 1; row <= kTrayListRows; ++row) {
    const double y = 5100 + (row - 1) * 250;
    PrintMarkedLine(page, r.Likes[k][row], c + 100, y, likes);
    PrintMarkedLine(page, r.Dislikes[k][row], dislikesX, y, dislikes);
  }
  const int meal = page.columnMeal(k);
  page.cutOff(meal, "likes", textLinesAfter(r.Likes[k], kTrayListRows) + r.LikesLost[k]);
  page.cutOff(meal, "dislikes", textLinesAfter(r.Dislikes[k], kTrayListRows) + r.DislikesLost[k]);
}

void DrawNameAndDiet(const CardPage& page, int k) {
  if (page.type == CardType::Alf) return;
  Surface& s = page.s;
  const ResidentRecord& r = page.resident;
  const double c = page.geo.C[k];
  const double b = page.geo.Bottom;
  const double w1 = page.geo.W1();

  // The name line over the bottom rule; 13 point is skipped, as the cards
  // always have: 14, then 12, 11, 10 ...
  DrawNameHilite(page, k);
  font(s, 14, true);
  fitFrom14(s, r.NameLine, w1 - 900, 13, 13);
  printAt(s, c + 100, b, r.NameLine);

  // The diet under it, a little lower for every size it had to give up.
  static constexpr double kDietX[] = {0, 100, 70, 50};
  const std::string diet = rtrim(r.Diet);
  font(s, 14, true);
  const int steps = fitFrom14(s, diet, w1 - 900, 13, 14);
  printAt(s, page.geo.C[k] + kDietX[k], b + 210 + 20 * steps, diet, true);

  // The short name and the diet lines at the top of the column, beside the
  // picture.
  const double x = page.topTextX(k);
  const double t = page.geo.Top;
  const std::string top = TopName(r.NameLine);
  font(s, 14, true);
  fitFrom14(s, top, w1 - 3100, 0, 14);
  printAt(s, x, t + 450, top);
  static constexpr double kDietLineY[] = {680, 900, 1180};
  const auto lines = DietLines(r.Diet);
  for (int i = 0; i < 3; ++i) {
    if (lines[i].empty()) continue;
    font(s, 14, true);
    fitFrom14(s, lines[i], w1 - 3100, 13, 14);
    printAt(s, x, t + kDietLineY[i], lines[i]);
  }
}

void DrawRules(const CardPage& page) {
  if (page.type == CardType::Alf) return;
  Surface& s = page.s;
  const PageGeometry& g = page.geo;
  s.DrawWidth = 2;
  if (!pasting(page)) s.Line(g.C[1], g.DiningLine, g.Right, g.DiningLine, colour::Black);
  s.Line(g.C[1], g.Bottom, g.Right, g.Bottom, colour::Black);
}

}  // namespace mc
