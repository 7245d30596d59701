#include "support/mealcards_command.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace mc::test {

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string quoted(const std::string& s) { return "'" + s + "'"; }

Outcome mealcards(const TempDrives& scratch, const std::string& args) {
  const fs::path out = scratch.root() / "stdout.txt", err = scratch.root() / "stderr.txt";
  const std::string command = "env -u MEALCARDS_DRIVES -u DISPLAY -u WAYLAND_DISPLAY " +
                              quoted(MEALCARDS_BINARY) + " " + args + " >" + quoted(out.string()) +
                              " 2>" + quoted(err.string());
  const int status = std::system(command.c_str());
  Outcome r;
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = slurp(out);
  r.err = slurp(err);
  return r;
}

fs::path makeDemo(const TempDrives& scratch, const std::string& options) {
  static int made = 0;
  const fs::path drives = scratch.root() / ("demo" + std::to_string(++made));
  const std::string command =
      quoted(MEALCARDS_DEMO_GENERATOR) + " " + quoted(drives.string()) + " " + options + " >/dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0);
  return drives;
}

}  // namespace mc::test
