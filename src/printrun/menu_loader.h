// The meal lines as a print run (or the preview) builds them for the
// renderer: the resident's portion strings from the diet file, the menu and
// item files read once for the whole run.
#pragma once

#include <vector>

#include "data/diet_file.h"
#include "data/drive_map.h"
#include "data/facility.h"
#include "data/fixed_tables.h"
#include "data/meal_lines.h"
#include "data/menu_files.h"
#include "data/resident_record.h"

namespace mc {

class MenuLoader {
 public:
  // The drive map, the facility and the tables must outlive the loader.
  MenuLoader(const DriveMap& drives, const Facility& facility, const FixedTables& tables);

  // The resident's meal lines for each request, in the same order.
  std::vector<MealLines> load(const std::vector<MealLineRequest>& requests, const ResidentRecord& resident,
                              const DietFile& dietFile);

 private:
  const Facility& facility_;
  const FixedTables& tables_;
  MenuFiles files_;
};

}  // namespace mc
