#include "ui/program_startup_steps.h"

namespace mc {

void ProgramStartupSteps::GetSet(Controller& c) { c.settingsFile.GetSet(c.model); }

}  // namespace mc
