// The Qt surface on its three devices: the same text widths everywhere, a
// PDF that real tools read, a preview image of the page, pictures stored
// once and flipped.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstdio>

#include "platform/qt_surface.h"
#include "render/card_renderer.h"
#include "support/commands.h"
#include "support/test_drives.h"

namespace mc::test {
namespace {

// A throw-away folder for the files a test makes.
struct TempFolder : TempDrives {
  std::string file(const std::string& name) const { return (root() / name).string(); }
};

// Output (with the errors) and exit status of a shell command.
std::pair<std::string, int> run(const std::string& command) {
  const CommandResult r = runShell(command + " 2>&1");
  return {r.out, r.exitCode};
}

// A resident who uses most of the card.
struct CardSetup {
  Facility facility;
  SettingsModel model;
  ResidentRecord resident;
  DrawContext ctx;
  CardSetup() {
    facility.setupFound = true;
    facility.FacilityName = "Maple Grove Care Center";
    model.CardKind = 3;
    model.Text[16] = "700";
    model.Text[17] = "10";
    model.Check[28] = 1;
    resident.ResidentPath = "c:\\dnv\\data\\dataMGC\\RS00203.~MGC";
    resident.Loaded = true;
    resident.NameLine = "202-A Mendoza, Elena";
    resident.Diet = "MECH SOFT PUREED MEAT DOUBLE P   ";
    resident.diet = {.Puree = 1, .MechSoft = 1, .MeatTexture = 2};
    resident.Isolation = true;
    resident.Likes[1][2] = "Oatmeal";
    resident.SpecialInstructions[2][1] = "^NO NUTS";
  }
};

void setFont(Surface& s, const char* name, double size, bool bold) {
  s.FontName = name;
  s.FontSize = size;
  s.FontBold = bold;
  s.FontItalic = false;
}

TEST(QtSurfaceTest, TextWidthIsTheSameOnEveryDevice) {
  TempFolder tmp;
  auto pdf = QtSurface::pdf(tmp.file("a.pdf"));
  auto printerResolution = QtSurface::pdf(tmp.file("b.pdf"), 600);
  auto screen = QtSurface::screen();
  auto coarseScreen = QtSurface::screen(96);
  Surface* devices[] = {pdf.get(), printerResolution.get(), screen.get(), coarseScreen.get()};
  const struct {
    const char* font;
    double size;
    bool bold;
    const char* text;
  } samples[] = {{"Times New Roman", 14, true, "ISOLATION"},
                 {"Arial Narrow", 12, false, "Offer water at 10am"},
                 {"CB1", 8, true, "PUR Meat"},
                 {"Times New Roman", 10, false, "S\xe1nchez, Jos\xe9"}};
  for (const auto& sample : samples) {
    for (Surface* s : devices) setFont(*s, sample.font, sample.size, sample.bold);
    const double width = devices[0]->TextWidth(sample.text);
    EXPECT_GT(width, 100) << sample.text;
    for (Surface* s : devices) EXPECT_DOUBLE_EQ(s->TextWidth(sample.text), width) << sample.text;
  }
  // Liberation Serif stands in with the metrics of the card's font.
  setFont(*pdf, "Times New Roman", 14, true);
  EXPECT_NEAR(pdf->TextWidth("ISOLATION"), 1566.3, 1.0);
}

TEST(QtSurfaceTest, TextLandsAsWideAsTextWidthSays) {
  TempFolder tmp;
  const std::string path = tmp.file("width.pdf");
  double width = 0;
  {
    auto pdf = QtSurface::pdf(path);
    setFont(*pdf, "Times New Roman", 14, true);
    width = pdf->TextWidth("ISOLATION");
    pdf->CurrentX = 1440;
    pdf->CurrentY = 1440;
    pdf->Print("ISOLATION");
    EXPECT_DOUBLE_EQ(pdf->CurrentX, 1440 + width);
    ASSERT_TRUE(pdf->finish());
  }
  const auto [bbox, status] = run("pdftotext -bbox '" + path + "' -");
  ASSERT_EQ(status, 0) << bbox;
  double xMin = 0, yMin = 0, xMax = 0;
  const auto at = bbox.find("<word xMin=\"");
  ASSERT_NE(at, std::string::npos) << bbox;
  ASSERT_EQ(std::sscanf(bbox.c_str() + at, "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\"", &xMin, &yMin, &xMax), 3);
  EXPECT_NEAR(xMin * 20, 1440, 5);
  EXPECT_NEAR((xMax - xMin) * 20, width, width * 0.01);

}

TEST(QtSurfaceTest, PdfOfTwoCardsIsOneDocumentThatToolsRead) {
  TempFolder tmp;
  const std::string path = tmp.file("cards.pdf");
  {
    CardSetup card;
    auto pdf = QtSurface::pdf(path);
    auto screen = QtSurface::screen();
    CardRenderer renderer(card.facility, card.model, card.resident, pdf.get(), *screen);
    card.ctx.PdfDriver = true;
    EXPECT_TRUE(renderer.DrawMenu(card.ctx));
    card.resident.NameLine = "101-A Anderson, Mary";
    EXPECT_TRUE(renderer.DrawMenu(card.ctx));
    pdf->NewPage();
    pdf->EndDoc();  // the end of the run: no blank page after the last card
    ASSERT_TRUE(pdf->finish());
  }
  const auto [check, checkStatus] = run("qpdf --check '" + path + "'");
  EXPECT_EQ(checkStatus, 0) << check;
  EXPECT_EQ(run("qpdf --show-npages '" + path + "'").first, "2\n");
  const auto [info, infoStatus] = run("pdfinfo '" + path + "'");
  EXPECT_NE(info.find("Page size:       792 x 612 pts (letter)"), std::string::npos) << info;
  const auto [text, textStatus] = run("pdftotext -layout '" + path + "' -");
  ASSERT_EQ(textStatus, 0);
  EXPECT_NE(text.find("202-A Mendoza, Elena"), std::string::npos) << text;
  EXPECT_NE(text.find("101-A Anderson, Mary"), std::string::npos);
  EXPECT_NE(text.find("MECH SOFT PUREED MEAT DOUBLE P"), std::string::npos);
  EXPECT_NE(text.find("Oatmeal"), std::string::npos);
  EXPECT_NE(text.find("PUR Meat"), std::string::npos);
  EXPECT_NE(text.find("ISOLATION"), std::string::npos);
}

TEST(QtSurfaceTest, PreviewImageShowsThePageAndItsFrame) {
  TempFolder tmp;
  CardSetup card;
  auto screen = QtSurface::screen();
  CardRenderer renderer(card.facility, card.model, card.resident, nullptr, *screen);
  card.ctx.PreviewFlag = true;
  ASSERT_TRUE(renderer.DrawMenu(card.ctx));
  const std::string png = tmp.file("preview.png");
  ASSERT_TRUE(screen->savePng(png));
  const QImage image(QString::fromStdString(png));
  ASSERT_EQ(image.size(), QSize(1650, 1275));  // 11 by 8.5 inches at 150 dpi
  const double pixel = 1440.0 / QtSurface::kScreenDpi;
  auto at = [&](double x, double y) { return image.pixel(int(x / pixel), int(y / pixel)); };
  EXPECT_LT(qGray(at(3000, 700)), 100);   // the frame's top line
  EXPECT_LT(qGray(at(10, 5000)), 100);    // its left line
  EXPECT_LT(qGray(at(5200, 5000)), 100);  // the first separator
  EXPECT_EQ(at(4000, 4300), qRgb(255, 255, 255));  // blank card between the items
  // The Mech dot in its label's colour (blue by default).
  const QColor dot(at(1530, 2870));
  EXPECT_GT(dot.blue(), 200);
  EXPECT_LT(dot.red(), 50);
  // Cleared for the next page.
  screen->Cls();
  EXPECT_EQ(screen->image().pixel(int(3000 / pixel), int(700 / pixel)), qRgb(255, 255, 255));
}

TEST(QtSurfaceTest, PicturesAreStoredOnceAndFlipped) {
  TempFolder tmp;
  const std::string source = tmp.file("halves.png");
  {
    QImage halves(40, 20, QImage::Format_RGB32);
    halves.fill(Qt::red);
    QPainter p(&halves);
    p.fillRect(20, 0, 20, 20, Qt::blue);
    p.end();
    ASSERT_TRUE(halves.save(QString::fromStdString(source)));
  }
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
  EXPECT_EQ(run("qpdf --show-npages '" + path + "'").first, "20\n");
  // 40 uses of the picture, all of one stored image object (column 11).
  const std::string images = "pdfimages -list '" + path + "' | awk 'NR > 2 {print $11}'";
  EXPECT_EQ(run(images + " | wc -l").first, "40\n");
  EXPECT_EQ(run(images + " | sort -u | wc -l").first, "1\n");

  // On the screen: a negative width mirrors, a negative height turns over.
  auto screen = QtSurface::screen();
  screen->PaintPicture(source, 2880, 1440, -1440, 720);  // spans 1440..2880
  screen->PaintPicture(source, 1440, 4320, 1440, -720);  // spans 3600..4320, upside down
  const QImage image = screen->image();
  const double pixel = 1440.0 / QtSurface::kScreenDpi;
  auto colourAt = [&](double x, double y) { return QColor(image.pixel(int(x / pixel), int(y / pixel))); };
  EXPECT_GT(colourAt(1600, 1800).blue(), 200);  // the right half now on the left
  EXPECT_GT(colourAt(2700, 1800).red(), 200);
  EXPECT_GT(colourAt(1600, 3900).red(), 200);   // turned over keeps left and right
  EXPECT_GT(colourAt(2700, 3900).blue(), 200);
  EXPECT_EQ(image.pixel(int(2000 / pixel), int(3000 / pixel)), qRgb(255, 255, 255));
}

TEST(QtSurfaceTest, UnknownPrintQueueDrawsNothingAndSaysSo) {
  auto printer = QtSurface::printer("no-such-queue-for-mealcards");
  printer->CurrentX = 100;
  printer->Print("lost");
  printer->Line(0, 0, 100, 100, 0);
  EXPECT_FALSE(printer->ok());
  printer->EndDoc();
  EXPECT_EQ(printer->jobs(), 0);
}

}  // namespace
}  // namespace mc::test
