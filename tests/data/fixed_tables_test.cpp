#include <gtest/gtest.h>

#include "data/data_file_names.h"
#include "data/fixed_tables.h"
#include "data/name_table.h"
#include "support/resident_file.h"

namespace mc {
namespace {

using test::Rec;
using test::TempDrives;

TEST(FixedTables, MenuCodeOmitFlagsAndTheNameTable) {
  TempDrives t;
  const Facility fac = test::testFacility("ABC");
  int calls = 0;
  FixedTables tables = InitTables(t.drives(), fac, [&](const FixedTables& seen) {
    ++calls;
    EXPECT_EQ(seen.MealLines[3][2], 121);  // complete when DrawMenu runs
  });
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(tables.MenuCode, "ABC");  // no menu-set file
  EXPECT_EQ(tables.OmitFlags, "   ");

  t.put(menuSetPath(fac), 100, 1, Rec(100).at(64, "b").str());
  EXPECT_EQ(InitTables(t.drives(), fac).MenuCode, "B");
  t.put(omitPath(fac), 100, 1, Rec(100).at(1, "X Z9").str());
  EXPECT_EQ(InitTables(t.drives(), fac).OmitFlags, "X Z");
  t.putFile(menuSetPath(fac), "short");
  EXPECT_EQ(InitTables(t.drives(), fac).MenuCode, "ABC");

  // The name table: control characters and high codes make an empty name.
  EXPECT_FALSE(ReadNameTable(t.drives(), fac).loaded);

  std::string bytes(60 * 22, ' ');
  auto name = [&](int record, std::string_view text) { bytes.replace((record - 1) * 22, text.size(), text); };
  name(1, "  Coffee AT BRK     xx");  // columns 21-22 are not part of the name
  name(2, std::string("\x01") + "Tea");
  name(3, "{Milk");
  name(4, std::string("\xE9") + "clair");
  name(31, "ISOLATION");
  name(60, "Last");
  t.putFile(nameTablePath(fac), bytes.substr(0, 59 * 22 + 4));  // the last record is cut short
  const NameTable table = ReadNameTable(t.drives(), fac);
  ASSERT_TRUE(table.loaded);
  EXPECT_EQ(table.LikeNames[1], "Coffee AT BRK");
  EXPECT_EQ(table.LikeNames[2] + table.LikeNames[3] + table.LikeNames[4], "");
  EXPECT_EQ(table.DislikeNames[1], "ISOLATION");
  EXPECT_EQ(table.DislikeNames[30], "Last");
}

}  // namespace
}  // namespace mc
