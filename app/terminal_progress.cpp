#include "terminal_progress.h"

#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "data/text.h"

namespace mc::app {

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

// The bar on the screen, cleared before any other line is written.
TerminalProgress* gShownBar = nullptr;

extern "C" void onInterrupt(int) { gInterrupted = 1; }

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
  previous_ = std::signal(SIGINT, onInterrupt);
}

TerminalProgress::~TerminalProgress() {
  clear();
  std::signal(SIGINT, previous_ == SIG_ERR ? SIG_DFL : previous_);
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

bool TerminalProgress::interrupted() const { return gInterrupted != 0; }

void TerminalProgress::clear() {
  if (gShownBar == this) gShownBar = nullptr;
  if (!shown_) return;
  if (plain_) std::cerr << '\r' << std::string(width_, ' ') << '\r' << std::flush;
  else std::cerr << "\r\x1b[K" << std::flush;
  shown_ = false;
}

}  // namespace mc::app
