// Backup copies of a resident's files, made by the loader before it reads
// them, in a folder of their own on the data drive.
#pragma once

#include <string>
#include <string_view>

#include "data/drive_map.h"
#include "data/facility.h"

namespace mc {

// "c:\dnv\kvtfsm" on the drive of folder 2.
std::string backupFolder(const Facility& facility);

// The backup option. The setup file has no field for it, so the backup
// folder itself is the switch: the copies are made when that folder exists.
// Nothing creates it, so copying into a missing folder could only fail, and
// a facility that wants the copies says so by creating the folder.
bool backupOptionOn(const DriveMap& drives, const Facility& facility);

// Copies the resident data file into the backup folder; a failing copy is
// ignored.
void BackupResidentFile(const DriveMap& drives, const Facility& facility, std::string_view residentFile);

// Copies the first comment file ("._"), and the second (".C") only over a
// copy that the backup folder already holds; failures are ignored.
void BackupCommentFile(const DriveMap& drives, const Facility& facility, std::string_view residentFile);

}  // namespace mc
