#include <gtest/gtest.h>

#include <string>

#include "data/text.h"
#include "printrun/run_paths.h"
#include "printrun/text_export.h"
#include "support/test_drives.h"

namespace mc {
namespace {

using test::TempDrives;

class TextExport : public ::testing::Test {
 protected:
  void SetUp() override {
    facility.FacilityName = "Maple Test Home";
    facility.Folders.assign(45, "c:\\dnv");
    facility.Folders[42 - 1] = "c:\\dnv\\Output";
    t.putFile("c:\\dnv\\output\\readme.txt", "x");  // the folder exists, "cards" does not

    resident.NameLine = "101-A  Anderson, Mary";
    resident.Diet = "REGULAR";
    for (int k = 1; k <= 3; ++k) {
      resident.Likes[k][1] = "LIKES:";
      resident.Dislikes[k][1] = "DISLIKES:";
      for (int i = 1; i <= 6; ++i) resident.SpecialInstructions[k][i] = "Special " + std::to_string(k * 10 + i);
    }
    resident.Likes[1][2] = "Oatmeal with brown sugar and raisins";  // 36 characters
    resident.Dislikes[1][2] = "No fish";
    resident.Dislikes[2][10] = "Tenth dislike";
    locations = {"", "Main Dining Room", "   ", std::string(70, 'D')};
  }

  std::string line(const std::string& bytes, int n) const { return bytes.substr((n - 1) * 62, 62); }
  static std::string padded(const std::string& text) { return padCut(text, 60) + "\r\n"; }

  TempDrives t;
  Facility facility;
  ResidentRecord resident;
  std::array<std::string, 4> locations;
  const std::string file = "c:\\dnv\\output\\cards\\TC.txt";
};

TEST_F(TextExport, TwoCardsAreAppendedAsFixedLines) {
  ASSERT_EQ(textCardFilePath(facility), "c:\\dnv\\Output\\cards\\TC.txt");
  ASSERT_TRUE(MakeTxt(t.drives(), facility, textCardFilePath(facility), resident, locations));
  resident.NameLine = "102-B  Baker, Thomas";
  ASSERT_TRUE(MakeTxt(t.drives(), facility, textCardFilePath(facility), resident, locations));

  const std::string bytes = t.read(file);
  ASSERT_EQ(bytes.size(), 2u * 68 * 62);
  for (int n = 1; n <= 136; ++n) ASSERT_EQ(line(bytes, n).substr(60), "\r\n") << n;

  EXPECT_EQ(line(bytes, 1), padded(" [[   BREAKFAST   ]] at Maple Test Home"));
  EXPECT_EQ(line(bytes, 2), padded("  Name: 101-A  Anderson, Mary"));
  EXPECT_EQ(line(bytes, 3), padded("**DIET: REGULAR"));
  EXPECT_EQ(line(bytes, 4), padded(padCut("LIKES:", 30) + "DISLIKES:"));
  EXPECT_EQ(line(bytes, 5), padded("Oatmeal with brown sugar and rNo fish"));
  EXPECT_EQ(line(bytes, 6), padded(""));
  EXPECT_EQ(line(bytes, 14), padded(" >>>>>>>>>>>> Special Instructions <<<<<<<<<<<<<"));
  EXPECT_EQ(line(bytes, 15), padded("Special 11"));
  EXPECT_EQ(line(bytes, 20), padded("Special 16"));
  EXPECT_EQ(line(bytes, 21), padded("Dining Location:Main Dining Room"));
  EXPECT_EQ(line(bytes, 22), padded(std::string(60, '-')));
  EXPECT_EQ(line(bytes, 23), padded(""));
  EXPECT_EQ(line(bytes, 24), padded(" [[   LUNCH   ]] at Maple Test Home"));
  EXPECT_EQ(line(bytes, 36), padded(std::string(30, ' ') + "Tenth dislike"));
  EXPECT_EQ(line(bytes, 38), padded("Special 21"));
  EXPECT_EQ(line(bytes, 44), padded("Dining Location:   "));
  EXPECT_EQ(line(bytes, 46), padded(""));
  EXPECT_EQ(line(bytes, 47), padded(" [[   SUPPER   ]] at Maple Test Home"));
  EXPECT_EQ(line(bytes, 67), padded("Dining Location:" + std::string(44, 'D')));
  EXPECT_EQ(line(bytes, 68), padded(std::string(60, '-')));
  // The second card starts right after the supper rule.
  EXPECT_EQ(line(bytes, 69), line(bytes, 1));
  EXPECT_EQ(line(bytes, 70), padded("  Name: 102-B  Baker, Thomas"));
}

TEST_F(TextExport, NothingIsWrittenWhenSwitchedOffOrUnnamed) {
  EXPECT_FALSE(MakeTxt(t.drives(), facility, "", resident, locations));
  facility.MakeTextFile = false;
  EXPECT_FALSE(MakeTxt(t.drives(), facility, file, resident, locations));
  EXPECT_FALSE(t.exists(file));
  EXPECT_FALSE(t.drives().folderExists("c:\\dnv\\output\\cards"));
}

TEST_F(TextExport, ATornTailIsOverwrittenFromTheLastWholeLine) {
  t.putFile(file, std::string(62, 'A') + std::string(40, 'B'));
  ASSERT_TRUE(MakeTxt(t.drives(), facility, file, resident, locations));
  const std::string bytes = t.read(file);
  ASSERT_EQ(bytes.size(), 62u + 68 * 62);
  EXPECT_EQ(line(bytes, 1), std::string(62, 'A'));
  EXPECT_EQ(line(bytes, 2), padded(" [[   BREAKFAST   ]] at Maple Test Home"));
}

TEST_F(TextExport, NoFolderTreeIsInventedForAMissingOutputFolder) {
  facility.Folders[42 - 1] = "c:\\nowhere\\output";
  EXPECT_FALSE(MakeTxt(t.drives(), facility, textCardFilePath(facility), resident, locations));
  EXPECT_FALSE(t.drives().folderExists("c:\\nowhere"));
}

}  // namespace
}  // namespace mc
