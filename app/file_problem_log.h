// The command line's side of the file problems the program meets: each is
// named on stderr as it happens, and a write that failed turns a run that
// went through into exit code 1.
#pragma once

#include <iosfwd>

#include "data/file_problems.h"

namespace mc::app {

class FileProblemLog : public FileProblems {
 public:
  explicit FileProblemLog(std::ostream& out) : out_(out) {}
  void report(const FileProblem& problem) override;

  int failedWrites() const { return failedWrites_; }
  // The exit code of a command that otherwise ended with `code`: a failed
  // write of ours is never a success.
  int exitCode(int code) const;

 private:
  std::ostream& out_;
  int failedWrites_ = 0;
};

}  // namespace mc::app
