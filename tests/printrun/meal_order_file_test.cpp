#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/text.h"
#include "printrun/meal_order_file.h"
#include "printrun/run_paths.h"
#include "support/test_drives.h"

namespace mc {
namespace {

using test::Rec;
using test::TempDrives;

struct RosterLine {
  std::string file;
  std::string diet;
  std::string breakfast, lunch, supper;
  bool hospital = false;
};

// A facility of four units (unit 3's roster is missing) and a dining file
// with MDR, a blank record and RDR. Every resident named below has a data
// file except RS00107.
class MealOrderFile : public ::testing::Test {
 protected:
  void SetUp() override {
    facility.FacCode = "TST";
    facility.Folders.assign(45, "c:\\dnv");
    facility.Folders[2 - 1] = "c:\\dnv\\res";
    facility.Folders[39 - 1] = "c:\\dnv\\diets";
    facility.Folders[40 - 1] = "c:\\dnv\\Rosters";
    facility.units = {{8, "North"}, {2, "South"}, {2, "Gone"}, {1, "Annex"}};
    roster(1, {{"RS00101", "REGULAR", "MDR", "MDR", "RDR"},
               {"RS00102", "REGULAR", "MDR", "MDR", "MDR", true},
               {"RS00103", "NPO", "MDR", "MDR", "MDR"},
               {"RS00104", "tube feeding", "RDR", "RDR", "RDR"},
               {"RS00105", "REGULAR", "mdx", "RDR", "PAT"},
               {"", "REGULAR", "MDR", "MDR", "MDR"},
               {"RS00107", "REGULAR", "MDR", "MDR", "MDR"},
               {"RS00108", "MECH SOFT", "rdr", "PAT", "MDR"}});
    roster(2, {{"RS201", "REGULAR", "MDR", "RDR", "MDR"},
               {"RS00202", "REGULAR", "   ", "MDR", "   "},
               {"RS00203", "REGULAR", "MDR", "MDR", "MDR"}});  // beyond the unit's two beds
    roster(4, {{"RS00401", "REGULAR", "MDR", "MDR", "MDR"}});
    // A working copy left behind for a unit whose roster has gone.
    t.put(workingRosterPath(facility, 3), 122, 1,
          Rec(122).field(33, 39, "RS00301").field(88, 98, "MDR MDR MDR").str());
    dining({"MDR", "   ", "RDR"});
    for (const char* f : {"RS00101", "RS00102", "RS00103", "RS00104", "RS00105", "RS00108", "RS201",
                          "RS00202", "RS00203", "RS00301", "RS00401"})
      t.putFile(residentDataPath(facility, f), "x");
  }

  void roster(int unit, const std::vector<RosterLine>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
      const RosterLine& l = lines[i];
      Rec rec(122);
      if (l.hospital) rec.field(1, 1, "H");
      rec.field(2, 29, "Name " + l.file).field(33, 39, l.file).field(41, 70, l.diet);
      rec.field(88, 90, l.breakfast).field(92, 94, l.lunch).field(96, 98, l.supper);
      t.put(rosterPath(facility, unit), 122, static_cast<long>(i + 1), rec.str());
    }
  }

  void dining(const std::vector<std::string>& abbreviations) {
    for (size_t i = 0; i < abbreviations.size(); ++i)
      t.put(diningFilePath(facility), 48, static_cast<long>(i + 1),
            Rec(48).field(1, 3, std::to_string(i + 1)).field(5, 7, abbreviations[i]).field(9, 46, "Room " + abbreviations[i]).str());
  }

  ResidentRange make(const std::string& order) {
    MealOrderRequest request;
    request.MealOrder = order;
    request.firstLocation = 1;
    request.lastLocation = 3;
    request.firstUnit = 1;
    request.lastUnit = 3;
    request.firstResident = 1;
    request.lastResident = 999;
    return MakeDLF(t.drives(), facility, model, request);
  }

  // The expected file: one record per row of (breakfast, lunch, supper).
  static std::string file(const std::vector<std::array<std::string, 3>>& rows) {
    std::string out;
    for (const auto& row : rows) {
      Rec rec(27);
      rec.byte(1, 179).field(2, 8, row[0]).byte(9, 179).field(10, 16, row[1]).byte(17, 179);
      rec.field(18, 24, row[2]).byte(25, 179).at(26, "\r\n");
      out += rec.str();
    }
    return out;
  }

