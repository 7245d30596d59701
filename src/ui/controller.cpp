#include "ui/controller.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "data/atomic_file.h"
#include "data/text.h"
#include "printrun/print_run.h"
#include "ui/main_caption.h"
#include "settings/resident_load_options.h"
#include "ui/main_actions.h"

namespace mc {

Controller::Controller(DriveMap driveMap, Devices& devicesIn, const Clock& clockIn)
    : Controller(std::move(driveMap), devicesIn.dialogs(), devicesIn.printers(), clockIn) {
  devices_ = &devicesIn;
  screen = devicesIn.screen();
}

Controller::Controller(DriveMap driveMap, Dialogs& dialogsIn, const PrinterList& printerList,
                       const Clock& clockIn)
    : drives(std::move(driveMap)), dialogs(dialogsIn), printers(printerList), clock(clockIn) {}

namespace {

// Marks a print run as going on for as long as it lasts, however it ends:
// a run that threw must not leave every later print refused.
class RunningFlag {
 public:
  RunningFlag(bool& running, bool& cancelRequested) : running_(running), cancelRequested_(cancelRequested) {
    running_ = true;
    cancelRequested_ = false;
  }
  ~RunningFlag() {
    running_ = false;
    cancelRequested_ = false;
  }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;

 private:
  bool& running_;
  bool& cancelRequested_;
};

}  // namespace

void Controller::Host::rangesRead(const RunRanges& r) {
  const int values[9] = {0, r.unitFirst, r.unitLast, r.residentFirst, r.residentLast,
                         r.dayFirst, r.dayLast, r.locationFirst, r.locationLast};
  for (int n = 1; n <= 8; ++n) c_.model.Text[n] = bareNumber(values[n]);
  c_.runHooks().rangesRead(r);
}

void Controller::Host::progress(const RunProgress& p) {
  c_.model.Caption = p.caption;
  c_.model.Overlay.Caption = p.caption;
  c_.runHooks().progress(p);
}

void Controller::actOn(const RunReport& report) {
  if (report.end != RunEnd::NotStarted)
    // The label follows the dining-location label marker of the settings:
    // hidden while the dining location is forced onto every card.
    model.Label[10].Visible = !model.DiningLabelMarker;
  switch (report.afterRun) {
    case AfterRun::StaysOpen:
      return;
    case AfterRun::ExitAction:
      // With the caption cleared the Exit action finds no run to cancel and
      // asks nothing.
      model.CallMode = callmode::Ending;
      model.Caption.clear();
      EndWithSave(*this);
      return;
    case AfterRun::Ends:
      model.CallMode = callmode::Ending;
      EndProgram();
      return;
  }
}

void Controller::loadResident(std::string_view mealOrder) {
  loadResidentAsSet(resident, dietFile, drives, facility, model, mealOrder);
}

Outcome Controller::holdFacility(double waitSeconds) {
  if (lock_.held() || drives.dryRun()) return {};
  const auto settings = drives.hostPath(settingsFile.path());
  std::error_code ec;
  const auto folder = drives.driveFolderOf(settingsFile.path());
  if (!settings || !folder || !std::filesystem::is_directory(settings->parent_path(), ec)) return {};
  // A stop asked for while waiting (Ctrl-C, SIGTERM) ends the wait.
  return lock_.acquire(settings->string() + ".lock", *folder, waitSeconds,
                       [this] { return runHooks().cancelRequested(); });
}

const RunReport& Controller::print() {
  if (running_) {
    // The window keeps its events flowing during a run: a second Print
    // must not start a run inside the first.
    RunReport refused;
    refused.end = RunEnd::Refused;
    lastReport_ = std::move(refused);
    return lastReport_;
  }
  const bool heldBefore = lock_.held();
  if (const Outcome held = holdFacility(lockWaitSeconds); !held) {
    std::string text = held.error();
    if (!text.empty()) text[0] = upperChar(text[0]);
    dialogs.message(text, Buttons::Ok);
    RunReport refused;
    refused.end = RunEnd::Refused;
    lastReport_ = std::move(refused);
    return lastReport_;
  }
  // A queue that cannot take the cards is named before anything is drawn.
  if (const Outcome canPrint = outputRefusal(); !canPrint) {
    if (!heldBefore) lock_.release();
    std::string text = outputDescription_ + " cannot print: " + canPrint.error();
    text[0] = upperChar(text[0]);
    dialogs.message(text, Buttons::Ok);
    RunReport report;
    report.end = RunEnd::Refused;
    report.outputFailed(outputDescription_, canPrint.error());
    lastReport_ = std::move(report);
    return lastReport_;
  }
  pagesSent_ = 0;
  RunReport report;
  {
    const RunningFlag flag(running_, cancelRequested_);
    RunEnvironment env{drives, facility, model, settingsFile, resident, dietFile, run, host_, &tables};
    report = mc::Command1_Click(env);
  }
  // The run's own caption ("....") must not outlive it, unless the program
  // ended meanwhile; a run that ends the program through the Exit action
  // leaves it cleared.
  if (!Ended) PutCap(facility, model);
  actOn(report);
  takeFailedJobs(report);
  if (showFailedJobs && !report.failedOutputs.empty()) {
    std::string text = "Not every card reached the printer:";
    for (const OutputFailure& f : report.failedOutputs) text += "\r\n" + f.output + ": " + f.reason;
    dialogs.message(text, Buttons::Ok);
  }
  if (!heldBefore) lock_.release();
  lastReport_ = std::move(report);
  if (showRunProblems && !lastReport_.walkThrough && lastReport_.hasProblems()) {
    std::string text = "Printed, with problems:";
    for (const std::string& line : lastReport_.summary()) text += "\r\n" + line;
    dialogs.message(text, Buttons::Ok, "Run Report");
  }
  return lastReport_;
}

Outcome Controller::outputRefusal() {
  // A walk-through or a print to the screen does not touch the printer.
  const bool onPaper = printer && run.PreviewFlag == 0 && model.Check[5] != 1;
  if (!output_ || !onPaper || drives.dryRun()) return {};
  return output_->refusal();
}

std::string Controller::jobOwner(int pages) {
  const int first = pagesSent_ + 1;
  pagesSent_ += pages;
  const std::string place = residentPlace(run.MealOrder.empty() ? run.UnitNo : 0, run.ResidentNo,
                                          trim(resident.ResidentFile), trim(resident.NameLine));
  if (pages <= 1) return "page " + std::to_string(first) + " (" + place + ")";
  return "pages " + std::to_string(first) + "-" + std::to_string(pagesSent_) + " (the last " + place + ")";
}

void Controller::takeFailedJobs(RunReport& report) {
  if (!output_) return;
  for (std::string& job : output_->takeFailedJobs()) {
    report.outputFailed(outputDescription_, std::move(job));
    ++failedJobsNamed_;
  }
}

Outcome Controller::openOutput(std::unique_ptr<Output> device, std::string description) {
  output_ = std::move(device);
  outputDescription_ = std::move(description);
  printer = &output_->surface();
  output_->nameJobs([this](int pages) { return jobOwner(pages); });
  if (!trace_) return {};
  traced_ = std::make_unique<TraceSurface>(output_->surface(), *trace_);
  printer = traced_.get();
  if (const Outcome traced = traced_->status(); !traced)
    return Failure{"cannot write the trace file " + *trace_ + (traced.error().empty() ? "" : ": " + traced.error())};
  return {};
}

Outcome Controller::startPrinting(const OutputChoice& choice) {
  trace_ = choice.trace;
  printing_ = devices_ != nullptr;
  if (!printing_ || (!choice.pdf && !choice.printer)) return {};
  chosenOutput_ = true;
  if (choice.pdf) {
    // Nothing at the path is deleted: the new document replaces the file
    // there (or the file a link there names) only once it is complete, and
    // only a regular file is ever replaced so.
    if (const auto target = outputTarget(*choice.pdf, {}); !target)
      return Failure{"cannot write " + *choice.pdf + ": " + target.error()};
    run.PdfDriverForced = true;
    auto device = devices_->openPdf(*choice.pdf);
    if (!device) return Failure{"cannot write " + *choice.pdf + ": " + device.error()};
    return openOutput(std::move(*device), *choice.pdf);
  }
  // A queue that is not installed is named with those that are, for the
  // window as for the command line, before anything is opened.
  const std::vector<std::string> installed = devices_->printers().names();
  if (std::find(installed.begin(), installed.end(), *choice.printer) == installed.end()) {
    std::string list;
    for (const std::string& name : installed) list += (list.empty() ? "" : ", ") + name;
    return Failure{"no printer named " + *choice.printer + " is installed (installed: " +
                   (list.empty() ? std::string("none") : list) + ")"};
  }
  run.PrinterOverride = utf8ToCp1252(*choice.printer);
  return openOutput(devices_->openPrinter(*choice.printer), "the printer " + *choice.printer);
}

Outcome Controller::followSettingsPrinter() {
  if (!printing_ || running_ || chosenOutput_) return {};
  if (output_ && model.PrinterName == openedFor_) return {};
  closeOutput();
  printer = nullptr;
  openedFor_ = model.PrinterName;
  if (model.NoPrinters || trim(model.PrinterName).empty()) return {};
  const std::string name = cp1252ToUtf8(model.PrinterName);
  const Outcome opened = openOutput(devices_->openPrinter(name), "the printer " + name);
  // The window goes on without a question; its program run ends failed.
  if (!opened) outputFailures_.outputFailed(*trace_, opened.error());
  return opened;
}

void Controller::closeOutput() {
  if (!output_) return;
  const OutputOutcome out = output_->finish();
  RunReport& report = outputFailures_;
  // The trace is completed whatever became of the device: it shows what
  // the run drew.
  if (const Outcome traced = traced_ ? traced_->finish() : Outcome(); !traced)
    report.outputFailed(*trace_, "cannot write the trace file (" + traced.error() + "); the file is left as it was");
  const std::string& description = outputDescription_;
  // Each failed print job is named by what it printed; a queue that cannot
  // name them has them counted.
  takeFailedJobs(report);
  if (out.pdf) {
    if (!out.ok)
      report.outputFailed(description, "cannot write the file (" + out.error + "); the file is left as it was");
    else if (!out.written && cardsPrinted_ > 0)
      report.outputFailed(description, "the file was not written: no card reached it");
  } else if (failedJobsNamed_ > 0) {
    // named, each by its page
  } else if (out.refusedJobs > 0) {
    report.outputFailed(description, "did not take " + std::to_string(out.refusedJobs) + " of " +
                                         std::to_string(out.refusedJobs + out.jobs) + " jobs");
  } else if (!out.ok) {
    report.outputFailed(description, "did not take the job");
  } else if (out.jobs == 0 && cardsPrinted_ > 0) {
    report.outputFailed(description, "no job was sent: no card reached it");
  }
  traced_.reset();
  output_.reset();
  cardsPrinted_ = 0;
  failedJobsNamed_ = 0;
}

void Controller::finishOutput(RunReport& report) {
  cardsPrinted_ += report.cards();
  closeOutput();
  for (OutputFailure& f : outputFailures_.failedOutputs) report.failedOutputs.push_back(std::move(f));
  outputFailures_.failedOutputs.clear();
}

}  // namespace mc
