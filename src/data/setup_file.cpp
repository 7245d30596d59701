#include "data/setup_file.h"

#include <algorithm>
#include <vector>

#include "data/record_shape.h"
#include "data/text.h"

namespace mc {

namespace {

int count(std::string_view field) { return int16Field(field); }

}  // namespace

bool CkDrv(const DriveMap& drives, std::string_view windowsPath) {
  return drives.fileExists(windowsPath);
}

std::string tidyFacilityName(std::string_view raw) {
  std::string name = trim(raw);
  if (!name.empty() && name.back() == '&') {
    name.back() = ' ';
    name = trim(name);
  }
  return name;
}

std::string findFileFolder(std::string_view findFileBytes) {
  std::string text = padCut(findFileBytes.substr(0, std::min<size_t>(findFileBytes.size(), 40)), 40);
  // A find file typed in an editor ends its line with CR LF; Windows names
  // cannot hold control characters, so the line ends there.
  const size_t eol = text.find_first_of(std::string_view("\r\n\0", 3));
  if (eol != std::string::npos) text = padCut(text.substr(0, eol), 40);
  const size_t blank = text.find(' ');
  if (blank != std::string::npos && blank > 0) return text.substr(0, blank);
  return text;
}

std::string FindSetupFile(const DriveMap& drives) {
  if (CkDrv(drives, kSetupCandidate)) return std::string(kSetupCandidate);
  for (char letter : kSetupDriveOrder) {
    std::string candidate(kSetupOnAnyDrive);
    candidate[0] = letter;
    if (CkDrv(drives, candidate)) return candidate;
  }
  for (std::string_view findFile : kFindFiles) {
    if (!CkDrv(drives, findFile)) continue;
    // Only the first find file that exists is asked; a folder it names
    // without "f.kvt" ends the search.
    const std::string candidate =
        findFileFolder(drives.readRecords(findFile, 40).record(1)) + "\\f.kvt";
    return CkDrv(drives, candidate) ? candidate : std::string();
  }
  return {};
}

std::string UnusableSetupFile(const DriveMap& drives) {
  std::vector<std::string> places{std::string(kSetupCandidate)};
  for (char letter : kSetupDriveOrder) {
    places.emplace_back(kSetupOnAnyDrive);
    places.back()[0] = letter;
  }
  for (std::string_view findFile : kFindFiles) {
    if (!CkDrv(drives, findFile)) continue;
    places.push_back(findFileFolder(drives.readRecords(findFile, 40).record(1)) + "\\f.kvt");
    break;
  }
  for (const std::string& place : places) {
    if (!drives.exists(place)) continue;
    if (!drives.absence(place).empty()) return place;
  }
  return {};
}

std::string SetupFile::damage() const {
  if (!file_.readError().empty()) return file_.readError();
  if (file_.tooLarge()) return "is larger than any setup file: not read";
  if (file_.bytes().empty()) return "is empty";
  // Unused records may hold anything the setup program left there, so only
  // the length is judged, not the bytes.
  if (std::string length = recordLengthDamage(file_.bytes(), {kSetupRecordLength, kSetupStyleRecord});
      !length.empty())
    return length;
  const long lastFolder = 4L + std::max(unitCount_, 0) + std::max(folderCount_, 0);
  if (file_.recordCount() < lastFolder)
    return "ends at record " + std::to_string(file_.recordCount()) + ", before its last folder record (" +
           std::to_string(lastFolder) + ")";
  return {};
}

std::string Testr(std::string_view setupDate, const DateTime& now) {
  const int month = static_cast<int>(roundHalfEven(leadingNumber(columns(setupDate, 1, 2))));
  const int day = static_cast<int>(roundHalfEven(leadingNumber(columns(setupDate, 4, 5))));
  // The time of day as "h:mm:ss": the minutes stand at position 3, or at
  // position 4 once the hour has two digits.
  const std::string time = std::to_string(now.hour) + ":" + (now.minute < 10 ? "0" : "") +
                           std::to_string(now.minute) + ":" + (now.second < 10 ? "0" : "") +
                           std::to_string(now.second);
  std::string_view minutes = std::string_view(time).substr(2, 2);
  if (minutes.front() == ':') minutes = std::string_view(time).substr(3, 2);
  const int codes[3] = {47 + month, 47 + day, 47 + static_cast<int>(leadingNumber(minutes))};
  std::string code;
  for (int c : codes) {
    if (c < 49 || c > 122) c = '4';
    else if (c >= 58 && c <= 64) c = '8';
    else if (c >= 92 && c <= 96 && c != 95) c = '3';
    else if (c == 'O' || c == 'o') c = '5';
    code += static_cast<char>(c);
  }
  return trim(upper(code));
}

bool siteCodeNeedsReplacing(std::string_view siteCode) {
  return siteCode.empty() || siteCode == "___" || siteCode == "SUP" || siteCode == "OPT" ||
         siteCode.size() != 3;
}

SetupFile::SetupFile(const DriveMap& drives, std::string windowsPath)
    : drives_(drives),
      path_(std::move(windowsPath)),
      file_(drives.readRecords(path_, kSetupRecordLength)) {}

void SetupFile::readHead(Facility& facility) {
  facility.setupFound = true;
  facility.SetupFilePath = path_;
  facility.SetupFolder = path_.substr(0, std::min<size_t>(path_.size(), 12));

  const std::string first = file_.record(1);
  facility.FacCode = trim(columns(first, 1, 3));
  unitCount_ = count(columns(first, 4, 5));
  folderCount_ = count(columns(first, 6, 7));
  // Kept as read; start-up puts a unit outside 1..U back to 1 once it has
  // checked the bed count.
  facility.defaultUnit = count(columns(first, 8, 9));
  facility.defaultResident = count(columns(first, 10, 11));
  facility.defaultResidentFile = trim(columns(first, 16, 22));

  facility.FacilityName = tidyFacilityName(columns(file_.record(4), 1, 29));

  facility.units.clear();
  for (int u = 1; u <= unitCount_; ++u) {
    const std::string rec = file_.record(4 + u);
    facility.units.push_back({count(columns(rec, 1, 3)), rtrim(columns(rec, 4, 23))});
  }
  facility.Folders.assign(std::max(folderCount_, 1), std::string());
  for (int f = 1; f <= folderCount_; ++f)
    facility.Folders[f - 1] = trim(file_.record(4L + unitCount_ + f));
  facility.Folders[0] = facility.SetupFolder;
}

bool SetupFile::readValues(Facility& facility, const Clock& clock) {
  const DateTime now = clock.now();
  const std::string dates = file_.record(dateRecord());
  std::string setupDate = columns(dates, 7, 14);
  const double month = leadingNumber(columns(setupDate, 1, 2));
  if (month < 1 || month > 12) setupDate = formatMmDdYy(now.date);
  const bool valid = CheckDate(setupDate);
  facility.SetupValues.fill(std::string());
  facility.SetupValues[1] = setupDate;
  facility.SetupValues[2] = columns(dates, 15, 22);
  facility.SetupValues[3] = columns(dates, 23, 30);
  const std::string more = file_.record(dateRecord() + 1);
  facility.SetupValues[4] = columns(more, 1, 8);
  facility.SetupValues[5] = columns(more, 9, 16);
  facility.SetupValues[9] = columns(more, 17, 19);
  facility.SetupValues[7] = columns(file_.record(dateRecord() + 2), 1, 14);

  std::string style = file_.record(kSetupStyleRecord);
  const int setupStyle = count(columns(style, 9, 9));
  facility.SetupStyle = setupStyle >= 1 && setupStyle <= 4 ? setupStyle : 2;
  std::string site = columns(style, 17, 19);
  std::replace(site.begin(), site.end(), ' ', '_');
  site = upper(trim(site));
  if (siteCodeNeedsReplacing(site)) {
    site = Testr(facility.SetupValues[1], now);
    // The code names every picture file a run writes, so it is kept for the
    // next start-up; the rest of the record stays as the setup program left it.
    putColumns(style, 17, 19, padCut(site, 3));
    drives_.writeRecord(path_, kSetupRecordLength, kSetupStyleRecord, style);
  }
  facility.SiteCode = site;
  return valid;
}

}  // namespace mc
