// The commands that show one resident load it by its file name, as a print
// run loads it; a missing data file is named on stderr.
#pragma once

#include <string>

#include "data/diet_file.h"
#include "ui/controller.h"

namespace mc::app {

// Loads the resident file FILE (7 characters, as the rosters give it) into
// the controller's record under the meal order. Returns false, after naming
// the missing data file on stderr, when there is none.
bool loadNamedResident(Controller& c, DietFile& dietFile, const std::string& file, const std::string& mealOrder);

}  // namespace mc::app
