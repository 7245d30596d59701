#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "data/name_table.h"
#include "data/resident_loader.h"
#include "data/text.h"
#include "support/test_drives.h"

namespace mc {
namespace {

// The demo facility as its generator writes it, every resident loaded the
// way the print run loads them.
class DemoResidents : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    drives_ = new test::TempDrives;
    const std::string command =
        std::string(MEALCARDS_DEMO_GENERATOR) + " '" + drives_->root().string() + "' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }
  static void TearDownTestSuite() {
    delete drives_;
    drives_ = nullptr;
  }

  DemoResidents() {
    fac.FacCode = "MGC";
    fac.Folders.assign(45, "c:\\dnv");
    fac.Folders[1] = "c:\\dnv\\res";
    fac.Folders[5] = "c:\\dnv\\menus";
    fac.Folders[38] = "c:\\dnv\\diets";
    fac.Folders[39] = "C:\\Dnv\\Rosters";
    fac.Folders[42] = "c:\\dnv\\comments";
    names = ReadNameTable(drives_->drives(), fac);
    options.names = &names;
    options.ClipArt = true;
  }

  // Every resident file named by the unit rosters.
  std::vector<std::string> rosterFiles() const {
    std::vector<std::string> files;
    for (int unit = 1; unit <= 3; ++unit) {
      const RecordFile roster =
          drives_->drives().readRecords(fac.folder(40) + "\\sfl" + std::to_string(unit) + ".MGC", 122);
      for (long n = 1; n <= roster.recordCount(); ++n) files.push_back(trim(columns(roster.record(n), 33, 39)));
    }
    return files;
  }

  const ResidentRecord& load(const std::string& file, const std::string& order = "") {
    ResidentRecord& r = loaded[file + "/" + order];
    r.ResidentFile = file;
    options.MealOrder = order;
    LoadResident(r, diet, drives_->drives(), fac, options);
    return r;
  }

  static test::TempDrives* drives_;
  Facility fac;
  NameTable names;
  DietFile diet;
  ResidentLoadOptions options;
  std::map<std::string, ResidentRecord> loaded;
};

test::TempDrives* DemoResidents::drives_ = nullptr;

TEST_F(DemoResidents, EveryRosterResidentLoads) {
  ASSERT_TRUE(names.loaded);
  const auto files = rosterFiles();
  ASSERT_EQ(files.size(), 25u);
  for (const std::string& file : files) {
    const ResidentRecord& r = load(file);
    EXPECT_FALSE(r.ResidentPath.empty()) << file;
    EXPECT_EQ(r.NameLine.substr(0, r.Room.size() + 1), r.Room + " ") << file;
    EXPECT_EQ(r.Diet.substr(r.Diet.size() - 3), "   ");
    EXPECT_EQ(r.HospitalOrOut, file == "RS00206" || file == "RS00304") << file;
  }
}

TEST_F(DemoResidents, LikesDislikesAndNotices) {
  const ResidentRecord& a = load("RS00101");
  EXPECT_EQ(a.NameLine, "101-A Anderson, Mary");
  EXPECT_TRUE(a.SelectResident);
  EXPECT_EQ(a.Likes[1][2], "Coffee AT BRK");
  EXPECT_EQ(a.Likes[2][2], "");
  EXPECT_EQ(a.Likes[2][3], "Ice Cream @L");
  EXPECT_EQ(a.Likes[1][4], "");
  EXPECT_EQ(a.Likes[3][4], "Soup L/S");
  EXPECT_EQ(a.Dislikes[3][2], "Fish AT SUP");
  EXPECT_EQ(a.Dislikes[1][3], "Eggs @B");
  EXPECT_EQ(a.Dislikes[3][3], "Eggs @B");
  EXPECT_EQ(a.Hydrate, "1500");
  EXPECT_EQ(a.MenuLetters.substr(0, 2), "AB");

  const ResidentRecord& many = load("RS00106");
  EXPECT_EQ(many.diet.LargePortion, 1);
  EXPECT_EQ(many.Likes[2][16], "Sherbet AT LCH");
  EXPECT_EQ(many.Likes[1][16], "");

  const ResidentRecord& own = load("RS00105");
  EXPECT_TRUE(own.OwnNameTable);
  EXPECT_TRUE(own.Isolation);
  EXPECT_TRUE(own.Allergies);
  EXPECT_EQ(own.Likes[1][2], "Applesauce AT BRK");
  EXPECT_EQ(own.Dislikes[2][2], "Bananas          ");

  const ResidentRecord& exclude = load("RS00107");
  EXPECT_TRUE(exclude.ExcludeMode);
  EXPECT_EQ(exclude.Dislikes[1][1], "-- EXCLUDE --");
  EXPECT_EQ(exclude.diet.Liquid, 1);

  const ResidentRecord& isolated = load("RS00103");
  EXPECT_TRUE(isolated.Isolation);
  EXPECT_EQ(isolated.FeedingSkill, 3);
  EXPECT_EQ(isolated.StiPicture, 4);
}

TEST_F(DemoResidents, DietFamiliesAndTheDietFile) {
  const ResidentRecord& baker = load("RS00102", "LSB");
  EXPECT_EQ(baker.SpecialInstructions[1][1], "     NECTAR THICK LIQUIDS       ");
  EXPECT_EQ(baker.diet.Thickened, 1);
  EXPECT_EQ(baker.diet.MechSoft, 1);
  EXPECT_EQ(baker.diet.LowSodium, 1);
  EXPECT_EQ(baker.ClipArt, (std::array<int16_t, 5>{0, 3, 12, 0, 0}));
  EXPECT_EQ(baker.DietMatrix[1][2], 2);
  EXPECT_EQ(baker.DietMask.substr(0, 4), " x x");

  const ResidentRecord& dubois = load("RS00104");
  EXPECT_EQ(dubois.diet.Dysphagia, 3);
  EXPECT_EQ(dubois.diet.Honey, 1);
  EXPECT_EQ(dubois.SpecialInstructions[3][2].substr(0, 11), "=NO STRAWS=");

  const ResidentRecord& fitz = load("RS00106");
  EXPECT_EQ(fitz.diet.CalorieControl, 1);
  EXPECT_TRUE(fitz.DietCodeMarked);

  EXPECT_EQ(load("RS00110").ColorCode, -2);
  EXPECT_EQ(load("RS00110").diet.FluidRestriction, 1);
  EXPECT_EQ(load("RS00202").DietCode, (std::array<int16_t, 5>{0, 12, 0, 0, 0}));
  EXPECT_EQ(load("RS00302").DietCode, (std::array<int16_t, 5>{0, 7, 0, 0, 0}));
  EXPECT_EQ(load("RS00305").diet.Fortified, 1);
  EXPECT_EQ(load("RS00203").diet.MeatTexture, 2);
  EXPECT_EQ(load("RS00201").diet.MeatTexture, 1);
  EXPECT_EQ(load("RS00205").diet.Pudding, 1);
  EXPECT_EQ(load("RS00109").DietMatrix[1][1], 0);  // tube feeding, code 98

  const ResidentRecord& renal = load("RS00105");
  EXPECT_EQ(renal.diet.Renal, 1);
  EXPECT_FALSE(renal.DietCodeMarked);
  EXPECT_EQ(renal.DietMatrix[1][2], 7);

  const ResidentRecord& thompson = load("RS00301");
  EXPECT_EQ(thompson.ClipArt[3], 201);
}

}  // namespace
}  // namespace mc
