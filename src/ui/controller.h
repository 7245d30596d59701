// The program's state for one program run, shared by the main window and
// the command line: the drive map, what start-up learnt about the facility,
// the settings model, the settings file, the resident record, the run
// state, and the services the core reaches through interfaces (dialogs,
// printers, clock, drawing surfaces).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "data/card_date.h"
#include "data/diet_file.h"
#include "data/drive_map.h"
#include "data/facility.h"
#include "data/fixed_tables.h"
#include "data/resident_record.h"
#include "printrun/devices.h"
#include "printrun/dialogs.h"
#include "printrun/program_launcher.h"
#include "printrun/run_environment.h"
#include "printrun/run_hooks.h"
#include "printrun/run_report.h"
#include "printrun/run_state.h"
#include "render/bar_code.h"
#include "render/picture_loader.h"
#include "render/counting_surface.h"
#include "render/surface.h"
#include "render/trace_surface.h"
#include "settings/printer_list.h"
#include "settings/settings_file.h"
#include "settings/settings_model.h"
#include "ui/run_lock.h"

namespace mc {

// Where the runs of a whole program run print, chosen on the command line:
// a PDF file, a printer queue, and a trace of what reaches either. Text is
// UTF-8, as typed.
struct OutputChoice {
  std::optional<std::string> pdf;
  std::optional<std::string> printer;
  std::optional<std::string> trace;
};

class Controller {
 public:
  // A controller over this machine's devices.
  Controller(DriveMap drives, Devices& devices, const Clock& clock);
  // A controller without devices: what prints where is set by hand
  // (printer, screen).
  Controller(DriveMap drives, Dialogs& dialogs, const PrinterList& printers, const Clock& clock);
  Controller(const Controller&) = delete;
  Controller& operator=(const Controller&) = delete;

  DriveMap drives;
  Facility facility;
  SettingsModel model;
  SettingsFile settingsFile{drives, facility};
  ResidentRecord resident;
  FixedTables tables;  // built once by start-up
  // The diet file of the last resident load; the print run reads the meal
  // patterns of the same records.
  DietFile dietFile;
  // The print run's values (PreviewFlag, CardDate, DayNames, MenuDay ...).
  RunState run;

  // The dialogs given at construction, unless something diverts them.
  DialogsRoute dialogs;
  const PrinterList& printers;
  const Clock& clock;

  // The devices of this program run, set by whoever drives the controller:
  // the printer (null: nothing is printed), the screen preview Picture1
  // (null: drawn nowhere) and who hears of a run's progress (null: nobody).
  Surface* printer = nullptr;
  Surface* screen = nullptr;
  RunHooks* hooks = nullptr;
  // The bar-code maker of the cards (null: bar codes print their text only).
  const BarCoder* barCoder = nullptr;
  // Decodes the cards' pictures (null: cards print without pictures).
  PictureLoader* pictureLoader = nullptr;
  // Starts the sibling programs, the menu-day picker and the PDF reader
  // (null: none can be started, and a button that needs one says so).
  ProgramLauncher* launcher = nullptr;
  // The PDF backup's picture store and merge (null: a backup run names
  // the files it could not make).
  PictureStore* pictures = nullptr;
  PdfMerger* pdfMerger = nullptr;

  // ---- Values start-up leaves for the window and the runs ----
  std::string IconPath;         // the window icon's file, "" when there is none
  bool NextResVisible = true;   // the "Next Res" button (Command5)
  std::string CardDate;         // the setup date when it passes CheckDate, else ""
  // Set by whatever ends the program (the controller after a print run
  // over several residents); start-up stops at once when it finds it set.
  bool Ended = false;

  void EndProgram() { Ended = true; }

  // ---- Start-up ----
  // Whether start-up went through, else why it stopped before printing
  // (the settings' printer could not be opened).
  Outcome startup;
  // A start-up that only looks (the preview, the window's pictures) found
  // the auto-print marker and left it for the next real start.
  bool autoPrintLeft = false;

  // ---- Where runs print ----
  // This program run prints on the devices: on the output chosen for it,
  // if any, else on the printer the settings name. Done when the chosen
  // output is open, else why not (nothing was deleted or written at the
  // path). A program run that never says so prints on `printer` alone.
  Outcome startPrinting(const OutputChoice& choice);
  // Without a chosen output: the queue the settings name (PrinterName),
  // opened again when the name changes; never while a run goes on (a
  // printer chosen during a run takes over after it). Done or why not;
  // why not goes into the program run's report as well.
  Outcome followSettingsPrinter();
  // What the output is, for messages: "out.pdf" or "the printer Kitchen";
  // "" when nothing is open.
  const std::string& outputDescription() const { return outputDescription_; }
  // Sends the open job, writes the PDF; every output of this program run
  // not written completely (a queue that refused a job, a PDF that could
  // not be written, cards that never reached the device) goes into the
  // report.
  void finishOutput(RunReport& report);

