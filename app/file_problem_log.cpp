#include "file_problem_log.h"

#include <ostream>

#include "command.h"
#include "data/text.h"

namespace mc::app {

void FileProblemLog::report(const FileProblem& problem) {
  if (problem.fault == FileFault::WriteFailed) ++failedWrites_;
  out_ << "mealcards: " << cp1252ToUtf8(problem.path) << ' ' << cp1252ToUtf8(problem.detail) << '\n';
  out_.flush();
}

int FileProblemLog::exitCode(int code) const {
  return code == kExitOk && failedWrites_ > 0 ? kExitFailed : code;
}

}  // namespace mc::app