  // Breakfast, lunch and supper abbreviations of a working-copy record.
  std::string marks(int unit, int n) const {
    const std::string rec = t.record(workingRosterPath(facility, unit), 122, n);
    return columns(rec, 88, 90) + "|" + columns(rec, 92, 94) + "|" + columns(rec, 96, 98);
  }

  TempDrives t;
  Facility facility;
  SettingsModel model;
};

TEST_F(MealOrderFile, BlsPlacesEachMealByLocationThenUnitThenRoster) {
  t.putFile(mealOrderFilePath(facility), std::string(500, '#'));  // an old file is replaced whole
  const ResidentRange range = make("bls");
  // Breakfast: MDR (unit 1 before unit 2), RDR, then the catch-all with
  // the blank abbreviation. Lunch: RS00108's PAT is in no dining record, so
  // it comes after every listed location. H, NPO, TUBE and "mdx" get none.
  EXPECT_EQ(t.read(mealOrderFilePath(facility)),
            file({{"RS00101", "RS00101", "RS00108"},
                  {"RS201  ", "RS00202", "RS201  "},
                  {"RS00108", "RS00105", "RS00101"},
                  {"RS00202", "RS201  ", "RS00105"},
                  {"", "RS00108", "RS00202"}}));
  EXPECT_EQ(range.first, 1);
  EXPECT_EQ(range.last, 6);  // one past the last tray
}

TEST_F(MealOrderFile, BbbFillsOnlyTheBreakfastColumnOnce) {
  const ResidentRange range = make("BBB");
  EXPECT_EQ(t.read(mealOrderFilePath(facility)),
            file({{"RS00101", "", ""}, {"RS201  ", "", ""}, {"RS00108", "", ""}, {"RS00202", "", ""}}));
  EXPECT_EQ(range.last, 5);
  // Lunch and supper stay as the roster has them.
  EXPECT_EQ(marks(1, 1), "---|MDR|RDR");
}

TEST_F(MealOrderFile, WorkingCopiesCarryTheMarksAndRostersStayUntouched) {
  const std::string roster1 = t.read(rosterPath(facility, 1));
  make("BLS");
  EXPECT_EQ(t.read(rosterPath(facility, 1)), roster1);
  EXPECT_EQ(marks(1, 1), "---|---|---");
  EXPECT_EQ(marks(1, 2), "XXX|XXX|XXX");  // in hospital
  EXPECT_EQ(marks(1, 3), "XXX|XXX|XXX");  // NPO
  EXPECT_EQ(marks(1, 4), "XXX|XXX|XXX");  // tube feeding
  EXPECT_EQ(marks(1, 5), "---|---|---");  // "mdx" is rejected, lunch and supper placed
  EXPECT_EQ(marks(1, 6), "MDR|MDR|MDR");  // no file name: never touched
  EXPECT_EQ(marks(1, 7), "MDR|MDR|MDR");  // no data file
  EXPECT_EQ(marks(2, 2), "---|---|---");
  EXPECT_EQ(marks(2, 3), "MDR|MDR|MDR");  // past the unit's beds
  // The unit outside the range is copied as it stands; the stale copy of
  // the missing roster is neither used nor rewritten.
  EXPECT_EQ(t.read(workingRosterPath(facility, 4)), t.read(rosterPath(facility, 4)));
  EXPECT_EQ(marks(3, 1), "MDR|MDR|MDR");
  EXPECT_EQ(t.read(mealOrderFilePath(facility)).find("RS00301"), std::string::npos);
}

TEST_F(MealOrderFile, WithoutDiningFileEveryoneIsInRosterOrder) {
  t.drives().removeFile(diningFilePath(facility));
  const ResidentRange range = make("SSS");
  EXPECT_EQ(t.read(mealOrderFilePath(facility)),
            file({{"", "", "RS00101"}, {"", "", "RS00105"}, {"", "", "RS00108"}, {"", "", "RS201  "},
                  {"", "", "RS00202"}}));
  EXPECT_EQ(range.last, 6);
  EXPECT_FALSE(t.exists(diningFilePath(facility)));
}

TEST_F(MealOrderFile, RangesLimitUnitsResidentsAndPasses) {
  MealOrderRequest request;
  request.MealOrder = "L";
  request.firstLocation = 3;  // RDR only, then the catch-all
  request.lastLocation = 3;
  request.firstUnit = 2;
  request.lastUnit = 9;  // units past the facility's four are nothing
  request.firstResident = 0;
  request.lastResident = 1;
  const ResidentRange range = MakeDLF(t.drives(), facility, model, request);
  // Unit 4's MDR is not a pass of this range: it comes in the catch-all.
  EXPECT_EQ(t.read(mealOrderFilePath(facility)), file({{"", "RS201  ", ""}, {"", "RS00401", ""}}));
  EXPECT_EQ(range.last, 3);
  EXPECT_EQ(marks(1, 1), "MDR|MDR|RDR");  // unit 1 is out of the range

  // A reversed location range still has its catch-all pass.
  request.firstLocation = 5;
  request.lastLocation = 2;
  request.firstUnit = 1;
  request.lastResident = 2;
  MakeDLF(t.drives(), facility, model, request);
  EXPECT_EQ(t.read(mealOrderFilePath(facility)),
            file({{"", "RS00101", ""}, {"", "RS201  ", ""}, {"", "RS00202", ""}, {"", "RS00401", ""}}));
}

TEST_F(MealOrderFile, NobodyPlacedLeavesAnEmptyFileAndRangeOfOne) {
  facility.units = {{0, "Empty"}};
  const ResidentRange range = make("BLS");
  EXPECT_TRUE(t.exists(mealOrderFilePath(facility)));
  EXPECT_EQ(t.read(mealOrderFilePath(facility)), "");
  EXPECT_EQ(range.first, 1);
  EXPECT_EQ(range.last, 1);
}

TEST_F(MealOrderFile, CaptionIsShownOnBothWindowsAndRestored) {
  model.Caption = "main";
  model.Overlay.Caption = "easy";
  std::vector<std::string> seen;
  MealOrderRequest request;
  request.MealOrder = "BLS";
  request.showCaption = [&] {
    seen.push_back(model.Caption);
    seen.push_back(model.Overlay.Caption);
  };
  MakeDLF(t.drives(), facility, model, request);
  const std::string caption =
      " Assembling Meal Order Dining Location File .............................";
  EXPECT_EQ(seen, (std::vector<std::string>{caption, caption}));
  EXPECT_EQ(model.Caption, "main");
  EXPECT_EQ(model.Overlay.Caption, "easy");
}

TEST(MealOrderColumns, ReaderTakesTheColumnOfTheMealDrawn) {
  EXPECT_EQ(normalMealOrder("lsb"), "LSB");
  EXPECT_EQ(normalMealOrder("BLSX"), "BLS");
  EXPECT_EQ(normalMealOrder(" B"), "B");
  EXPECT_EQ(normalMealOrder(""), "");

  EXPECT_EQ(mealOrderFileColumn("BLS", 1), 2);
  EXPECT_EQ(mealOrderFileColumn("BLS", 3), 18);
  EXPECT_EQ(mealOrderFileColumn("LSB", 1), 10);
  EXPECT_EQ(mealOrderFileColumn("LSB", 3), 2);
  EXPECT_EQ(mealOrderFileColumn("SBL", 1), 18);
  EXPECT_EQ(mealOrderFileColumn("BBB", 3), 2);
  EXPECT_EQ(mealOrderFileColumn("LLL", 2), 10);
  EXPECT_EQ(mealOrderFileColumn("BXS", 2), 0);
  EXPECT_EQ(mealOrderFileColumn("BL", 3), 0);
  EXPECT_EQ(mealOrderFileColumn("BLS", 0), 0);

  Rec written(27);
  written.byte(1, 179).field(2, 8, "RSBREAK").byte(9, 179).field(10, 16, "RSLUNCH").byte(17, 179);
  written.field(18, 24, "RSSUPPR").byte(25, 179);
  EXPECT_EQ(mealOrderResidentFile(written.str(), "SBL", 1), "RSSUPPR");
  EXPECT_EQ(mealOrderResidentFile(written.str(), "SBL", 3), "RSLUNCH");
  EXPECT_EQ(mealOrderResidentFile(std::string(27, ' '), "BLS", 1), "");
}

}  // namespace
}  // namespace mc
