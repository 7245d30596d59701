// The menu and item files of one print run. A meal card looks up dozens of
// records in a handful of files, and a run prints hundreds of cards from the
// same few files: each file is read from disk once per run and kept, missing
// or not. Files can also be given as bytes, so that the menu builder runs
// on a buffer without a drive folder (the fuzz targets and unit tests).
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/drive_map.h"
#include "data/record_file.h"

namespace mc {

class MenuFiles {
 public:
  static constexpr int kMenuRecordLength = 226;
  static constexpr int kItemRecordLength = 202;

  // Without a drive map only the files given by put() exist.
  explicit MenuFiles(const DriveMap* drives = nullptr) : drives_(drives) {}

  // The file at this Windows path, read on first use; a missing file is an
  // empty one whose exists() is false.
  const RecordFile& file(std::string_view windowsPath, int recordLength);

  // A file given as bytes (replaces what was read for the same path).
  void put(std::string_view windowsPath, std::string bytes, int recordLength);

  // The Windows paths of the files that were asked for and do not exist, in
  // the order they were first asked for.
  const std::vector<std::string>& missing() const { return missing_; }

 private:
  // Names a file that is missing, empty or damaged through the drive map.
  void nameProblem(std::string_view windowsPath, const RecordFile& f);

  const DriveMap* drives_;
  // By upper-cased path, as Windows names match in any case.
  std::map<std::string, std::unique_ptr<RecordFile>> files_;
  std::vector<std::string> missing_;
};

}  // namespace mc
