// The resident loader's inputs as the settings and start-up give them: the
// privacy setting (Text35), the adaptive-equipment picture switch (Check11),
// the alternate facility code, the backup folder and the standard name table.
#pragma once

#include <string>
#include <string_view>

#include "data/drive_map.h"
#include "data/facility.h"
#include "data/resident_loader.h"
#include "settings/settings_model.h"

namespace mc {

// Options for loading a resident under a one-round meal order ("", "BLS",
// "LSB", "SBL", "BBB", "LLL", "SSS"). The facility must outlive them: they
// point at its name table.
ResidentLoadOptions residentLoadOptions(const SettingsModel& model, const Facility& facility,
                                        std::string_view mealOrder);

// Loads record.ResidentFile unless it is Loaded, as every part of the
// program loads a resident: the loader, with the options of the settings
// and start-up, under this meal order.
void loadResidentAsSet(ResidentRecord& record, DietFile& dietFile, const DriveMap& drives, const Facility& facility,
                       const SettingsModel& model, std::string_view mealOrder);

// The meal order of a resident loaded outside a run (start-up's sample
// resident, show-resident): the settings' order, except that "by meal",
// whose run takes its three one-meal orders in turn, shows all three meals
// in their usual order.
std::string singleResidentMealOrder(const SettingsModel& model);

}  // namespace mc
