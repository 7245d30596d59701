#include "platform/qt_surface.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QTextLayout>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <system_error>
#include <utility>
#include <vector>

#include "data/text.h"
#include "platform/qt_pictures.h"

namespace mc {

namespace {

QColor qColor(int32_t bgr) {
  // Negative values are system colours of the old platform; print them black.
  if (bgr < 0) return Qt::black;
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QString qText(std::string_view cp1252) { return QString::fromStdString(cp1252ToUtf8(cp1252)); }

QPageLayout pageLayout(int paper, int orientation) {
  return QPageLayout(QPageSize(paper == kPaperLegal ? QPageSize::Legal : QPageSize::Letter),
                     orientation == kPortrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                     QMarginsF(0, 0, 0, 0));
}

QSize imageSize(int paper, int orientation, double dpi) {
  const PageSize page = pageSize(paper, orientation);
  return QSize(static_cast<int>(std::lround(page.width * dpi / 1440)),
               static_cast<int>(std::lround(page.height * dpi / 1440)));
}

}  // namespace

QString fontFamily(const std::string& name) {
  const std::string key = upper(trim(name));
  if (key == "TIMES NEW ROMAN") return "Liberation Serif";
  if (key == "ARIAL NARROW") return "Liberation Sans Narrow";
  if (key == "ARIAL") return "Liberation Sans";
  if (key == "CB1") {
    // Asking the font database is slow, and the answer does not change
    // while the program runs.
    static const bool installed = QFontDatabase::hasFamily("CB1");
    return installed ? "CB1" : "Liberation Sans";
  }
  return QString::fromStdString(cp1252ToUtf8(name));
}

namespace {

// The pictures scaled for pages by this thread, by picture, size and flip.
struct ScaledPicture {
  qint64 picture;
  QSize size;
  bool mirroredX, mirroredY;
  QImage image;
};

const QImage& scaledPicture(const QImage& picture, QSize size, bool mirroredX, bool mirroredY) {
  thread_local std::vector<ScaledPicture> scaled;  // the last used last
  for (auto it = scaled.begin(); it != scaled.end(); ++it) {
    if (it->picture != picture.cacheKey() || it->size != size || it->mirroredX != mirroredX ||
        it->mirroredY != mirroredY)
      continue;
    std::rotate(it, it + 1, scaled.end());
    return scaled.back().image;
  }
  // The pictures of every card stay; a resident's own picture, or one read
  // again since (its file changed), gives way to the next.
  if (scaled.size() >= 16) scaled.erase(scaled.begin());
  QImage image = picture.scaled(size.expandedTo(QSize(1, 1)), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (mirroredX || mirroredY) image = image.mirrored(mirroredX, mirroredY);
  scaled.push_back({picture.cacheKey(), size, mirroredX, mirroredY, std::move(image)});
  return scaled.back().image;
}

}  // namespace

QtSurface::QtSurface(Device device, double dpi) : device_(device), dpi_(dpi) {}

std::unique_ptr<QtSurface> QtSurface::printer(JobSender send) {
  std::unique_ptr<QtSurface> s(new QtSurface(Device::Printer, 0));
  // Each job is drawn into a PDF file, as Qt's print engine for the print
  // service draws it, and handed over by whoever sends it: the program
  // then knows what became of every job.
  s->send_ = std::move(send);
  s->printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  s->printer_->setOutputFormat(QPrinter::PdfFormat);
  s->printer_->setFullPage(true);
  s->printer_->setDocName("Meal Cards");
  s->printer_->setCreator("mealcards");
  s->dpi_ = s->printer_->resolution();
  return s;
}

std::unique_ptr<QtSurface> QtSurface::pdf(const std::string& path, int dpi, bool durable) {
  std::unique_ptr<QtSurface> s(new QtSurface(Device::Pdf, dpi));
  s->durable_ = durable;
  s->pdfFile_ = std::make_unique<AtomicFile>(path);
  if (const Outcome& reserved = s->pdfFile_->status(); !reserved) {
    s->failed_ = true;
    s->pdfStatus_ = reserved;
  }
  s->printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  s->printer_->setOutputFormat(QPrinter::PdfFormat);
  s->printer_->setOutputFileName(QFile::decodeName(QByteArray::fromStdString(s->pdfFile_->temporary().string())));
  s->printer_->setResolution(dpi);
  s->printer_->setFullPage(true);
  s->printer_->setDocName("Meal Cards");
  s->printer_->setCreator("mealcards");
  s->dpi_ = s->printer_->resolution();
  return s;
}

std::unique_ptr<QtSurface> QtSurface::screen(double dpi) {
  std::unique_ptr<QtSurface> s(new QtSurface(Device::Screen, dpi));
  s->paperPens_ = false;
  s->applyPaper();
  return s;
}

QtSurface::~QtSurface() {
  finish();
  if (!spool_.empty()) QFile::remove(QFile::decodeName(QByteArray::fromStdString(spool_)));
}

void QtSurface::applyPaper() {
  if (device_ == Device::Screen) {
    const QSize size = imageSize(paper_, orientation_, dpi_);
    if (image_.size() == size) return;
    if (painter_.isActive()) painter_.end();
    image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(Qt::white);
    clearPending_ = false;
    kept_.items.clear();  // a new page size starts a blank page
    const int dotsPerMeter = static_cast<int>(std::lround(dpi_ / 0.0254));
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    return;
  }
  printer_->setPageLayout(pageLayout(paper_, orientation_));
  paperChanged_ = false;
}

bool QtSurface::ready() {
  if (painter_.isActive()) {
    if (pagePending_) {
      if (paperChanged_) applyPaper();
      printer_->newPage();
      ++jobPages_;
      pagePending_ = false;
      pageHasInk_ = false;
    }
    return true;
  }
  if (failed_ || (device_ == Device::Pdf && finished_)) return false;
  if (device_ != Device::Screen && paperChanged_) applyPaper();
  if (device_ == Device::Printer) {
    // The job's file lives only until the job is handed over.
    QByteArray pattern = QFile::encodeName(QDir::tempPath()) + "/mealcards-job-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
      failed_ = true;
      ++refused_;
      return false;
    }
    ::close(fd);
    spool_ = pattern.toStdString();
    printer_->setOutputFileName(QFile::decodeName(pattern));
    jobPages_ = 1;
  }
  if (device_ == Device::Screen) clearIfPending();
  QPaintDevice* target = device_ == Device::Screen ? static_cast<QPaintDevice*>(&image_)
                                                   : static_cast<QPaintDevice*>(printer_.get());
  if (!painter_.begin(target)) {
    failed_ = true;
    ++refused_;
    if (device_ == Device::Pdf && pdfStatus_) pdfStatus_ = Failure{"the PDF engine could not open the file"};
    return false;
  }
  if (device_ == Device::Pdf) drewPdf_ = true;
  pagePending_ = false;
  pageHasInk_ = false;
  painterFont_.reset();
  painter_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                          QPainter::SmoothPixmapTransform);
  painter_.scale(dpi_ / 1440, dpi_ / 1440);
  painter_.setBackgroundMode(Qt::TransparentMode);
  return true;
}

const QFont& QtSurface::font() {
  const FontKey key{FontName, FontSize, FontBold, FontItalic, FontUnderline};
  if (current_ < fonts_.size() && fonts_[current_].key == key) return fonts_[current_].font;
  // A card switches between a handful of fonts many times a page; each is
  // made (and measured) once.
  for (current_ = 0; current_ < fonts_.size(); ++current_)
    if (fonts_[current_].key == key) return fonts_[current_].font;
  if (fonts_.size() >= 64) {
    fonts_.clear();
    painterFont_.reset();
  }
  QFont f(fontFamily(FontName));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(FontSize * 20))));
  f.setBold(FontBold);
  f.setItalic(FontItalic);
  f.setUnderline(FontUnderline);
  f.setHintingPreference(QFont::PreferNoHinting);
  fonts_.push_back(FontEntry{key, f, QFontMetricsF(f), {}});
  current_ = fonts_.size() - 1;
  return fonts_[current_].font;
}

