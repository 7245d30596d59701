#include <gtest/gtest.h>

#include "data/data_file_names.h"
#include "data/fixed_tables.h"
#include "data/name_table.h"
#include "support/resident_file.h"

namespace mc {
namespace {

using test::Rec;
using test::TempDrives;

TEST(FixedTables, DaysColumnsAndMealLines) {
  TempDrives t;
  const Facility fac = test::testFacility("ABC");
  int calls = 0;
  const FixedTables tables = InitTables(t.drives(), fac, [&](const FixedTables& seen) {
    ++calls;
    EXPECT_EQ(seen.MenuLineCount, 129);  // the tables are complete when DrawMenu runs
  });
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(tables.DayName[0], "      ");
  EXPECT_EQ(tables.DayName[1], "Sunday");
  EXPECT_EQ(tables.DayName[7], "Saturday");
  EXPECT_EQ(tables.DayName[9], "Monday");
  EXPECT_EQ(tables.DayName[15], "Sunday");
  EXPECT_EQ(tables.DayName[18], "Wednesday");
  EXPECT_EQ(tables.VariantColumn, (std::array<int, 8>{0, 19, 49, 79, 109, 139, 169, 199}));
  EXPECT_EQ(tables.MealLines[1][1], 3);
  EXPECT_EQ(tables.MealLines[1][2], 44);
  EXPECT_EQ(tables.MealLines[2][1], 47);
  EXPECT_EQ(tables.MealLines[2][2], 81);
  EXPECT_EQ(tables.MealLines[3][1], 84);
  EXPECT_EQ(tables.MealLines[3][2], 121);
  EXPECT_EQ(tables.MenuCode, "ABC");
  EXPECT_EQ(tables.OmitFlags, "   ");
}

TEST(FixedTables, MenuCodeAndOmitFlagsFromTheirFiles) {
  TempDrives t;
  const Facility fac = test::testFacility("ABC");
  t.put(menuSetPath(fac), 100, 1, Rec(100).at(64, " ").str());
  EXPECT_EQ(InitTables(t.drives(), fac).MenuCode, "ABC");
  t.put(menuSetPath(fac), 100, 1, Rec(100).at(64, "b").str());
  EXPECT_EQ(InitTables(t.drives(), fac).MenuCode, "B");
  t.put(omitPath(fac), 100, 1, Rec(100).at(1, "X Z9").str());
  EXPECT_EQ(InitTables(t.drives(), fac).OmitFlags, "X Z");
  // A menu-set file too short to reach column 64 leaves the facility code.
  t.putFile(menuSetPath(fac), "short");
  EXPECT_EQ(InitTables(t.drives(), fac).MenuCode, "ABC");
}

TEST(FileNames, EveryDataFileIsNamedFromItsFolder) {
  const Facility fac = test::testFacility("ABC");
  EXPECT_EQ(menuSetPath(fac), "c:\\dnv\\set\\setup\\MenuSet.ABC");
  EXPECT_EQ(omitPath(fac), "c:\\dnv\\menus\\omitABC");
  EXPECT_EQ(residentDataPath(fac, "RS00101"), "c:\\dnv\\res\\dataABC\\RS00101.~ABC");
  EXPECT_EQ(commentPath(fac, "RS00101", '_'), "c:\\dnv\\comments\\cmtABC\\RS00101._ABC");
  EXPECT_EQ(commentPath(fac, "RS00101", 'C'), "c:\\dnv\\comments\\cmtABC\\RS00101.CABC");
  EXPECT_EQ(nameTablePath(fac), "c:\\dnv\\res\\tolnm");
  EXPECT_EQ(menuFilePath(fac, "B", 12, 3), "c:\\dnv\\menus\\smenuB\\M12T3.B");
  EXPECT_EQ(itemFilePath(fac, "ENTREE"), "c:\\dnv\\menus\\ENTREE.ml");
  const DietFileCandidates d = dietFilePaths(fac, "XYZ");
  EXPECT_EQ(d.preferred, "c:\\dnv\\diets\\DietXYZ");
  EXPECT_EQ(d.facility, "c:\\dnv\\diets\\dietABC");
  EXPECT_EQ(d.fallback, "c:\\dnv\\diets\\diet1");
}

TEST(NameTable, ControlCharactersAndHighCodesMakeAnEmptyName) {
  TempDrives t;
  const Facility fac = test::testFacility();
  EXPECT_FALSE(ReadNameTable(t.drives(), fac).loaded);

  std::string bytes(60 * 22, ' ');
  auto name = [&](int record, std::string_view text) { bytes.replace((record - 1) * 22, text.size(), text); };
  name(1, "  Coffee AT BRK     xx");  // columns 21-22 are not part of the name
  name(2, std::string("\x01") + "Tea");
  name(3, "{Milk");
  name(4, std::string("\xE9") + "clair");
  name(5, "z");
  name(31, "ISOLATION");
  name(60, "Last");
  t.putFile(nameTablePath(fac), bytes.substr(0, 59 * 22 + 4));  // the last record is cut short
  const NameTable table = ReadNameTable(t.drives(), fac);
  ASSERT_TRUE(table.loaded);
  EXPECT_EQ(table.LikeNames[1], "Coffee AT BRK");
  EXPECT_EQ(table.LikeNames[2], "");
  EXPECT_EQ(table.LikeNames[3], "");
  EXPECT_EQ(table.LikeNames[4], "");
  EXPECT_EQ(table.LikeNames[5], "z");
  EXPECT_EQ(table.LikeNames[6], "");
  EXPECT_EQ(table.DislikeNames[1], "ISOLATION");
  EXPECT_EQ(table.DislikeNames[30], "Last");
}

}  // namespace
}  // namespace mc
