// The drawing surface: the printer, a PDF file, the screen preview
// (Picture1) or a trace of any of them. One layout draws on all of them
// through these operations, in twips (1440 to the inch) with the origin at
// the top left of the page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mc {

enum class LineMode { Line, Box, Fill };

// The printer's paper sizes and orientations, by the numbers the printer
// object uses.
inline constexpr int kPaperLetter = 1;
inline constexpr int kPaperLegal = 5;
inline constexpr int kPortrait = 1;
inline constexpr int kLandscape = 2;

class Surface {
 public:
  virtual ~Surface() = default;

  // The surface's state, as callers set it before drawing: it stays in
  // force until changed. Colours are 0x00BBGGRR.
  double CurrentX = 0;
  double CurrentY = 0;
  std::string FontName = "Times New Roman";
  double FontSize = 12;  // points
  bool FontBold = false;
  bool FontItalic = false;
  bool FontUnderline = false;
  int32_t ForeColor = 0;
  // Pen width for Line and Circle in device pixels, as the layout gives it:
  // each implementation states the pixel it means (a printer pixel on paper,
  // a screen pixel on the preview).
  int DrawWidth = 1;

  // Prints Windows-1252 text at (CurrentX, CurrentY), the top of the text
  // line; the background stays visible around the letters. CurrentX moves
  // past the text, so prints in a row run on along one line; with endLine
  // the position moves to the start of the next line (CurrentX 0, CurrentY
  // one line height lower).
  virtual void Print(std::string_view text, bool endLine = false) = 0;
  // A line, an outlined box or a filled box in the given colour, pen DrawWidth.
  virtual void Line(double x1, double y1, double x2, double y2, int32_t color,
                    LineMode mode = LineMode::Line) = 0;
  // A circle in pen DrawWidth: filled, a disc in the colour; else a ring.
  virtual void Circle(double x, double y, double radius, int32_t color, bool filled = true) = 0;
  // Width in twips of the text in the current font; the same on every
  // device, because the layout centres and shrinks text by it.
  virtual double TextWidth(std::string_view text) = 0;
  // Height of a text line in the current font, in twips.
  virtual double TextHeight() = 0;
  // Paints the picture file (a host path) stretched into the rectangle from
  // (x, y) to (x + width, y + height); a negative width mirrors it, a
  // negative height turns it upside down.
  virtual void PaintPicture(const std::string& source, double x, double y, double width,
                            double height) = 0;
  // Ends the current page; the next drawing starts a new one.
  virtual void NewPage() = 0;
  // Ends the print job (the document).
  virtual void EndDoc() = 0;

  // Paper for the pages that follow: kPaperLetter or kPaperLegal,
  // kPortrait or kLandscape. The screen takes the page's size in twips.
  virtual void SetPaper(int paperSize, int orientation) = 0;
  // Clears the screen page to white; the printer ignores it.
  virtual void Cls() = 0;

  // True for the printer (and a PDF file), false for the screen preview.
  virtual bool isPrinter() const = 0;

  // Gives another surface this one's position, font, colour and pen, for
  // surfaces that pass their calls on to another.
  void copyStateTo(Surface& other) const {
    other.CurrentX = CurrentX;
    other.CurrentY = CurrentY;
    other.FontName = FontName;
    other.FontSize = FontSize;
    other.FontBold = FontBold;
    other.FontItalic = FontItalic;
    other.FontUnderline = FontUnderline;
    other.ForeColor = ForeColor;
    other.DrawWidth = DrawWidth;
  }
};

// Size of a page in twips for a paper size and orientation.
struct PageSize {
  double width = 0;
  double height = 0;
};
PageSize pageSize(int paperSize, int orientation);

}  // namespace mc
