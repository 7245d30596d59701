// The main window's caption outside a run: the site, the facility code, the
// settings set and the program's title, and whether cards go to the screen.
#pragma once

#include "data/facility.h"
#include "settings/settings_model.h"

namespace mc {

// Rebuilds the window caption and the Easy overlay's caption.
void PutCap(const Facility& facility, SettingsModel& model);

}  // namespace mc
