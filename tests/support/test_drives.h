// Throw-away drive folders and record builders for tests: build a facility
// file by file, run the real code on it, look at the bytes it leaves.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "data/drive_map.h"

namespace mc::test {

// A fresh drive folder with an empty drive c, removed again at the end of
// the test.
class TempDrives {
 public:
  TempDrives();
  ~TempDrives();
  TempDrives(const TempDrives&) = delete;
  TempDrives& operator=(const TempDrives&) = delete;

  const std::filesystem::path& root() const { return root_; }
  const DriveMap& drives() const { return drives_; }
  DriveMap& drives() { return drives_; }

  // Writes record n (padded or cut to length) of the file at a Windows path,
  // creating its folders.
  void put(std::string_view windowsPath, int length, long n, std::string_view record) const;
  // Writes a whole file.
  void putFile(std::string_view windowsPath, std::string_view bytes) const;
  // The whole file, "" when it does not exist.
  std::string read(std::string_view windowsPath) const;
  // Record n of a file (blanks beyond its end).
  std::string record(std::string_view windowsPath, int length, long n) const;
  bool exists(std::string_view windowsPath) const { return drives_.fileExists(windowsPath); }

 private:
  std::filesystem::path root_;
  DriveMap drives_;
};

// Every file and folder under `root` with its bytes and time: what a
// command that writes nothing must leave exactly as it was.
std::map<std::string, std::string> treeSnapshot(const std::filesystem::path& root);

using mc::Rec;

}  // namespace mc::test
