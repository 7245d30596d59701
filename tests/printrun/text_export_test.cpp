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
    facility.Folders.assign(45, "c:\\dnv");
    facility.Folders[42 - 1] = "c:\\dnv\\Output";
    t.putFile("c:\\dnv\\output\\readme.txt", "x");  // the folder exists, "cards" does not
    resident.NameLine = "101-A  Anderson, Mary";
    resident.Diet = "REGULAR";
    resident.Likes[1][1] = "LIKES:";
    resident.Dislikes[1][1] = "DISLIKES:";
    resident.Likes[1][2] = "Oatmeal with brown sugar and raisins";
    resident.Dislikes[1][2] = "No fish";
    resident.SpecialInstructions[2][6] = "Lunch six";
  }

  // As a run does: the cards folder is prepared once, then a card per page.
  bool make() {
    PrepareTextCardFolder(t.drives(), textCardFilePath(facility));
    return MakeTxt(t.drives(), facility, textCardFilePath(facility), resident, locations);
  }
  std::string line(int n) const { return t.read(file).substr((n - 1) * 62, 62); }
  static std::string text(const std::string& s) { return padCut(s, 60) + "\r\n"; }

  test::TempDrives t;
  Facility facility;
  ResidentRecord resident;
  std::array<std::string, 4> locations = {"", "Main Dining Room", "   ", std::string(70, 'D')};
  const std::string file = "c:\\dnv\\output\\cards\\TC.txt";
};

TEST_F(TextExport, TwoCardsAreAppendedAsFixedLines) {
  ASSERT_TRUE(make());
  resident.NameLine = "102-B  Baker, Thomas";
  ASSERT_TRUE(make());
  const std::string bytes = t.read(file);
  ASSERT_EQ(bytes.size(), 2u * 68 * 62);
  for (size_t end = 60; end < bytes.size(); end += 62) ASSERT_EQ(bytes.substr(end, 2), "\r\n") << end;

  EXPECT_EQ(line(1), text(" [[   BREAKFAST   ]] at Maple Test Home"));
  EXPECT_EQ(line(2), text("  Name: 101-A  Anderson, Mary"));
  EXPECT_EQ(line(3), text("**DIET: REGULAR"));
  EXPECT_EQ(line(4), text(padCut("LIKES:", 30) + "DISLIKES:"));
  EXPECT_EQ(line(5), text("Oatmeal with brown sugar and rNo fish"));  // cut at 30
  EXPECT_EQ(line(14), text(" >>>>>>>>>>>> Special Instructions <<<<<<<<<<<<<"));
  EXPECT_EQ(line(21), text("Dining Location:Main Dining Room"));
  EXPECT_EQ(line(22), text(std::string(60, '-')));
  EXPECT_EQ(line(23), text(""));
  EXPECT_EQ(line(24), text(" [[   LUNCH   ]] at Maple Test Home"));
  EXPECT_EQ(line(43), text("Lunch six"));
  EXPECT_EQ(line(44), text("Dining Location:   "));
  EXPECT_EQ(line(47), text(" [[   SUPPER   ]] at Maple Test Home"));
  EXPECT_EQ(line(67), text("Dining Location:" + std::string(44, 'D')));
  EXPECT_EQ(line(68), text(std::string(60, '-')));
  EXPECT_EQ(line(70), text("  Name: 102-B  Baker, Thomas"));
}

TEST_F(TextExport, SwitchedOffUnnamedTornOrWithoutFolder) {
  EXPECT_FALSE(MakeTxt(t.drives(), facility, "", resident, locations));
  facility.MakeTextFile = false;
  EXPECT_FALSE(MakeTxt(t.drives(), facility, file, resident, locations));
  EXPECT_FALSE(t.drives().folderExists("c:\\dnv\\output\\cards"));

  // A torn last line is written over.
  facility.MakeTextFile = true;
  t.putFile(file, std::string(62, 'A') + std::string(40, 'B'));
  ASSERT_TRUE(make());
  EXPECT_EQ(t.read(file).size(), 62u + 68 * 62);
  EXPECT_EQ(line(2), text(" [[   BREAKFAST   ]] at Maple Test Home"));

  // A missing output folder is not invented.
  facility.Folders[42 - 1] = "c:\\nowhere\\output";
  EXPECT_FALSE(make());
  EXPECT_FALSE(t.drives().folderExists("c:\\nowhere"));
}

}  // namespace
}  // namespace mc
