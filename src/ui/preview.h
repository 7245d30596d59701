// The preview redraw outside a print run: the sample resident's whole page
// (MealToDraw 4) drawn on the screen after a settings change, and once
// when start-up has built the fixed tables.
#pragma once

#include "ui/controller.h"

namespace mc {

// Clears Picture1 and calls DrawMenu for all three columns with the run
// state as it stands (PreviewFlag as the caller set it). The resident is
// loaded first when it is not, under the settings' meal order.
void RedrawPreview(Controller& c);

}  // namespace mc
