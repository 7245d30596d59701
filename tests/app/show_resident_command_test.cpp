// show-resident as a support person runs it on the demo facility.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/test_drives.h"

namespace mc {
namespace {

struct CommandResult {
  int exitCode = -1;
  std::string out, err;
};

std::string slurp(const std::filesystem::path& p) {
  std::ostringstream s;
  s << std::ifstream(p, std::ios::binary).rdbuf();
  return s.str();
}

CommandResult mealcards(const test::TempDrives& t, const std::string& args) {
  const auto out = t.root() / "out.txt", err = t.root() / "err.txt";
  const std::string command = "env -u MEALCARDS_DRIVES -u DISPLAY -u WAYLAND_DISPLAY '" +
                              std::string(MEALCARDS_BINARY) + "' --drives '" + (t.root() / "demo").string() +
                              "' " + args + " >'" + out.string() + "' 2>'" + err.string() + "'";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
}

TEST(ShowResidentCommand, PrintsTheLoadedRecordOrSaysWhyNot) {
  test::TempDrives t;
  const std::string generate =
      "'" + std::string(MEALCARDS_DEMO_GENERATOR) + "' '" + (t.root() / "demo").string() + "' >/dev/null";
  ASSERT_EQ(std::system(generate.c_str()), 0);

  const CommandResult own = mealcards(t, "show-resident RS00105");
  ASSERT_EQ(own.exitCode, 0) << own.err;
  EXPECT_NE(own.out.find("\"NameLine\": \"103-A Eriksen, Ingrid\""), std::string::npos) << own.out;
  EXPECT_NE(own.out.find("\"OwnNameTable\": true"), std::string::npos);
  EXPECT_NE(own.out.find("\"DietCode\": [60, 7, 5, 0]"), std::string::npos);

  const CommandResult accented = mealcards(t, "show-resident RS00209");
  EXPECT_NE(accented.out.find("S\xc3\xa1nchez, Jos\xc3\xa9"), std::string::npos) << accented.out;

  const CommandResult missing = mealcards(t, "show-resident RS99999");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("no resident data file c:\\dnv\\res\\dataMGC\\RS99999.~MGC"), std::string::npos)
      << missing.err;
  EXPECT_EQ(mealcards(t, "show-resident").exitCode, 2);
}

}  // namespace
}  // namespace mc
