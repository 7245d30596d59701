#include "data/resident_backup.h"

#include "data/data_file_names.h"

namespace mc {

std::string backupFolder(const Facility& facility) {
  std::string folder = "c:\\dnv\\kvtfsm";
  const std::string data = facility.folder(2);
  if (!data.empty()) folder[0] = data[0];
  return folder;
}

bool backupOptionOn(const DriveMap& drives, const Facility& facility) {
  return drives.folderExists(backupFolder(facility));
}

void BackupResidentFile(const DriveMap& drives, const Facility& facility, std::string_view residentFile) {
  const std::string target = backupFolder(facility) + "\\" + std::string(residentFile) + ".~" + facility.FacCode;
  drives.copyFile(residentDataPath(facility, residentFile), target);
}

void BackupCommentFile(const DriveMap& drives, const Facility& facility, std::string_view residentFile) {
  const std::string base = backupFolder(facility) + "\\" + std::string(residentFile);
  drives.copyFile(commentPath(facility, residentFile, '_'), base + "._" + facility.FacCode);
  const std::string second = base + ".C" + facility.FacCode;
  if (drives.fileExists(second)) drives.copyFile(commentPath(facility, residentFile, 'C'), second);
}

}  // namespace mc
