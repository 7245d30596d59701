#include "printrun/text_export.h"

#include <fstream>
#include <system_error>

#include "data/text.h"

namespace mc {

namespace {

constexpr const char* kHeaders[4] = {"", " [[   BREAKFAST   ]]", " [[   LUNCH   ]]", " [[   SUPPER   ]]"};
constexpr char kSpecialInstructions[] = " >>>>>>>>>>>> Special Instructions <<<<<<<<<<<<<";
// 61 dashes: the line is cut to 60 like every other.
constexpr char kRule[] = "-------------------------------------------------------------";

constexpr int kTextWidth = 60;
constexpr int kListColumnWidth = 30;  // the dislikes always start at character 31

}  // namespace

std::array<std::string, kTextCardLines> textCardLines(const Facility& facility,
                                                      const ResidentRecord& resident,
                                                      const std::array<std::string, 4>& MealLocations) {
  std::array<std::string, kTextCardLines> out;
  size_t n = 0;
  auto line = [&](std::string_view text) { out[n++] = padCut(text, kTextWidth); };
  for (int k = 1; k <= 3; ++k) {
    line(std::string(kHeaders[k]) + " at " + facility.FacilityName);
    line("  Name: " + resident.NameLine);
    line("**DIET: " + resident.Diet);
    for (int i = 1; i <= 10; ++i)
      line(padCut(resident.Likes[k][i], kListColumnWidth) + resident.Dislikes[k][i]);
    line(kSpecialInstructions);
    for (int i = 1; i <= 6; ++i) line(resident.SpecialInstructions[k][i]);
    line("Dining Location:" + MealLocations[k]);
    line(kRule);
    if (k < 3) line("");
  }
  return out;
}

void PrepareTextCardFolder(const DriveMap& drives, const std::string& textFile) {
  // The cards folder is the program's own output folder; it is made when
  // missing so that the export is not lost, but only inside a folder that
  // exists, so that a wrong folder table does not grow a tree of its own.
  const size_t slash = textFile.find_last_of("\\/");
  if (slash == std::string::npos || slash == 0) return;
  const std::string folder = textFile.substr(0, slash);
  const size_t up = folder.find_last_of("\\/");
  if (!drives.folderExists(folder) && up != std::string::npos && drives.folderExists(folder.substr(0, up + 1)))
    drives.createFolder(folder);
}

bool MakeTxt(const DriveMap& drives, const Facility& facility, const std::string& textFile,
             const ResidentRecord& resident, const std::array<std::string, 4>& MealLocations,
             TextCardWriter* writer) {
  if (textFile.empty() || !facility.MakeTextFile) return false;
  std::string block;
  block.reserve(static_cast<size_t>(kTextCardLineLength) * kTextCardLines);
  for (const std::string& text : textCardLines(facility, resident, MealLocations)) block += text + "\r\n";
  if (writer) return writer->append(drives, textFile, block);
  TextCardWriter once;
  return once.append(drives, textFile, block);
}

bool TextCardWriter::open(const DriveMap& drives, const std::string& textFile) {
  file_.close();
  file_.clear();
  path_.clear();
  const auto host = drives.hostPath(textFile);
  if (!host) return false;
  file_.open(*host, std::ios::binary | std::ios::in | std::ios::out);
  if (!file_) {
    file_.clear();
    file_.open(*host, std::ios::binary | std::ios::in | std::ios::out | std::ios::trunc);
  }
  if (!file_) return false;
  // The next line follows the last whole line; a torn tail is overwritten.
  file_.seekg(0, std::ios::end);
  const auto length = static_cast<std::streamoff>(file_.tellg());
  if (length < 0) return false;
  end_ = length / kTextCardLineLength * kTextCardLineLength;
  path_ = textFile;
  return true;
}

bool TextCardWriter::append(const DriveMap& drives, const std::string& textFile, const std::string& lines) {
  if ((path_ != textFile || !file_.is_open()) && !open(drives, textFile)) return false;
  file_.seekp(end_);
  file_.write(lines.data(), static_cast<std::streamsize>(lines.size()));
  file_.flush();
  if (!file_) {
    // Opened afresh for the next card, which then starts after the last
    // whole line that reached the file.
    file_.close();
    path_.clear();
    return false;
  }
  end_ += static_cast<std::streamoff>(lines.size());
  return true;
}

}  // namespace mc
