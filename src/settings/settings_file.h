// The settings file: six named settings sets and the records they share,
// in the setup folder as "\setup\Mcardset." & FacCode, records of 300
// characters. GetSet loads the active set into the settings model, SaveSet
// writes the model back, SetSetNo records which set is active.
#pragma once

#include <string>

#include "data/drive_map.h"
#include "data/facility.h"
#include "settings/settings_model.h"

namespace mc {

class SettingsFile {
 public:
  static constexpr int kRecordLength = 300;

  SettingsFile(const DriveMap& drives, const Facility& facility)
      : drives_(drives), facility_(facility) {}

  // Windows path of the settings file.
  std::string path() const;
  // Windows path of the menu-set file that holds the companion field.
  std::string menuSetPath() const;

  void GetSet(SettingsModel& model) const;
  void SaveSet(SettingsModel& model) const;
  void SetSetNo(const SettingsModel& model) const;

 private:
  const DriveMap& drives_;
  const Facility& facility_;
};

}  // namespace mc
