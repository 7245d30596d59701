#include <gtest/gtest.h>

#include <string>

#include "data/text.h"
#include "printrun/run_paths.h"
#include "printrun/text_export.h"
#include "support/test_drives.h"

namespace mc {
namespace {

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

TEST_F(TextExport, CardsAreAppendedAsFixedLines) {
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
}

TEST_F(TextExport, SwitchedOffUnnamedTornOrWithoutFolder) {
  EXPECT_FALSE(MakeTxt(t.drives(), facility, "", resident, locations));
  facility.MakeTextFile = false;
  EXPECT_FALSE(MakeTxt(t.drives(), facility, file, resident, locations));
  EXPECT_FALSE(t.drives().folderExists("c:\\dnv\\output\\cards"));

  facility.MakeTextFile = true;
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
