// What pictures cost in a PDF: the tray cards of a generated facility (over
// 500 pages, a diet symbol and the watermark on every page, photographs on
// some) printed with the demo's pictures and again without them. Each
// picture must be stored once: the PDF with pictures may be at most 1.2
// times the PDF without them plus one copy of each picture file used.
//
//   bench_picture_pdf [UNITS RESIDENTS]    default: 5 units of 115 residents
//
// Exits 1 when the limit is passed.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string quote(const std::string& s) { return "'" + s + "'"; }

bool run(const std::string& command) {
  if (std::system(command.c_str()) == 0) return true;
  std::fprintf(stderr, "bench_picture_pdf: failed: %s\n", command.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string units = argc > 2 ? argv[1] : "5", residents = argc > 2 ? argv[2] : "115";
  const fs::path dir = fs::temp_directory_path() / ("mealcards-bench-pictures-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string drives = (dir / "drives").string();
  const std::string mealcards = quote(MEALCARDS_BINARY) + " --drives " + quote(drives) + " --date 12-05-26 ";
  const fs::path with = dir / "with.pdf", without = dir / "without.pdf", trace = dir / "trace.jsonl";
  bool ok = run(quote(MEALCARDS_DEMO_GENERATOR) + " " + quote(drives) + " --units " + units + " --residents " +
                residents + " >/dev/null") &&
            run(mealcards + "--trace " + quote(trace.string()) + " --pdf " + quote(with.string()) + " print 2>/dev/null");
  // One copy of each picture file the cards painted.
  std::set<std::string> used;
  std::ifstream in(trace);
  const std::regex picture("\"op\":\"picture\".*\"src\":\"([^\"]*)\"");
  long pages = 0;
  for (std::string line; ok && std::getline(in, line);) {
    std::smatch m;
    if (std::regex_search(line, m, picture)) used.insert(m[1].str());
    if (line.find("\"op\":\"newpage\"") != std::string::npos) ++pages;
  }
  std::uintmax_t pictureBytes = 0;
  for (const std::string& p : used) pictureBytes += fs::file_size(p);
  // The same pages without pictures: the pictures folder taken away.
  for (const auto& entry : fs::recursive_directory_iterator(drives))
    if (entry.is_directory() && entry.path().filename() == "Pics") {
      fs::remove_all(entry.path());
      break;
    }
  ok = ok && run(mealcards + "--pdf " + quote(without.string()) + " print 2>/dev/null");
  if (!ok) return 1;
  const double withSize = static_cast<double>(fs::file_size(with));
  const double withoutSize = static_cast<double>(fs::file_size(without));
  const double limit = 1.2 * (withoutSize + static_cast<double>(pictureBytes));
  std::printf("%ld pages, %zu distinct pictures (%.0f KB of files)\n", pages, used.size(), pictureBytes / 1024.0);
  std::printf("PDF with pictures %.0f KB, without %.0f KB; limit 1.2 x (without + pictures) = %.0f KB; ratio %.2f\n",
              withSize / 1024, withoutSize / 1024, limit / 1024,
              withSize / (withoutSize + static_cast<double>(pictureBytes)));
  fs::remove_all(dir);
  return withSize <= limit ? 0 : 1;
}
