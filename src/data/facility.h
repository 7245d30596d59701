// What start-up learns about the facility from its setup file and marker
// files: the folder table, the facility code, the nursing units and the
// setup values. Filled once at start-up, read by everything after it.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace mc {

struct NursingUnit {
  int maxBeds = 0;
  std::string name;
};

// The facility's standard like and dislike names (folder 2 "\tolnm").
struct NameTable {
  bool loaded = false;  // false: the file is missing, no likes or dislikes are listed
  // What is wrong with the file's shape ("is cut short inside record 7"),
  // "" when it is sound: any name read from it may be another's or garbled.
  std::string damage;
  std::string path;  // the Windows path it was read from
  std::array<std::string, 31> LikeNames{};     // 1..30
  std::array<std::string, 31> DislikeNames{};  // 1..30
};

struct Facility {
  bool setupFound = false;
  std::string SetupFilePath;  // Windows path of the setup file found
  std::string SetupFolder;    // its first 12 characters, e.g. "c:\dnv\setup"
  // Why the setup file found cannot be used ("is cut short inside record
  // 7 ..."), "" when it can; start-up then stops as without one.
  std::string setupDamage;

  std::string FacCode;
  std::string FacilityName;
  int defaultUnit = 1;
  int defaultResident = 0;
  std::string defaultResidentFile;  // ResidentFile of the sample resident
  std::string DefaultResidentPath;  // its data path, "" when the file is missing

  std::vector<NursingUnit> units;    // units[0] is unit 1
  std::vector<std::string> Folders;  // Folders[0] is folder 1
  std::array<std::string, 11> SetupValues{};  // 1..10; 1 is the setup date "mm-dd-yy"
  int SetupStyle = 2;
  std::string SiteCode;
  std::string CustomTitle;
  bool firstOfMonth = false;

  // Marker files and lists read at start-up.
  bool AutoPrint = false;
  bool NoYellowDL = false;
  bool MakeTextFile = true;
  std::string AdaptiveEquipmentList;  // "" when neither list file exists
  // Copy each resident's files to the backup folder before loading them:
  // on when that folder exists at start-up.
  bool BackupFiles = false;
  NameTable names;

  int unitCount() const { return static_cast<int>(units.size()); }
  const NursingUnit* unit(int n) const {
    return n >= 1 && n <= unitCount() ? &units[n - 1] : nullptr;
  }
  // Folder n of the folder table, "" when the table has no such entry.
  std::string folder(int n) const {
    return n >= 1 && n <= static_cast<int>(Folders.size()) ? Folders[n - 1] : std::string();
  }
};

}  // namespace mc
