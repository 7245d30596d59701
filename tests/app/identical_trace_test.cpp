// Print ALL on the demo facility draws exactly what it drew when the run was
// made faster: every operation of the trace, line for line, against the
// trace kept beside this test. A change of the cards on purpose renews it:
// run this test with MEALCARDS_RENEW_TRACE=1 and commit the new file with the
// change that explains it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/commands.h"
#include "support/test_drives.h"

namespace mc {
namespace {

namespace fs = std::filesystem;
using test::shellQuote;

std::vector<std::string> lines(const fs::path& file, const std::string& drives) {
  std::vector<std::string> out;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    // Pictures name host paths: the drive folder differs from run to run.
    for (size_t at; !drives.empty() && (at = line.find(drives)) != std::string::npos;)
      line.replace(at, drives.size(), "DRIVES");
    out.push_back(line);
  }
  return out;
}

TEST(IdenticalTrace, PrintAllDrawsWhatItDrewBefore) {
  const fs::path kept = fs::path(MEALCARDS_SOURCE_DIR) / "tests" / "app" / "print_all.trace.jsonl";
  test::TempDrives scratch;
  const fs::path demo = test::makeDemoFacility(scratch.root() / "demo");
  const fs::path trace = scratch.root() / "trace.jsonl";
  const test::CommandResult r = test::runMealcards(
      "--drives " + shellQuote(demo.string()) + " --date 12-07-26 --pdf " +
      shellQuote((scratch.root() / "cards.pdf").string()) + " --trace " + shellQuote(trace.string()) + " print");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::vector<std::string> now = lines(trace, demo.string());

  if (const char* renew = std::getenv("MEALCARDS_RENEW_TRACE"); renew && std::string(renew) == "1") {
    std::ofstream out(kept, std::ios::trunc);
    for (const auto& line : now) out << line << '\n';
    ASSERT_TRUE(out.flush()) << "cannot write " << kept;
    GTEST_SKIP() << "renewed " << kept;
  }
  const std::vector<std::string> before = lines(kept, "");
  ASSERT_FALSE(before.empty()) << "no kept trace at " << kept;
  for (size_t i = 0; i < std::min(before.size(), now.size()); ++i)
    ASSERT_EQ(now[i], before[i]) << "the trace differs from " << kept << " at line " << i + 1;
  EXPECT_EQ(now.size(), before.size()) << "operations now and before";
}

}  // namespace
}  // namespace mc
