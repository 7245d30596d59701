// The Qt surface on its three devices: the same text widths everywhere, a
// PDF whose repeated strings read and look alike, a preview image of the
// page, pictures stored once and flipped. (The cards' PDF as a whole is the
// print command's test.)
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <vector>

#include "platform/qt_surface.h"
#include "support/commands.h"
#include "support/test_drives.h"

namespace mc::test {
namespace {

// A throw-away folder for the files a test makes.
struct TempFolder : TempDrives {
  std::string file(const std::string& name) const { return (root() / name).string(); }
};

// The colour of the screen image at a point in twips.
QColor colourAt(const QImage& image, double x, double y) {
  const double pixel = 1440.0 / QtSurface::kScreenDpi;
  return QColor(image.pixel(int(x / pixel), int(y / pixel)));
}

TEST(QtSurfaceTest, TextWidthIsTheSameOnEveryDevice) {
  TempFolder tmp;
  auto pdf = QtSurface::pdf(tmp.file("a.pdf"));
  auto printerResolution = QtSurface::pdf(tmp.file("b.pdf"), 600);
  auto screen = QtSurface::screen();
  auto coarseScreen = QtSurface::screen(96);
  const struct { const char* font; double size; bool bold; const char* text; } samples[] = {
      {"Arial Narrow", 12, false, "Offer water at 10am"},
      {"CB1", 8, true, "PUR Meat"},
      {"Times New Roman", 10, false, "S\xe1nchez, Jos\xe9"},
      {"Times New Roman", 14, true, "ISOLATION"}};
  for (const auto& sample : samples) {
    std::vector<double> widths;
    for (Surface* s : {pdf.get(), printerResolution.get(), screen.get(), coarseScreen.get()}) {
      s->FontName = sample.font;
      s->FontSize = sample.size;
      s->FontBold = sample.bold;
      widths.push_back(s->TextWidth(sample.text));
    }
    EXPECT_GT(widths[0], 100);
    EXPECT_EQ(widths, std::vector<double>(4, widths[0])) << sample.text;
  }
  // (The widths themselves: the demo runs' places of centred texts.)
}

// How many pixels of an image pass a test.
template <class Test>
int countPixels(const QImage& image, Test test) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += test(QColor(image.pixel(x, y)));
  return n;
}

// Strings the page has drawn before in the same font are drawn from their
// shaped glyphs: the second page, drawn from those (and from strings shaped
// again after being let go), must look the same as the first to the pixel
// and give the same text at the same places.
TEST(QtSurfaceTest, AStringDrawnAgainLooksAndReadsAsTheFirstTime) {
  TempFolder tmp;
  const std::string path = tmp.file("again.pdf");
  const struct { const char* font; double size; bool bold, italic, underline; int32_t colour; const char* text; } lines[] = {
      {"Times New Roman", 14, true, false, false, 0, "ISOLATION"},
      {"Times New Roman", 10, false, true, false, 0, "S\xe1nchez, Jos\xe9  "},
      {"Arial Narrow", 12, false, false, false, 0x0000FF, "NO Peanuts  (allergy)"},
      {"Arial Narrow", 12, false, false, true, 0, "Thickened liquids: HONEY"},
      {"CB1", 8, true, false, false, 0xFF0000, "PUR Meat"},
      {"Times New Roman", 10, false, false, false, 0, "Coffee\tdecaf"}};
  {
    auto pdf = QtSurface::pdf(path);
    for (int page = 0; page < 2; ++page) {
      double y = 1000;
      for (const auto& line : lines) {
        pdf->FontName = line.font;
        pdf->FontSize = line.size;
        pdf->FontBold = line.bold;
        pdf->FontItalic = line.italic;
        pdf->FontUnderline = line.underline;
        pdf->ForeColor = line.colour;
        pdf->CurrentX = 1000.5;
        pdf->CurrentY = y;
        pdf->Print(line.text);
        pdf->Print(line.text, true);  // and once more on the same line
        y += 700.25;
      }
      // More strings than are kept shaped: the first ones are let go and
      // shaped again when drawn again.
      pdf->FontName = "Arial Narrow";
      pdf->FontSize = 4;
      pdf->FontUnderline = false;
      pdf->ForeColor = 0;
      for (int n = 0; n < 1100; ++n) {
        pdf->CurrentX = 500 + (n % 25) * 560;
        pdf->CurrentY = 6000 + (n / 25) * 100;
        pdf->Print("n" + std::to_string(n));
      }
      pdf->NewPage();
    }
    pdf->EndDoc();
    ASSERT_TRUE(pdf->finish());
  }
  const std::string base = tmp.file("page");
  ASSERT_EQ(runShell("pdftoppm -r 100 -png " + shellQuote(path) + " " + shellQuote(base)).exitCode, 0);
  const QImage first(QString::fromStdString(base + "-1.png")), second(QString::fromStdString(base + "-2.png"));
  ASSERT_FALSE(first.isNull());
  EXPECT_GT(countPixels(first, [](const QColor& c) { return c.blue() > 200 && c.red() < 50; }), 0);
  EXPECT_TRUE(first == second) << "the second page looks different";
  const auto words = [&](int page) {
    std::string out = runShell("pdftotext -bbox -f " + std::to_string(page) + " -l " + std::to_string(page) + " " +
                               shellQuote(path) + " -").out;
    return out.substr(out.find("<page"));
  };
  EXPECT_EQ(words(1), words(2));
  EXPECT_NE(words(1).find("Jos\xc3\xa9"), std::string::npos) << words(1);
}

TEST(QtSurfaceTest, TheScreenShowsWhatWasDrawnSinceItWasLastClearedWheneverItIsLookedAt) {
  TempFolder tmp;
  auto screen = QtSurface::screen();
  const auto box = [&](double x, int32_t colour) { screen->Line(x, 1000, x + 600, 1600, colour, LineMode::Fill); };
  constexpr int32_t kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00;
  box(1000, kRed);
  screen->Cls();
  box(3000, kBlue);
  screen->FontName = "Arial";
  screen->FontSize = 20;
  screen->CurrentX = 6000;
  screen->CurrentY = 1000;
  screen->Print("WWWW");
  const double afterText = screen->CurrentX;
  EXPECT_NEAR(afterText, 6000 + screen->TextWidth("WWWW"), 0.01);
  screen->FontName = "Times New Roman";
  screen->ForeColor = kGreen;

  ASSERT_TRUE(screen->savePng(tmp.file("shown.png")).ok());
  QImage page(QString::fromStdString(tmp.file("shown.png")));
  ASSERT_EQ(page.size(), QSize(1650, 1275));  // 11 by 8.5 inches at 150 dpi
  EXPECT_EQ(colourAt(page, 1300, 1300), Qt::white) << "drawn before the screen was cleared";
  EXPECT_EQ(colourAt(page, 3300, 1300), Qt::blue);
  int inked = 0;
  for (double x = 6000; x < afterText; x += 20) inked += qGray(colourAt(page, x, 1200).rgb()) < 128;
  EXPECT_GT(inked, 5) << "the text is on the page";
  // Looking at the page leaves the caller's place, font and colour alone.
  EXPECT_EQ(screen->CurrentX, afterText);
  EXPECT_EQ(screen->FontName, "Times New Roman");
  EXPECT_EQ(screen->ForeColor, kGreen);

  // Drawing goes on over what was shown.
  box(4000, kGreen);
  page = screen->image();
  EXPECT_EQ(colourAt(page, 3300, 1300), Qt::blue);
  EXPECT_EQ(colourAt(page, 4300, 1300), Qt::green);
  screen->Cls();  // what was shown goes too
  EXPECT_EQ(colourAt(screen->image(), 4300, 1300), Qt::white);

  // Another paper size is a new, blank page.
  box(8000, kRed);
  screen->SetPaper(kPaperLegal, kLandscape);
  page = screen->image();
  EXPECT_EQ(page.size(), QSize(2100, 1275));
  EXPECT_EQ(colourAt(page, 8300, 1300), Qt::white);
  EXPECT_EQ(colourAt(page, 3300, 1300), Qt::white);
}

TEST(QtSurfaceTest, PicturesAreStoredOnceAndFlipped) {
  TempFolder tmp;
  const std::string source = tmp.file("halves.png");
  QImage halves(40, 20, QImage::Format_RGB32);
  halves.fill(Qt::red);
  QPainter(&halves).fillRect(20, 0, 20, 20, Qt::blue);
  ASSERT_TRUE(halves.save(QString::fromStdString(source)));
  const std::string path = tmp.file("pictures.pdf");
  {
    auto pdf = QtSurface::pdf(path);
    for (int page = 0; page < 20; ++page) {
      pdf->PaintPicture(source, 1000, 1000, 2880, 1440);
      pdf->PaintPicture(source, 1000, 4000, -2880, 1440);
      pdf->NewPage();
    }
    pdf->PaintPicture(tmp.file("missing.jpg"), 0, 0, 100, 100);
    ASSERT_TRUE(pdf->finish());
  }
  // 40 uses of the picture, all of one stored image object (column 11).
  const std::string images = "pdfimages -list " + shellQuote(path) + " | awk 'NR > 2 {print $11}'";
  EXPECT_EQ(runShell(images + " | wc -l").out, "40\n");
  EXPECT_EQ(runShell(images + " | sort -u | wc -l").out, "1\n");
  // On the screen a negative width mirrors: the right half comes first.
  auto screen = QtSurface::screen();
  screen->PaintPicture(source, 2880, 1440, -1440, 720);  // spans 1440..2880
  EXPECT_GT(colourAt(screen->image(), 1600, 1800).blue(), 200);
  EXPECT_GT(colourAt(screen->image(), 2700, 1800).red(), 200);
  // A negative height turns it upside down into the rectangle above Y: a
  // picture red on top and blue below shows blue on top.
  QImage topBottom(20, 40, QImage::Format_RGB32);
  topBottom.fill(Qt::red);
  QPainter(&topBottom).fillRect(0, 20, 20, 20, Qt::blue);
  const std::string upright = tmp.file("top-bottom.png");
  ASSERT_TRUE(topBottom.save(QString::fromStdString(upright)));
  screen->PaintPicture(upright, 5000, 4000 + 2880, 1440, -2880);  // spans 4000..6880
  EXPECT_GT(colourAt(screen->image(), 5700, 4300).blue(), 200);
  EXPECT_GT(colourAt(screen->image(), 5700, 6500).red(), 200);
  EXPECT_EQ(colourAt(screen->image(), 5700, 7200), Qt::white);
}

TEST(QtSurfaceTest, EachPrinterJobIsHandedOverAsAPdfAndAJobNotTakenIsCounted) {
  std::vector<QtSurface::PrintJob> sent;
  std::vector<std::string> documents;
  bool take = true;
  auto printer = QtSurface::printer([&](const QtSurface::PrintJob& job) {
    sent.push_back(job);
    documents.push_back(test::readFile(job.pdfFile));
    return take;
  });
  printer->Print("first page");
  printer->NewPage();
  printer->Print("second page");
  printer->EndDoc();
  take = false;
  printer->SetPaper(kPaperLegal, kPortrait);
  printer->Print("refused");
  EXPECT_FALSE(printer->finish());
  EXPECT_EQ(printer->jobs(), 1);
  EXPECT_EQ(printer->refusedJobs(), 1);
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].pages, 2);
  EXPECT_EQ(sent[0].orientation, kLandscape);
  EXPECT_EQ(sent[1].pages, 1);
  EXPECT_EQ(sent[1].paper, kPaperLegal);
  EXPECT_EQ(sent[1].orientation, kPortrait);
  EXPECT_EQ(documents[0].substr(0, 5), "%PDF-");
  EXPECT_NE(documents[0].find("%%EOF"), std::string::npos);
  // A job's file lives only until it is handed over.
  EXPECT_FALSE(std::filesystem::exists(sent[0].pdfFile));
  EXPECT_FALSE(std::filesystem::exists(sent[1].pdfFile));
}

}  // namespace
}  // namespace mc::test
