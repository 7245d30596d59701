#include <gtest/gtest.h>

#include <map>

#include "data/name_table.h"
#include "data/resident_loader.h"
#include "data/text.h"
#include "support/commands.h"
#include "support/test_drives.h"

namespace mc {
namespace {

// The demo facility as its generator writes it; every resident of the unit
// rosters loaded as the print run loads them.
TEST(DemoResidents, EveryRosterResidentLoadsAndShowsItsRules) {
  test::TempDrives t;
  test::makeDemoFacility(t.root());
  Facility fac;
  fac.FacCode = "MGC";
  fac.Folders.assign(45, "c:\\dnv");
  fac.Folders[1] = "c:\\dnv\\res";
  fac.Folders[38] = "c:\\dnv\\diets";
  fac.Folders[39] = "C:\\Dnv\\Rosters";
  const NameTable names = ReadNameTable(t.drives(), fac);
  ASSERT_TRUE(names.loaded);
  DietFile diet;
  ResidentLoadOptions options;
  options.names = &names;
  options.ClipArt = true;

  std::map<std::string, ResidentRecord> all;
  for (int unit = 1; unit <= 3; ++unit) {
    const RecordFile roster = t.drives().readRecords(fac.folder(40) + "\\sfl" + std::to_string(unit) + ".MGC", 122);
    for (long n = 1; n <= roster.recordCount(); ++n) {
      const std::string file = trim(columns(roster.record(n), 33, 39));
      ResidentRecord& r = all[file];
      r.ResidentFile = file;
      options.MealOrder = file == "RS00102" ? "LSB" : "";
      LoadResident(r, diet, t.drives(), fac, options);
      EXPECT_FALSE(r.ResidentPath.empty()) << file;
      EXPECT_EQ(r.NameLine.substr(0, r.Room.size() + 1), r.Room + " ") << file;
      EXPECT_EQ(r.HospitalOrOut, file == "RS00206" || file == "RS00304") << file;
    }
  }
  ASSERT_EQ(all.size(), 25u);

  // A few residents whose rules the generator wrote on purpose.
  EXPECT_EQ(all["RS00102"].SpecialInstructions[1][1], "     NECTAR THICK LIQUIDS       ");
  EXPECT_TRUE(all["RS00105"].OwnNameTable && all["RS00105"].Isolation && all["RS00105"].Allergies);
  EXPECT_EQ(all["RS00202"].DietCode, (std::array<int16_t, 5>{0, 12, 0, 0, 0}));
  EXPECT_EQ(all["RS00302"].DietCode, (std::array<int16_t, 5>{0, 7, 0, 0, 0}));
  EXPECT_EQ(all["RS00109"].DietMatrix[1][1], 0);  // tube feeding, code 98
}

}  // namespace
}  // namespace mc
