#include "data/diet_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>

#include "data/data_file_names.h"
#include "data/record_shape.h"
#include "data/text.h"

namespace fs = std::filesystem;

namespace mc {

std::optional<DietFile::Stamp> DietFile::stampOf(const fs::path& host) {
  struct stat st {};
  if (::stat(host.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return Stamp{static_cast<std::uintmax_t>(st.st_size), static_cast<int64_t>(st.st_mtim.tv_sec),
               static_cast<int64_t>(st.st_mtim.tv_nsec)};
}

bool DietFile::stillCurrent(const std::string& windowsPath) const {
  if (windowsPath != path_ || host_.empty() || !file_.exists() || recentlyChanged_) return false;
  return stampOf(host_) == stamp_;
}

void DietFile::open(const DriveMap& drives, const std::string& windowsPath) {
  const auto host = drives.hostPath(windowsPath);
  const std::optional<Stamp> stamp = host ? stampOf(*host) : std::nullopt;
  const bool isFile = stamp.has_value();
  if (isFile && file_.exists() && !recentlyChanged_ && windowsPath == path_ && *host == host_ && stamp == stamp_)
    return;
  // A file read again for its recent change is named again only when its
  // damage changed.
  const bool sameFile = windowsPath == path_;
  const std::string before = std::move(damage_);
  path_ = windowsPath;
  host_ = host.value_or(fs::path());
  stamp_ = stamp;
  // File times are coarse: a file changed again within the same tick would
  // keep its time, so one changed lately is read again on every use.
  recentlyChanged_ = false;
  if (stamp) {
    const std::chrono::system_clock::time_point changed(std::chrono::duration_cast<std::chrono::system_clock::duration>(
        std::chrono::seconds(stamp->seconds) + std::chrono::nanoseconds(stamp->nanoseconds)));
    recentlyChanged_ = std::chrono::system_clock::now() - changed < std::chrono::seconds(2);
  }
  file_ = isFile ? RecordFile::read(*host, kRecordLength) : RecordFile({}, kRecordLength, false);
  damage_ = isFile ? dietFileDamage(file_) : std::string();
  if (!damage_.empty() && !(sameFile && damage_ == before))
    drives.report(file_.tooLarge()                  ? FileFault::TooLarge
                  : !file_.readError().empty() ? FileFault::Unreadable
                                               : FileFault::Damaged,
                  windowsPath, damage_);
}

std::string dietFileDamage(const RecordFile& file) {
  if (file.tooLarge()) return "is larger than any diet file: not read";
  return recordFileDamage(file, {DietFile::kRecordLength});
}

std::string findDietFile(const DriveMap& drives, const Facility& facility, std::string_view altFacCode) {
  const DietFileCandidates c = dietFilePaths(facility, altFacCode);
  if (drives.fileExists(c.preferred)) return c.preferred;
  if (drives.fileExists(c.facility)) return c.facility;
  return c.fallback;
}

namespace {

// Blanks, or the NUL bytes of a file extended past records never written.
bool blankRecord(std::string_view rec) {
  return std::all_of(rec.begin(), rec.end(), [](char c) { return c == ' ' || c == '\0'; });
}

}  // namespace

bool dietCodeLooksUp(int code) { return code >= 1 && code <= 255 && code != 98 && code != 99; }

void normaliseDietCodes(std::array<int16_t, 5>& codes) {
  auto inRange = [](int c) { return c >= 1 && c <= 255; };
  if (codes[1] == 0 && inRange(codes[2])) {
    codes[1] = codes[2];
    codes[2] = codes[3];
    codes[3] = codes[4];
    codes[4] = 0;
  }
  if (codes[1] == 0 && inRange(codes[3])) {
    codes[1] = codes[3];
    codes[3] = 0;
  }
  if (codes[1] == 0 && inRange(codes[4])) {
    codes[1] = codes[4];
    codes[4] = 0;
  }
}

// The facility marks the diets whose meal cards show rewritten portions
// (the calorie-controlled diets with meal patterns, codes 10..79; 60, the
// renal diet, excepted) by a mark in positions 10-12 of the diet's marker
// field. The test is made on the diet code itself. Testing the position of
// the code among the four (1..4) instead could never fire, which would leave
// the meal patterns that the facility keeps in the diet file without effect.
bool dietCodeMarks(int code, std::string_view marker) {
  return code >= 10 && code <= 79 && code != 60 && trim(columns(marker, 10, 12)) != "";
}

void LoadDietFile(ResidentRecord& record, DietFile& dietFile, const DriveMap& drives,
                  const Facility& facility, std::string_view altFacCode) {
  // Every resident's load comes here. The preferred file, read before and
  // unchanged since (one look at the disk), is still the one to use; any
  // other choice is made again.
  if (!dietFile.stillCurrent(dietFilePaths(facility, altFacCode).preferred))
    dietFile.open(drives, findDietFile(drives, facility, altFacCode));
  record.DietMatrix = {};
  record.DietMask = std::string(20, ' ');
  record.DietCodeMarked = false;
  record.DietCodeNotInFile = {};
  normaliseDietCodes(record.DietCode);
  for (int k = 1; k <= 4; ++k) {
    const int code = record.DietCode[k];
    if (!dietCodeLooksUp(code)) continue;
    // Selectors and markers from a damaged file may be another diet's: the
    // card must not pass them off as sure.
    if (!dietFile.damage().empty()) record.noteSharedDamage(dietFile.path(), dietFile.damage());
    const std::string rec = dietFile.record(code);
    // A code past the file's end, or on a record never written, reads as
    // blanks: the diet then selects no menu and marks no food. With no diet
    // file at all, that one missing file is the fault, not each code.
    record.DietCodeNotInFile[k] = dietFile.exists() && blankRecord(rec);
    const std::string marker = columns(rec, 26, 45);
    if (dietCodeMarks(code, marker)) record.DietCodeMarked = true;
    record.DietMatrix[k][1] = int16Field(columns(rec, 78, 78));
    record.DietMatrix[k][2] = int16Field(columns(rec, 80, 80));
    for (int j = 0; j < 20; ++j) {
      if (marker[j] != ' ') record.DietMask[j] = 'x';
      if (marker[j] == '*') record.DietMask[j] = '*';
    }
  }
}

}  // namespace mc
