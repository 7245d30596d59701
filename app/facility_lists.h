// The nursing units and dining locations a user can name on the command
// line (print --unit N, print --location ABBR), as info lists them and as a
// wrong answer is told the right ones.
#pragma once

#include <string>
#include <vector>

#include "ui/controller.h"

namespace mc::app {

struct NamedEntry {
  std::string key;   // the unit number or the location's abbreviation
  std::string name;  // UTF-8, blanks around it trimmed
};

std::vector<NamedEntry> nursingUnits(const Controller& c);
// The dining location file's records with an abbreviation, in file order
// (a location listed twice is listed twice, as the file has it).
std::vector<NamedEntry> diningLocations(const Controller& c);
// "1 North Wing, 2 South Wing" (or "none").
std::string oneLine(const std::vector<NamedEntry>& entries);

}  // namespace mc::app
