// --help and --version: the text a user and the manual page rely on.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/commands.h"

namespace mc {
namespace {

using test::CommandResult;
using test::runMealcards;

TEST(HelpAndVersion, HelpDocumentsEveryCommandTheProgramKnows) {
  const CommandResult help = runMealcards("--help");
  ASSERT_EQ(help.exitCode, 0) << help.err;
  EXPECT_EQ(help.out.rfind("usage: mealcards [--drives DIR]", 0), 0u) << help.out;
  for (const char* heading : {"Options (before the command):", "Commands:", "Exit status:"})
    EXPECT_TRUE(test::hasLine(help.out, heading)) << heading;

  // A wrong command line lists the commands registered in the program; each
  // must have its entry under Commands.
  const CommandResult wrong = runMealcards("no-such-command");
  ASSERT_EQ(wrong.exitCode, 2);
  std::istringstream usage(wrong.err.substr(wrong.err.find("commands:")));
  int commands = 0;
  for (std::string line; std::getline(usage, line);) {
    if (line.size() < 3 || line.compare(0, 2, "  ") != 0 || line[2] == ' ') continue;
    const std::string name = line.substr(2, line.find(' ', 2) - 2);
    ++commands;
    const bool documented = help.out.find("\n  " + name + "\n") != std::string::npos ||
                            help.out.find("\n  " + name + " ") != std::string::npos;
    EXPECT_TRUE(documented) << name << " is missing from --help";
  }
  EXPECT_GE(commands, 3) << wrong.err;
}

TEST(HelpAndVersion, VersionComesFromTheBuildAndBothWinOverACommand) {
  CommandResult r = runMealcards("--version");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, std::string("mealcards ") + MEALCARDS_VERSION + "\n");
  // Asked for help, the program helps, whatever else the line holds.
  r = runMealcards("--drives /nonexistent --help info");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "");
}

}  // namespace
}  // namespace mc
