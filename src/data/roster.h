// A nursing unit's roster ("sfl" & unit & "." & FacCode in folder 40, and
// the working copy a tray-line run makes of it): one record of 122
// characters per bed, record n for bed n. The print run, the tray-line
// assembly and the demo facility read and write it by these columns.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace mc::roster {

inline constexpr int kRecordLength = 122;
inline constexpr int kAwayColumn = 1;  // "H" in hospital
inline constexpr int kNameFrom = 2, kNameTo = 29;
inline constexpr int kFileFrom = 33, kFileTo = 39;  // the resident's data file name
inline constexpr int kDietFrom = 41, kDietTo = 70;
// The three-letter dining location of meal 1..3 (breakfast, lunch, supper).
inline constexpr std::array<int, 4> kLocationColumn = {0, 88, 92, 96};

// The resident file name a record names, as stored (blanks kept).
std::string residentFile(std::string_view record);
// The dining location abbreviation of meal 1..3, upper-cased.
std::string location(std::string_view record, int meal);

}  // namespace mc::roster