  // Loads resident.ResidentFile unless it is Loaded, under this meal order,
  // with the options the settings give.
  void loadResident(std::string_view mealOrder);

  // ---- The print run going on ----
  // One run at a time: the controller says whether one is going on, and
  // a stop asked for here ends it after the card it is on.
  bool running() const { return running_; }
  void cancelRun() {
    if (running_) cancelRequested_ = true;
  }
  // ---- One run per facility ----
  // How long a print started here waits for another program run that holds
  // the facility: briefly by default, so that a window never seems frozen.
  double lockWaitSeconds = kWindowLockWaitSeconds;
  // Takes the facility's run lock (a file beside the settings file) and
  // holds it until releaseFacility() or the controller's end. True when it
  // is held, or when there is nothing to lock (no settings folder yet, or a
  // dry run, which writes nothing); why not, when another program run
  // kept it all that time.
  Outcome holdFacility(double waitSeconds);
  void releaseFacility() { lock_.release(); }

  // The window shows the run report of a run that printed with problems
  // before it goes on (or leaves, when the run ended the program).
  bool showRunProblems = false;
  // The window shows, after a run, the print jobs the queue did not take
  // in a message box; the command line names them in the run's summary.
  bool showFailedJobs = false;

  // What the last run (or the last refused start) did.
  const RunReport& lastReport() const { return lastReport_; }
  // Runs the print run with the window's choices, unless one is going on
  // already or another program run holds the facility (a message box says
  // so); the lock taken for the run is let go after it; the caption is rebuilt from the state afterwards, however the
  // run ended.
  const RunReport& print();

  Surface& screenSurface() { return screen ? *screen : offScreen_; }
  RunHooks& runHooks() { return hooks ? *hooks : quiet_; }
  ProgramLauncher& programs() { return launcher ? *launcher : noPrograms_; }

 private:
  // The print run's host: this controller's devices and state. What the
  // run tells becomes the window's caption and fields here, then goes on to
  // whoever drives the controller (the window, the command line).
  class Host : public RunHost, public RunHooks {
   public:
    explicit Host(Controller& c) : c_(c) {}
    Dialogs& dialogs() override { return c_.dialogs; }
    const Clock& clock() const override { return c_.clock; }
    Surface* printer() override { return c_.printer; }
    Surface& screen() override { return c_.screenSurface(); }
    RunHooks& hooks() override { return *this; }
    CardTools tools() const override { return {c_.barCoder, c_.pictureLoader, c_.pictures, c_.pdfMerger}; }

    void rangesRead(const RunRanges& ranges) override;
    void progress(const RunProgress& p) override;
    void processEvents() override { c_.runHooks().processEvents(); }
    void waitNextRes(const NextResPlace& place) override { c_.runHooks().waitNextRes(place); }
    // Exit answered Yes, the program ended meanwhile (Esc, the window
    // closed), or a stop asked for by whoever drives the controller.
    bool cancelRequested() override { return c_.cancelRequested_ || c_.Ended || c_.runHooks().cancelRequested(); }
    void problem(const RunProblem& p) override { c_.runHooks().problem(p); }

   private:
    Controller& c_;
  };
  // What the program does after the run, as its report says.
  void actOn(const RunReport& report);
  // Opens an output (and its trace); done or why not.
  Outcome openOutput(std::unique_ptr<Output> device, std::string description);
  // Who a print job of the run going on prints: its pages in the run and
  // the resident drawn last on it.
  std::string jobOwner(int pages);
  // Before a run on paper: whether the output can print, else its refusal.
  Outcome outputRefusal();
  // The failed print jobs of the output so far go into the report.
  void takeFailedJobs(RunReport& report);
  // Finishes the open output into outputFailures_.
  void closeOutput();

  Devices* devices_ = nullptr;
  Host host_{*this};
  bool printing_ = false;
  bool chosenOutput_ = false;
  std::optional<std::string> trace_;
  std::unique_ptr<Output> output_;
  std::unique_ptr<TraceSurface> traced_;
  std::string outputDescription_;
  std::string openedFor_;  // the PrinterName the open output follows
  RunReport outputFailures_;
  int cardsPrinted_ = 0;  // by the runs whose output is finished next
  int pagesSent_ = 0;     // pages the run going on has sent as print jobs
  int failedJobsNamed_ = 0;  // failed print jobs of the open output named so far
  CountingSurface offScreen_{false};
  RunHooks quiet_;
  NoProgramLauncher noPrograms_;
  RunLock lock_;
  bool running_ = false;
  bool cancelRequested_ = false;
  RunReport lastReport_;
};

}  // namespace mc
