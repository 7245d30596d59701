// The resident loader's inputs as the settings and start-up give them: the
// privacy setting (Text35), the adaptive-equipment picture switch (Check11),
// the alternate facility code, the backup folder and the standard name table.
#pragma once

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
                                        const DriveMap& drives, std::string_view mealOrder);

}  // namespace mc
