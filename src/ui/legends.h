// The "Legend" button (Command3): on the current printer, the sheet that
// explains the dot colours, or the catalogue of the numbered watermarks.
// The legend reads the controls and changes no setting; only the caption
// changes while it prints.
#pragma once

#include "ui/controller.h"

namespace mc {

void Command3_Click(Controller& c);

// The two sheets, drawn on any surface.
void PrintDotLegend(Surface& printer, const SettingsModel& m);
void PrintWatermarkLegend(Surface& printer, const Controller& c);

}  // namespace mc
