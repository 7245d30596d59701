// show-resident as a support person runs it on the demo facility.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/mealcards_command.h"
#include "support/test_drives.h"

namespace mc {
namespace {

// mealcards on the demo facility generated into the scratch folder.
test::Outcome onDemo(const test::TempDrives& t, const std::string& args) {
  return test::mealcards(t, "--drives " + test::quoted((t.root() / "demo").string()) + " " + args);
}

TEST(ShowResidentCommand, PrintsTheLoadedRecordOrSaysWhyNot) {
  test::TempDrives t;
  const std::string generate =
      "'" + std::string(MEALCARDS_DEMO_GENERATOR) + "' '" + (t.root() / "demo").string() + "' >/dev/null";
  ASSERT_EQ(std::system(generate.c_str()), 0);

  const test::Outcome own = onDemo(t, "show-resident RS00105");
  ASSERT_EQ(own.exitCode, 0) << own.err;
  EXPECT_NE(own.out.find("\"NameLine\": \"103-A Eriksen, Ingrid\""), std::string::npos) << own.out;
  EXPECT_NE(own.out.find("\"OwnNameTable\": true"), std::string::npos);
  EXPECT_NE(own.out.find("\"DietCode\": [60, 7, 5, 0]"), std::string::npos);

  const test::Outcome accented = onDemo(t, "show-resident RS00209");
  EXPECT_NE(accented.out.find("S\xc3\xa1nchez, Jos\xc3\xa9"), std::string::npos) << accented.out;

  const test::Outcome missing = onDemo(t, "show-resident RS99999");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("no resident data file c:\\dnv\\res\\dataMGC\\RS99999.~MGC"), std::string::npos)
      << missing.err;
  EXPECT_EQ(onDemo(t, "show-resident").exitCode, 2);
}

}  // namespace
}  // namespace mc
