#include "ui/legends.h"

#include "data/text.h"

namespace mc {

namespace {

struct DotRow {
  double circleY, radius;
  int label;  // the dot label whose colour the dot takes; 0 black
  double textY;
  const char* text;
};

// The big dots are the ones a server must not miss: pureed food and thin
// liquids.
constexpr DotRow kDotRows[] = {
    {1800, 250, 2, 1550, "Regular Consistency"},
    {3000, 250, 4, 2750, "Mech Soft Consistency"},
    {5500, 500, 5, 5250, "Pureed Consistency"},
    {6700, 250, 7, 6450, "NCS-No Concentrated Sweets"},
    {7900, 250, 9, 7650, "NAS-No Added Salt"},
    {9100, 250, 20, 8850, "RENAL"},
    {10300, 500, 0, 10050, "Thin Liquids"},
    {11700, 250, 17, 11500, "Nectar Thick Liquids"},
    {13200, 250, 18, 13000, "Honey Thick Liquids"},
    {14400, 250, 19, 14150, "Pudding Thick Liquids"},
};
constexpr const char* kMeatLines[] = {"Chop=Chopped Meat", "GROUND=Ground Meat", "PUR Meat=Pureed Meat"};

constexpr double kDotX = 1700, kDotTextX = 2800, kMeatX = 3000, kTitleX = 3800;
constexpr int kWatermarks = 200, kPerPage = 100, kPerRow = 10;
constexpr double kCellWidth = 1100, kCellHeight = 1400, kGridLeft = 200, kGridTop = 400;
constexpr double kPictureSize = 1000, kLabelIndent = 200;

}  // namespace

void PrintDotLegend(Surface& p, const SettingsModel& m) {
  // The rows run down to 14400 twips: a portrait letter sheet, whatever
  // the cards printed before left the printer at (landscape is 12240 high).
  p.SetPaper(kPaperLetter, kPortrait);
  p.CurrentX = 0;
  p.CurrentY = 0;
  p.FontName = "CB1";  // the font of Check28
  p.FontBold = true;
  p.FontSize = 26;
  p.Print("", true);
  p.CurrentX = kTitleX;
  p.FontUnderline = true;
  p.Print("Dot Color Legend", true);
  p.FontUnderline = false;
  p.Print("", true);
  for (const DotRow& row : kDotRows) {
    // Filled discs: each dot shows its colour as it shows on the cards.
    p.DrawWidth = 2;
    p.Circle(kDotX, row.circleY, row.radius, row.label ? m.Label[row.label].BackColor : 0, true);
    p.CurrentX = kDotTextX;
    p.CurrentY = row.textY;
    p.Print(row.text, true);
    if (row.label != 4) continue;
    for (const char* line : kMeatLines) {
      p.CurrentX = kMeatX;
      p.Print(line, true);
    }
  }
  p.EndDoc();
}

void PrintWatermarkLegend(Surface& p, const Controller& c) {
  // Ten rows of 1400 twips from 400 down, labels below: portrait as well.
  p.SetPaper(kPaperLetter, kPortrait);
  p.CurrentX = 1000;
  p.CurrentY = 100;
  p.Print(" Watermarks as of " + c.facility.SetupValues[1], true);
  for (int n = 1; n <= kWatermarks; ++n) {
    const int k = (n - 1) % kPerPage;
    const double x = (k % kPerRow) * kCellWidth + kGridLeft;
    const double y = (k / kPerRow) * kCellHeight + kGridTop;
    if (n == kPerPage + 1) {
      // A PDF driver makes one document of both pages; a printer, two jobs.
      if (c.run.PdfDriver)
        p.NewPage();
      else
        p.EndDoc();
    }
    // Pictures in the system's own ".asz" form need the picture store's
    // conversion; a sheet printed without it shows the ".jpg" watermarks.
    const std::string picture = c.facility.folder(35) + "\\vod\\wm" + std::to_string(n) + ".jpg";
    if (!c.drives.fileExists(picture)) continue;
    const auto host = c.drives.hostPath(picture);
    if (!host) continue;
    p.PaintPicture(host->string(), x, y, kPictureSize, kPictureSize);
    p.CurrentX = x + kLabelIndent;
    p.CurrentY = y + kPictureSize;
    p.Print("Wm #" + numberText(n));
  }
  p.EndDoc();
}

void Command3_Click(Controller& c) {
  SettingsModel& m = c.model;
  const std::string caption = m.Caption;
  const auto answer = c.dialogs.input("Print Legend 1=Dots  2=WaterMarks", "Print Legends", "");
  const double choice = answer ? roundHalfEven(leadingNumber(*answer)) : 0;
  if ((choice != 1 && choice != 2) || !c.printer) return;
  if (choice == 1) {
    m.Caption = "Printing  Dot Legend .....................................";
    c.runHooks().progress({m.Caption});
    PrintDotLegend(*c.printer, m);
  } else {
    m.Caption = " Printing Watermark Legend ....................";
    c.runHooks().progress({m.Caption});
    PrintWatermarkLegend(*c.printer, c);
  }
  m.Caption = caption;
}

}  // namespace mc
