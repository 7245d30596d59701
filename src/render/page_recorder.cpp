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
  page.printer = isPrinter();
  return page;
}

RecordedPage::Item RecordingSurface::item(RecordedPage::Op op) const {
  RecordedPage::Item it;
  it.op = op;
  it.state = {CurrentX, CurrentY, FontName, FontSize, FontBold, FontItalic, FontUnderline, ForeColor, DrawWidth};
  return it;
}

void RecordingSurface::onPrint(std::string_view text, bool endLine) {
  RecordedPage::Item it = item(RecordedPage::Op::Text);
  it.text = std::string(text);
  it.flag = endLine;
  page_.items.push_back(std::move(it));
}

void RecordingSurface::onLine(double x1, double y1, double x2, double y2, int32_t color, LineMode mode) {
  RecordedPage::Item it = item(RecordedPage::Op::Line);
  it.a = x1;
  it.b = y1;
  it.c = x2;
  it.d = y2;
  it.color = color;
  it.mode = mode;
  page_.items.push_back(std::move(it));
}

void RecordingSurface::onCircle(double x, double y, double radius, int32_t color, bool filled) {
  RecordedPage::Item it = item(RecordedPage::Op::Circle);
  it.a = x;
  it.b = y;
  it.c = radius;
  it.color = color;
  it.flag = filled;
  page_.items.push_back(std::move(it));
}

void RecordingSurface::onPicture(const std::string& source, double x, double y, double width, double height) {
  RecordedPage::Item it = item(RecordedPage::Op::Picture);
  it.text = source;
  it.a = x;
  it.b = y;
  it.c = width;
  it.d = height;
  page_.items.push_back(std::move(it));
}

void RecordingSurface::onSetPaper(int paperSize, int orientation) {
  page_.paper = paperSize;
  page_.orientation = orientation;
}

void RecordingSurface::onCls() {
  // A cleared screen has lost what was drawn on it; a printer ignores it.
  if (!isPrinter()) page_.items.clear();
}

}  // namespace mc
