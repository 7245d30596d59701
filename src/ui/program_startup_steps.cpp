#include "ui/program_startup_steps.h"

#include "data/fixed_tables.h"
#include "data/resident_loader.h"
#include "printrun/resident_selection.h"
#include "settings/resident_load_options.h"
#include "ui/easy_overlay.h"
#include "ui/main_actions.h"
#include "ui/preview.h"

namespace mc {

void ProgramStartupSteps::GetSet(Controller& c) { c.settingsFile.GetSet(c.model); }

void ProgramStartupSteps::InitTables(Controller& c) {
  c.tables = mc::InitTables(c.drives, c.facility, [&c](const FixedTables&) { RedrawPreview(c); });
}

void ProgramStartupSteps::LoadResident(Controller& c) {
  c.loadResident(singleResidentMealOrder(c.model));
}

void ProgramStartupSteps::SetForAll(Controller& c) { Command4_Click(c); }
void ProgramStartupSteps::PrintRun(Controller& c) { Command1_Click(c); }
void ProgramStartupSteps::ShowForm2(Controller& c) { mc::ShowForm2(c); }

}  // namespace mc
