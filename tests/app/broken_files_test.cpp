// The damaged files of tests/errors, each put into a fresh demo facility
// before a print: the exit code and the message its case names, and the
// damaged file left exactly as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "data/text.h"
#include "support/demo.h"

namespace mc::test {
namespace {

namespace fs = std::filesystem;

struct BrokenFileCase {
  std::string name, target, fixture;
  int exitCode = 0;
  std::string message;
  bool writes = false;  // the program writes this file by design
};

std::vector<BrokenFileCase> cases() {
  std::vector<BrokenFileCase> out;
  std::istringstream in(readFile(fs::path(MEALCARDS_SOURCE_DIR) / "tests" / "errors" / "cases.txt"));
  for (std::string line; std::getline(in, line);) {
    if (trim(line).empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::istringstream row(line);
    for (std::string f; std::getline(row, f, '|');) fields.push_back(trim(f));
    fields.resize(std::max<size_t>(fields.size(), 6));
    EXPECT_EQ(fields.size(), 6u) << line;
    if (fields.size() != 6) continue;
    out.push_back({fields[0], fields[1], fields[2], std::stoi(fields[3]), fields[4], fields[5] == "writes"});
  }
  return out;
}

TEST(BrokenFiles, EachDamagedFileGivesItsBehaviourAndStaysAsItWas) {
  const std::vector<BrokenFileCase> all = cases();
  EXPECT_GE(all.size(), 10u);
  for (const BrokenFileCase& c : all) {
    SCOPED_TRACE(c.name);
    const Demo d;
    const fs::path target = d.root / c.target;
    ASSERT_TRUE(fs::exists(target)) << target;
    std::string damaged;
    if (c.fixture == "-") {
      fs::remove(target);
    } else {
      damaged = readFile(fs::path(MEALCARDS_SOURCE_DIR) / "tests" / "errors" / c.fixture);
      std::ofstream(target, std::ios::binary | std::ios::trunc) << damaged;
    }
    const CommandResult r = d.print("", "12-07-26");
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    if (!c.message.empty()) EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    if (c.fixture == "-")
      EXPECT_FALSE(fs::exists(target));
    else if (!c.writes)
      EXPECT_EQ(readFile(target), damaged);
    if (r.exitCode == 0) EXPECT_TRUE(qpdfChecks(d.pdf));
  }
}

}  // namespace
}  // namespace mc::test
