// Where a command's print run prints: a PDF file (--pdf, a PDF printer
// driver), a named queue (--printer), or the queue of the settings'
// PrinterName; optionally traced (--trace). The screen is never traced.
#pragma once

#include <memory>
#include <string>

#include "command.h"
#include "platform/qt_surface.h"
#include "printrun/run_report.h"
#include "render/trace_surface.h"
#include "ui/controller.h"

namespace mc::app {

class PrintOutput {
 public:
  explicit PrintOutput(const GlobalOptions& options) : options_(options) {}

  // Opens --pdf or --printer when given, and tells the run state how this
  // program run prints. False, after saying why, when the trace file
  // cannot be written.
  bool openFromOptions(RunState& run);
  // Without --pdf and --printer: the settings' printer, once the settings
  // are loaded. Nothing when the machine has no printer.
  bool openSettingsPrinter(const SettingsModel& model);

  // The surface the run draws on; null when nothing is open.
  Surface* surface() { return traced_ ? static_cast<Surface*>(traced_.get()) : device_.get(); }
  // What the output is, for messages: "out.pdf" or "the printer Kitchen".
  const std::string& description() const { return description_; }

  // Writes the PDF, sends the open job; an output that could not be
  // written completely (a queue that refused a job, a PDF that could not
  // be written, or cards that never reached the device) goes into the
  // report.
  void finish(RunReport& report);

 private:
  bool open(std::unique_ptr<QtSurface> device, std::string description);

  const GlobalOptions& options_;
  std::unique_ptr<QtSurface> device_;
  std::unique_ptr<TraceSurface> traced_;
  std::string description_;
};

}  // namespace mc::app
