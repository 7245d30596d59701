// The facility's setup file "F.kvt": where it is, and what start-up reads
// from it (facility code, nursing units, folder table, setup date and
// values, style and site code). The file belongs to the facility's setup
// program; the only byte this program ever writes into it is a generated
// site code, in columns 17-19 of record 200.
#pragma once

#include <string>
#include <string_view>

#include "data/card_date.h"
#include "data/drive_map.h"
#include "data/facility.h"
#include "data/record_file.h"

namespace mc {

inline constexpr int kSetupRecordLength = 32;
inline constexpr long kSetupStyleRecord = 200;

// The usual place of the setup file, then the same path on the other drives.
inline constexpr std::string_view kSetupCandidate = "c:\\dnv\\setup\\F.kvt";
inline constexpr std::string_view kSetupOnAnyDrive = "a:\\dnv\\setup\\F.kvt";
// Drive letters tried after c, in this order (c comes round once more).
inline constexpr std::string_view kSetupDriveOrder = "defghijklmnopqrstuvwxyzabc";
// Files whose first 40 characters name the folder that holds "f.kvt".
inline constexpr std::string_view kFindFiles[] = {"a:\\find.kvt", "b:\\find.kvt"};

// CkDrv: an existing file at exactly this path. A drive that is not mapped
// counts as a drive without a medium.
bool CkDrv(const DriveMap& drives, std::string_view windowsPath);

// The Windows path of the setup file, "" when none is found.
std::string FindSetupFile(const DriveMap& drives);
// When none is found: the first place looked at that holds something that
// is not a readable file (a folder, a file the system will not open),
// whose absence() says why; "" when every place is simply empty.
std::string UnusableSetupFile(const DriveMap& drives);

// The folder a find file names: its first 40 characters up to the first
// blank (all 40 when the only blank is the first character).
std::string findFileFolder(std::string_view findFileBytes);

// The facility name as the cards print it: trimmed, and a trailing "&"
// dropped with the blanks before it (a name cut at 29 characters can end
// in the middle of "& Rehab").
std::string tidyFacilityName(std::string_view raw);

// Testr: a site code made from the setup date "mm-dd-yy" and the time of
// day, three characters that are safe in a file name.
std::string Testr(std::string_view setupDate, const DateTime& now);

// A site code as read needs replacing when it is empty, "___", "SUP", "OPT"
// or not three characters long.
bool siteCodeNeedsReplacing(std::string_view siteCode);

// Reads the setup file in the two halves between which start-up checks the
// default resident against the unit's beds.
class SetupFile {
 public:
  SetupFile(const DriveMap& drives, std::string windowsPath);

  // Record 1, record 4, the unit records and the folder records;
  // Folders(1) becomes SetupFolder. Sets SetupFilePath and SetupFolder.
  void readHead(Facility& facility);
  // The date and value records and record 200: SetupValues, SetupStyle,
  // SiteCode (generated and written back when the one read is unusable).
  // Returns whether the setup date passes CheckDate.
  bool readValues(Facility& facility, const Clock& clock);

  // What keeps the file from giving the facility's folders, for people;
  // "" when nothing does: why it could not be read, "is empty", a length
  // that is not whole records, or an end before its last folder record.
  // Asked after readHead.
  std::string damage() const;

  // Record numbers that depend on the counts read from record 1.
  long dateRecord() const { return 35L + unitCount_ + folderCount_; }
  int unitCount() const { return unitCount_; }
  int folderCount() const { return folderCount_; }

 private:
  const DriveMap& drives_;
  std::string path_;
  RecordFile file_;
  // The counts as record 1 gives them, even negative: the record numbers of
  // the date records follow from them.
  int unitCount_ = 0;
  int folderCount_ = 0;
};

}  // namespace mc
