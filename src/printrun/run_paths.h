// Names of the files a print run reads and writes, built from the folder
// table and the facility code exactly as the family's programs spell them.
// The drive map turns them into host paths; a folder missing from the table
// gives a name on the root of drive c, which then simply does not exist.
#pragma once

#include <string>
#include <string_view>

#include "data/data_file_names.h"  // residentDataPath
#include "data/facility.h"

namespace mc {

// The roster of nursing unit `unit` (folder 40), record n = resident n.
std::string rosterPath(const Facility& facility, int unit);
// The working copy of a roster that the tray-line assembly marks up.
std::string workingRosterPath(const Facility& facility, int unit);
// The meal-order file: the tray line of each meal.
std::string mealOrderFilePath(const Facility& facility);
// The dining location file (folder 39).
std::string diningFilePath(const Facility& facility);
// The text card file that the export appends to (folder 42).
std::string textCardFilePath(const Facility& facility);

}  // namespace mc