QPen QtSurface::pen(int32_t color) const {
  const double pixel = paperPens_ ? kPaperPixelTwips : kScreenPixelTwips;
  return QPen(qColor(color), std::max(1, DrawWidth) * pixel, Qt::SolidLine, Qt::RoundCap,
              Qt::RoundJoin);
}

const QFontMetricsF& QtSurface::metrics() {
  font();
  return fonts_[current_].metrics;
}

QtSurface::Measured& QtSurface::measured(std::string_view text) {
  font();
  FontEntry& entry = fonts_[current_];
  // Labels, diets and dining locations recur on every card; names and lists
  // do not, so the table is emptied now and then to keep memory flat over a
  // long run.
  if (const auto it = entry.texts.find(text); it != entry.texts.end()) return it->second;
  if (entry.texts.size() >= 4096) entry.texts.clear();
  Measured m;
  m.text = qText(text);
  // Tabs and other control characters are laid out otherwise by a kept
  // layout than by a plain drawing: such strings are always drawn plainly.
  m.shapeable = std::all_of(m.text.begin(), m.text.end(), [](QChar c) { return c.unicode() >= 32; });
  return entry.texts.emplace(std::string(text), std::move(m)).first->second;
}

double QtSurface::width(Measured& m) {
  if (m.width < 0) m.width = fonts_[current_].metrics.horizontalAdvance(m.text);
  return m.width;
}

