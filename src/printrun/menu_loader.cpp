#include "printrun/menu_loader.h"

#include "printrun/meal_pattern.h"

namespace mc {

std::function<MealLines(const MealLineRequest&)> mealLineLoader(const DriveMap& drives, const Facility& facility,
                                                                const FixedTables& tables,
                                                                const ResidentRecord& resident,
                                                                const DietFile& dietFile) {
  auto files = std::make_shared<MenuFiles>(&drives);
  return [&facility, &tables, &resident, &dietFile, files](const MealLineRequest& request) {
    MealLineRequest q = request;
    q.Portions = mealPortionStrings(dietFile, resident.DietCode);
    return LoadMealLines(resident, tables, facility, *files, q);
  };
}

}  // namespace mc
