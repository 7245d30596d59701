#include "render/trace_surface.h"

#include <cmath>
#include <cstdio>

#include "data/json_writer.h"
#include "data/text.h"

namespace mc {

namespace {

const char* modeName(LineMode mode) {
  switch (mode) {
    case LineMode::Box: return "box";
    case LineMode::Fill: return "fill";
    default: return "line";
  }
}

const char* boolText(bool value) { return value ? "true" : "false"; }

bool validUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    const size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) return false;
    i += length;
  }
  return true;
}

// A picture's path is a host path: usually UTF-8 already, but a name taken
// from the facility's files may still carry Windows-1252 bytes.
std::string pathText(const std::string& path) {
  return validUtf8(path) ? path : cp1252ToUtf8(path);
}

}  // namespace

std::string traceNumber(double value) {
  if (!std::isfinite(value)) return "0";
  const double rounded = std::round(value * 100) / 100;
  char buffer[64];
  if (rounded == std::trunc(rounded) && std::fabs(rounded) < 1e15) {
    std::snprintf(buffer, sizeof buffer, "%.0f", rounded);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.2f", rounded);
    std::string text = buffer;
    while (text.back() == '0') text.pop_back();
    return text;
  }
  std::string text = buffer;
  return text == "-0" ? "0" : text;
}

TraceSurface::TraceSurface(Surface& inner, std::ostream& out) : ForwardingSurface(inner), out_(&out) {}

TraceSurface::TraceSurface(Surface& inner, const std::string& path)
    : ForwardingSurface(inner), file_(std::make_unique<AtomicFile>(path)), stream_(std::make_unique<std::ofstream>()),
      out_(stream_.get()) {
  if (file_->status()) stream_->open(file_->temporary(), std::ios::binary | std::ios::trunc);
  else stream_->setstate(std::ios::failbit);
}

// Whoever must name a failed trace calls finish() before; a trace left to
// the destructor is put in place when it can be, and nobody is left to tell.
TraceSurface::~TraceSurface() { static_cast<void>(finish()); }

Outcome TraceSurface::status() const {
  if (file_ && !file_->status()) return file_->status();
  return out_->good() ? Outcome() : Failure{};
}

Outcome TraceSurface::finish() {
  out_->flush();
  if (!file_ || finished_) return out_->good() ? Outcome() : Failure{"a write failed"};
  finished_ = true;
  // The stream writes through its own buffer: a full disk shows as a bad
  // stream, or at the latest when the data is flushed to the disk.
  const bool written = stream_->good();
  stream_->close();
  if (!written) return Failure{"a write failed"};
  return file_->commit();
}

void TraceSurface::write(const std::string& record) { *out_ << record << '\n'; }

void TraceSurface::onPrint(std::string_view text, bool) {
  write("{\"op\":\"text\",\"x\":" + traceNumber(CurrentX) + ",\"y\":" + traceNumber(CurrentY) +
        ",\"s\":" + jsonQuote(cp1252ToUtf8(text)) + ",\"font\":" + jsonQuote(cp1252ToUtf8(FontName)) +
        ",\"size\":" + traceNumber(FontSize) + ",\"bold\":" + boolText(FontBold) +
        ",\"italic\":" + boolText(FontItalic) + ",\"underline\":" + boolText(FontUnderline) +
        ",\"color\":" + std::to_string(ForeColor) + "}");
}

void TraceSurface::onLine(double x1, double y1, double x2, double y2, int32_t color, LineMode mode) {
  write("{\"op\":\"line\",\"x1\":" + traceNumber(x1) + ",\"y1\":" + traceNumber(y1) +
        ",\"x2\":" + traceNumber(x2) + ",\"y2\":" + traceNumber(y2) + ",\"color\":" +
        std::to_string(color) + ",\"width\":" + std::to_string(DrawWidth) + ",\"mode\":\"" +
        modeName(mode) + "\"}");
}

void TraceSurface::onCircle(double x, double y, double radius, int32_t color, bool) {
  write("{\"op\":\"circle\",\"x\":" + traceNumber(x) + ",\"y\":" + traceNumber(y) +
        ",\"r\":" + traceNumber(radius) + ",\"color\":" + std::to_string(color) +
        ",\"width\":" + std::to_string(DrawWidth) + "}");
}

void TraceSurface::onPicture(const std::string& source, double x, double y, double width, double height) {
  write("{\"op\":\"picture\",\"x\":" + traceNumber(x) + ",\"y\":" + traceNumber(y) +
        ",\"w\":" + traceNumber(width) + ",\"h\":" + traceNumber(height) +
        ",\"src\":" + jsonQuote(pathText(source)) + "}");
}

void TraceSurface::onNewPage() {
  write("{\"op\":\"newpage\"}");
  out_->flush();
}

void TraceSurface::onEndDoc() {
  write("{\"op\":\"enddoc\"}");
  out_->flush();
}

}  // namespace mc
