#include "terminal_progress.h"

#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <iterator>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "data/text.h"

namespace mc::app {

namespace {

// The first stop signal received, 0 for none.
volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void onInterrupt(int signal) {
  if (gInterrupted == 0) gInterrupted = signal;
}

// Ctrl-C, a stop from the system (SIGTERM: a shutdown, kill, a service
// manager) and a closed terminal (SIGHUP) all end the run the same way.
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The bar on the screen, cleared before any other line is written.
TerminalProgress* gShownBar = nullptr;

constexpr int kBarWidth = 24;

// The caption without its blanks and the dots that mark a running print.
std::string captionText(const std::string& caption) {
  std::string text = cp1252ToUtf8(trim(caption));
  while (!text.empty() && (text.back() == '.' || text.back() == ' ')) text.pop_back();
  return text;
}

bool escapesUnwanted() {
  const char* term = std::getenv("TERM");
  const char* noColor = std::getenv("NO_COLOR");
  return (term && std::strcmp(term, "dumb") == 0) || (noColor && *noColor);
}

}  // namespace

void clearProgressBar() {
  if (gShownBar) gShownBar->clear();
}

void tellUser(const std::string& text) {
  clearProgressBar();
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) line.pop_back();
    if (line.find_first_not_of(" \t") != std::string::npos) std::cerr << "mealcards: " << line << '\n';
    start = end + 1;
  }
  std::cerr.flush();
}

TerminalProgress::TerminalProgress() : tty_(isatty(STDERR_FILENO) == 1), plain_(escapesUnwanted()) {
  gInterrupted = 0;
  for (size_t i = 0; i < std::size(kStopSignals); ++i) {
    struct sigaction stop {};
    stop.sa_handler = onInterrupt;
    sigemptyset(&stop.sa_mask);
    // Calls under way go on: the run looks at the flag between pages.
    stop.sa_flags = SA_RESTART;
    ::sigaction(kStopSignals[i], &stop, &previous_[i]);
  }
}

TerminalProgress::~TerminalProgress() {
  clear();
  for (size_t i = 0; i < std::size(kStopSignals); ++i) ::sigaction(kStopSignals[i], &previous_[i], nullptr);
}

void TerminalProgress::progress(const RunProgress& p) {
  if (!tty_) return;
  const int filled = std::clamp(static_cast<int>(p.done * kBarWidth + 0.5), 0, kBarWidth);
  const std::string line =
      "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') + "] " + captionText(p.caption);
  if (plain_) {
    // Blanks over what is left of a longer line before.
    std::cerr << '\r' << line << std::string(width_ > line.size() ? width_ - line.size() : 0, ' ') << std::flush;
  } else {
    std::cerr << '\r' << line << "\x1b[K" << std::flush;
  }
  width_ = line.size();
  shown_ = true;
  gShownBar = this;
}

bool TerminalProgress::cancelRequested() { return gInterrupted != 0; }

int TerminalProgress::interrupted() const { return gInterrupted; }

const char* TerminalProgress::stopName(int signal) {
  switch (signal) {
    case SIGINT: return "Ctrl-C";
    case SIGTERM: return "SIGTERM";
    case SIGHUP: return "SIGHUP (the terminal was closed)";
    default: return "a signal";
  }
}

void TerminalProgress::clear() {
  if (gShownBar == this) gShownBar = nullptr;
  if (!shown_) return;
  if (plain_) std::cerr << '\r' << std::string(width_, ' ') << '\r' << std::flush;
  else std::cerr << "\r\x1b[K" << std::flush;
  shown_ = false;
}

void TerminalProgress::problem(const RunProblem& p) {
  clear();
  if (log) log->name(p);
}

}  // namespace mc::app
