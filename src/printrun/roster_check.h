// The shape of a nursing unit's roster, as the facility's census program
// writes it: whole records of 122 characters, one per bed up to the unit's
// "max beds", naming each resident's data file. A roster that is empty, cut
// short, converted to other line ends or overwritten with binary, or that
// lists residents beyond the beds the setup file gives the unit, would leave
// residents out without a word; these checks put that into words.
#pragma once

#include <string>
#include <vector>

#include "data/record_file.h"

namespace mc {

struct RosterProblem {
  int bed = 0;         // 0 for the file as a whole
  std::string file;    // the resident file named at that bed, when there is one
  std::string what;
};

// Everything wrong with a roster read for a unit of `maxBeds` beds; empty
// when it is sound. A missing file is not this function's business.
std::vector<RosterProblem> rosterProblems(const RecordFile& roster, int maxBeds);

// What the report says of a resident listed a second time, after the
// roster's path.
std::string listedAgainText(int firstUnit, int firstBed);

// The resident file named by a roster record, trimmed ("" for an empty bed).
std::string rosterResidentFile(std::string_view record);

}  // namespace mc
