// mealcards preview --png FILE: start-up and its preview of the default
// resident, the page the window shows in Picture1, saved as a PNG picture.
#include <iostream>
#include <string>

#include "app_context.h"
#include "data/data_file_names.h"
#include "data/text.h"
#include "offscreen_application.h"
#include "ui/program_startup_steps.h"

namespace mc::app {

namespace {

int runPreview(const GlobalOptions& options, const std::vector<std::string>& args) {
  if (args.size() != 2 || args[0] != "--png") return usageError("preview takes --png FILE");
  const std::string png = args[1];
  if (options.trace) std::cerr << "mealcards: --trace follows the printer; the preview is drawn on the screen only\n";

  const auto gui = offscreenApplication();
  auto context = AppContext::create(options, nullptr, true);
  if (!context) return kExitFailed;
  Controller& c = context->controller;

  ProgramStartupSteps steps(true);
  const StartupOutcome outcome = context->startUp(steps);
  if (c.autoPrintLeft)
    std::cerr << "mealcards: " << kAutoPrintLeftNote << '\n';
  if (outcome == StartupOutcome::NoSetupFile || outcome == StartupOutcome::NoDefaultRoster)
    return context->reportStop(outcome);
  if (c.model.Option[3]) return fail("the settings choose user-defined cards, which have no preview");
  if (c.facility.DefaultResidentPath.empty()) {
    const std::string path = residentDataPath(c.facility, c.facility.defaultResidentFile);
    return fail("the default resident's data file " + cp1252ToUtf8(path) + " " + c.drives.absence(path) +
                ": there is nothing to preview");
  }
  if (const Outcome saved = context->devices.screenPage()->savePng(png); !saved)
    return fail("cannot write " + png + ": " + saved.error());
  // Drawn, but from files named on stderr as missing or damaged.
  return context->problems.met().empty() ? kExitOk : kExitProblems;
}

const CommandRegistration preview("preview", "preview --png FILE   start-up, then its preview of the default resident as PNG",
                                  &runPreview);

}  // namespace

}  // namespace mc::app
