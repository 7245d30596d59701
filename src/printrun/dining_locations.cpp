#include "printrun/dining_locations.h"

#include <algorithm>

#include "data/record_shape.h"
#include "data/text.h"
#include "printrun/run_paths.h"

namespace mc {

void DiningLocations::read(const DriveMap& drives, const Facility& facility) {
  path_ = diningFilePath(facility);
  file_ = drives.readRecords(path_, kRecordLength);
  damage_ = diningFileDamage(file_);
  if (!damage_.empty() && !file_.tooLarge()) drives.report(FileFault::Damaged, path_, damage_);
}

std::string diningFileDamage(const RecordFile& file) {
  if (file.tooLarge()) return "is larger than any dining location file: not read";
  // One that is missing or cannot be read is named as the run starts.
  if (!file.exists()) return {};
  return recordFileDamage(file, {DiningLocations::kRecordLength});
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
