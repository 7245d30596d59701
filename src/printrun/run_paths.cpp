#include "printrun/run_paths.h"

#include "data/text.h"

namespace mc {

std::string rosterPath(const Facility& facility, int unit) {
  return facility.folder(40) + "\\sfl" + bareNumber(unit) + "." + facility.FacCode;
}

std::string workingRosterPath(const Facility& facility, int unit) {
  return facility.folder(40) + "\\xsfl" + bareNumber(unit) + "." + facility.FacCode;
}

std::string mealOrderFilePath(const Facility& facility) {
  return facility.folder(40) + "\\mealo." + facility.FacCode;
}

std::string diningFilePath(const Facility& facility) {
  return facility.folder(39) + "\\dining." + facility.FacCode;
}

std::string textCardFilePath(const Facility& facility) { return facility.folder(42) + "\\cards\\TC.txt"; }

}  // namespace mc
