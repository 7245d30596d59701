#include "settings/resident_load_options.h"

#include "data/text.h"

namespace mc {

ResidentLoadOptions residentLoadOptions(const SettingsModel& model, const Facility& facility,
                                        std::string_view mealOrder) {
  ResidentLoadOptions o;
  o.MealOrder = std::string(mealOrder);
  o.Hipaa = static_cast<int>(roundHalfEven(leadingNumber(model.Text[35])));
  o.ClipArt = model.feature(11) == 1;
  o.Backup = facility.BackupFiles;
  o.AltFacCode = model.AltFacCode;
  o.names = &facility.names;
  return o;
}

void loadResidentAsSet(ResidentRecord& record, DietFile& dietFile, const DriveMap& drives, const Facility& facility,
                       const SettingsModel& model, std::string_view mealOrder) {
  LoadResident(record, dietFile, drives, facility, residentLoadOptions(model, facility, mealOrder));
}

std::string singleResidentMealOrder(const SettingsModel& model) {
  return model.MealOrder.size() <= 3 ? model.MealOrder : std::string();
}

}  // namespace mc
