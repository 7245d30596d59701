#include "file_problem_log.h"

#include <ostream>

#include "command.h"
#include "data/text.h"
#include "terminal_progress.h"

namespace mc::app {

void FileProblemLog::report(const FileProblem& problem) {
  if (problem.fault == FileFault::WriteFailed) {
    ++failedWrites_;
    if (keepWrites_) {
      // A file that refuses one card refuses the next ones too: it is
      // named once.
      for (const FileProblem& k : kept_)
        if (k.path == problem.path) return;
      kept_.push_back(problem);
      return;
    }
  }
  if (problem.fault != FileFault::WriteFailed) {
    name({problem.path, problem.detail, problem.where});
    return;
  }
  clearProgressBar();
  out_ << "mealcards: " << cp1252ToUtf8(problem.shown()) << ' ' << cp1252ToUtf8(problem.detail) << '\n';
  out_.flush();
}

void FileProblemLog::name(const RunProblem& problem) {
  for (const RunProblem& p : met_)
    if (p.file == problem.file) return;
  met_.push_back(problem);
  clearProgressBar();
  out_ << "mealcards: " << cp1252ToUtf8(problem.shown()) << ' ' << cp1252ToUtf8(problem.what) << '\n';
  out_.flush();
}

void FileProblemLog::moveFailedWrites(RunReport& report) {
  for (FileProblem& p : kept_) report.outputFailed(p.shown(), std::move(p.detail));
  kept_.clear();
}

int FileProblemLog::exitCode(int code) {
  for (const FileProblem& p : kept_)
    out_ << "mealcards: " << cp1252ToUtf8(p.shown()) << ' ' << cp1252ToUtf8(p.detail) << '\n';
  kept_.clear();
  return code == kExitOk && failedWrites_ > 0 ? kExitFailed : code;
}

}  // namespace mc::app
