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
  // What is wrong with the settings file, for people: "is empty", "could
  // not be read (Permission denied)", "is cut short inside record 3", "holds
  // line ends or control bytes (record 2)"; "" when it is sound or missing
  // (a missing file is no damage: the next save creates it).
  std::string damage() const;
  bool exists() const { return drives_.exists(path()); }
  // Windows path of the menu-set file that holds the companion field.
  std::string menuSetPath() const;

  // Loads the set named in record 1 and the shared records into the model.
  // Without a settings file the controls keep their values and the printer
  // is chosen for the PrinterName already held. LoadingGuard is -909 for
  // the whole load and 0 afterwards, also when a file error cuts it short.
  void GetSet(SettingsModel& model) const;
  // Writes the header, set CurrentSet and the shared records; creates the
  // file when it is missing (not its folder). A CurrentSet outside 1..6
  // saves into set 1. Ends with CurrentSet = 1, even after a file error.
  void SaveSet(SettingsModel& model) const;
  // Stores CurrentSet as the active set in record 1; nothing else changes.
  void SetSetNo(const SettingsModel& model) const;

 private:
  const DriveMap& drives_;
  const Facility& facility_;
};

}  // namespace mc
