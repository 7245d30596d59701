#include "support/test_drives.h"

#include <fstream>
#include <random>
#include <stdexcept>

#include "data/text.h"
#include "support/commands.h"

namespace fs = std::filesystem;

namespace mc::test {

TempDrives::TempDrives() {
  std::random_device rd;
  root_ = fs::temp_directory_path() / ("mealcards-test-" + std::to_string(rd()) + std::to_string(rd()));
  fs::create_directories(root_ / "c");
  drives_ = DriveMap(root_);
}

TempDrives::~TempDrives() {
  std::error_code ec;
  fs::remove_all(root_, ec);
}

void TempDrives::put(std::string_view windowsPath, int length, long n, std::string_view record) const {
  const auto host = drives_.hostPath(windowsPath);
  if (!host) throw std::runtime_error("no drive for " + std::string(windowsPath));
  fs::create_directories(host->parent_path());
  if (!drives_.writeRecord(windowsPath, length, n, record))
    throw std::runtime_error("cannot write " + std::string(windowsPath));
}

void TempDrives::putFile(std::string_view windowsPath, std::string_view bytes) const {
  const auto host = drives_.hostPath(windowsPath);
  if (!host) throw std::runtime_error("no drive for " + std::string(windowsPath));
  fs::create_directories(host->parent_path());
  drives_.writeAll(windowsPath, bytes);
}

std::string TempDrives::read(std::string_view windowsPath) const { return drives_.readAll(windowsPath); }

std::string TempDrives::record(std::string_view windowsPath, int length, long n) const {
  return drives_.readRecords(windowsPath, length).record(n);
}

std::map<std::string, std::string> treeSnapshot(const fs::path& root) {
  std::map<std::string, std::string> out;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    std::string value = std::to_string(entry.last_write_time().time_since_epoch().count());
    if (entry.is_regular_file()) value += readFile(entry.path());
    out[fs::relative(entry.path(), root).string()] = value;
  }
  return out;
}

}  // namespace mc::test
