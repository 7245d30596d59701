// The text card export: the resident information of each finished page as
// plain text, appended to a file of fixed 62-byte lines (60 characters and
// CR LF) that other programs and people read without the printer.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "data/drive_map.h"
#include "data/facility.h"
#include "data/resident_record.h"

namespace mc {

inline constexpr int kTextCardLineLength = 62;
inline constexpr int kTextCardLines = 68;  // 23 + 23 + 22 per card

// The 68 lines of one card, each 60 characters. Block k (breakfast,
// lunch, supper) takes slot k of the resident's per-meal lists and
// MealLocations[k], the description of meal k.
std::array<std::string, kTextCardLines> textCardLines(const Facility& facility,
                                                      const ResidentRecord& resident,
                                                      const std::array<std::string, 4>& MealLocations);

// Makes the cards folder of textFile when it is missing and the folder
// above it exists; the run calls it once when it names the file.
void PrepareTextCardFolder(const DriveMap& drives, const std::string& textFile);

// Appends one card for the resident to textFile (a Windows path), starting
// at line (file length \ 62) + 1. Nothing is written when textFile is empty
// or the facility's marker switched the export off; whether the run is a
// walk-through is the caller's test. A card that cannot be written is
// reported through the drive map; the file keeps what it held.
// A run passes its TextCardWriter, which keeps the file open from card to
// card.
class TextCardWriter;
bool MakeTxt(const DriveMap& drives, const Facility& facility, const std::string& textFile,
             const ResidentRecord& resident, const std::array<std::string, 4>& MealLocations,
             TextCardWriter* writer = nullptr);

// The text card file held open over a run: opening and closing it for every
// card cost more than making the card. Each card is written after the last
// whole line; the file is synced every few dozen cards and when it is
// closed, since waiting for the disk after every card cost more than the
// card too. A card that does not fit is cut off again; cards that the disk
// then refuses to keep are cut off back to the last sync, and named.
class TextCardWriter {
 public:
  // Cards written between two syncs.
  static constexpr int kSyncEvery = 64;

  TextCardWriter() = default;
  TextCardWriter(const TextCardWriter&) = delete;
  TextCardWriter& operator=(const TextCardWriter&) = delete;
  ~TextCardWriter() { close(); }

  // Writes the lines; a failure is reported through the drive map, naming
  // the card's owner.
  bool append(const DriveMap& drives, const std::string& textFile, std::string_view lines,
              const std::string& owner);
  // Syncs what was written and lets the file go; false (and reported) when
  // the disk would not keep the cards since the last sync.
  bool close();

 private:
  bool open(const DriveMap& drives, const std::string& textFile);
  bool sync();

  const DriveMap* drives_ = nullptr;
  std::string path_;
  int fd_ = -1;
  long long end_ = 0;     // where the next card goes
  long long length_ = 0;  // the file's length before it
  long long synced_ = 0;  // the length the disk has kept for sure
  int unsynced_ = 0;      // cards written since
  std::string firstUnsynced_, lastUnsynced_;  // their owners
};

}  // namespace mc
