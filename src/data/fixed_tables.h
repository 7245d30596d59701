// The fixed tables that the loaders and the menu builder share, built once
// at start-up after the setup file has been read and never changed again.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "data/drive_map.h"
#include "data/facility.h"

namespace mc {

struct FixedTables {
  // 0: six blanks; 1..7 Sunday..Saturday; 8..14 repeat 1..7; 15..18 repeat
  // 1..4, so that a start day plus up to 11 days needs no wrapping.
  std::array<std::string, 19> DayName{};
  // 1..7: first column of each diet variant field of a menu record.
  std::array<int, 8> VariantColumn{};
  // [meal 1..3][1 first, 2 last]: record range of each meal block of a menu file.
  std::array<std::array<int, 3>, 4> MealLines{};
  // The last menu record that the alternate searches read.
  int MenuLineCount = 0;
  std::string MenuCode;
  std::string OmitFlags = "   ";
};

// Builds the tables for the facility; as its last step it calls drawMenu
// (the renderer's DrawMenu, passed in by start-up) with the finished tables.
FixedTables InitTables(const DriveMap& drives, const Facility& facility,
                       const std::function<void(const FixedTables&)>& drawMenu = {});

}  // namespace mc
