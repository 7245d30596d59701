// mealcards [--drives DIR] [--date MM-DD-YY] [--pdf FILE | --printer NAME]
//           [--trace FILE] COMMAND [ARGS]

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "command.h"
#include "data/atomic_file.h"
#include "data/card_date.h"
#include "help_text.h"
#include "platform/process_memory.h"

namespace mc::app {

namespace {

struct Entry {
  const char* usage;
  CommandFn fn;
};

std::map<std::string, Entry>& registry() {
  static std::map<std::string, Entry> commands;
  return commands;
}

void printUsage(std::ostream& out) {
  out << "usage: mealcards [--drives DIR] [--date MM-DD-YY] [--pdf FILE | --printer NAME]\n"
         "                 [--trace FILE] COMMAND [ARGS]\n\ncommands:\n";
  for (const auto& [name, entry] : registry()) out << "  " << entry.usage << '\n';
  out << "\nDIR holds one folder per drive letter (c or c:); $MEALCARDS_DRIVES is used when\n"
         "--drives is not given. mealcards --help tells the whole story.\n";
}

// Two paths that reach one file: the same place once links are followed,
// or one file under two names.
bool sameFile(const std::string& a, const std::string& b) {
  // A path refused as an output (a folder, a loop of links) is compared as
  // it stands below.
  const auto x = mc::outputTarget(a, {}), y = mc::outputTarget(b, {});
  if (x && y && *x == *y) return true;
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec) && !ec;
}

// Letters to add, drop or change to turn one word into the other.
size_t editDistance(const std::string& a, const std::string& b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// The word of `known` that a slip of the keyboard most likely meant: at most
// two letters off, and fewer than half of the word's own.
std::string nearest(const std::string& typed, const std::vector<std::string>& known) {
  std::string best;
  size_t bestDistance = 3;
  for (const std::string& word : known) {
    const size_t d = editDistance(typed, word);
    if (d < bestDistance && d * 2 < word.size()) best = word, bestDistance = d;
  }
  return best;
}

std::string didYouMean(const std::string& typed, const std::vector<std::string>& known) {
  const std::string guess = nearest(typed, known);
  return guess.empty() ? std::string() : "; did you mean " + guess + "?";
}

}  // namespace

bool hasDisplay() {
  const char* x = std::getenv("DISPLAY");
  const char* w = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (w && *w);
}

CommandRegistration::CommandRegistration(const char* name, const char* usage, CommandFn fn) {
  registry()[name] = Entry{usage, fn};
}

int fail(const std::string& message) {
  std::cerr << "mealcards: " << message << '\n';
  return kExitFailed;
}

int usageError(const std::string& message) {
  std::cerr << "mealcards: " << message << " (mealcards --help shows the whole usage)\n";
  return kExitUsage;
}

}  // namespace mc::app

int main(int argc, char** argv) {
  using namespace mc::app;
  mc::keepFreedMemory();
  GlobalOptions options;
  if (const char* env = std::getenv("MEALCARDS_DRIVES")) options.drives = env;
  std::vector<std::string> rest;
  int i = 1;
  auto value = [&](const std::string& flag) -> std::optional<std::string> {
    if (i + 1 >= argc) return std::nullopt;
    (void)flag;
    return std::string(argv[++i]);
  };
  for (; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      std::cout << kHelpText;
      return kExitOk;
    }
    if (arg == "--version") {
      std::cout << "mealcards " << kVersion << '\n';
      return kExitOk;
    }
    if (arg == "--drives" || arg == "--date" || arg == "--pdf" || arg == "--printer" ||
        arg == "--trace") {
      auto v = value(arg);
      if (!v) return usageError(arg + " needs a value");
      if (arg == "--drives") options.drives = *v;
      if (arg == "--date") options.date = *v;
      if (arg == "--pdf") options.pdf = *v;
      if (arg == "--printer") options.printer = *v;
      if (arg == "--trace") options.trace = *v;
      continue;
    }
    if (!arg.empty() && arg[0] == '-' && rest.empty())
      return usageError("unknown option " + arg +
                        didYouMean(arg, {"--drives", "--date", "--pdf", "--printer", "--trace", "--help", "--version"}));
    for (; i < argc; ++i) rest.emplace_back(argv[i]);
  }
  if (options.pdf && options.printer) return usageError("--pdf and --printer exclude each other");
  if (options.pdf && options.trace && sameFile(*options.pdf, *options.trace))
    return usageError("--pdf and --trace name the same file " + *options.trace + ": the trace would replace the cards");
  if (options.date && !mc::parseStrictMmDdYy(*options.date))
    return usageError("--date " + *options.date + " is not a date MM-DD-YY: " +
                      mc::strictMmDdYyProblem(*options.date));
  if (rest.empty()) {
    // The window is the default where there is a display to show it on.
    if (hasDisplay() && registry().count("gui")) {
      rest.emplace_back("gui");
    } else {
      std::cerr << "mealcards: no command given\n";
      printUsage(std::cerr);
      return kExitUsage;
    }
  }
  const std::string name = rest.front();
  rest.erase(rest.begin());
  const auto it = registry().find(name);
  if (it == registry().end()) {
    std::vector<std::string> known;
    for (const auto& [command, entry] : registry()) known.push_back(command);
    return usageError("unknown command " + name + didYouMean(name, known));
  }
  return it->second.fn(options, rest);
}
