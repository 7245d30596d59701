// The Qt surface on its three devices: the same text widths everywhere, a
// PDF that real tools read, a preview image of the page, pictures stored
// once and flipped.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <sstream>

#include "platform/qt_surface.h"
#include "render/card_renderer.h"

namespace fs = std::filesystem;

namespace mc::test {
namespace {

class TempFolder {
 public:
  TempFolder() {
    std::random_device rd;
    path_ = fs::temp_directory_path() / ("mealcards-qt-" + std::to_string(rd()));
    fs::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

// Output and exit status of a shell command.
std::pair<std::string, int> run(const std::string& command) {
  std::string out;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return {"", -1};
  char buffer[4096];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  const int status = pclose(pipe);
  return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// A resident who uses most of the card.
void fillResident(ResidentRecord& r) {
  r.ResidentPath = "c:\\dnv\\data\\dataMGC\\RS00203.~MGC";
  r.Loaded = true;
  r.NameLine = "202-A Mendoza, Elena";
  r.Diet = "MECH SOFT PUREED MEAT DOUBLE P   ";
  r.diet.MechSoft = 1;
  r.diet.MeatTexture = 2;
  r.diet.Puree = 1;
  r.Isolation = true;
  r.Allergies = true;
  for (int k = 1; k <= 3; ++k) {
    r.Likes[k][1] = "----- LIKES -----";
    r.Likes[k][2] = "Oatmeal";
    r.Dislikes[k][1] = "-- DISLIKES --";
    r.Dislikes[k][2] = "Liver";
    r.SpecialInstructions[k][1] = "^NO NUTS";
  }
}

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
    model.Text[32] = "150";
    model.Check[28] = 1;
    fillResident(resident);
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
  struct Sample {
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

  // On the preview the ink of the word spans the same twips, give or take a pixel.
  auto screen = QtSurface::screen();
  setFont(*screen, "Times New Roman", 14, true);
  screen->CurrentX = 1440;
  screen->CurrentY = 1440;
  screen->Print("ISOLATION");
  const QImage image = screen->image();
  int left = image.width(), right = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) left = std::min(left, x), right = std::max(right, x);
  const double pixel = 1440.0 / QtSurface::kScreenDpi;
  EXPECT_NEAR(left * pixel, 1440, 3 * pixel);
  EXPECT_NEAR((right + 1 - left) * pixel, width, 4 * pixel);
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
  const auto [list, status] = run("pdfimages -list '" + path + "'");
  ASSERT_EQ(status, 0) << list;
  std::istringstream rows(list);
  std::string row;
  std::set<std::string> objects;
  int uses = 0;
  while (std::getline(rows, row)) {
    std::istringstream fields(row);
    std::string page, num, type, width, height, color, comp, bpc, enc, interp, object;
    fields >> page >> num >> type >> width >> height >> color >> comp >> bpc >> enc >> interp >> object;
    if (type != "image") continue;
    ++uses;
    objects.insert(object);
  }
  EXPECT_EQ(uses, 40);
  EXPECT_EQ(objects.size(), 1u) << list;

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

TEST(QtSurfaceTest, EndingPagesNeverLeavesBlankSheetsAndLegalPaperFollows) {
  TempFolder tmp;
  const std::string path = tmp.file("pages.pdf");
  {
    auto pdf = QtSurface::pdf(path);
    pdf->CurrentX = 100;
    pdf->Print("one");
    pdf->NewPage();
    pdf->NewPage();
    pdf->SetPaper(kPaperLegal, kLandscape);
    pdf->Print("two");
    pdf->EndDoc();
    pdf->SetPaper(kPaperLetter, kPortrait);
    pdf->Print("three");
    pdf->NewPage();
    pdf->EndDoc();
    ASSERT_TRUE(pdf->finish());
  }
  EXPECT_EQ(run("qpdf --show-npages '" + path + "'").first, "3\n");
  const auto info = run("pdfinfo -f 1 -l 3 '" + path + "'").first;
  EXPECT_NE(info.find("Page    1 size:  792 x 612 pts"), std::string::npos) << info;
  EXPECT_NE(info.find("Page    2 size:  1008 x 612 pts"), std::string::npos) << info;
  EXPECT_NE(info.find("Page    3 size:  612 x 792 pts"), std::string::npos) << info;
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
