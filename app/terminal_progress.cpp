#include "terminal_progress.h"

#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <iostream>

#include "data/text.h"

namespace mc::app {

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void onInterrupt(int) { gInterrupted = 1; }

constexpr int kBarWidth = 24;

// The caption without its blanks and the dots that mark a running print.
std::string captionText(const std::string& caption) {
  std::string text = cp1252ToUtf8(trim(caption));
  while (!text.empty() && (text.back() == '.' || text.back() == ' ')) text.pop_back();
  return text;
}

}  // namespace

TerminalProgress::TerminalProgress() : tty_(isatty(STDERR_FILENO) == 1) {
  gInterrupted = 0;
  previous_ = std::signal(SIGINT, onInterrupt);
}

TerminalProgress::~TerminalProgress() {
  clear();
  std::signal(SIGINT, previous_ == SIG_ERR ? SIG_DFL : previous_);
}

void TerminalProgress::progress(const RunProgress& p) {
  if (!tty_) return;
  const int filled = std::clamp(static_cast<int>(p.done * kBarWidth + 0.5), 0, kBarWidth);
  std::cerr << "\r[" << std::string(filled, '#') << std::string(kBarWidth - filled, '.') << "] "
            << captionText(p.caption) << "\x1b[K" << std::flush;
  shown_ = true;
}

bool TerminalProgress::cancelRequested() { return gInterrupted != 0; }

bool TerminalProgress::interrupted() const { return gInterrupted != 0; }

void TerminalProgress::clear() {
  if (!shown_) return;
  std::cerr << "\r\x1b[K" << std::flush;
  shown_ = false;
}

void TerminalProgress::problem(const RunProblem& p) {
  clear();
  if (log) log->name(p);
}

}  // namespace mc::app
