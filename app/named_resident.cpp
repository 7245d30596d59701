#include "named_resident.h"

#include "data/data_file_names.h"
#include "data/resident_loader.h"
#include "data/text.h"
#include "settings/resident_load_options.h"
#include "ui/program_startup_steps.h"

namespace mc::app {

namespace {

// Start-up as the program runs it, without its print run: showing a
// resident prints nothing.
class ShowSteps : public ProgramStartupSteps {
 public:
  void PrintRun(Controller&) override {}
};

}  // namespace

NamedResident startWithResident(const GlobalOptions& options, const std::string& file,
                                const std::optional<std::string>& mealOrder, DietFile& dietFile) {
  NamedResident out;
  out.context = AppContext::create(options);
  if (!out.context) {
    out.exitCode = kExitFailed;
    return out;
  }
  ShowSteps steps;
  const StartupOutcome outcome = out.context->startUp(steps);
  if (outcome == StartupOutcome::NoSetupFile || outcome == StartupOutcome::NoDefaultRoster) {
    out.exitCode = out.context->reportStop(outcome);
    out.context.reset();
    return out;
  }
  Controller& c = out.context->controller;
  out.mealOrder = mealOrder ? *mealOrder : singleResidentMealOrder(c.model);
  c.resident.Loaded = false;
  c.resident.ResidentFile = file;
  loadResidentAsSet(c.resident, dietFile, c.drives, c.facility, c.model, out.mealOrder);
  if (c.resident.ResidentPath.empty()) {
    const std::string path = residentDataPath(c.facility, file);
    const auto host = c.drives.hostPath(path);
    out.exitCode = fail("no resident data file " + cp1252ToUtf8(path) +
                        (host ? " (" + host->string() + ")" : std::string(" (drive not mapped)")));
    out.context.reset();
  }
  return out;
}

}  // namespace mc::app
