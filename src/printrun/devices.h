// The devices of this machine as the controller asks for them: a printer
// queue or a PDF file to print on, the screen preview Picture1, the
// installed printers and the dialogs. The program's are Qt's (QtDevices);
// tests bring their own.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "printrun/dialogs.h"
#include "render/surface.h"
#include "settings/printer_list.h"

namespace mc {

// What became of everything sent to an output once it was finished.
struct OutputOutcome {
  bool pdf = false;      // a PDF file, else a printer queue
  bool ok = true;        // the file was written, the last job taken
  std::string error;     // why the PDF file could not be written
  bool written = false;  // the PDF file holds a page
  int jobs = 0;          // print jobs the queue took
  int refusedJobs = 0;   // print jobs the queue refused
};

// A printer queue or a PDF file, open for a run.
class Output {
 public:
  virtual ~Output() = default;
  virtual Surface& surface() = 0;
  // Sends the open job or writes the file.
  virtual OutputOutcome finish() = 0;

  // Why the output cannot take a run now, asked before each run that
  // prints: a print queue that does not exist, does not accept jobs or is
  // stopped, in the print service's words; done when it can.
  virtual Outcome refusal() { return {}; }
  // Who each print job sent from now on prints, asked for as the job is
  // sent, with the number of pages it holds ("page 3 (unit 1 bed 3 ...)").
  virtual void nameJobs(std::function<std::string(int pages)> owner) { (void)owner; }
  // The print jobs that failed since the last call, each named by its
  // owner with why: refused by the print service, or taken and then held,
  // stopped, aborted or cancelled by it. The run never waits for the paper,
  // only for the service to take the job.
  virtual std::vector<std::string> takeFailedJobs() { return {}; }
};

class Devices {
 public:
  virtual ~Devices() = default;
  virtual Dialogs& dialogs() = 0;
  virtual const PrinterList& printers() const = 0;
  // Picture1; null when this program run shows no preview.
  virtual Surface* screen() = 0;
  // The queue of that name (one that is not installed draws nothing and
  // says so when finished).
  virtual std::unique_ptr<Output> openPrinter(const std::string& name) = 0;
  // A PDF file written at the path once complete; why not, when it cannot
  // be started.
  virtual Result<std::unique_ptr<Output>> openPdf(const std::string& path) = 0;
};

}  // namespace mc
