// mealcards print [--set N]: the whole start-up (its preview drawn off
// screen), then the Easy overlay's "Print ALL Tray Cards"; with --set N,
// settings button N and then Print. Questions are answered Yes, messages go
// to stderr, and the program leaves through the Exit action, which saves
// the settings.
#include <algorithm>
#include <iostream>
#include <string>

#include "app_context.h"
#include "data/text.h"
#include "offscreen_application.h"
#include "platform/qpdf_merger.h"
#include "platform/qt_picture_store.h"
#include "print_output.h"
#include "printrun/print_run.h"
#include "terminal_progress.h"
#include "ui/easy_overlay.h"
#include "ui/main_actions.h"
#include "ui/program_startup_steps.h"

namespace mc::app {

namespace {

// Start-up as the program runs it; the settings' printer is opened as soon
// as the settings name it, so that an automatic run at start-up prints.
class PrintSteps : public ProgramStartupSteps {
 public:
  explicit PrintSteps(PrintOutput& output) : output_(output) {}
  void GetSet(Controller& c) override {
    ProgramStartupSteps::GetSet(c);
    if (!output_.openSettingsPrinter(c.model)) failed = true;
    c.printer = output_.surface();
  }
  bool failed = false;

 private:
  PrintOutput& output_;
};

int runPrint(const GlobalOptions& options, const std::vector<std::string>& args) {
  int setNo = 0;
  bool backup = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--backup") {
      backup = true;
    } else if (args[i] == "--set" && i + 1 < args.size()) {
      const double n = leadingNumber(args[++i]);
      if (n < 1 || n > 6 || n != static_cast<int>(n) || trim(args[i]) != bareNumber(n))
        return usageError("--set takes a settings button number 1 to 6");
      setNo = static_cast<int>(n);
    } else {
      return usageError("print takes only --set N and --backup");
    }
  }
  if (options.date) {
    std::string date = utf8ToCp1252(*options.date);
    if (!CheckDate(date)) return usageError("--date " + *options.date + " is not a date MM-DD-YY");
  }

  const auto gui = offscreenApplication();
  auto context = AppContext::create(options);
  if (!context) return kExitFailed;
  Controller& c = context->controller;
  if (options.printer) {
    const std::vector<std::string> installed = context->printers.names();
    if (std::find(installed.begin(), installed.end(), *options.printer) == installed.end()) {
      std::string list;
      for (const std::string& name : installed) list += (list.empty() ? "" : ", ") + name;
      return fail("no printer named " + *options.printer + " is installed (installed: " +
                  (list.empty() ? std::string("none") : list) + ")");
    }
  }
  if (options.date) context->dialogs.answerInput(kConfirmDateTitle, utf8ToCp1252(*options.date));

  PrintOutput output(options);
  if (!output.openFromOptions(c.run)) return kExitFailed;
  c.printer = output.surface();
  const auto screen = QtSurface::screen();
  c.screen = screen.get();
  TerminalProgress progress;
  c.hooks = &progress;
  QtPictureStore pictures;
  QpdfMerger merger;
  c.pictures = &pictures;
  c.pdfMerger = &merger;

  PrintSteps steps(output);
  const StartupOutcome outcome = context->startUp(steps);
  if (steps.failed) return kExitFailed;
  if (outcome == StartupOutcome::NoSetupFile || outcome == StartupOutcome::NoDefaultRoster)
    return context->reportStop(outcome);
  if (!c.printer)
    return fail(c.model.NoPrinters ? "no printer is installed: give --pdf FILE or --printer NAME"
                                   : "the settings name no printer: give --pdf FILE or --printer NAME");
  if (outcome == StartupOutcome::Ended) {
    progress.clear();
    std::cerr << "mealcards: the auto-print marker was found: start-up printed and ended the program\n";
    return output.finish();
  }

  // Ticked for this run only: the settings keep the stored Check40.
  c.run.BackupForced = backup;
  if (setNo == 0) {
    easy::Command1_Click(c);
  } else {
    SettingsButton_Click(c, setNo);
    Command1_MouseDown(c);
    Command1_Click(c);
  }
  progress.clear();

  if (progress.interrupted()) {
    // Stopped without a question: the settings are saved as on Exit, and
    // what was printed so far is finished properly.
    EndWithSave(c);
    const int finished = output.finish();
    fail("stopped by Ctrl-C after the page in progress; the cards printed so far went to " +
         output.description());
    return finished == kExitOk ? kExitInterrupted : finished;
  }
  if (!c.Ended) Command2_Click(c);
  const int finished = output.finish();
  // An output of the backup that is missing or incomplete fails the run:
  // the kitchen must not trust a backup that is not all there.
  for (const std::string& failure : c.run.OutputFailures) fail("backup: " + failure);
  return finished != kExitOk ? finished : c.run.OutputFailures.empty() ? kExitOk : kExitFailed;
}

const CommandRegistration print("print",
                                "print [--set N] [--backup]  start-up, then Print ALL Tray Cards (or settings button N, then Print); --backup: with Make PDF Backup ticked",
                                &runPrint);

}  // namespace

}  // namespace mc::app
