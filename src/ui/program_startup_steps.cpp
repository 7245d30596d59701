#include "ui/program_startup_steps.h"

#include "data/fixed_tables.h"
#include "data/resident_loader.h"
#include "settings/resident_load_options.h"

namespace mc {

void ProgramStartupSteps::GetSet(Controller& c) { c.settingsFile.GetSet(c.model); }

// The preview that follows InitTables is drawn by start-up's own preview
// run, so the tables are built here without a drawing of their own.
void ProgramStartupSteps::InitTables(Controller& c) { c.tables = mc::InitTables(c.drives, c.facility); }

void ProgramStartupSteps::LoadResident(Controller& c) {
  mc::LoadResident(c.resident, c.dietFile, c.drives, c.facility,
                   residentLoadOptions(c.model, c.facility, c.drives, singleResidentMealOrder(c.model)));
}

}  // namespace mc
