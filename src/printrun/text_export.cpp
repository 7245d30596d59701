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
             const ResidentRecord& resident, const std::array<std::string, 4>& MealLocations) {
  if (textFile.empty() || !facility.MakeTextFile) return false;
  const auto host = drives.hostPath(textFile);
  if (!host) return false;
  std::string block;
  block.reserve(static_cast<size_t>(kTextCardLineLength) * kTextCardLines);
  for (const std::string& text : textCardLines(facility, resident, MealLocations)) block += text + "\r\n";

  std::fstream f(*host, std::ios::binary | std::ios::in | std::ios::out);
  if (!f) f.open(*host, std::ios::binary | std::ios::in | std::ios::out | std::ios::trunc);
  if (!f) return false;
  // The next line follows the last whole line; a torn tail is overwritten.
  f.seekg(0, std::ios::end);
  const auto length = static_cast<std::streamoff>(f.tellg());
  f.seekp(length / kTextCardLineLength * kTextCardLineLength);
  f.write(block.data(), static_cast<std::streamsize>(block.size()));
  f.flush();
  return static_cast<bool>(f);
}

}  // namespace mc
