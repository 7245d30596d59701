// mealcards check [--set N] [--json]: the pre-flight check. Start-up and
// then Print ALL (or settings button N and Print) walked with nothing
// printed and nothing written, and what it found: text for people, JSON
// for programs; exit 3 when anything was found.
#include <iostream>
#include <string>

#include "app_context.h"
#include "data/json_writer.h"
#include "data/text.h"
#include "offscreen_application.h"
#include "printrun/print_run.h"
#include "printrun/run_report_json.h"
#include "ui/preflight.h"
#include "ui/program_startup_steps.h"

namespace mc::app {

namespace {

// Start-up as the program runs it, but without its preview run and without
// acting on the auto-print marker: the check is about the print to come.
class CheckSteps : public ProgramStartupSteps {
 public:
  void PrintRun(Controller&) override {}
  bool ActsOnAutoPrint() const override { return false; }
};

class StartupFindings : public FileProblems {
 public:
  void report(const FileProblem& problem) override { found.push_back({problem.path, problem.detail, problem.where}); }
  std::vector<RunProblem> found;
};

// The run report's keys, as print --report writes them, and the check's own.
std::string toJson(const PreflightReport& r, int exitStatus) {
  JsonObject settings;
  for (const auto& [label, value] : r.settings) settings.text(label, cp1252ToUtf8(value));
  std::string inForce;
  for (char ch : settings.str())
    if (ch != '\n') inForce += ch;
  return runReportJson(r.run, exitStatus)
      .text("action", cp1252ToUtf8(r.action))
      .number("findings", r.findings())
      .raw("settings", inForce)
      .str();
}

int runCheck(const GlobalOptions& options, const std::vector<std::string>& args) {
  int setNo = 0;
  bool json = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--json") {
      json = true;
    } else if (args[i] == "--set" && i + 1 < args.size()) {
      const std::string& value = args[++i];
      const double n = leadingNumber(value);
      if (n < 1 || n > 6 || n != static_cast<int>(n) || trim(value) != bareNumber(n))
        return usageError("--set takes a settings button number 1 to 6");
      setNo = static_cast<int>(n);
    } else {
      return usageError("check takes --set N and --json");
    }
  }
  if (options.pdf || options.printer || options.trace)
    return usageError("check prints nothing: --pdf, --printer and --trace do not go with it");

  const auto gui = offscreenApplication();
  auto context = AppContext::create(options);
  if (!context) return kExitFailed;
  Controller& c = context->controller;
  // From the first step on, nothing reaches the disk.
  c.drives.setDryRun(true);
  StartupFindings startup;
  c.drives.setProblems(&startup);
  if (options.date) context->dialogs.answerInput(kConfirmDateTitle, utf8ToCp1252(*options.date));

  CheckSteps steps;
  const StartupOutcome outcome = context->startUp(steps);
  if (outcome == StartupOutcome::NoSetupFile || outcome == StartupOutcome::NoDefaultRoster)
    return context->reportStop(outcome);

  if (!c.startup) {
    // Print would refuse here (a damaged settings file): nothing to walk.
    std::cerr << "mealcards: " << c.startup.error() << '\n';
    PreflightReport refused;
    refused.action = setNo ? "settings button " + std::to_string(setNo) + ", then Print" : "Print ALL Tray Cards";
    refused.run.end = RunEnd::NotStarted;
    refused.run.problemsMetBefore(startup.found);
    if (json)
      std::cout << toJson(refused, kExitFound);
    else
      for (const std::string& line : refused.text()) std::cout << cp1252ToUtf8(line) << '\n';
    return kExitFound;
  }
  PreflightReport report = Preflight(c, setNo, context->dialogs);
  // As print does: what start-up met leads the run's list.
  report.run.problemsMetBefore(startup.found);
  const int exitStatus = report.findings() > 0 ? kExitFound : kExitOk;
  if (json) {
    std::cout << toJson(report, exitStatus);
  } else {
    for (const std::string& line : report.text()) std::cout << cp1252ToUtf8(line) << '\n';
  }
  return exitStatus;
}

const CommandRegistration check("check",
                                "check [--set N] [--json]\n"
                                "                       what Print ALL (or settings button N, then Print) would\n"
                                "                       print, leave out and warn about; nothing is printed or\n"
                                "                       written; exit 3 when anything was found",
                                &runCheck);

}  // namespace

}  // namespace mc::app