double QtSurface::TextWidth(std::string_view text) { return width(measured(text)); }

double QtSurface::TextHeight() { return metrics().height(); }

void QtSurface::Print(std::string_view text, bool endLine) {
  Measured& s = measured(text);
  const QFontMetricsF& m = fonts_[current_].metrics;
  if (deferred()) {
    if (!s.text.isEmpty()) keep(RecordedPage::Op::Text, std::string(text), 0, 0, 0, 0, 0, endLine);
  } else if (!s.text.isEmpty() && ready()) {
    if (painterFont_ != current_) {
      painter_.setFont(fonts_[current_].font);
      painterFont_ = current_;
    }
    painter_.setPen(qColor(ForeColor));
    drawText(s, QPointF(CurrentX, CurrentY + m.ascent()));
    pageHasInk_ = true;
  }
  if (endLine) {
    CurrentX = 0;
    CurrentY += m.height();
  } else {
    CurrentX += width(s);
  }
}

void QtSurface::drawText(Measured& s, QPointF baseline) {
  // Drawing a string shapes it anew each time; one the card has drawn
  // before in this font is drawn from its shaped glyphs, and the page gets
  // the same glyphs at the same places. Underlines keep the plain way, which
  // draws them otherwise.
  if (!s.drawn || FontUnderline || !s.shapeable) {
    s.drawn = true;
    painter_.drawText(baseline, s.text);
    return;
  }
  if (!s.shaped) {
    // Names and lists recur on a page and not after it: the shaped strings
    // are let go now and then, so that memory stays flat over a long run.
    if (++shapedCount_ > kShapedLimit) {
      for (FontEntry& f : fonts_)
        for (auto& [text, m] : f.texts) m.shaped.reset();
      shapedCount_ = 1;
    }
    auto layout = std::make_shared<QTextLayout>(s.text, fonts_[current_].font, painter_.device());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    if (line.isValid()) line.setPosition(QPointF(0, 0));
    layout->endLayout();
    s.shaped = std::move(layout);
  }
  const QTextLine line = s.shaped->lineAt(0);
  s.shaped->draw(&painter_, QPointF(baseline.x(), baseline.y() - line.ascent()));
}

