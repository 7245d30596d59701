// mealcards print [--set N | --unit N | --location ABBR | --just]: the whole
// start-up (its preview drawn off screen), then the Easy overlay's "Print
// ALL Tray Cards"; with --set N, settings button N and then Print; with
// --unit, --location or --just, the overlay's "Print One NUnit", "Print One
// DLoc" or "Print Just", their input box answered from the command line.
// --backup ticks "Make PDF Backup" for this run only. Questions are answered
// Yes, messages go to stderr, and the program leaves through the Exit
// action, which saves the settings.
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "app_context.h"
#include "data/meal_order.h"
#include "facility_lists.h"
#include "data/text.h"
#include "offscreen_application.h"
#include "platform/qpdf_merger.h"
#include "platform/qt_picture_store.h"
#include "data/atomic_file.h"
#include "printrun/print_run.h"
#include "printrun/run_report_json.h"
#include "printrun/run_paths.h"
#include "terminal_progress.h"
#include "ui/easy_overlay.h"
#include "ui/main_actions.h"
#include "ui/preflight.h"
#include "ui/program_startup_steps.h"
#include "ui/run_lock.h"

namespace mc::app {

namespace {

// The run's closing summary on stderr, with the problems met before it.
void summarise(RunReport& report, FileProblemLog& problems) {
  problems.moveFailedWrites(report);
  report.problemsMetBefore(problems.met());
  for (const std::string& line : report.summary()) std::cerr << "mealcards: " << cp1252ToUtf8(line) << '\n';
}

// The run's summary on stderr, and the exit code it calls for: a run that
// printed nothing, or an output not written completely, is a failure (1);
// one that printed with anything on its list of problems (residents left
// out for a fault, cards with a warning, files missing, unreadable or
// damaged, at start-up or during the run) is 4. The files of ours that
// could not be written count as failed outputs.
int reportRun(RunReport& report, const Controller& c, FileProblemLog& problems) {
  summarise(report, problems);
  if (!report.failedOutputs.empty()) return kExitFailed;
  switch (report.end) {
    case RunEnd::Finished: break;
    case RunEnd::NotStarted: return fail("the run was not started: a question was answered No");
    case RunEnd::Refused: return fail("the run was refused: another run was going on");
    // Not every resident got a card: never a success, even with no problem named.
    case RunEnd::Cancelled:
      return fail("the run was stopped before its end; the cards printed so far went to " + c.outputDescription());
  }
  if (report.cards() == 0) return fail("no card qualified: nothing was printed to " + c.outputDescription());
  return report.hasProblems() ? kExitProblems : kExitOk;
}

// A run stopped by a signal ends as shells count a program ended by one
// (130 Ctrl-C, 143 SIGTERM, 129 SIGHUP), unless an output failed: that is
// the failure to tell.
int stoppedExit(int signal, const RunReport& report) {
  return report.failedOutputs.empty() ? kExitSignalled + signal : kExitFailed;
}

// Start-up as the program runs it, with the facility's run lock taken
// before the settings are loaded: from there on start-up may save them or
// print.
class PrintSteps : public ProgramStartupSteps {
 public:
  void GetSet(Controller& c) override {
    if (const Outcome held = c.holdFacility(runLockWaitSeconds()); !held) {
      c.startup = held;
      return;
    }
    ProgramStartupSteps::GetSet(c);
  }
};

// What print does after start-up.
struct PrintChoice {
  enum Kind { All, SettingsButton, OneUnit, OneLocation, Just } kind = All;
  int setNo = 0;
  std::string answer;  // the input box's answer for OneUnit and OneLocation
  bool backup = false;  // "Make PDF Backup" ticked for this run
};

// The overlay's button as the summary names it.
std::string actionName(const PrintChoice& choice, const Controller& c) {
  switch (choice.kind) {
    case PrintChoice::All: return "Print ALL";
    case PrintChoice::SettingsButton: return "settings button " + std::to_string(choice.setNo) + ", then Print";
    case PrintChoice::OneUnit: return "Print One NUnit " + trim(c.model.Text[1]);
    case PrintChoice::OneLocation: return "Print One DLoc " + upper(trim(choice.answer));
    case PrintChoice::Just: return "Print Just";
  }
  return "";
}

// Why --unit or --location printed nothing, with the values that would
// have printed: the overlay's own message names only the wrong answer.
std::string notStarted(const PrintChoice& choice, const Controller& c) {
  const std::string answer = cp1252ToUtf8(choice.answer);
  if (choice.kind == PrintChoice::OneUnit) {
    const double n = roundHalfEven(leadingNumber(choice.answer));
    if (n < 1 || n > c.facility.unitCount())
      return "nothing was printed: \"" + answer + "\" is no nursing unit of the facility; the units are " +
             oneLine(nursingUnits(c)) + " (mealcards info lists them)";
  }
  if (choice.kind == PrintChoice::OneLocation) {
    const std::vector<NamedEntry> locations = diningLocations(c);
    if (locations.empty())
      return "nothing was printed: the dining location file " + cp1252ToUtf8(diningFilePath(c.facility)) +
             " is missing or lists no location";
    bool known = false;
    for (const NamedEntry& l : locations) known = known || upper(l.key) == upper(trim(answer));
    if (!known)
      return "nothing was printed: \"" + answer + "\" is no dining location abbreviation of the facility; the " +
             "locations are " + oneLine(locations) + " (mealcards info lists them)";
  }
  return "nothing was printed for the answer \"" + answer + "\"";
}

// What to print, from the command's arguments; the exit code of a usage
// error when they say nothing sensible.
std::optional<int> readPrintChoice(const std::vector<std::string>& args, PrintChoice& choice) {
  bool chosen = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--backup") {
      choice.backup = true;
      continue;
    }
    const bool takesValue = arg == "--set" || arg == "--unit" || arg == "--location";
    if (!takesValue && arg != "--just")
      return usageError("print takes --set N, --unit N, --location ABBR or --just, and --backup");
    if (chosen) return usageError("print takes only one of --set, --unit, --location and --just");
    chosen = true;
    if (takesValue && i + 1 >= args.size()) return usageError(arg + " needs a value");
    if (arg == "--set") {
      const double n = leadingNumber(args[++i]);
      if (n < 1 || n > 6 || n != static_cast<int>(n) || trim(args[i]) != bareNumber(n))
        return usageError("--set takes a settings button number 1 to 6");
      choice.kind = PrintChoice::SettingsButton;
      choice.setNo = static_cast<int>(n);
    } else if (arg == "--unit") {
      // The answer goes to the input box as typed: the overlay judges it
      // and says what is wrong with it.
      choice.kind = PrintChoice::OneUnit;
      choice.answer = utf8ToCp1252(args[++i]);
    } else if (arg == "--location") {
      choice.kind = PrintChoice::OneLocation;
      choice.answer = utf8ToCp1252(args[++i]);
    } else {
      choice.kind = PrintChoice::Just;
    }
  }
  return std::nullopt;
}

