// The drawing surface on real devices, with QPainter in twips (origin at the
// top left of the paper): a named print queue, a PDF file (what a PDF
// printer driver makes), and the screen preview Picture1 as an image.
//
// Text: pixel-sized fonts in twip space without hinting, so that TextWidth
// gives the same twips on every device and resolution. The card's fonts
// become their metric twins: "Times New Roman" is Liberation Serif, "Arial"
// Liberation Sans, "Arial Narrow" Liberation Sans Narrow. "CB1" is the
// facility's own bold card face; where it is not installed it becomes
// Liberation Sans, a plain sans face that reads well from a distance on the
// tray line and is installed with the others.
//
// Pens: DrawWidth counts device pixels as the layout was made for them: on
// paper a 300-dpi printer pixel (4.8 twips), on the screen a 96-dpi screen
// pixel (15 twips) whatever the preview image's resolution, so lines have
// the weight on the preview that the screen's pen widths were chosen for.
//
// Needs a QGuiApplication.
#pragma once

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/atomic_file.h"
#include "render/page_recorder.h"
#include "render/surface.h"

namespace mc {

class QtSurface final : public Surface {
 public:
  enum class Device { Printer, Pdf, Screen };

  static constexpr double kPaperPixelTwips = 1440.0 / 300;
  static constexpr double kScreenPixelTwips = 15;
  // The preview image: 150 dpi makes a letter page 1650 by 1275 pixels,
  // sharp enough to read small print and to keep as a picture of the card.
  static constexpr double kScreenDpi = 150;

  // A print job as drawn: the PDF file the print service is handed (what
  // Qt's own print engine hands it), its pages and their paper.
  struct PrintJob {
    std::string pdfFile;
    int pages = 0;
    int paper = kPaperLetter;
    int orientation = kLandscape;
  };
  // Hands a drawn job to its queue; false when the queue did not take it.
  using JobSender = std::function<bool(const PrintJob&)>;
  // A printer: every EndDoc ends the print job and hands it to `send`; the
  // next drawing starts a new one.
  static std::unique_ptr<QtSurface> printer(JobSender send);
  // One PDF file for everything drawn, as a PDF printer driver makes it.
  // EndDoc ends the page but not the file: the program's output is one
  // document, completed by finish() (or the destructor). `dpi` is the
  // resolution of the drawing; the file is the same at any of them. The
  // document is written beside the path under a temporary name and takes
  // its place only once complete: a file already at the path stays until
  // then, and stays for good when nothing was drawn or the write failed.
  static std::unique_ptr<QtSurface> pdf(const std::string& path, int dpi = 1200, bool durable = true);
  // The screen preview: a white page image.
  static std::unique_ptr<QtSurface> screen(double dpi = kScreenDpi);

  ~QtSurface() override;
  QtSurface(const QtSurface&) = delete;
  QtSurface& operator=(const QtSurface&) = delete;

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
  bool isPrinter() const override { return device_ != Device::Screen; }

  Device device() const { return device_; }
  // Pens of the device the page was laid out for, whatever draws it now: a
  // printed page drawn again as a picture keeps its paper weights, a
  // screen page drawn into a PDF its screen weights.
  void usePaperPens(bool paper) { paperPens_ = paper; }
  // Ends what is open: the PDF file is written (and nothing more is drawn
  // into it), an open print job sent. False when the device could not be
  // opened, refused a job of the run, or the PDF file could not be written
  // completely.
  bool finish();
  // The PDF file was completed and put in place by finish().
  bool pdfWritten() const { return pdfWritten_; }
  // Whether the PDF file could be written so far, else why not.
  const Outcome& pdfStatus() const { return pdfStatus_; }
  // False once the device refused to start a page (no such queue, a PDF
  // file that cannot be written).
  bool ok() const { return !failed_; }
  // Print jobs sent to the queue so far.
  int jobs() const { return jobs_; }
  // Print jobs the queue refused; each EndDoc lets the next job try again,
  // so a refusal in the middle of a run is kept here.
  int refusedJobs() const { return refused_; }
  // The screen page as it stands. The screen paints what was drawn on it
  // only now, when it is looked at: a preview that nobody looks at (the
  // start-up preview of a run from the command line, the preview cleared
  // before every card of a run) costs its layout and nothing more.
  QImage image();
  // Saves the page as a PNG picture; why not, when it cannot.
  Outcome savePng(const std::string& path);

 private:
  QtSurface(Device device, double dpi);
  // Starts painting (a job, a page) when needed; false when the device fails.
  bool ready();
  // Puts the finished PDF file in place, or notes why it cannot be.
  void commitPdf();
  // Ends the printer's open job and hands it over.
  void sendJob();
  // Fills the screen page white when a Cls is still owed.
  void clearIfPending();
  // Screen drawing is kept until the page is looked at.
  bool deferred() const { return device_ == Device::Screen && !painting_; }
  void keep(RecordedPage::Op op, std::string text, double a = 0, double b = 0, double c = 0, double d = 0,
            int32_t color = 0, bool flag = false, LineMode mode = LineMode::Line);
  void paintKept();
  void applyPaper();
  const QFont& font();
  // Metrics of the current font.
  const QFontMetricsF& metrics();
  // A string as the current font has met it: converted once, and measured
  // once when its width is asked for (shaping is the dearest part of
  // laying out a card).
  struct Measured {
    QString text;
    double width = -1;  // not measured yet
    // The string shaped once for drawing, when it is drawn a second time
    // in this font (labels, diets and foods recur on every card).
    std::shared_ptr<QTextLayout> shaped;
    bool drawn = false;
    bool shapeable = true;  // no control characters
  };
  Measured& measured(std::string_view text);
  double width(Measured& m);
  void drawText(Measured& s, QPointF baseline);
  QPen pen(int32_t color) const;
  struct FontKey {
    std::string name;
    double size = 0;
    bool bold = false, italic = false, underline = false;
    bool operator==(const FontKey&) const = default;
  };

  Device device_;
  double dpi_;
  std::unique_ptr<QPrinter> printer_;
  JobSender send_;
  std::string spool_;  // the open print job's file, "" between jobs
  int jobPages_ = 0;
  std::unique_ptr<AtomicFile> pdfFile_;
  bool durable_ = true;  // the PDF flushed to the disk when put in place
  bool drewPdf_ = false;
  bool pdfWritten_ = false;
  Outcome pdfStatus_;
  QImage image_;
  QPainter painter_;
  bool paperPens_ = true;
  int paper_ = kPaperLetter;
  int orientation_ = kLandscape;
  bool paperChanged_ = true;
  bool pageHasInk_ = false;
  bool clearPending_ = false;
  bool pagePending_ = false;
  bool failed_ = false;
  bool finished_ = false;
  RecordedPage kept_;      // the screen's drawing not painted yet
  bool painting_ = false;  // painting it now
  int jobs_ = 0;
  int refused_ = 0;
  // Looks strings up by view, without a copy for every measurement.
  struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  struct FontEntry {
    FontKey key;
    QFont font;
    QFontMetricsF metrics;
    std::unordered_map<std::string, Measured, TextHash, std::equal_to<>> texts;
  };
  std::vector<FontEntry> fonts_;
  static constexpr size_t kShapedLimit = 1024;
  size_t shapedCount_ = 0;  // strings held shaped, over all fonts
  size_t current_ = 0;  // index of the font in force
  // The font the painter holds: setting it again resolves it anew.
  std::optional<size_t> painterFont_;
};

// The face that stands in for a font name on this machine.
QString fontFamily(const std::string& name);

}  // namespace mc
