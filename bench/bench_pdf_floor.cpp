// The yardstick of the print run: Print ALL, as the user runs it, against
// the floor that Qt's PDF engine sets for the very same drawing.
//
//   bench_pdf_floor [--repeats N] [--units N] [--mealcards PROGRAM] [--set N] [RESIDENTS ...]
//
// Default: 250, 1000 and 5000 residents, three repeats, the mealcards built
// beside this benchmark, Print ALL (tray cards); `--set N` prints settings
// button N instead (the demo's meal-card set, say). `--mealcards` measures
// another build of the program, to set figures before and after a change
// against the same floor.
//
// For each size a demo facility is generated (10 units). The run is the
// mealcards executable as a whole process: `--pdf FILE print` (start-up,
// the start-up preview, the Easy overlay's "Print ALL Tray Cards", Exit).
// Its drawing operations are recorded once with --trace; the floor replays
// them, parsed and turned into Qt's fonts, strings and pictures before the
// clock starts, straight into a QPainter on a PDF QPrinter set up as the
// run's, and times the drawing and the writing of the file. Reported: the
// best of the repeats (on a machine shared with other work the fastest run
// is the one least disturbed), in wall and in CPU seconds, and their ratio;
// pages per second, the peak memory of each process and the size of each PDF.
// The floor is measured twice: as Qt's engine comes, and (floor', x') in a
// process that keeps freed memory as the program's does, so that the
// allocator's share is not counted to the run's credit.
//
//   bench_pdf_floor --replay TRACE PDF   one replay in this process; prints "wall cpu"
#include <QGuiApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "data/text.h"
#include "platform/process_memory.h"
#include "platform/qt_surface.h"
#include "render/picture_files.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

// ---- the trace, read back ---------------------------------------------------

// One JSON Lines record of the trace: a flat object of numbers, booleans
// and strings.
using Record = std::map<std::string, std::string>;

std::string unescape(const std::string& s, size_t& i) {
  std::string out;
  for (++i; i < s.size() && s[i] != '"'; ++i) {
    if (s[i] != '\\' || i + 1 >= s.size()) {
      out += s[i];
      continue;
    }
    const char e = s[++i];
    if (e == 'n') out += '\n';
    else if (e == 't') out += '\t';
    else if (e == 'u' && i + 4 < s.size()) {
      const unsigned code = std::stoul(s.substr(i + 1, 4), nullptr, 16);
      i += 4;
      if (code < 0x80) {
        out += static_cast<char>(code);
      } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
      } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
      }
    } else {
      out += e;
    }
  }
  return out;
}

Record parseRecord(const std::string& line) {
  Record r;
  size_t i = 0;
  while ((i = line.find('"', i)) != std::string::npos) {
    const std::string key = unescape(line, i);
    i = line.find(':', i) + 1;
    if (line[i] == '"') {
      r[key] = unescape(line, i);
      ++i;
    } else {
      const size_t end = line.find_first_of(",}", i);
      r[key] = line.substr(i, end - i);
      i = end;
    }
  }
  return r;
}

double num(const Record& r, const char* key) {
  const auto it = r.find(key);
  return it == r.end() ? 0 : std::atof(it->second.c_str());
}

// ---- the replay -------------------------------------------------------------

// An operation with everything Qt needs made beforehand.
struct Op {
  enum Kind { Text, Line, Box, Fill, Circle, Picture, PageEnd } kind;
  QPointF a, b;  // text origin (baseline), line ends, circle centre + (r, r), picture corner + size
  int font = 0;
  QString text;
  QColor color;
  double pen = 0;
  const QImage* image = nullptr;
};

