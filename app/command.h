// The commands of the mealcards executable. Each command lives in a file of
// its own and registers itself; main() parses the global options and hands
// the rest of the command line to the command.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mc::app {

// Exit codes (see the README).
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // nothing could be done; the reason is on stderr
inline constexpr int kExitUsage = 2;   // the command line is wrong
inline constexpr int kExitFound = 3;   // check found problems
inline constexpr int kExitProblems = 4;  // printed, with problems named on stderr and in the run report
// Stopped by a signal: 128 + its number, as shells count (130 Ctrl-C, 143
// SIGTERM, 129 SIGHUP).
inline constexpr int kExitSignalled = 128;

struct GlobalOptions {
  std::string drives;  // --drives DIR, else $MEALCARDS_DRIVES
  std::optional<std::string> date;     // --date MM-DD-YY
  std::optional<std::string> pdf;      // --pdf FILE
  std::optional<std::string> printer;  // --printer NAME
  std::optional<std::string> trace;    // --trace FILE
};

using CommandFn = int (*)(const GlobalOptions&, const std::vector<std::string>& args);

struct CommandRegistration {
  CommandRegistration(const char* name, const char* usage, CommandFn fn);
};

// A display to show windows on (X11 or Wayland).
bool hasDisplay();

// Prints "mealcards: " and the message to stderr; returns kExitFailed.
int fail(const std::string& message);
// The same for a wrong command line; returns kExitUsage.
int usageError(const std::string& message);

}  // namespace mc::app
