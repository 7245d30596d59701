// make_demo_facility DIR [--units N --residents M]
// Writes the demo facility into the drive folder DIR (DIR/c/dnv/...).
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

int main(int argc, char** argv) {
  using namespace mc::demo;
  if (argc < 2) {
    std::cerr << "usage: make_demo_facility DIR [--units N --residents M]\n";
    return 2;
  }
  const std::filesystem::path root = argv[1];
  DemoOptions options;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    if (flag == "--units") options.units = std::atoi(argv[i + 1]);
    else if (flag == "--residents") options.residentsPerUnit = std::atoi(argv[i + 1]);
    else {
      std::cerr << "make_demo_facility: unknown option " << flag << '\n';
      return 2;
    }
  }
  std::filesystem::create_directories(root / "c");
  const mc::DriveMap drives(root);
  for (const auto& [order, part] : parts()) part.writer(drives, options);
  std::cout << root.string() << '\n';
  return 0;
}
