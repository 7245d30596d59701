// The facility's standard like/dislike name table, folder 2 "\tolnm":
// records of 22 characters, 1..30 the like names, 31..60 the dislike names.
#pragma once

#include "data/drive_map.h"
#include "data/facility.h"

namespace mc {

// Reads the table; a missing file gives a table that is not loaded, and
// then no resident gets likes or dislikes listed.
NameTable ReadNameTable(const DriveMap& drives, const Facility& facility);

}  // namespace mc
