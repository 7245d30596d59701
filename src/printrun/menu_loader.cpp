#include "printrun/menu_loader.h"

#include "printrun/meal_pattern.h"

namespace mc {

MenuLoader::MenuLoader(const DriveMap& drives, const Facility& facility, const FixedTables& tables)
    : facility_(facility), tables_(tables), files_(&drives) {}

std::vector<MealLines> MenuLoader::load(const std::vector<MealLineRequest>& requests, const ResidentRecord& resident,
                                        const DietFile& dietFile) {
  std::vector<MealLines> lines;
  lines.reserve(requests.size());
  for (MealLineRequest q : requests) {
    q.Portions = mealPortionStrings(dietFile, resident.DietCode);
    lines.push_back(LoadMealLines(resident, tables_, facility_, files_, q));
  }
  return lines;
}

}  // namespace mc
