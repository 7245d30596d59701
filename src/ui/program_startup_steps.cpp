#include "ui/program_startup_steps.h"

#include "data/fixed_tables.h"
#include "data/resident_loader.h"
#include "printrun/resident_selection.h"
#include "settings/resident_load_options.h"
#include "ui/easy_overlay.h"
#include "ui/main_actions.h"
#include "ui/preview.h"

namespace mc {

// The printer is opened as soon as the settings name it, so that an
// automatic run at start-up prints.
void ProgramStartupSteps::GetSet(Controller& c) {
  c.settingsFile.GetSet(c.model);
  c.startupError = c.followSettingsPrinter();
}

void ProgramStartupSteps::InitTables(Controller& c) {
  c.tables = mc::InitTables(c.drives, c.facility, [&c](const FixedTables&) { RedrawPreview(c); });
}

void ProgramStartupSteps::LoadResident(Controller& c) {
  c.loadResident(singleResidentMealOrder(c.model));
}

void ProgramStartupSteps::SetForAll(Controller& c) {
  if (c.startupError.empty()) Command4_Click(c);
}

void ProgramStartupSteps::PrintRun(Controller& c) {
  if (!c.startupError.empty()) return;
  if (lookOnly_ && c.facility.AutoPrint) {
    c.autoPrintLeft = true;
    c.facility.AutoPrint = false;
    c.run.PreviewFlag = 1;
    c.model.CallMode = callmode::QuickRun;
  }
  Command1_Click(c);
}

void ProgramStartupSteps::ShowForm2(Controller& c) { mc::ShowForm2(c); }

}  // namespace mc
