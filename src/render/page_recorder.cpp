#include "render/page_recorder.h"

namespace mc {

void replayPage(const RecordedPage& page, Surface& target) {
  target.SetPaper(page.paper, page.orientation);
  for (const RecordedPage::Item& it : page.items) {
    const RecordedPage::State& s = it.state;
    target.CurrentX = s.x;
    target.CurrentY = s.y;
    target.FontName = s.font;
    target.FontSize = s.size;
    target.FontBold = s.bold;
    target.FontItalic = s.italic;
    target.FontUnderline = s.underline;
    target.ForeColor = s.color;
    target.DrawWidth = s.width;
    switch (it.op) {
      case RecordedPage::Op::Text:
        target.Print(it.text, it.flag);
        break;
      case RecordedPage::Op::Line:
        target.Line(it.a, it.b, it.c, it.d, it.color, it.mode);
        break;
      case RecordedPage::Op::Circle:
        target.Circle(it.a, it.b, it.c, it.color, it.flag);
        break;
      case RecordedPage::Op::Picture:
        target.PaintPicture(it.text, it.a, it.b, it.c, it.d);
        break;
    }
  }
}

RecordedPage RecordingSurface::takePage() {
  RecordedPage page;
  page.paper = page_.paper;
  page.orientation = page_.orientation;
  std::swap(page, page_);
  page.printer = inner_.isPrinter();
  return page;
}

RecordedPage::Item RecordingSurface::item(RecordedPage::Op op) const {
  RecordedPage::Item it;
  it.op = op;
  it.state = {CurrentX, CurrentY, FontName, FontSize, FontBold, FontItalic, FontUnderline, ForeColor, DrawWidth};
  return it;
}

void RecordingSurface::Print(std::string_view text, bool endLine) {
  RecordedPage::Item it = item(RecordedPage::Op::Text);
  it.text = std::string(text);
  it.flag = endLine;
  page_.items.push_back(std::move(it));
  sync();
  inner_.Print(text, endLine);
  CurrentX = inner_.CurrentX;
  CurrentY = inner_.CurrentY;
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2, int32_t color, LineMode mode) {
  RecordedPage::Item it = item(RecordedPage::Op::Line);
  it.a = x1;
  it.b = y1;
  it.c = x2;
  it.d = y2;
  it.color = color;
  it.mode = mode;
  page_.items.push_back(std::move(it));
  sync();
  inner_.Line(x1, y1, x2, y2, color, mode);
}

void RecordingSurface::Circle(double x, double y, double radius, int32_t color, bool filled) {
  RecordedPage::Item it = item(RecordedPage::Op::Circle);
  it.a = x;
  it.b = y;
  it.c = radius;
  it.color = color;
  it.flag = filled;
  page_.items.push_back(std::move(it));
  sync();
  inner_.Circle(x, y, radius, color, filled);
}

double RecordingSurface::TextWidth(std::string_view text) {
  sync();
  return inner_.TextWidth(text);
}

double RecordingSurface::TextHeight() {
  sync();
  return inner_.TextHeight();
}

void RecordingSurface::PaintPicture(const std::string& source, double x, double y, double width,
                                    double height) {
  RecordedPage::Item it = item(RecordedPage::Op::Picture);
  it.text = source;
  it.a = x;
  it.b = y;
  it.c = width;
  it.d = height;
  page_.items.push_back(std::move(it));
  sync();
  inner_.PaintPicture(source, x, y, width, height);
}

void RecordingSurface::NewPage() {
  sync();
  inner_.NewPage();
}

void RecordingSurface::EndDoc() {
  sync();
  inner_.EndDoc();
}

void RecordingSurface::SetPaper(int paperSize, int orientation) {
  page_.paper = paperSize;
  page_.orientation = orientation;
  sync();
  inner_.SetPaper(paperSize, orientation);
}

void RecordingSurface::Cls() {
  // A cleared screen has lost what was drawn on it; a printer ignores it.
  if (!inner_.isPrinter()) page_.items.clear();
  sync();
  inner_.Cls();
}

}  // namespace mc
