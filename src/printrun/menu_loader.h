// The meal lines as a print run (or the preview) builds them for the
// renderer: the resident's portion strings from the diet file, the menu and
// item files read once for the whole run.
#pragma once

#include <functional>
#include <memory>

#include "data/diet_file.h"
#include "data/drive_map.h"
#include "data/facility.h"
#include "data/fixed_tables.h"
#include "data/meal_lines.h"
#include "data/resident_record.h"

namespace mc {

// A LoadMealLines for the renderer. The references must outlive it; the
// file cache lives as long as the function.
std::function<MealLines(const MealLineRequest&)> mealLineLoader(const DriveMap& drives, const Facility& facility,
                                                                const FixedTables& tables,
                                                                const ResidentRecord& resident,
                                                                const DietFile& dietFile);

}  // namespace mc
