#include "data/facility_files.h"

namespace mc {

std::string autoPrintMarkerPath(const Facility& facility) {
  return facility.folder(23) + "\\setup\\apcard." + facility.FacCode;
}

std::string noYellowMarkerPath(const Facility& facility) { return facility.folder(2) + "\\NoYel"; }

std::string noTextFileMarkerPath(const Facility& facility) {
  return facility.folder(23) + "\\NoMTxt";
}

std::string noLegalMarkerPath(const Facility& facility) {
  return facility.folder(23) + "\\setup\\NoLeg";
}

std::string customTitlePath(const Facility& facility) {
  return facility.folder(23) + "\\setup\\conm." + facility.FacCode;
}

std::string adaptiveEquipmentPath(const Facility& facility) {
  return facility.folder(35) + "\\vod\\aded." + facility.FacCode;
}

std::string sharedAdaptiveEquipmentPath(const Facility& facility) {
  return facility.folder(35) + "\\vod\\aded.1";
}

}  // namespace mc