// Prints what was chosen, as the Easy overlay or the main window would;
// false when the choice started no run.
bool printChoice(const PrintChoice& choice, AppContext& context) {
  Controller& c = context.controller;
  // Ticked for this run only: the settings keep the stored Check40.
  c.run.BackupForced = choice.backup;
  switch (choice.kind) {
    case PrintChoice::All:
      easy::Command1_Click(c);
      return true;
    case PrintChoice::SettingsButton:
      SettingsButton_Click(c, choice.setNo);
      Command1_MouseDown(c);
      Command1_Click(c);
      return true;
    case PrintChoice::OneUnit:
      context.dialogs.answerInput(easy::kOneUnitTitle, choice.answer);
      return easy::Command8_Click(c);
    case PrintChoice::OneLocation: {
      context.dialogs.answerInput(easy::kOneLocationTitle, choice.answer);
      const bool started = easy::Command7_Click(c);
      // The overlay leaves the by-dining-location switch as it is; without
      // it (and without a meal order) the location range selects nothing.
      if (started && !c.model.ByDiningLocation && MealOrder::parse(c.model.Text[20]).none())
        tellUser("\"PR by Din Loc:\" (Print by Dining Location, in the main window's Selection group) is not "
                 "ticked, so the cards of every dining location were printed; to print one location, tick it in "
                 "the window (Advanced) and leave through Exit, which saves it");
      return started;
    }
    case PrintChoice::Just:
      easy::Command3_Click(c);
      return true;
  }
  return true;
}

// Stopped without a question: the settings are saved as on Exit, and what
// was printed so far is finished properly.
int stoppedBySignal(int signal, Controller& c, RunReport& report, AppContext& context) {
  EndWithSave(c);
  const std::string output = c.outputDescription();
  c.finishOutput(report);
  summarise(report, context.problems);
  fail(std::string("stopped by ") + TerminalProgress::stopName(signal) +
       " after the page in progress; the cards printed so far went to " + output);
  return stoppedExit(signal, report);
}

