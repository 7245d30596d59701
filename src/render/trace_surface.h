// A surface that passes every call on to another surface and writes each
// drawing operation as one JSON Lines record, in twips as the layout
// addressed them (the --trace output). Text is written as printed, in UTF-8.
#pragma once

#include <fstream>
#include <memory>
#include <ostream>
#include <string>

#include "data/atomic_file.h"
#include "render/forwarding_surface.h"

namespace mc {

class TraceSurface : public ForwardingSurface {
 public:
  // Traces to `out`; the stream must outlive the surface.
  TraceSurface(Surface& inner, std::ostream& out);
  // Traces to a file, written beside it under a temporary name and put in
  // its place by finish() (or the destructor); status() tells whether the
  // temporary file opened. An old file at the path stays until then.
  TraceSurface(Surface& inner, const std::string& path);
  ~TraceSurface() override;

  // Whether the trace can be written; a failure says why the file could
  // not be started (its reason "" when only the stream went bad).
  Outcome status() const;
  // Completes the trace file: a failure, with the old file left, when a
  // write failed (a full disk). Nothing to do when tracing to a stream.
  Outcome finish();


 private:
  void onPrint(std::string_view text, bool endLine) override;
  void onLine(double x1, double y1, double x2, double y2, int32_t color, LineMode mode) override;
  void onCircle(double x, double y, double radius, int32_t color, bool filled) override;
  void onPicture(const std::string& source, double x, double y, double width, double height) override;
  void onNewPage() override;
  void onEndDoc() override;
  void write(const std::string& record);

  std::unique_ptr<AtomicFile> file_;
  std::unique_ptr<std::ofstream> stream_;
  std::ostream* out_;
  bool finished_ = false;
};

// JSON text of a number as the trace writes it: whole numbers without a
// fraction, others with up to two decimals.
std::string traceNumber(double value);

}  // namespace mc