void QtSurface::Line(double x1, double y1, double x2, double y2, int32_t color, LineMode mode) {
  if (deferred()) return keep(RecordedPage::Op::Line, {}, x1, y1, x2, y2, color, false, mode);
  if (!ready()) return;
  const QRectF box = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
  switch (mode) {
    case LineMode::Fill:
      painter_.fillRect(box, qColor(color));
      break;
    case LineMode::Box:
      painter_.setPen(pen(color));
      painter_.setBrush(Qt::NoBrush);
      painter_.drawRect(box);
      break;
    case LineMode::Line:
      painter_.setPen(pen(color));
      painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
      break;
  }
  pageHasInk_ = true;
}

void QtSurface::Circle(double x, double y, double radius, int32_t color, bool filled) {
  if (deferred()) return keep(RecordedPage::Op::Circle, {}, x, y, radius, 0, color, filled);
  if (!ready()) return;
  painter_.setPen(pen(color));
  painter_.setBrush(filled ? QBrush(qColor(color)) : QBrush(Qt::NoBrush));
  painter_.drawEllipse(QPointF(x, y), radius, radius);
  pageHasInk_ = true;
}

void QtSurface::PaintPicture(const std::string& source, double x, double y, double width,
                             double height) {
  if (deferred()) return keep(RecordedPage::Op::Picture, source, x, y, width, height);
  // Painted from the program's one store: every surface and every page
  // use the same QImage of a picture.
  const QImage image = QtPictures::shared().image(source);
  if (image.isNull() || width == 0 || height == 0 || !ready()) return;
  if (device_ == Device::Screen && painter_.transform().type() <= QTransform::TxScale) {
    // On a picture of the page the same few pictures come at the same few
    // sizes on every card (the symbols, the watermark): each is scaled once
    // per size and thread, and then only copied, which costs a fraction of
    // scaling it again for every card.
    const QRectF area = QRectF(painter_.transform().map(QPointF(x, y)),
                               painter_.transform().map(QPointF(x + width, y + height)))
                            .normalized();
    painter_.save();
    painter_.resetTransform();
    painter_.drawImage(area.topLeft().toPoint(), scaledPicture(image, area.size().toSize(), width < 0, height < 0));
    painter_.restore();
    pageHasInk_ = true;
    return;
  }
  // Flipped by the painter, not by a flipped copy, so the one image is reused.
  painter_.save();
  painter_.translate(x, y);
  painter_.scale(width < 0 ? -1 : 1, height < 0 ? -1 : 1);
  painter_.drawImage(QRectF(0, 0, std::fabs(width), std::fabs(height)), image);
  painter_.restore();
  pageHasInk_ = true;
}

void QtSurface::NewPage() {
  if (device_ == Device::Screen) return;
  // A page is only started by drawing on it: ending an empty page twice, or
  // ending the document right after a page, leaves no blank sheet.
  if (painter_.isActive() && pageHasInk_) pagePending_ = true;
}

void QtSurface::EndDoc() {
  switch (device_) {
    case Device::Screen:
      return;
    case Device::Pdf:
      if (painter_.isActive() && pageHasInk_) pagePending_ = true;
      return;
    case Device::Printer:
      sendJob();
      pagePending_ = false;
      pageHasInk_ = false;
      failed_ = false;  // the next job tries the queue again
      return;
  }
}

void QtSurface::SetPaper(int paperSize, int orientation) {
  const int paper = paperSize == kPaperLegal ? kPaperLegal : kPaperLetter;
  const int turn = orientation == kPortrait ? kPortrait : kLandscape;
  if (paper == paper_ && turn == orientation_) return;
  paper_ = paper;
  orientation_ = turn;
  if (device_ == Device::Screen)
    applyPaper();
  else
    paperChanged_ = true;
}

