// A print run as the command line follows it: on a terminal a progress bar
// on stderr with what the window's caption would say (unit, resident,
// dining location pass); Ctrl-C, SIGTERM and SIGHUP ask the run to stop
// after the page it is on, without a question, so that whatever the run
// writes is finished and no temporary file is left.
#pragma once

#include <signal.h>

#include <string>

#include "file_problem_log.h"
#include "printrun/run_hooks.h"

namespace mc::app {

// Text for the user on stderr, as the command line's own lines: each line
// of it after "mealcards: ", without trailing blanks, blank lines left out;
// a progress bar on the screen is cleared first, so nothing is written
// onto its line.
void tellUser(const std::string& text);
// Clears the progress bar on the screen, if any, for a line of stderr.
void clearProgressBar();

class TerminalProgress : public RunHooks {
 public:
  // Shows the bar only when stderr is a terminal; without escape sequences
  // when TERM is dumb or NO_COLOR is set. Ctrl-C, SIGTERM and SIGHUP are
  // caught while the object lives.
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

  // The signal that asked for the stop (the first of them), 0 for none.
  int interrupted() const;
  // "Ctrl-C", "SIGTERM" ... for messages.
  static const char* stopName(int signal);

 private:
  bool tty_ = false;
  bool plain_ = false;  // no escape sequences: the line is blanked with spaces
  bool shown_ = false;
  size_t width_ = 0;  // of the line last drawn
  struct sigaction previous_[3] {};
};

}  // namespace mc::app