// The print command; `context` and `out` stay with the caller, who writes
// the run report from them whatever the outcome.
int printCommand(const GlobalOptions& options, const std::vector<std::string>& args,
                 std::unique_ptr<AppContext>& context, RunReport& out) {
  PrintChoice choice;
  if (const std::optional<int> wrong = readPrintChoice(args, choice)) return *wrong;
  // Stop signals are caught from here on: whatever the command opens (the
  // PDF's temporary file first) is finished or removed however it ends.
  TerminalProgress progress;
  const auto gui = offscreenApplication();
  context = AppContext::create(options, nullptr, true);
  if (!context) return kExitFailed;
  context->problems.keepFailedWrites();
  Controller& c = context->controller;
  if (options.date) context->dialogs.answerInput(kConfirmDateTitle, utf8ToCp1252(*options.date));

  if (const Outcome printing = c.startPrinting({options.pdf, options.printer, options.trace}); !printing)
    return fail(printing.error());
  progress.log = &context->problems;
  c.hooks = &progress;
  QtPictureStore pictures;
  QpdfMerger merger;
  c.pictures = &pictures;
  c.pdfMerger = &merger;

  PrintSteps steps;
  const StartupOutcome outcome = context->startUp(steps);
  if (const int signal = progress.interrupted(); signal && !c.startup) {
    fail(c.startup.error());
    RunReport none;
    return context->problems.exitCode(stoppedExit(signal, none));
  }
  if (!c.startup) return context->problems.exitCode(fail(c.startup.error()));
  if (outcome == StartupOutcome::NoSetupFile || outcome == StartupOutcome::NoDefaultRoster)
    return context->problems.exitCode(context->reportStop(outcome));
  if (!c.printer)
    return context->problems.exitCode(fail(c.model.NoPrinters ? "no printer is installed: give --pdf FILE or --printer NAME"
                                                             : "the settings name no printer: give --pdf FILE or --printer NAME"));
  if (outcome == StartupOutcome::Ended) {
    progress.clear();
    std::cerr << "mealcards: the auto-print marker was found: start-up printed and ended the program\n";
    RunReport& report = out = c.lastReport();
    c.finishOutput(report);
    return reportRun(report, c, context->problems);
  }

  const bool started = printChoice(choice, *context);
  progress.clear();
  RunReport& report = out = c.lastReport();
  if (started) tellUser(cp1252ToUtf8(printTitle(actionName(choice, c), c.model, choice.setNo ? choice.setNo : 1)));

  if (const int signal = progress.interrupted()) return stoppedBySignal(signal, c, report, *context);
  if (!c.Ended) Command2_Click(c);
  if (!started) return fail(notStarted(choice, c));
  c.finishOutput(report);
  return reportRun(report, c, context->problems);
}

int runPrint(const GlobalOptions& options, const std::vector<std::string>& given) {
  std::vector<std::string> args;
  std::optional<std::string> reportFile;
  for (size_t i = 0; i < given.size(); ++i) {
    if (given[i] != "--report") {
      args.push_back(given[i]);
      continue;
    }
    if (i + 1 >= given.size() || given[i + 1].empty()) return usageError("--report needs a file name");
    reportFile = given[++i];
  }
  if (reportFile && options.pdf && std::filesystem::absolute(*reportFile) == std::filesystem::absolute(*options.pdf))
    return usageError("--report and --pdf name the same file");
  std::unique_ptr<AppContext> context;
  RunReport report;
  int code = printCommand(options, args, context, report);
  if (!reportFile) return code;
  // A refusal or a failure before the run still tells what start-up met.
  if (context) report.problemsMetBefore(context->problems.met());
  if (const Outcome written = writeFileAtomically(*reportFile, runReportJson(report, code).str()); !written) {
    fail("cannot write the run report " + *reportFile + " (" + written.error() + "); the file is left as it was");
    if (code == kExitOk || code == kExitProblems) code = kExitFailed;
  }
  return code;
}

const CommandRegistration print("print",
                                "print [--set N | --unit N | --location ABBR | --just] [--backup]\n"
                                "                       [--report FILE]\n"
                                "                       start-up, then Print ALL Tray Cards (or settings button N, then\n"
                                "                       Print; or Print One NUnit, Print One DLoc, Print Just);\n"
                                "                       --backup: with Make PDF Backup ticked for this run;\n"
                                "                       --report: the run report as JSON in FILE",
                                &runPrint);

}  // namespace

}  // namespace mc::app
