// The main window's caption: what PutCap builds after a run, and what the
// run shows while it prints. Whether a run is going on is the controller's
// to say, never the caption's.
#pragma once

#include <string>

#include "data/facility.h"
#include "settings/settings_model.h"

namespace mc {


// Rebuilds the window caption and the Easy overlay's caption.
void PutCap(const Facility& facility, SettingsModel& model);

// The caption while resident ResidentNo is printed: by unit and dining
// location, or, with a meal order, by its place in the tray line.
std::string printingCaption(bool byMealOrder, int unitNo, int residentNo, int passNo);

}  // namespace mc
