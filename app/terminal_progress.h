// A print run as the command line follows it: on a terminal a progress bar
// on stderr with what the window's caption would say (unit, resident,
// dining location pass); Ctrl-C asks the run to stop after the page it is
// on, without a question.
#pragma once

#include "file_problem_log.h"
#include "printrun/run_hooks.h"

namespace mc::app {

class TerminalProgress : public RunHooks {
 public:
  // Shows the bar only when stderr is a terminal. Ctrl-C is caught while
  // the object lives.
  TerminalProgress();
  ~TerminalProgress() override;
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

  void progress(const RunProgress& p) override;
  bool cancelRequested() override;
  // Named on stderr through the log, above the bar.
  void problem(const RunProblem& p) override;
  FileProblemLog* log = nullptr;
  // Clears the bar's line.
  void clear();

  bool interrupted() const;

 private:
  bool tty_ = false;
  bool shown_ = false;
  void (*previous_)(int) = nullptr;
};

}  // namespace mc::app
