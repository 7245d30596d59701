// The print run to a PDF over generated facilities of growing size:
// pages per second, peak memory, and the share of the run's time spent
// outside the PDF engine (reading the files, selecting residents, building
// the menus, laying out the cards).
//
//   bench_print_run [--set N] [UNITS] [RESIDENTS ...]
//       default: tray cards, 10 units of 25, 50 and 100 residents;
//       --set 2: the demo's meal cards (its menus built for every card)
//
// Each measurement runs in a process of its own (start-up, then the Easy
// overlay's "Print ALL Tray Cards", or settings button N and Print; only
// the print is measured), so that its peak memory is its own. The share outside the engine is measured two
// ways, each the median of three runs:
//   timed  - the same run, timing every call into the PDF surface;
//   alone  - the CPU time of the run on a surface that draws nothing,
//            against the CPU time of the run into the PDF.
#include <QGuiApplication>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/qt_surface.h"
#include "platform/system_clock.h"
#include "printrun/print_run.h"
#include "printrun/scripted_dialogs.h"
#include "render/counting_surface.h"
#include "settings/printer_list.h"
#include "timing_surface.h"
#include "ui/controller.h"
#include "ui/easy_overlay.h"
#include "ui/main_actions.h"
#include "ui/program_startup_steps.h"
#include "ui/startup.h"

namespace fs = std::filesystem;
using mc::bench::Clock;
using mc::bench::seconds;

namespace {

double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

long peakMemoryKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

struct Result {
  int pages = 0;
  double wall = 0;    // seconds of the print
  double cpu = 0;     // CPU seconds of the print
  double engine = 0;  // wall seconds inside the PDF surface and its writing
  long peakKb = 0;
};

// One print in this process, into the PDF or onto a surface that draws
// nothing; prints the result as one line.
int runOne(const fs::path& drives, const fs::path& pdfPath, bool drawNothing, int setNo) {
  mc::ScriptedDialogs dialogs;
  dialogs.answerInput(mc::kConfirmDateTitle, "12-07-26");
  const mc::FixedPrinterList printers({}, "");
  const mc::SystemClock clock;
  mc::Controller c(mc::DriveMap(drives), dialogs, printers, clock);
  auto pdf = mc::QtSurface::pdf(pdfPath.string());
  mc::bench::TimingSurface timed(*pdf);
  mc::CountingSurface nothing;
  auto screen = mc::QtSurface::screen();
  c.printer = drawNothing ? static_cast<mc::Surface*>(&nothing) : &timed;
  c.screen = screen.get();
  c.run.PdfDriverForced = true;

  mc::ProgramStartupSteps steps;
  if (mc::Form_Load(c, steps) != mc::StartupOutcome::Ready) {
    std::fprintf(stderr, "bench_print_run: start-up failed on %s\n", drives.c_str());
    return 1;
  }
  if (setNo > 0) mc::SettingsButton_Click(c, setNo);
  timed.inside = {};
  const double cpuStart = cpuSeconds();
  const auto start = Clock::now();
  if (setNo > 0) {
    mc::Command1_MouseDown(c);
    mc::Command1_Click(c);
  } else {
    mc::easy::Command1_Click(c);
  }
  const auto finishStart = Clock::now();
  pdf->finish();
  const auto end = Clock::now();
  Result r;
  r.wall = seconds(end - start);
  r.cpu = cpuSeconds() - cpuStart;
  r.engine = seconds(timed.inside) + seconds(end - finishStart);
  r.pages = drawNothing ? static_cast<int>(nothing.counts.docs + nothing.counts.pages) : 0;
  if (!drawNothing) {
    const std::string command = "qpdf --show-npages '" + pdfPath.string() + "'";
    if (FILE* pipe = popen(command.c_str(), "r")) {
      if (std::fscanf(pipe, "%d", &r.pages) != 1) r.pages = 0;
      pclose(pipe);
    }
  }
  r.peakKb = peakMemoryKb();
  std::printf("%d %.5f %.5f %.5f %ld\n", r.pages, r.wall, r.cpu, r.engine, r.peakKb);
  return 0;
}

Result measure(const char* self, const fs::path& drives, bool drawNothing, int setNo) {
  const std::string command = std::string("'") + self + "' " + (drawNothing ? "--alone" : "--pdf") + " '" +
                              drives.string() + "' '" + (drives / "cards.pdf").string() + "' " +
                              std::to_string(setNo);
  Result r;
  FILE* pipe = popen(command.c_str(), "r");
  const bool ok = pipe && std::fscanf(pipe, "%d %lf %lf %lf %ld", &r.pages, &r.wall, &r.cpu, &r.engine,
                                      &r.peakKb) == 5;
  if (pipe) pclose(pipe);
  if (!ok) r.wall = -1;
  return r;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && (std::string(argv[1]) == "--pdf" || std::string(argv[1]) == "--alone")) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return runOne(argv[2], argv[3], std::string(argv[1]) == "--alone", std::atoi(argv[4]));
  }
  int setNo = 0;
  int first = 1;
  if (argc > 2 && std::string(argv[1]) == "--set") {
    setNo = std::clamp(std::atoi(argv[2]), 1, 6);
    first = 3;
  }
  int units = 10;
  std::vector<int> sizes;
  if (argc > first) units = std::max(1, std::atoi(argv[first]));
  for (int i = first + 1; i < argc; ++i) sizes.push_back(std::max(1, std::atoi(argv[i])));
  if (sizes.empty()) sizes = {25, 50, 100};
  constexpr int kRepeats = 3;

  const fs::path work = fs::temp_directory_path() / ("bench_print_run-" + std::to_string(getpid()));
  std::printf("%-10s %6s %8s %8s %9s %15s %15s\n", "residents", "pages", "seconds", "pages/s", "peak MB",
              "outside: timed", "outside: alone");
  for (int perUnit : sizes) {
    const fs::path drives = work / std::to_string(perUnit);
    const std::string generate = std::string("'") + MEALCARDS_DEMO_GENERATOR + "' '" + drives.string() +
                                 "' --units " + std::to_string(units) + " --residents " +
                                 std::to_string(perUnit) + " >/dev/null";
    if (std::system(generate.c_str()) != 0) return 1;
    std::vector<double> wall, timedShare, cpu, aloneCpu;
    Result last;
    long peakKb = 0;
    for (int i = 0; i < kRepeats; ++i) {
      const Result pdf = measure(argv[0], drives, false, setNo);
      const Result alone = measure(argv[0], drives, true, setNo);
      if (pdf.wall <= 0 || alone.wall < 0) {
        std::fprintf(stderr, "bench_print_run: the run over %d residents failed\n", units * perUnit);
        return 1;
      }
      wall.push_back(pdf.wall);
      timedShare.push_back((pdf.wall - pdf.engine) / pdf.wall);
      cpu.push_back(pdf.cpu);
      aloneCpu.push_back(alone.cpu);
      peakKb = std::max(peakKb, pdf.peakKb);
      last = pdf;
    }
    const double seconds = median(wall);
    std::printf("%-10d %6d %8.2f %8.1f %9.1f %14.1f%% %14.1f%%\n", units * perUnit, last.pages, seconds,
                last.pages / seconds, peakKb / 1024.0, 100 * median(timedShare),
                100 * median(aloneCpu) / median(cpu));
    std::fflush(stdout);
  }
  fs::remove_all(work);
  return 0;
}