QColor bgr(double value) {
  const auto v = static_cast<long>(value);
  if (v < 0) return Qt::black;
  return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

// A picture as the run paints it: a scrambled ".asz" is read as the
// run's working copy would be, unscrambled.
QImage picture(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (mc::upper(fs::path(path).extension().string()) == ".ASZ") mc::UnscrambleBytes(bytes);
  return QImage::fromData(QByteArray::fromStdString(bytes));
}

struct Replay {
  std::vector<QFont> fonts;
  std::map<std::string, QImage> images;
  std::vector<Op> ops;
};

Replay prepare(const std::string& tracePath) {
  Replay replay;
  std::map<std::string, int> fontIndex;
  std::vector<double> ascents;
  std::ifstream in(tracePath);
  for (std::string line; std::getline(in, line);) {
    const Record r = parseRecord(line);
    const std::string kind = r.count("op") ? r.at("op") : "";
    Op op{Op::PageEnd, {}, {}, 0, {}, {}, 0, nullptr};
    if (kind == "text") {
      const std::string key = r.at("font") + "|" + r.at("size") + r.at("bold") + r.at("italic") + r.at("underline");
      auto [it, added] = fontIndex.emplace(key, static_cast<int>(replay.fonts.size()));
      if (added) {
        // The fonts as the run makes them: pixel-sized in twips, no hinting.
        QFont f(mc::fontFamily(r.at("font")));
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(num(r, "size") * 20))));
        f.setBold(r.at("bold") == "true");
        f.setItalic(r.at("italic") == "true");
        f.setUnderline(r.at("underline") == "true");
        f.setHintingPreference(QFont::PreferNoHinting);
        replay.fonts.push_back(f);
        ascents.push_back(QFontMetricsF(f).ascent());
      }
      op = {Op::Text, QPointF(num(r, "x"), num(r, "y") + ascents[it->second]), {}, it->second,
            QString::fromStdString(r.at("s")), bgr(num(r, "color")), 0, nullptr};
    } else if (kind == "line") {
      const std::string mode = r.at("mode");
      op = {mode == "fill" ? Op::Fill : mode == "box" ? Op::Box : Op::Line, QPointF(num(r, "x1"), num(r, "y1")),
            QPointF(num(r, "x2"), num(r, "y2")), 0, {}, bgr(num(r, "color")),
            std::max(1.0, num(r, "width")) * mc::QtSurface::kPaperPixelTwips, nullptr};
    } else if (kind == "circle") {
      const double radius = num(r, "r");
      op = {Op::Circle, QPointF(num(r, "x"), num(r, "y")), QPointF(radius, radius), 0, {}, bgr(num(r, "color")),
            std::max(1.0, num(r, "width")) * mc::QtSurface::kPaperPixelTwips, nullptr};
    } else if (kind == "picture") {
      const std::string src = r.at("src");
      auto it = replay.images.find(src);
      if (it == replay.images.end()) it = replay.images.emplace(src, picture(src)).first;
      if (it->second.isNull()) continue;
      op = {Op::Picture, QPointF(num(r, "x"), num(r, "y")), QPointF(num(r, "w"), num(r, "h")), 0, {}, {}, 0,
            &it->second};
    } else if (kind != "newpage" && kind != "enddoc") {
      continue;
    }
    replay.ops.push_back(std::move(op));
  }
  return replay;
}

