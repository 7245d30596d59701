// The commands that show one resident: start-up without its print run, then
// the resident loaded by its file name as a print run loads it; a missing
// data file is named on stderr.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app_context.h"
#include "data/diet_file.h"

namespace mc::app {

struct NamedResident {
  std::unique_ptr<AppContext> context;  // null when start-up or the load failed
  std::string mealOrder;                // the order the resident was loaded under
  int exitCode = kExitOk;               // why it failed
};

// Starts up and loads resident FILE (7 characters, as the rosters give it)
// into the controller's record under the meal order given, else the one a
// single-resident run takes from the settings.
NamedResident startWithResident(const GlobalOptions& options, const std::string& file,
                                const std::optional<std::string>& mealOrder, DietFile& dietFile);

}  // namespace mc::app
