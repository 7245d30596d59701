// Draws N tray card pages (default 500) of demo-like residents into a PDF
// and reports pages per second, and how the time splits between our layout
// and Qt (text measuring, drawing, writing the PDF).
//
//   bench_draw_pages [N] [--pdf FILE] [--png FILE]
//
// --pdf keeps the PDF (else a temporary file is used and removed); --png
// also saves the screen preview of the first resident.
#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/qt_surface.h"
#include "render/card_renderer.h"
#include "render/counting_surface.h"
#include "timing_surface.h"

namespace {

using mc::bench::Clock;
using mc::bench::seconds;
using mc::bench::TimingSurface;

struct Person {
  const char* name;
  const char* diet;
  int mech, meat, puree, nectar, honey, ncs, nas, renal, lowFat;
};

// Residents like those of the demo facility, each exercising other markers.
const Person kPeople[] = {
    {"101-A Anderson, Mary", "REGULAR   ", 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"101-B Baker, Thomas", "MECH SOFT CHOPPED MEAT NAS   ", 1, 0, 0, 0, 0, 0, 1, 0, 0},
    {"102-A Castillo, Rosa", "PUREED NECTAR THICK NCS   ", 0, 0, 1, 1, 0, 1, 0, 0, 0},
    {"103-A Eriksen, Ingrid", "RENAL LOW FAT 2GN NA   ", 0, 0, 0, 0, 0, 0, 1, 1, 1},
    {"106-B Fitzgerald, Patrick", "ADA 1800 CAL LARGE PORTION   ", 0, 0, 0, 0, 0, 1, 0, 0, 0},
    {"202-A Mendoza, Elena", "MECH SOFT PUREED MEAT DOUBLE P   ", 1, 2, 1, 0, 0, 0, 0, 0, 0},
    {"MC-3 Vasquez, Maria", "PUREED HONEY THICK RENAL   ", 0, 0, 1, 0, 1, 0, 0, 1, 0},
};

void fill(mc::ResidentRecord& r, const Person& p) {
  r = mc::ResidentRecord{};
  r.ResidentPath = "c:\\dnv\\data\\dataMGC\\RS00101.~MGC";
  r.Loaded = true;
  r.NameLine = p.name;
  r.Diet = p.diet;
  r.diet.MechSoft = p.mech;
  r.diet.MeatTexture = p.meat;
  r.diet.Puree = p.puree;
  r.diet.Nectar = p.nectar;
  r.diet.Honey = p.honey;
  r.diet.CalorieControl = p.ncs;
  r.diet.LowSodium = p.nas;
  r.diet.Renal = p.renal;
  r.diet.LowFat = p.lowFat;
  r.Isolation = p.renal;
  r.Allergies = p.nas || p.honey;
  r.Hydrate = "1500";
  r.HydrateAt = {"", "240", "360", "240"};
  r.FeedingSkill = p.puree ? 2 : 0;
  static const char* const likes[] = {"Oatmeal", "Coffee w/cream", "Orange juice", "_Ice cream",
                                      "Chicken soup", "Applesauce"};
  static const char* const dislikes[] = {"Liver", "Fish", "Spicy foods", "^Peanuts"};
  static const char* const notes[] = {"^NO NUTS - ALLERGY", "Cut meat in small pieces",
                                      "Assist with opening cartons", "=Double dessert",
                                      "Adaptive cup"};
  for (int k = 1; k <= 3; ++k) {
    r.Likes[k][1] = "----- LIKES -----";
    for (int i = 0; i < 6; ++i) r.Likes[k][i + 2] = likes[i];
    r.Dislikes[k][1] = "-- DISLIKES --";
    for (int i = 0; i < 4; ++i) r.Dislikes[k][i + 2] = dislikes[i];
    for (int i = 0; i < 5; ++i) r.SpecialInstructions[k][i + 1] = notes[i];
    r.SpecialInstructions[k][7] = k == 1 ? "Meal Patrn:1Jc 1Eg 2BMt 1Bd 1Cer 0Fat 1Mlk " : "";
    r.HydrateLines[k][1] = "Offer 120cc water";
    r.HydrateLines[k][2] = "Encourage fluids";
  }
}

struct Setup {
  mc::Facility facility;
  mc::SettingsModel model;
  mc::ResidentRecord resident;
  mc::DrawContext ctx;
  Setup() {
    facility.setupFound = true;
    facility.FacilityName = "Maple Grove Care Center";
    model.CardKind = 3;
    model.Option[1] = true;
    model.Text[16] = "700";
    model.Text[17] = "10";
    model.Text[32] = "150";
    model.Text[36] = "Questions? Call the kitchen at ext. 214";
    for (int check : {2, 3, 4, 12, 13, 17, 28, 39, 41}) model.Check[check] = 1;
    ctx.PdfDriver = true;
    ctx.CardDate = {2008, 3, 4};
    ctx.MealLocations = {"", "Main Dining Room", "_Main Dining Room", "Room Tray@ "};
    ctx.HydrateMark = {false, false, false, true};
  }
};

double drawAll(Setup& s, mc::Surface& printer, mc::Surface& screen, int pages) {
  const mc::CardSettings settings = mc::readCardSettings(s.model);
  mc::CardRenderer renderer(s.facility, settings, &printer, screen);
  const auto start = Clock::now();
  for (int page = 0; page < pages; ++page) {
    fill(s.resident, kPeople[page % (sizeof kPeople / sizeof kPeople[0])]);
    s.ctx.CardCount = static_cast<int16_t>(page + 1);
    renderer.DrawMenu(s.ctx, s.resident, {});
  }
  return seconds(Clock::now() - start);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  int pages = 500;
  std::string pdfPath, pngPath;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--pdf" && i + 1 < argc) pdfPath = argv[++i];
    else if (arg == "--png" && i + 1 < argc) pngPath = argv[++i];
    else pages = std::max(1, std::atoi(arg.c_str()));
  }
  const bool keep = !pdfPath.empty();
  if (!keep) pdfPath = (std::filesystem::temp_directory_path() / "bench_draw_pages.pdf").string();

