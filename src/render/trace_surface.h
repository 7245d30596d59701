// A surface that passes every call on to another surface and writes each
// drawing operation as one JSON Lines record, in twips as the layout
// addressed them (the --trace output). Text is written as printed, in UTF-8.
#pragma once

#include <fstream>
#include <memory>
#include <ostream>
#include <string>

#include "render/surface.h"

namespace mc {

class TraceSurface : public Surface {
 public:
  // Traces to `out`; the stream must outlive the surface.
  TraceSurface(Surface& inner, std::ostream& out);
  // Traces to a file, created (or emptied) now; ok() tells whether it opened.
  TraceSurface(Surface& inner, const std::string& path);
  ~TraceSurface() override;

  bool ok() const { return out_->good(); }

  void Print(std::string_view text, bool endLine = false) override;
  void Line(double x1, double y1, double x2, double y2, int32_t color,
            LineMode mode = LineMode::Line) override;
  void Circle(double x, double y, double radius, int32_t color, bool filled = true) override;
  double TextWidth(std::string_view text) override;
  double TextHeight() override;
  void PaintPicture(const std::string& source, double x, double y, double width,
                    double height) override;
  void NewPage() override;
  void EndDoc() override;
  void SetPaper(int paperSize, int orientation) override;
  void Cls() override;
  bool isPrinter() const override { return inner_.isPrinter(); }

 private:
  // The inner surface gets the state the layout set here before each call.
  void sync();
  void write(const std::string& record);

  Surface& inner_;
  std::unique_ptr<std::ofstream> file_;
  std::ostream* out_;
};

// JSON text of a number as the trace writes it: whole numbers without a
// fraction, others with up to two decimals.
std::string traceNumber(double value);

}  // namespace mc
