// The facility's diet file: records of 200 characters, record number =
// diet code. The loader reads each diet code's selectors and marker field;
// the print run reads the meal patterns (columns 47-71) of the same records
// afterwards, so the file stays available from one load to the next.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "data/drive_map.h"
#include "data/facility.h"
#include "data/resident_record.h"

namespace mc {

// The diet file of the current load. Its bytes are kept in memory and read
// again only when another file is chosen or the file changed on disk (size
// or modification time), so a run over hundreds of residents reads it once.
// File times are coarse: a file read within a moment of its last change is
// read again next time, since a second change in that moment could keep
// both its size and its time.
class DietFile {
 public:
  static constexpr int kRecordLength = 200;

  // Makes the file at this Windows path the current one. A missing file
  // reads as blanks. A damaged one is read all the same and named through
  // the drive map each time it is read.
  void open(const DriveMap& drives, const std::string& windowsPath);
  // The file at this Windows path is the one in hand, read from a file that
  // has not changed since.
  bool stillCurrent(const std::string& windowsPath) const;

  const std::string& path() const { return path_; }
  bool exists() const { return file_.exists(); }
  // What is wrong with the file's shape, "" when it is sound (or missing):
  // the selectors, markers and meal patterns of any diet may be wrong.
  const std::string& damage() const { return damage_; }
  // Record n (the diet code), 200 characters; blanks beyond the end.
  std::string record(long n) const { return file_.record(n); }

 private:
  // Size and time of the file read: the same file again, unchanged.
  struct Stamp {
    std::uintmax_t size = 0;
    int64_t seconds = 0, nanoseconds = 0;
    bool operator==(const Stamp&) const = default;
  };
  // One look at the disk; nothing for anything but a regular file.
  static std::optional<Stamp> stampOf(const std::filesystem::path& host);

  std::string path_;
  std::filesystem::path host_;
  std::optional<Stamp> stamp_;
  bool recentlyChanged_ = false;
  RecordFile file_{{}, kRecordLength, false};
  std::string damage_;
};

// What is wrong with the shape of a diet file, "" when it is sound.
std::string dietFileDamage(const RecordFile& file);

// The diet file in use: the first of the three candidates that exists, else
// the last one (which then reads as blanks).
std::string findDietFile(const DriveMap& drives, const Facility& facility, std::string_view altFacCode);

// Diet codes that name a diet file record: 1..255 except 98 and 99, which
// mark tube feeding and nothing by mouth.
bool dietCodeLooksUp(int code);

// Moves the first non-zero diet code into place 1, so that the first code
// is the primary diet.
void normaliseDietCodes(std::array<int16_t, 5>& codes);

// Whether a diet code's record switches on the portion rewriting of meal
// cards (see LoadDietFile).
bool dietCodeMarks(int code, std::string_view marker);

// Chooses and opens the diet file, normalises the diet codes and fills
// DietMatrix, DietMask and DietCodeMarked from the records of the codes.
void LoadDietFile(ResidentRecord& record, DietFile& dietFile, const DriveMap& drives,
                  const Facility& facility, std::string_view altFacCode);

}  // namespace mc
