// The files a run writes beside the cards: the meal-order file of the tray
// line (with the rosters' working copies) and the text cards.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "data/text.h"
#include "printrun/meal_order_file.h"
#include "printrun/run_paths.h"
#include "printrun/text_export.h"
#include "support/resident_file.h"
#include "support/test_drives.h"

namespace mc {
namespace {

using test::Rec;
using test::TempDrives;

using Row = std::array<std::string, 3>;  // breakfast, lunch, supper

// Four units (unit 3's roster is missing, a stale working copy is left of
// it) and a dining file MDR, blank, RDR. Every resident has a data file
// except RS00107. Roster rows: file, diet, B, L, S abbreviations.
class MealOrderFile : public ::testing::Test {
 protected:
  void SetUp() override {
    facility = test::testFacility();
    request.lastResident = 999;
    request.lastLocation = request.lastUnit = 3;
    facility.units = {{8, "North"}, {2, "South"}, {2, "Gone"}, {1, "Annex"}};
    roster(1, {{"RS00101", "REGULAR", "MDR MDR RDR"}, {"RS00102", "REGULAR", "MDR MDR MDR", "H"},
               {"RS00103", "NPO", "MDR MDR MDR"}, {"RS00104", "tube feeding", "RDR RDR RDR"},
               {"RS00105", "REGULAR", "mdx RDR PAT"}, {"", "REGULAR", "MDR MDR MDR"},
               {"RS00107", "REGULAR", "MDR MDR MDR"}, {"RS00108", "MECH SOFT", "rdr PAT MDR"}});
    roster(2, {{"RS201", "REGULAR", "MDR RDR MDR"}, {"RS00202", "REGULAR", "    MDR    "},
               {"RS00203", "REGULAR", "MDR MDR MDR"}});  // past the unit's two beds
    roster(4, {{"RS00401", "REGULAR", "MDR MDR MDR"}});
    t.put(workingRosterPath(facility, 3), 122, 1, Rec(122).field(33, 39, "RS00301").at(88, "MDR MDR MDR").str());
    const char* dining[] = {"MDR", "   ", "RDR"};
    for (long d = 1; d <= 3; ++d) t.put(diningFilePath(facility), 48, d, Rec(48).field(5, 7, dining[d - 1]).str());
    for (const char* f : {"RS00101", "RS00102", "RS00103", "RS00104", "RS00105", "RS00108", "RS201",
                          "RS00202", "RS00203", "RS00301", "RS00401"})
      t.putFile(residentDataPath(facility, f), "x");
  }

  void roster(int unit, const std::vector<std::array<std::string, 4>>& rows) {
    for (size_t i = 0; i < rows.size(); ++i)
      t.put(rosterPath(facility, unit), 122, static_cast<long>(i + 1),
            Rec(122).field(1, 1, rows[i][3]).field(33, 39, rows[i][0]).field(41, 70, rows[i][1]).at(88, rows[i][2]).str());
  }

  ResidentRange make(const std::string& order) {
    request.MealOrder = order;
    return MakeDLF(t.drives(), facility, request);
  }

  static std::string file(const std::vector<Row>& rows) {
    std::string out;
    for (const Row& r : rows)
      out += Rec(27).byte(1, 179).field(2, 8, r[0]).byte(9, 179).field(10, 16, r[1]).byte(17, 179)
                 .field(18, 24, r[2]).byte(25, 179).at(26, "\r\n").str();
    return out;
  }

  // The three abbreviations of a working-copy record.
  std::string marks(int unit, int n) const {
    return columns(t.record(workingRosterPath(facility, unit), 122, n), 88, 98);
  }

