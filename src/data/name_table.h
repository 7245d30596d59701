// The facility's standard like/dislike name table, folder 2 "\tolnm":
// records of 22 characters, 1..30 the like names, 31..60 the dislike names.
#pragma once

#include "data/drive_map.h"
#include "data/facility.h"

namespace mc {

// Reads the table; a missing file gives a table that is not loaded, and
// then no resident gets likes or dislikes listed.
// A damaged table is read all the same and named through the drive map;
// its damage stays with it, for the cards whose names came from it.
NameTable ReadNameTable(const DriveMap& drives, const Facility& facility);

// What is wrong with the shape of a name table, "" when it is sound: whole
// records of 22 characters, all 60 names, no NUL or control bytes past a
// record's first column (where they mark an unused slot).
std::string nameTableDamage(const RecordFile& file);

}  // namespace mc
