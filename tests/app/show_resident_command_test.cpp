// show-resident as a support person runs it on the demo facility.
#include <gtest/gtest.h>


#include "support/commands.h"
#include "support/test_drives.h"

namespace mc {
namespace {

using test::CommandResult;

CommandResult mealcards(const test::TempDrives& t, const std::string& args) {
  return test::runMealcards("--drives " + test::shellQuote((t.root() / "demo").string()) + " " + args);
}

TEST(ShowResidentCommand, PrintsTheLoadedRecordOrSaysWhyNot) {
  test::TempDrives t;
  test::makeDemoFacility(t.root() / "demo");

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
