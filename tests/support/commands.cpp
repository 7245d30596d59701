#include "support/commands.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace mc::test {

std::string readFile(const fs::path& path) {
  std::ostringstream s;
  s << std::ifstream(path, std::ios::binary).rdbuf();
  return s.str();
}

void writeFile(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string shellQuote(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

CommandResult runShell(const std::string& command) {
  static int counter = 0;
  const fs::path base = fs::temp_directory_path() /
                        ("mealcards-cmd-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
  const fs::path out = base.string() + ".out", err = base.string() + ".err";
  const std::string full = "(" + command + ") >" + shellQuote(out.string()) + " 2>" + shellQuote(err.string());
  const int status = std::system(full.c_str());
  CommandResult r;
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = readFile(out);
  r.err = readFile(err);
  std::error_code ec;
  fs::remove(out, ec);
  fs::remove(err, ec);
  return r;
}

CommandResult runMealcards(const std::string& args, const std::string& environment) {
  return runShell("env -u MEALCARDS_DRIVES -u DISPLAY -u WAYLAND_DISPLAY " + environment + " " +
                  shellQuote(MEALCARDS_BINARY) + " " + args);
}

fs::path makeDemoFacility(const fs::path& dir, const std::string& options) {
  const CommandResult r =
      runShell(shellQuote(MEALCARDS_DEMO_GENERATOR) + " " + shellQuote(dir.string()) + " " + options);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  return dir;
}

std::vector<std::string> pdfPages(const std::filesystem::path& pdf) {
  // pdftotext ends every page with a form feed.
  std::vector<std::string> out(1);
  for (char ch : runShell("pdftotext " + shellQuote(pdf.string()) + " -").out) {
    if (ch == '\f') out.emplace_back();
    else out.back() += ch;
  }
  out.pop_back();
  return out;
}

bool hasLine(const std::string& text, const std::string& line) {
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);)
    if (l == line) return true;
  return false;
}

::testing::AssertionResult holds(const std::string& text, const std::string& part) {
  if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no \"" << part << "\" in:\n" << text;
}

}  // namespace mc::test