// Draws the operations as the run's PDF surface does: a page is started by
// the first drawing after a page end, so that no blank sheet comes out.
void draw(const Replay& replay, const std::string& pdfPath) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdfPath));
  printer.setResolution(1200);
  printer.setFullPage(true);
  printer.setDocName("Meal Cards");
  printer.setCreator("mealcards");
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
  QPainter painter;
  bool inked = false, pending = false;
  int painterFont = -1;  // a font set again is resolved again: the engine needs it once
  for (const Op& op : replay.ops) {
    if (op.kind == Op::PageEnd) {
      pending = pending || inked;
      continue;
    }
    if (!painter.isActive()) {
      painter.begin(&printer);
      painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
      painter.scale(1200.0 / 1440, 1200.0 / 1440);
      painter.setBackgroundMode(Qt::TransparentMode);
      painterFont = -1;
    } else if (pending) {
      printer.newPage();
    }
    pending = false;
    inked = true;
    switch (op.kind) {
      case Op::Text:
        if (painterFont != op.font) painter.setFont(replay.fonts[op.font]);
        painterFont = op.font;
        painter.setPen(op.color);
        painter.drawText(op.a, op.text);
        break;
      case Op::Fill:
        painter.fillRect(QRectF(op.a, op.b).normalized(), op.color);
        break;
      case Op::Box:
        painter.setPen(QPen(op.color, op.pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(op.a, op.b).normalized());
        break;
      case Op::Line:
        painter.setPen(QPen(op.color, op.pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(op.a, op.b);
        break;
      case Op::Circle:
        painter.setPen(QPen(op.color, op.pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(op.color);
        painter.drawEllipse(op.a, op.b.x(), op.b.y());
        break;
      case Op::Picture:
        painter.save();
        painter.translate(op.a);
        painter.scale(op.b.x() < 0 ? -1 : 1, op.b.y() < 0 ? -1 : 1);
        painter.drawImage(QRectF(0, 0, std::fabs(op.b.x()), std::fabs(op.b.y())), *op.image);
        painter.restore();
        break;
      case Op::PageEnd:
        break;
    }
  }
  if (painter.isActive()) painter.end();
}

int replayOnce(const std::string& tracePath, const std::string& pdfPath) {
  const Replay replay = prepare(tracePath);
  const double cpuStart = cpuSeconds();
  const auto start = Clock::now();
  draw(replay, pdfPath);
  const double wall = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("%.5f %.5f\n", wall, cpuSeconds() - cpuStart);
  return 0;
}

// ---- the driver -------------------------------------------------------------

struct Child {
  bool ok = false;
  double wall = 0, cpu = 0;  // of the whole process
  long peakKb = 0;
  std::string out;
};

// Runs a program to its end, its standard output into `outPath`.
Child runProcess(const std::vector<std::string>& args, const std::string& outPath) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  Child c;
  const auto start = Clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) return c;
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return c;
  c.wall = std::chrono::duration<double>(Clock::now() - start).count();
  c.cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
  c.peakKb = usage.ru_maxrss;
  c.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  std::ifstream in(outPath);
  std::getline(in, c.out);
  return c;
}

double best(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

int pageCount(const fs::path& pdf) {
  const std::string command = "qpdf --show-npages '" + pdf.string() + "'";
  int pages = 0;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    if (std::fscanf(pipe, "%d", &pages) != 1) pages = 0;
    pclose(pipe);
  }
  return pages;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "--replay" && std::string(argv[4]) == "--keep-freed-memory") {
    mc::keepFreedMemory();
    argc = 4;
  }
  if (argc == 4 && std::string(argv[1]) == "--replay") {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return replayOnce(argv[2], argv[3]);
  }
  int repeats = 3, units = 10;
  std::string program = MEALCARDS_BINARY, set;
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--repeats" && i + 1 < argc) repeats = std::max(1, std::atoi(argv[++i]));
    else if (arg == "--mealcards" && i + 1 < argc) program = argv[++i];
    else if (arg == "--set" && i + 1 < argc) set = argv[++i];
    else if (arg == "--units" && i + 1 < argc) units = std::max(1, std::atoi(argv[++i]));
    else sizes.push_back(std::max(1, std::atoi(arg.c_str())));
  }
  if (sizes.empty()) sizes = {250, 1000, 5000};
  const std::string self = fs::canonical("/proc/self/exe").string();

  const fs::path work = fs::temp_directory_path() / ("bench_pdf_floor-" + std::to_string(getpid()));
  fs::create_directories(work);
  std::printf("%-9s %6s | %7s %7s %5s | %7s %7s %5s | %7s %5s | %7s %7s | %7s %7s | %7s %7s\n", "residents", "pages",
              "run s", "floor s", "x", "run cpu", "floor", "x", "floor'", "x'", "run p/s", "floor", "peak MB", "floor",
              "PDF MB", "floor");
  for (int residents : sizes) {
    const fs::path drives = work / std::to_string(residents);
    const std::string generate = std::string("'") + MEALCARDS_DEMO_GENERATOR + "' '" + drives.string() +
                                 "' --units " + std::to_string(units) + " --residents " +
                                 std::to_string((residents + units - 1) / units) + " >/dev/null";
    if (std::system(generate.c_str()) != 0) return 1;
    const fs::path trace = work / "trace.jsonl", runPdf = work / "run.pdf", floorPdf = work / "floor.pdf";
    const fs::path out = work / "out.txt";
    const std::vector<std::string> print = {program, "--drives", drives.string(), "--date", "12-07-26",
                                            "--pdf", runPdf.string()};
    std::vector<std::string> record = print;
    record.insert(record.end(), {"--trace", trace.string(), "print"});
    if (!set.empty()) record.insert(record.end(), {"--set", set});
    if (!runProcess(record, out.string()).ok) {
      std::fprintf(stderr, "bench_pdf_floor: mealcards print failed on %s\n", drives.c_str());
      return 1;
    }
    std::vector<std::string> run = print;
    run.push_back("print");
    if (!set.empty()) run.insert(run.end(), {"--set", set});
    std::vector<double> runWall, runCpu, floorWall, floorCpu, keptCpu;
    long runPeak = 0, floorPeak = 0;
    for (int i = 0; i < repeats; ++i) {
      const Child r = runProcess(run, out.string());
      const Child f = runProcess({self, "--replay", trace.string(), floorPdf.string()}, out.string());
      double wall = 0, cpu = 0;
      if (!r.ok || !f.ok || std::sscanf(f.out.c_str(), "%lf %lf", &wall, &cpu) != 2) {
        std::fprintf(stderr, "bench_pdf_floor: a run or its replay failed on %s\n", drives.c_str());
        return 1;
      }
      // The floor again, its process keeping freed memory as the run's does.
      const Child k = runProcess({self, "--replay", trace.string(), floorPdf.string(), "--keep-freed-memory"},
                                 out.string());
      double keptWall = 0, kept = 0;
      if (!k.ok || std::sscanf(k.out.c_str(), "%lf %lf", &keptWall, &kept) != 2) {
        std::fprintf(stderr, "bench_pdf_floor: the replay keeping freed memory failed on %s\n", drives.c_str());
        return 1;
      }
      keptCpu.push_back(kept);
      runWall.push_back(r.wall);
      runCpu.push_back(r.cpu);
      floorWall.push_back(wall);
      floorCpu.push_back(cpu);
      runPeak = std::max(runPeak, r.peakKb);
      floorPeak = std::max(floorPeak, f.peakKb);
    }
    const int pages = pageCount(runPdf);
    const double rw = best(runWall), fw = best(floorWall), rc = best(runCpu), fc = best(floorCpu), kc = best(keptCpu);
    std::printf("%-9d %6d | %7.2f %7.2f %5.2f | %7.2f %7.2f %5.2f | %7.2f %5.2f | %7.0f %7.0f | %7.1f %7.1f | %7.1f %7.1f\n",
                residents, pages, rw, fw, rw / fw, rc, fc, rc / fc, kc, rc / kc, pages / rw, pages / fw, runPeak / 1024.0,
                floorPeak / 1024.0, fs::file_size(runPdf) / 1048576.0, fs::file_size(floorPdf) / 1048576.0);
    std::fflush(stdout);
    fs::remove_all(drives);
  }
  fs::remove_all(work);
  return 0;
}
