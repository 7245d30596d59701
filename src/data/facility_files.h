// The marker files that start-up looks for, named like the data files
// (data_file_names.h): a folder-table entry, a fixed name and mostly the
// facility code, spelt as the facility's programs spell them.
#pragma once

#include <string>
#include <string_view>

#include "data/facility.h"

namespace mc {

// The program icon that start-up shows when it is there.
inline constexpr std::string_view kIconFile = "c:\\dnv\\vexl8.ico";

// Marker and list files that start-up and the settings load look for.
std::string autoPrintMarkerPath(const Facility& facility);  // folder 23 "\setup\apcard." & FacCode
std::string noYellowMarkerPath(const Facility& facility);   // folder 2 "\NoYel"
std::string noTextFileMarkerPath(const Facility& facility); // folder 23 "\NoMTxt"
std::string noLegalMarkerPath(const Facility& facility);    // folder 23 "\setup\NoLeg"
std::string customTitlePath(const Facility& facility);      // folder 23 "\setup\conm." & FacCode
// The adaptive-equipment list: the facility's own, else the shared one.
std::string adaptiveEquipmentPath(const Facility& facility);        // folder 35 "\vod\aded." & FacCode
std::string sharedAdaptiveEquipmentPath(const Facility& facility);  // folder 35 "\vod\aded.1"

}  // namespace mc
