#include "data/data_file_names.h"

namespace mc {

std::string menuSetPath(const Facility& facility) {
  return facility.folder(23) + "\\setup\\MenuSet." + facility.FacCode;
}

std::string omitPath(const Facility& facility) {
  return facility.folder(6) + "\\omit" + facility.FacCode;
}

std::string residentDataPath(const Facility& facility, std::string_view residentFile) {
  return facility.folder(2) + "\\data" + facility.FacCode + "\\" + std::string(residentFile) + ".~" +
         facility.FacCode;
}

std::string commentPath(const Facility& facility, std::string_view residentFile, char kind) {
  return facility.folder(43) + "\\cmt" + facility.FacCode + "\\" + std::string(residentFile) + "." +
         kind + facility.FacCode;
}

std::string nameTablePath(const Facility& facility) { return facility.folder(2) + "\\tolnm"; }

DietFileCandidates dietFilePaths(const Facility& facility, std::string_view altFacCode) {
  const std::string& fac = facility.FacCode;
  const std::string code = !altFacCode.empty() && altFacCode != fac ? std::string(altFacCode) : fac;
  const std::string folder = facility.folder(39);
  return {folder + "\\Diet" + code, folder + "\\diet" + fac, folder + "\\diet1"};
}

std::string menuFilePath(const Facility& facility, std::string_view menuCode, int menuDay,
                         int fileNumber) {
  const std::string code(menuCode);
  return facility.folder(6) + "\\smenu" + code + "\\M" + std::to_string(menuDay) + "T" +
         std::to_string(fileNumber) + "." + code;
}

std::string itemFilePath(const Facility& facility, std::string_view category) {
  return facility.folder(6) + "\\" + std::string(category) + ".ml";
}

}  // namespace mc
