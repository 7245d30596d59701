#include <gtest/gtest.h>

#include <cstdlib>
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

  const ResidentRecord& a = all["RS00101"];
  EXPECT_EQ(a.NameLine, "101-A Anderson, Mary");
  EXPECT_TRUE(a.SelectResident);
  EXPECT_EQ(a.Likes[1][2], "Coffee AT BRK");
  EXPECT_EQ(a.Likes[2][3], "Ice Cream @L");
  EXPECT_EQ(a.Likes[1][4], "");
  EXPECT_EQ(a.Likes[3][4], "Soup L/S");
  EXPECT_EQ(a.Dislikes[1][3], "Eggs @B");

  const ResidentRecord& baker = all["RS00102"];
  EXPECT_EQ(baker.SpecialInstructions[1][1], "     NECTAR THICK LIQUIDS       ");
  EXPECT_EQ(baker.diet.Thickened, 1);
  EXPECT_EQ(baker.ClipArt, (std::array<int16_t, 5>{0, 3, 12, 0, 0}));
  EXPECT_EQ(baker.DietMask.substr(0, 4), " x x");

  EXPECT_EQ(all["RS00104"].diet.Dysphagia, 3);
  EXPECT_EQ(all["RS00104"].SpecialInstructions[3][2].substr(0, 11), "=NO STRAWS=");

  const ResidentRecord& own = all["RS00105"];
  EXPECT_TRUE(own.OwnNameTable && own.Isolation && own.Allergies);
  EXPECT_EQ(own.Likes[1][2], "Applesauce AT BRK");
  EXPECT_EQ(own.diet.Renal, 1);
  EXPECT_FALSE(own.DietCodeMarked);

  const ResidentRecord& many = all["RS00106"];
  EXPECT_EQ(many.Likes[2][16], "Sherbet AT LCH");
  EXPECT_EQ(many.diet.LargePortion, 1);
  EXPECT_TRUE(many.DietCodeMarked);

  EXPECT_EQ(all["RS00107"].Dislikes[1][1], "-- EXCLUDE --");
  EXPECT_EQ(all["RS00110"].ColorCode, -2);
  EXPECT_EQ(all["RS00202"].DietCode, (std::array<int16_t, 5>{0, 12, 0, 0, 0}));
  EXPECT_EQ(all["RS00302"].DietCode, (std::array<int16_t, 5>{0, 7, 0, 0, 0}));
  EXPECT_EQ(all["RS00305"].diet.Fortified, 1);
  EXPECT_EQ(all["RS00203"].diet.MeatTexture, 2);
  EXPECT_EQ(all["RS00109"].DietMatrix[1][1], 0);  // tube feeding, code 98
}

}  // namespace
}  // namespace mc
