// The main window's caption while the run prints. Whether a run is going on
// is the controller's to say, never the caption's.
#pragma once

#include <string>

namespace mc {

// The caption while resident ResidentNo is printed: by unit and dining
// location, or, with a meal order, by its place in the tray line.
std::string printingCaption(bool byMealOrder, int unitNo, int residentNo, int passNo);

}  // namespace mc
