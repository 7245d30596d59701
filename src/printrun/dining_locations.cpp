#include "printrun/dining_locations.h"

#include <algorithm>

#include "data/text.h"
#include "printrun/run_paths.h"

namespace mc {

void DiningLocations::read(const DriveMap& drives, const Facility& facility) {
  file_ = drives.readRecords(diningFilePath(facility), kRecordLength);
}

std::string DiningLocations::abbreviation(long n) const { return upper(columns(file_.record(n), 5, 7)); }

long DiningLocations::count() const { return std::min(kMaxRecords, file_.recordCount()); }

long DiningLocations::find(std::string_view abbr) const {
  const std::string wanted = upper(abbr);
  for (long n = 1; n <= count(); ++n)
    if (abbreviation(n) == wanted) return n;
  return 0;
}

std::string DiningLocations::description(long n) const { return columns(file_.record(n), 9, 46); }

}  // namespace mc