  TempDrives t;
  Facility facility;
  MealOrderRequest request;
};

TEST_F(MealOrderFile, BlsPlacesByLocationThenUnitThenRosterOrderAndMarksTheWorkingCopies) {
  t.putFile(mealOrderFilePath(facility), std::string(500, '#'));  // replaced whole
  const std::string roster1 = t.read(rosterPath(facility, 1));
  std::string shown;
  request.showCaption = [&](const std::string& caption) { shown = caption; };
  const ResidentRange range = make("bls");
  // MDR (unit 1 before unit 2), RDR, then the catch-all: the blank and the
  // unlisted PAT. H, NPO, TUBE and "mdx" get no tray for that meal.
  EXPECT_EQ(t.read(mealOrderFilePath(facility)),
            file({{"RS00101", "RS00101", "RS00108"}, {"RS201", "RS00202", "RS201"},
                  {"RS00108", "RS00105", "RS00101"}, {"RS00202", "RS201", "RS00105"},
                  {"", "RS00108", "RS00202"}}));
  EXPECT_EQ(range.first, 1);
  EXPECT_EQ(range.last, 6);  // one past the last tray
  EXPECT_EQ(shown, " Assembling Meal Order Dining Location File .............................");

  EXPECT_EQ(t.read(rosterPath(facility, 1)), roster1);
  const char* expected[] = {"--- --- ---", "XXX XXX XXX", "XXX XXX XXX", "XXX XXX XXX",  // placed; H, NPO, TUBE
                            "--- --- ---", "MDR MDR MDR", "MDR MDR MDR", "--- --- ---"};  // no name, no data file
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(marks(1, n), expected[n - 1]) << n;
  EXPECT_EQ(marks(2, 3), "MDR MDR MDR");  // past the unit's beds
  // Out of the unit range: copied as it stands. The stale copy of the
  // missing roster is neither used nor rewritten.
  EXPECT_EQ(t.read(workingRosterPath(facility, 4)), t.read(rosterPath(facility, 4)));
  EXPECT_EQ(marks(3, 1), "MDR MDR MDR");
}

TEST_F(MealOrderFile, OneMealFillsItsColumnOnceAndWithoutDiningFileTheCatchAllTakesEveryone) {
  EXPECT_EQ(make("BBB").last, 5);
  EXPECT_EQ(t.read(mealOrderFilePath(facility)),
            file({{"RS00101", "", ""}, {"RS201", "", ""}, {"RS00108", "", ""}, {"RS00202", "", ""}}));
  EXPECT_EQ(marks(1, 1), "--- MDR RDR");

  // Without a dining file the catch-all takes everyone.
  t.drives().removeFile(diningFilePath(facility));
  EXPECT_EQ(make("SSS").last, 6);  // the catch-all alone, in roster order
  EXPECT_EQ(t.read(mealOrderFilePath(facility)),
            file({{"", "", "RS00101"}, {"", "", "RS00105"}, {"", "", "RS00108"}, {"", "", "RS201"},
                  {"", "", "RS00202"}}));
  EXPECT_FALSE(t.exists(diningFilePath(facility)));  // not created among the diet files
}

TEST_F(MealOrderFile, AResidentListedAgainGetsOneTrayPerMealAndIsNamed) {
  // RS00101 again in unit 1 (bed 6, any case) and in unit 4, whose MDR
  // supper comes before bed 1's RDR supper: the trays stay at bed 1.
  roster(1, {{"RS00101", "REGULAR", "MDR MDR RDR"}, {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "", ""},
             {"rs00101", "REGULAR", "RDR RDR RDR"}});
  roster(4, {{"RS00101", "REGULAR", "MDR MDR MDR"}});
  request.lastUnit = 4;
  const ResidentRange range = make("BLS");
  EXPECT_EQ(t.read(mealOrderFilePath(facility)),
            file({{"RS00101", "RS00101", "RS00108"}, {"RS201", "RS00202", "RS201"},
                  {"RS00108", "RS201", "RS00101"}, {"RS00202", "RS00108", "RS00202"}}));
  std::set<int> again;
  for (const ListedAgain& l : range.listedAgain) {
    again.insert(l.unit * 100 + l.bed);
    EXPECT_EQ(l.firstUnit * 100 + l.firstBed, 101);
  }
  EXPECT_EQ(again, (std::set<int>{106, 401}));
  EXPECT_EQ(range.listedAgain.size(), 2u);
}

TEST_F(MealOrderFile, EachResidentIsPlacedOncePerMealWhateverTheAbbreviationsHold) {
  // A dining location abbreviated "---", the mark of a placed resident,
  // places nobody twice (nor the "mdx" turned away); a roster holding "---"
  // for a meal is placed there, or by the catch-all when no location has it.
  roster(4, {{"RS00401", "REGULAR", "--- MDR ---"}});
  request.lastUnit = 4;
  t.put(diningFilePath(facility), 48, 2, Rec(48).field(5, 7, "---").str());
  EXPECT_EQ(make("BLS").last, 7);
  EXPECT_EQ(t.read(mealOrderFilePath(facility)),
            file({{"RS00101", "RS00101", "RS00108"}, {"RS201", "RS00202", "RS201"},
                  {"RS00401", "RS00401", "RS00401"}, {"RS00108", "RS00105", "RS00101"},
                  {"RS00202", "RS201", "RS00105"}, {"", "RS00108", "RS00202"}}));

  t.put(diningFilePath(facility), 48, 2, Rec(48).str());
  EXPECT_EQ(make("BLS").last, 7);
  EXPECT_EQ(t.read(mealOrderFilePath(facility)),
            file({{"RS00101", "RS00101", "RS00108"}, {"RS201", "RS00202", "RS201"},
                  {"RS00108", "RS00401", "RS00101"}, {"RS00202", "RS00105", "RS00105"},
                  {"RS00401", "RS201", "RS00202"}, {"", "RS00108", "RS00401"}}));
}


class TextExport : public ::testing::Test {
 protected:
  void SetUp() override {
    facility.FacilityName = "Maple Test Home";
    facility.Folders.assign(45, "c:\\dnv\\Output");
    t.putFile("c:\\dnv\\output\\readme.txt", "x");  // the folder exists, "cards" does not
    resident.NameLine = "101-A  Anderson, Mary";
    resident.Diet = "REGULAR";
    resident.Likes[1][2] = "Oatmeal with brown sugar and raisins";
    resident.Dislikes[1][2] = "No fish";
    resident.SpecialInstructions[2][6] = "Lunch six";
  }

