// A print queue of this machine's print service, through libcups: asked
// before a run whether it takes jobs, handed each job as a PDF file, and
// asked what became of every job it took. The run waits for the scheduler
// to take a job (queued, printing or printed), never for the paper.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "data/outcome.h"

namespace mc {

class CupsQueue {
 public:
  // The queue by the name the printer list shows ("Kitchen", or
  // "Kitchen/labels" for an instance).
  explicit CupsQueue(std::string name);

  // Why the queue cannot take jobs now: the print service cannot be
  // reached, there is no such queue, or it does not accept jobs or is
  // stopped (with the queue's own state message); done when it can.
  Outcome refusal() const;

  using Options = std::vector<std::pair<std::string, std::string>>;
  // Hands the PDF file over as one job: done once the scheduler has taken
  // it; else why not (refused, or held, stopped, aborted or cancelled at
  // once), in the service's words.
  Outcome send(const std::string& pdfFile, const std::string& title, const Options& options);

  // The jobs taken so far that the scheduler has since held, stopped,
  // aborted or cancelled: each job's number among those sent (from 1) and
  // why. Each is told once; jobs done are forgotten.
  std::vector<std::pair<int, std::string>> lostJobs();

 private:
  struct Taken {
    int number = 0;  // among the jobs sent
    int id = 0;      // the scheduler's job id
  };

  std::string name_;
  std::string instance_;
  int sent_ = 0;
  std::vector<Taken> taken_;
};

}  // namespace mc
