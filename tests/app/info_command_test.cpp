// The info command as a support person runs it: the built binary on a
// freshly generated demo facility, on an empty drive folder, on a facility
// that lost its default roster.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/commands.h"
#include "support/test_drives.h"

namespace mc {
namespace {

namespace fs = std::filesystem;

using test::CommandResult;
using test::hasLine;
using test::shellQuote;

CommandResult mealcards(const test::TempDrives&, const std::string& args) { return test::runMealcards(args); }

fs::path makeDemo(const test::TempDrives& scratch, const std::string& options = "") {
  return test::makeDemoFacility(scratch.root() / ("demo" + std::to_string(options.size())), options);
}

TEST(InfoCommand, ReportsTheDemoFacility) {
  test::TempDrives scratch;
  const fs::path demo = makeDemo(scratch);
  const CommandResult r = mealcards(scratch, "--drives " + shellQuote(demo.string()) + " --date 07-04-27 info");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(hasLine(r.out, "setup file        c:\\dnv\\setup\\F.kvt")) << r.out;
  EXPECT_TRUE(hasLine(r.out, "                  " + (demo / "c" / "dnv" / "setup" / "F.kvt").string()))
      << r.out;
  EXPECT_TRUE(hasLine(r.out, "facility          Maple Grove Care Center  (code MGC)")) << r.out;
  EXPECT_TRUE(hasLine(r.out, "site code         MG7")) << r.out;
  EXPECT_TRUE(hasLine(r.out, "setup style       1")) << r.out;
  EXPECT_TRUE(hasLine(r.out, "setup date        12-01-26")) << r.out;
  EXPECT_TRUE(hasLine(r.out, "folders (45)")) << r.out;
  EXPECT_NE(r.out.find("  40  C:\\Dnv\\Rosters"), std::string::npos) << r.out;
  EXPECT_TRUE(hasLine(r.out, "nursing units (4)")) << r.out;
  EXPECT_NE(r.out.find("   1  North Wing            max beds  10  roster C:\\Dnv\\Rosters\\sfl1.MGC  present"),
            std::string::npos)
      << r.out;
  EXPECT_TRUE(hasLine(r.out, "default resident  3  RS00103")) << r.out;
  EXPECT_TRUE(hasLine(r.out, "active set        1")) << r.out;
  EXPECT_TRUE(hasLine(r.out, "card date         07-04-27 (Text15)")) << r.out;
  EXPECT_NE(r.out.find("c:\\dnv\\setup\\conm.MGC  absent"), std::string::npos) << r.out;

  // A support command only reports: the auto-print marker stays for the
  // program's next real start.
  const fs::path marker = demo / "c" / "dnv" / "setup" / "apcard.MGC";
  { std::ofstream touch(marker); }
  const CommandResult m = mealcards(scratch, "--drives " + shellQuote(demo.string()) + " info");
  EXPECT_NE(m.out.find("apcard.MGC  present: the next start-up prints automatically"), std::string::npos)
      << m.out;
  EXPECT_TRUE(fs::exists(marker));

  const fs::path big = makeDemo(scratch, "--units 4 --residents 12");
  const CommandResult g = mealcards(scratch, "--drives " + shellQuote(big.string()) + " info");
  ASSERT_EQ(g.exitCode, 0) << g.err;
  EXPECT_TRUE(hasLine(g.out, "nursing units (4)")) << g.out;
  EXPECT_TRUE(hasLine(g.out, "default resident  1  G000001")) << g.out;
}

TEST(InfoCommand, EmptyDriveFolderSaysWhereItLooked) {
  test::TempDrives scratch;
  const CommandResult r = mealcards(scratch, "--drives " + shellQuote(scratch.root().string()) + " info");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("no setup file: looked for c:\\dnv\\setup\\F.kvt on drives"), std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("a:\\find.kvt, b:\\find.kvt under " + scratch.root().string()), std::string::npos)
      << r.err;
}

TEST(InfoCommand, MissingDefaultRosterOrDriveFolderFails) {
  test::TempDrives scratch;
  const fs::path demo = makeDemo(scratch);
  ASSERT_TRUE(fs::remove(demo / "c" / "dnv" / "Rosters" / "sfl1.MGC"));
  CommandResult r = mealcards(scratch, "--drives " + shellQuote(demo.string()) + " info");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("roster of the default nursing unit 1 is missing: C:\\Dnv\\Rosters\\sfl1.MGC"),
            std::string::npos)
      << r.err;

  r = mealcards(scratch, "info");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("--drives"), std::string::npos) << r.err;
  r = mealcards(scratch, "--drives " + shellQuote((scratch.root() / "nowhere").string()) + " info");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("nowhere"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace mc