void QtSurface::Cls() {
  if (device_ != Device::Screen) return;
  if (painter_.isActive()) painter_.end();
  kept_.items.clear();
  // The run clears the preview before every card, also while the cards go
  // to the printer; the page is filled only once something is drawn on it
  // or it is looked at.
  clearPending_ = true;
}

void QtSurface::clearIfPending() {
  if (!clearPending_) return;
  clearPending_ = false;
  image_.fill(Qt::white);
}

bool QtSurface::finish() {
  // A second start would write the PDF file anew, without what it holds.
  const bool firstFinish = !finished_;
  if (device_ == Device::Pdf) finished_ = true;
  if (device_ == Device::Printer) sendJob();
  if (painter_.isActive()) painter_.end();
  pagePending_ = false;
  pageHasInk_ = false;
  if (device_ == Device::Pdf && firstFinish && drewPdf_ && !failed_) commitPdf();
  return !failed_ && refused_ == 0;
}

void QtSurface::sendJob() {
  if (!painter_.isActive()) return;
  const bool drawn = painter_.end();
  PrintJob job{spool_, jobPages_, paper_, orientation_};
  if (drawn && send_ && send_(job))
    ++jobs_;
  else
    ++refused_;
  QFile::remove(QFile::decodeName(QByteArray::fromStdString(spool_)));
  spool_.clear();
  jobPages_ = 0;
}

void QtSurface::commitPdf() {
  // The PDF engine does not say when the disk refused its bytes; a
  // document written whole ends with its end-of-file marker.
  QFile written(QFile::decodeName(QByteArray::fromStdString(pdfFile_->temporary().string())));
  bool complete = false;
  if (written.open(QIODevice::ReadOnly) && written.size() >= 6) {
    written.seek(written.size() - 7);
    complete = written.read(7).contains("%%EOF");
  }
  if (!complete) {
    failed_ = true;
    pdfStatus_ = Failure{"the document was cut short (is the disk full?)"};
    return;
  }
  if (const Outcome committed = pdfFile_->commit(durable_); !committed) {
    failed_ = true;
    pdfStatus_ = committed;
    return;
  }
  pdfWritten_ = true;
}

void QtSurface::keep(RecordedPage::Op op, std::string text, double a, double b, double c, double d,
                     int32_t color, bool flag, LineMode mode) {
  RecordedPage::Item it;
  it.op = op;
  it.state = {CurrentX, CurrentY, FontName, FontSize, FontBold, FontItalic, FontUnderline, ForeColor, DrawWidth};
  it.text = std::move(text);
  it.flag = flag;
  it.a = a, it.b = b, it.c = c, it.d = d;
  it.color = color;
  it.mode = mode;
  kept_.items.push_back(std::move(it));
}

void QtSurface::paintKept() {
  if (kept_.items.empty()) return;
  RecordedPage page = std::exchange(kept_, {});
  page.paper = paper_;
  page.orientation = orientation_;
  // The caller's position, font and pen stay as they were.
  const RecordedPage::State state{CurrentX, CurrentY, FontName, FontSize, FontBold, FontItalic, FontUnderline,
                                  ForeColor, DrawWidth};
  painting_ = true;
  replayPage(page, *this);
  painting_ = false;
  CurrentX = state.x;
  CurrentY = state.y;
  FontName = state.font;
  FontSize = state.size;
  FontBold = state.bold;
  FontItalic = state.italic;
  FontUnderline = state.underline;
  ForeColor = state.color;
  DrawWidth = state.width;
}

QImage QtSurface::image() {
  if (device_ == Device::Screen) paintKept();
  // The painter writes straight into the image; a copy taken while it is
  // active would share the pixels it is still writing.
  if (device_ == Device::Screen && painter_.isActive()) painter_.end();
  clearIfPending();
  return image_;
}

Outcome QtSurface::savePng(const std::string& path) {
  // Written as every file of ours: whole or not at all, and only as a file.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image().save(&buffer, "PNG")) return Failure{"the picture could not be encoded"};
  return writeFileAtomically(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace mc