  // Our layout alone, against a device that draws nothing.
  Setup layoutOnly;
  mc::CountingSurface counting, countingScreen(false);
  const double layoutSeconds = drawAll(layoutOnly, counting, countingScreen, pages);

  // The same pages into a PDF, timing the time spent inside Qt.
  Setup real;
  auto pdf = mc::QtSurface::pdf(pdfPath);
  auto screen = mc::QtSurface::screen();
  TimingSurface timed(*pdf);
  const double drawSeconds = drawAll(real, timed, *screen, pages);
  timed.EndDoc();
  const auto finishStart = Clock::now();
  pdf->finish();
  const double writeSeconds = seconds(Clock::now() - finishStart);
  const double total = drawSeconds + writeSeconds;
  const double inQt = seconds(timed.inside) + writeSeconds;
  const auto bytes = std::filesystem::file_size(pdfPath);

  std::printf("pages                     %d\n", pages);
  std::printf("operations per page       %.0f texts, %.0f lines, %.0f circles\n",
              double(counting.counts.texts) / pages, double(counting.counts.lines) / pages,
              double(counting.counts.circles) / pages);
  std::printf("PDF                       %.2f s, %.0f pages/s, %.1f MB\n", total, pages / total,
              bytes / 1e6);
  std::printf("  our layout              %.2f s (%.0f%%)\n", total - inQt, 100 * (total - inQt) / total);
  std::printf("  Qt: measure and draw    %.2f s (%.0f%%)\n", seconds(timed.inside),
              100 * seconds(timed.inside) / total);
  std::printf("  Qt: write the file      %.2f s (%.0f%%)\n", writeSeconds, 100 * writeSeconds / total);
  std::printf("layout on a null device   %.3f s, %.0f pages/s\n", layoutSeconds, pages / layoutSeconds);

  if (!pngPath.empty()) {
    Setup preview;
    preview.ctx.PreviewFlag = true;
    drawAll(preview, counting, *screen, 1);
    if (const mc::Outcome saved = screen->savePng(pngPath); !saved)
      std::fprintf(stderr, "cannot write %s: %s\n", pngPath.c_str(), saved.error().c_str());
  }
  if (!keep) std::filesystem::remove(pdfPath);
  return 0;
}
