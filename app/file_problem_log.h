// The command line's side of the file problems the program meets. A file
// missing, unreadable or damaged is named on stderr as it is found, once
// however often it is met, and kept for the run report. A write of ours
// that failed is named too, or, for a command that ends with a run's
// summary, kept for that summary, where it makes the run's exit code 1.
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
  // Names a problem of the run's list on stderr, unless it was named.
  void name(const RunProblem& problem);
  // Every problem named so far, in the order met.
  const std::vector<RunProblem>& met() const { return met_; }

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
  std::vector<RunProblem> met_;
};

}  // namespace mc::app
