// The text card export: the resident information of each finished page as
// plain text, appended to a file of fixed 62-byte lines (60 characters and
// CR LF) that other programs and people read without the printer.
#pragma once

#include <array>
#include <string>

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
bool MakeTxt(const DriveMap& drives, const Facility& facility, const std::string& textFile,
             const ResidentRecord& resident, const std::array<std::string, 4>& MealLocations);

}  // namespace mc
