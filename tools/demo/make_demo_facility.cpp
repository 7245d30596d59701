// make_demo_facility DIR [--units N --residents M]
// Writes the demo facility into the drive folder DIR (DIR/c/dnv/...).
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "demo.h"

namespace mc::demo {

namespace {

struct Part {
  const char* name;
  DemoWriter writer;
};

std::multimap<int, Part>& parts() {
  static std::multimap<int, Part> all;
  return all;
}

}  // namespace

DemoPart::DemoPart(int order, const char* name, DemoWriter writer) {
  parts().emplace(order, Part{name, writer});
}

void putRecord(const DriveMap& drives, const std::string& windowsPath, int length, long n,
               const std::string& record) {
  const auto host = drives.hostPath(windowsPath);
  if (host) std::filesystem::create_directories(host->parent_path());
  if (!host || !drives.writeRecord(windowsPath, length, n, record)) {
    std::cerr << "make_demo_facility: cannot write " << windowsPath << '\n';
    std::exit(1);
  }
}

void putFile(const DriveMap& drives, const std::string& windowsPath, const std::string& bytes) {
  const auto host = drives.hostPath(windowsPath);
  if (host) std::filesystem::create_directories(host->parent_path());
  if (!host || !drives.writeAll(windowsPath, bytes)) {
    std::cerr << "make_demo_facility: cannot write " << windowsPath << '\n';
    std::exit(1);
  }
}

}  // namespace mc::demo

namespace {

constexpr const char* kUsage =
    "usage: make_demo_facility DIR [--units N --residents M]\n"
    "Writes the demo facility into the drive folder DIR (DIR/c/dnv/...) and prints DIR.\n"
    "  --units N        a generated facility of N nursing units (1 to 99) instead of the\n"
    "                   hand-made one; give --residents with it\n"
    "  --residents M    M residents in every generated unit (1 to 999, the beds a unit can hold)\n"
    "  --help           this text\n";

int usageError(const std::string& message) {
  std::cerr << "make_demo_facility: " << message << "\n" << kUsage;
  return 2;
}

// A whole number in [low, high], nothing after it.
bool wholeNumber(const std::string& text, int low, int high, int& out) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, out);
  return error == std::errc() && stop == end && out >= low && out <= high;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace mc::demo;
  DemoOptions options;
  std::string dir;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--units" || arg == "--residents") {
      if (i + 1 >= argc) return usageError(arg + " needs a number");
      const bool units = arg == "--units";
      int& value = units ? options.units : options.residentsPerUnit;
      if (!wholeNumber(argv[++i], 1, units ? 99 : 999, value))
        return usageError(arg + " takes a number from 1 to " + (units ? "99" : "999") + ", not \"" + argv[i] +
                          "\"");
    } else if (arg.size() > 1 && arg[0] == '-') {
      return usageError("unknown option " + arg);
    } else if (dir.empty()) {
      dir = arg;
    } else {
      return usageError("one folder only: " + dir + " and " + arg);
    }
  }
  if (dir.empty()) return usageError("the drive folder DIR is missing");
  if ((options.units > 0) != (options.residentsPerUnit > 0))
    return usageError("--units and --residents go together");
  const std::filesystem::path root = dir;
  std::error_code error;
  std::filesystem::create_directories(root / "c", error);
  if (error) {
    std::cerr << "make_demo_facility: cannot make " << (root / "c").string() << ": " << error.message() << '\n';
    return 1;
  }
  const mc::DriveMap drives(root);
  for (const auto& [order, part] : parts()) part.writer(drives, options);
  std::cout << root.string() << '\n';
  return 0;
}