  // As a run does: the cards folder is prepared once, then a card per page
  // (a run keeps the file open in its writer).
  bool make(TextCardWriter* writer = nullptr) {
    PrepareTextCardFolder(t.drives(), textCardFilePath(facility));
    return MakeTxt(t.drives(), facility, textCardFilePath(facility), resident, locations, writer);
  }
  std::string line(int n) const { return t.read(file).substr((n - 1) * 62, 62); }

  test::TempDrives t;
  Facility facility;
  ResidentRecord resident;
  std::array<std::string, 4> locations = {"", "Main Dining Room", "   ", std::string(70, 'D')};
  const std::string file = "c:\\dnv\\output\\cards\\TC.txt";
};

TEST_F(TextExport, CardsAreAppendedAsFixedLinesUnlessSwitchedOffUnnamedOrWithoutFolder) {
  EXPECT_FALSE(MakeTxt(t.drives(), facility, "", resident, locations));
  facility.MakeTextFile = false;
  EXPECT_FALSE(make());
  EXPECT_FALSE(t.exists(file));

  facility.MakeTextFile = true;
  TextCardWriter run;
  ASSERT_TRUE(make(&run));
  resident.NameLine = "102-B  Baker, Thomas";
  ASSERT_TRUE(make(&run));
  // Each card is in the file as soon as it is written: a card written
  // without the run's writer follows the run's two.
  ASSERT_EQ(t.read(file).size(), 2u * 68 * 62);
  ASSERT_TRUE(make());
  const std::string bytes = t.read(file);
  ASSERT_EQ(bytes.size(), 3u * 68 * 62);
  for (size_t end = 60; end < bytes.size(); end += 62) ASSERT_EQ(bytes.substr(end, 2), "\r\n") << end;
  const std::pair<int, std::string> lines[] = {
      {1, " [[   BREAKFAST   ]] at Maple Test Home"},
      {2, "  Name: 101-A  Anderson, Mary"},
      {3, "**DIET: REGULAR"},
      {5, "Oatmeal with brown sugar and rNo fish"},  // cut at 30
      {14, " >>>>>>>>>>>> Special Instructions <<<<<<<<<<<<<"},
      {21, "Dining Location:Main Dining Room"},
      {24, " [[   LUNCH   ]] at Maple Test Home"},
      {43, "Lunch six"},
      {47, " [[   SUPPER   ]] at Maple Test Home"},
      {67, "Dining Location:" + std::string(44, 'D')},
      {70, "  Name: 102-B  Baker, Thomas"}};
  for (const auto& [n, expected] : lines) EXPECT_EQ(line(n), padCut(expected, 60) + "\r\n") << n;

  // A long run goes on past the syncs, and its writer lets the file go
  // with every card in it.
  TextCardWriter longRun;
  for (int card = 0; card < TextCardWriter::kSyncEvery * 2 + 3; ++card) ASSERT_TRUE(make(&longRun)) << card;
  EXPECT_TRUE(longRun.close());
  EXPECT_EQ(t.read(file).size(), (3u + TextCardWriter::kSyncEvery * 2 + 3) * 68 * 62);
  EXPECT_EQ(line(3 * 68 + 2), padCut("  Name: 102-B  Baker, Thomas", 60) + "\r\n");

  t.putFile(file, std::string(62, 'A') + std::string(40, 'B'));  // a torn last line is written over
  ASSERT_TRUE(make());
  EXPECT_EQ(t.read(file).size(), 62u + 68 * 62);
  EXPECT_EQ(line(2).substr(0, 21), " [[   BREAKFAST   ]] ");

  facility.Folders[42 - 1] = "c:\\nowhere\\output";  // a missing output folder is not invented
  EXPECT_FALSE(make());
  EXPECT_FALSE(t.drives().folderExists("c:\\nowhere"));
}

}  // namespace
}  // namespace mc
