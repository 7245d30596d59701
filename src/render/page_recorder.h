// A surface that passes every call on to another surface and also keeps
// the drawing of the current page, so that a finished page can be drawn
// again on other devices (the picture store's JPG and one-page PDF) by the
// same calls the layout made: the copies are the page itself, in vectors,
// not a picture of a screen.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "render/forwarding_surface.h"

namespace mc {

// One page's drawing operations with the surface state each was made in.
struct RecordedPage {
  enum class Op : uint8_t { Text, Line, Circle, Picture };
  struct State {
    double x = 0, y = 0;
    std::string font;
    double size = 12;
    bool bold = false, italic = false, underline = false;
    int32_t color = 0;
    int width = 1;
  };
  struct Item {
    Op op = Op::Text;
    State state;
    std::string text;  // Text: the printed text; Picture: the source path
    bool flag = false;  // Text: endLine; Circle: filled
    double a = 0, b = 0, c = 0, d = 0;  // coordinates, as the call gave them
    int32_t color = 0;
    LineMode mode = LineMode::Line;
  };
  int paper = kPaperLetter;
  int orientation = kLandscape;
  // Laid out for paper (the printer, a PDF) rather than the screen: pen
  // widths count the device's pixels.
  bool printer = true;
  std::vector<Item> items;

  bool empty() const { return items.empty(); }
};

// Draws the page on `target`, which starts from a fresh page.
void replayPage(const RecordedPage& page, Surface& target);

class RecordingSurface : public ForwardingSurface {
 public:
  explicit RecordingSurface(Surface& inner) : ForwardingSurface(inner) {}

  // The drawing since the last take; the recording starts again empty.
  RecordedPage takePage();
  bool hasDrawing() const { return !page_.items.empty(); }


 private:
  void onPrint(std::string_view text, bool endLine) override;
  void onLine(double x1, double y1, double x2, double y2, int32_t color, LineMode mode) override;
  void onCircle(double x, double y, double radius, int32_t color, bool filled) override;
  void onPicture(const std::string& source, double x, double y, double width, double height) override;
  void onSetPaper(int paperSize, int orientation) override;
  void onCls() override;
  RecordedPage::Item item(RecordedPage::Op op) const;

  RecordedPage page_;
};

}  // namespace mc
