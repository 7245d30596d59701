// How every data file of the facility is named: a folder table entry, a
// fixed name (the backslash belongs to the name) and mostly the facility
// code. These are the only places that put such names together; the names
// are Windows paths and go through the drive map.
#pragma once

#include <string>
#include <string_view>

#include "data/facility.h"

namespace mc {

// Folder 23 "\setup\MenuSet." FacCode: the menu-set settings.
std::string menuSetPath(const Facility& facility);
// Folder 6 "\omit" FacCode.
std::string omitPath(const Facility& facility);
// Folder 2 "\data" FacCode "\" ResidentFile ".~" FacCode.
std::string residentDataPath(const Facility& facility, std::string_view residentFile);
// Folder 43 "\cmt" FacCode "\" ResidentFile "._" FacCode (first comment file)
// or ".C" FacCode (second), chosen by the kind character '_' or 'C'.
std::string commentPath(const Facility& facility, std::string_view residentFile, char kind);
// Folder 2 "\tolnm": the standard like/dislike name table.
std::string nameTablePath(const Facility& facility);

// The three diet files in the order they are tried: folder 39 "\Diet" with
// the alternate facility code when it is set and differs from FacCode (else
// FacCode), then "\diet" FacCode, then "\diet1".
struct DietFileCandidates {
  std::string preferred;
  std::string facility;
  std::string fallback;
};
DietFileCandidates dietFilePaths(const Facility& facility, std::string_view altFacCode);

// Folder 6 "\smenu" MenuCode "\M" day "T" file "." MenuCode, numbers bare.
std::string menuFilePath(const Facility& facility, std::string_view menuCode, int menuDay,
                         int fileNumber);
// Folder 6 "\" category ".ml": the item file of a food category.
std::string itemFilePath(const Facility& facility, std::string_view category);

}  // namespace mc
