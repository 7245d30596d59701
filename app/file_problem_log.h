// The command line's side of the file problems the program meets. Damage
// is named on stderr as it is found. A write of ours that failed is named
// too, or, for a command that ends with a run's summary, kept for that
// summary, where it makes the run's exit code 1.
#pragma once

#include <iosfwd>
#include <vector>

#include "data/file_problems.h"
#include "printrun/run_report.h"

namespace mc::app {

class FileProblemLog : public FileProblems {
 public:
  explicit FileProblemLog(std::ostream& out) : out_(out) {}
  void report(const FileProblem& problem) override;

  // From now on failed writes wait for moveFailedWrites().
  void keepFailedWrites() { keepWrites_ = true; }
  // The failed writes kept so far become failed outputs of the report.
  void moveFailedWrites(RunReport& report);
  // The exit code of a command that ends without a run report, and
  // otherwise with `code`; failed writes still kept are named now. A
  // failed write of ours is never a success.
  int exitCode(int code);

 private:
  std::ostream& out_;
  bool keepWrites_ = false;
  int failedWrites_ = 0;
  std::vector<FileProblem> kept_;
};

}  // namespace mc::app
