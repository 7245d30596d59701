#include <gtest/gtest.h>

#include <random>

#include "data/data_file_names.h"
#include "data/resident_backup.h"
#include "data/resident_loader.h"
#include "data/text.h"
#include "support/resident_file.h"

namespace mc {
namespace {

using test::ResidentFile;
using test::TempDrives;

class Loader : public ::testing::Test {
 protected:
  Loader() {
    for (int i = 1; i <= 30; ++i) {
      names.LikeNames[i] = "Like " + std::to_string(i);
      names.DislikeNames[i] = "Dislike " + std::to_string(i);
    }
    names.DislikeNames[1] = "ISOLATION";
    names.DislikeNames[2] = "ALLERGIES";
    names.loaded = true;
    options.names = &names;
  }

  ResidentRecord load(const ResidentFile& file, const std::string& order = "") {
    file.write(t, fac, "RS00001");
    return loadFile("RS00001", order);
  }
  ResidentRecord loadFile(const std::string& name, const std::string& order = "") {
    ResidentRecord r;
    r.ResidentFile = name;
    options.MealOrder = order;
    LoadResident(r, diet, t.drives(), fac, options);
    return r;
  }

  TempDrives t;
  Facility fac = test::testFacility();
  NameTable names;
  DietFile diet;
  ResidentLoadOptions options;
};

// Line `line` of the three slots of a list.
template <class Slots>
std::array<std::string, 3> line(const Slots& s, int n) {
  return {s[1][n], s[2][n], s[3][n]};
}
using Three = std::array<std::string, 3>;

TEST_F(Loader, MealOrderPutsEachMealsDataIntoItsSlot) {
  ResidentFile f;
  f.hydrationLine(1, 1, "B water").hydrationLine(2, 1, "L water").hydrationLine(3, 1, "S water");
  f.hydrationLine(3, 4, "S last");
  f.special(1, 1, " Breakfast note").special(2, 6, " Lunch note").special(3, 1, " Supper note");
  f.like(6);
  names.LikeNames[6] = "Tea AT SUP";
  f.dislike(3);
  names.DislikeNames[3] = "Eggs AT BRK";

  const ResidentRecord bls = load(f);
  EXPECT_EQ(bls.HydrateLines[1][1], padCut("B water", 25));
  EXPECT_EQ(bls.HydrateLines[3][1], padCut("S water", 25));
  EXPECT_EQ(line(bls.Likes, 2), (Three{"", "", "Tea AT SUP"}));

  const ResidentRecord lsb = load(f, "LSB");
  EXPECT_EQ(line(lsb.HydrateLines, 1), (Three{padCut("L water", 25), padCut("S water", 25), padCut("B water", 25)}));
  EXPECT_EQ(lsb.HydrateLines[2][4], padCut("S last", 25));
  EXPECT_EQ(lsb.SpecialInstructions[3][1], padCut("Breakfast note", 32));
  EXPECT_EQ(lsb.SpecialInstructions[1][6], padCut("Lunch note", 32));
  EXPECT_EQ(lsb.SpecialInstructions[2][1], padCut("Supper note", 32));
  EXPECT_EQ(line(lsb.Likes, 2), (Three{"", "Tea AT SUP", ""}));
  EXPECT_EQ(line(lsb.Dislikes, 2), (Three{"", "", "Eggs AT BRK"}));

  const ResidentRecord sss = load(f, "SSS");
  EXPECT_EQ(line(sss.HydrateLines, 1), (Three{padCut("S water", 25), padCut("S water", 25), padCut("S water", 25)}));
  EXPECT_EQ(line(sss.Likes, 2), (Three{"Tea AT SUP", "Tea AT SUP", "Tea AT SUP"}));
  EXPECT_EQ(line(sss.SpecialInstructions, 1)[1], padCut("Supper note", 32));
  EXPECT_EQ(line(sss.Likes, 1), (Three{"----- LIKES -----", "----- LIKES -----", "----- LIKES -----"}));
}

TEST_F(Loader, MealMarkersKeepLikesOffOtherMealsButDislikesOnlyByTheirAtMarkers) {
  const char* likes[] = {"", "Coffee AT LCH", "Toast @B", "Soup L/S", "cocoa at sup", "Juice @s"};
  for (int i = 1; i <= 5; ++i) names.LikeNames[i] = likes[i];
  const char* dislikes[] = {"", "", "", "Eggs @B", "Fish AT SUP", "Onions at brk"};
  for (int i = 3; i <= 5; ++i) names.DislikeNames[i] = dislikes[i];
  ResidentFile f;
  for (int i = 1; i <= 5; ++i) f.like(i);
  for (int i = 3; i <= 5; ++i) f.dislike(i);
  const ResidentRecord r = load(f);

  EXPECT_EQ(line(r.Likes, 2), (Three{"", "Coffee AT LCH", ""}));
  EXPECT_EQ(line(r.Likes, 3), (Three{"Toast @B", "", ""}));
  EXPECT_EQ(line(r.Likes, 4), (Three{"", "Soup L/S", "Soup L/S"}));
  EXPECT_EQ(line(r.Likes, 5), (Three{"", "", "cocoa at sup"}));
  EXPECT_EQ(line(r.Likes, 6), (Three{"", "", "Juice @s"}));
  EXPECT_EQ(r.diet.LargePortion, 1);  // like 5 was ticked

  EXPECT_EQ(line(r.Dislikes, 1), (Three{"-- DISLIKES --", "-- DISLIKES --", "-- DISLIKES --"}));
  EXPECT_EQ(line(r.Dislikes, 2), (Three{"Eggs @B", "Eggs @B", "Eggs @B"}));
  EXPECT_EQ(line(r.Dislikes, 3), (Three{"", "", "Fish AT SUP"}));
  EXPECT_EQ(line(r.Dislikes, 4), (Three{"Onions at brk", "", ""}));
}

TEST_F(Loader, SixteenLinesAtMostAndTheLastItemWinsLineSixteen) {
  ResidentFile f;
  for (int i = 1; i <= 20; ++i) f.like(i);
  for (int i = 3; i <= 30; ++i) f.dislike(i);
  const ResidentRecord r = load(f);
  EXPECT_EQ(r.Likes[1][2], "Like 1");
  EXPECT_EQ(r.Likes[1][15], "Like 14");
  EXPECT_EQ(r.Likes[1][16], "Like 20");
  EXPECT_EQ(r.Likes[1][17], "");
  EXPECT_EQ(r.Dislikes[2][2], "Dislike 3");
  EXPECT_EQ(r.Dislikes[2][16], "Dislike 30");
  EXPECT_EQ(r.Dislikes[2][17], "");
}

TEST_F(Loader, HipaaSettingsOneThreeAndFourAbbreviateTheName) {
  const std::pair<const char*, const char*> cases[] = {
      {"Smith, John", "Smi., Jo."}, {"Li, Ann", "L., An."}, {"Madonna", "Mad., ."},
      {"Ng,J", "N., J."},           {",Cher", ",Ch., ."},   {"Smith ,  John Paul", "Smi., Jo."}};
  for (const auto& [name, shown] : cases) {
    ResidentFile f;
    f.room("12-B").name(name);
    for (int setting : {1, 3, 4}) {
      options.Hipaa = setting;
      EXPECT_EQ(load(f).NameLine, std::string("12-B ") + shown) << name << " setting " << setting;
    }
    for (int setting : {0, 2, 5}) {
      options.Hipaa = setting;
      EXPECT_EQ(load(f).NameLine, std::string("12-B ") + name) << name << " setting " << setting;
    }
  }
}

TEST_F(Loader, SpecialInstructionsLoseTheirCodeAndShowHilites) {
  ResidentFile f;
  f.special(2, 1, " (12) NECTAR THICK LIQUIDS");
  f.special(1, 1, " HONEY ON TOAST");
  f.special(1, 2, std::string(" ") + "\xFE" + "NO STRAWS" + "\xFE");
  f.special(1, 3, std::string("\xFE") + "X" + "\xFE" + "Y");
  f.special(3, 1, " A) B");
  f.special(3, 2, "(12)TEXT");
  const ResidentRecord r = load(f);
  EXPECT_EQ(r.SpecialLineCount, 6);
  EXPECT_EQ(r.SpecialInstructions[2][1], padCut("     NECTAR THICK LIQUIDS", 32));
  EXPECT_EQ(r.diet.Nectar, 1);
  EXPECT_EQ(r.diet.Thickened, 1);  // the texture scan saw NECTAR
  EXPECT_EQ(r.diet.Honey, 1);      // "HONEY" alone: honey, but not thickened by it
  EXPECT_EQ(r.SpecialInstructions[1][2], padCut("=NO STRAWS=", 32));
  // Code 254 in column 1 stops the replacement: the later one stays.
  EXPECT_EQ(r.SpecialInstructions[1][3], padCut("X\xFEY", 32));
  // ")" at position 3 blanks positions 2 and 3 only.
  EXPECT_EQ(r.SpecialInstructions[3][1], padCut("   B", 32));
  EXPECT_EQ(r.SpecialInstructions[3][2], padCut("   TEXT", 32));
}

TEST_F(Loader, HoneyWithoutThickDoesNotThickenLiquids) {
  ResidentFile f;
  f.special(1, 1, " HONEY GLAZED HAM");
  const ResidentRecord r = load(f);
  EXPECT_EQ(r.diet.Honey, 1);
  EXPECT_EQ(r.diet.Thickened, 0);
  f.special(1, 1, " HONEY THICK");
  EXPECT_EQ(load(f).diet.Thickened, 1);
}

TEST_F(Loader, MissingNameTableListsNothingAndSetsNoNotices) {
  names.loaded = false;
  ResidentFile f;
  f.like(1).like(5).dislike(1).dislike(2).dislike(3).exclude();
  const ResidentRecord r = load(f);
  for (int slot = 1; slot <= 3; ++slot) {
    EXPECT_EQ(r.Likes[slot][1], "----- LIKES -----");
    for (int n = 0; n < 35; ++n) {
      if (n != 1) {
        EXPECT_EQ(r.Likes[slot][n], "");
      }
      EXPECT_EQ(r.Dislikes[slot][n], "");
    }
  }
  EXPECT_FALSE(r.Isolation);
  EXPECT_FALSE(r.Allergies);
  EXPECT_FALSE(r.ExcludeMode);
  EXPECT_EQ(r.diet.LargePortion, 0);
  options.names = nullptr;
  EXPECT_EQ(load(f).Dislikes[1][1], "");
}

TEST_F(Loader, StandardTableKeepsNoticesInDislikesOneAndTwo) {
  ResidentFile f;
  f.dislike(1).dislike(4).exclude();
  const ResidentRecord r = load(f);
  EXPECT_TRUE(r.Isolation);
  EXPECT_FALSE(r.Allergies);
  EXPECT_TRUE(r.ExcludeMode);
  EXPECT_EQ(line(r.Dislikes, 1), (Three{"-- EXCLUDE --", "-- EXCLUDE --", "-- EXCLUDE --"}));
  EXPECT_EQ(r.Dislikes[1][2], "Dislike 4");  // dislikes 1 and 2 are not listed
  EXPECT_FALSE(r.OwnNameTable);
}

TEST_F(Loader, OwnNameTableReplacesTheStandardNames) {
  ResidentFile f;
  f.ownLike(1, "Applesauce AT BRK").ownLike(16, "Herbal Tea").ownLike(30, "Last like");
  f.ownDislike(1, "Bananas").ownDislike(28, "Kale").ownDislike(29, "ISOLATION");
  f.like(1).like(16).like(30);
  f.dislike(1).dislike(28).dislike(30);
  const ResidentRecord r = load(f);
  ASSERT_TRUE(r.OwnNameTable);
  // Own names keep their blanks: 17 characters, the last dislike field 16.
  EXPECT_EQ(r.Likes[1][2], "Applesauce AT BRK");
  EXPECT_EQ(r.Likes[2][2], "");
  EXPECT_EQ(r.Likes[2][3], padCut("Herbal Tea", 17));
  EXPECT_EQ(r.Likes[2][4], padCut("Last like", 17));
  EXPECT_EQ(r.Dislikes[1][2], padCut("Bananas", 17));
  EXPECT_EQ(r.Dislikes[1][3], padCut("Kale", 16));
  EXPECT_EQ(r.Dislikes[1][4], "");  // 29 and 30 are the notices, not list items
  EXPECT_FALSE(r.Isolation);
  EXPECT_TRUE(r.Allergies);

  // The next resident without an own table gets the standard names again.
  ResidentFile plain;
  plain.like(1);
  const ResidentRecord next = load(plain);
  EXPECT_FALSE(next.OwnNameTable);
  EXPECT_EQ(next.Likes[1][2], "Like 1");
}

TEST_F(Loader, FieldsOfTheRecord) {
  ResidentFile f;
  f.room(" 101-A").name("  Anderson, Mary  ").dining("mdr", "Rdr", "ROM").select('S');
  f.diet(1, " MECH SOFT", "2").diet(2, "", "0").diet(3, "NAS ", "4").diet(4, "", "-2");
  f.hydrate(" 1500 ").hydrateAt(1, "480").hydrateAt(3, "42").sti(" 4");
  f.clipArt(1, "  3").clipArt(4, "201").menuLetters("ab c").hospital('O').feedingSkill(" 2");
  options.ClipArt = true;
  const ResidentRecord r = load(f);
  EXPECT_EQ(r.Room, "101-A");
  EXPECT_EQ(r.NameLine, "101-A Anderson, Mary");
  EXPECT_EQ(r.DiningCode[1], "MDR");
  EXPECT_EQ(r.DiningCode[2], "RDR");
  EXPECT_TRUE(r.SelectResident);
  EXPECT_EQ(r.Diet, "MECH SOFT  NAS    ");
  EXPECT_EQ(r.ColorCode, -2);
  EXPECT_EQ(r.Hydrate, " 1500");
  EXPECT_EQ(r.HydrateAt[1], "480");
  EXPECT_EQ(r.HydrateAt[2], "");
  EXPECT_EQ(r.HydrateAt[3], "42");
  EXPECT_EQ(r.StiPicture, 4);
  EXPECT_EQ(r.ClipArt, (std::array<int16_t, 5>{0, 3, 0, 0, 201}));
  EXPECT_EQ(r.MenuLetters, padCut("AB C", 25));
  EXPECT_TRUE(r.HospitalOrOut);
  EXPECT_EQ(r.FeedingSkill, 2);
  EXPECT_EQ(r.diet.MechSoft, 1);
  EXPECT_EQ(r.diet.LowSodium, 1);
  EXPECT_EQ(r.ResidentPath, residentDataPath(fac, "RS00001"));

  options.ClipArt = false;
  f.hospital('h').select(' ');
  const ResidentRecord off = load(f);
  EXPECT_EQ(off.ClipArt, (std::array<int16_t, 5>{}));
  EXPECT_FALSE(off.HospitalOrOut);
  EXPECT_FALSE(off.SelectResident);
}

TEST_F(Loader, MissingFileLeavesNothingOfThePreviousResident) {
  ResidentFile f;
  f.room("1").name("Doe, Jane").diet(1, "PUREED", "3").dining("MDR", "MDR", "MDR").like(1).select();
  f.special(1, 1, " NECTAR THICK");
  ResidentRecord r;
  f.write(t, fac, "RS00001");
  r.ResidentFile = "RS00001";
  LoadResident(r, diet, t.drives(), fac, options);
  ASSERT_EQ(r.diet.Puree, 1);
  ASSERT_EQ(r.diet.Thickened, 1);

  // Loaded: a second call is a no-op, whatever the file name says.
  r.ResidentFile = "NOFILE1";
  LoadResident(r, diet, t.drives(), fac, options);
  EXPECT_EQ(r.Room, "1");

  r.Loaded = false;
  LoadResident(r, diet, t.drives(), fac, options);
  EXPECT_TRUE(r.Loaded);
  EXPECT_EQ(r.ResidentPath, "");
  EXPECT_EQ(r.NameLine, std::string(30, ' '));
  EXPECT_EQ(r.Diet, std::string(30, ' '));
  EXPECT_EQ(r.Room, "");
  EXPECT_EQ(r.DiningCode[1], "");
  EXPECT_FALSE(r.SelectResident);
  EXPECT_EQ(r.Likes[1][1], "");
  EXPECT_EQ(r.diet.Puree, 0);
  EXPECT_EQ(r.DietMatrix[1][1], 0);
  EXPECT_EQ(r.diet.Thickened, 1);  // the print run clears it, not the loader
  EXPECT_EQ(r.ResidentFile, "NOFILE1");
}

TEST_F(Loader, TruncatedFileReadsMissingRecordsAsBlanks) {
  ResidentFile f;
  f.room("7").name("Short, File").diet(1, "REGULAR", "1").feedingSkill("3").hydrate("900");
  f.special(3, 1, " never reached");
  const ResidentRecord r = load(f);
  ASSERT_EQ(r.FeedingSkill, 3);
  // Cut the file inside record 8, before the diet codes.
  t.putFile(residentDataPath(fac, "RS00001"), f.bytes().substr(0, 7 * 82 + 5));
  const ResidentRecord cut = loadFile("RS00001");
  EXPECT_EQ(cut.NameLine, "7 Short, File");
  EXPECT_EQ(cut.DietCode[1], 0);  // its columns are past the end
  EXPECT_EQ(cut.FeedingSkill, 0);
  EXPECT_EQ(cut.Hydrate, "");
  EXPECT_EQ(cut.SpecialInstructions[3][1], std::string(32, ' '));
  EXPECT_EQ(cut.DiningCode[1], "   ");
  // A blank flag is not ".": the like and dislike flags of a cut file all
  // count as set, so the card over-warns rather than hiding a notice.
  EXPECT_TRUE(cut.Isolation);
  EXPECT_EQ(cut.Likes[1][16], "Like 30");
}

TEST_F(Loader, GarbageBytesNeverBreakTheLoad) {
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    std::string bytes(static_cast<size_t>(random() % 70000), ' ');
    for (char& c : bytes) c = static_cast<char>(random());
    t.putFile(residentDataPath(fac, "RS00001"), bytes);
    const ResidentRecord r = loadFile("RS00001", round % 2 ? "SBL" : "");
    EXPECT_EQ(r.ResidentPath, residentDataPath(fac, "RS00001"));
    EXPECT_EQ(r.Diet.substr(r.Diet.size() - 3), "   ");
    EXPECT_EQ(r.SpecialLineCount, 6);
    for (int slot = 1; slot <= 3; ++slot) EXPECT_EQ(r.SpecialInstructions[slot][1].size(), 32u);
  }
}

TEST_F(Loader, BackupCopiesGoToTheFolderOnTheDataDrive) {
  ResidentFile f;
  f.name("Copy, Me");
  f.write(t, fac, "RS00001");
  t.putFile(commentPath(fac, "RS00001", '_'), "first comment");
  t.putFile(commentPath(fac, "RS00001", 'C'), "second comment");
  EXPECT_EQ(backupFolder(fac), "c:\\dnv\\kvtfsm");
  EXPECT_FALSE(backupOptionOn(t.drives(), fac));

  options.Backup = true;  // on, but no backup folder: the copies fail quietly
  EXPECT_EQ(loadFile("RS00001").NameLine, " Copy, Me");

  ASSERT_TRUE(t.drives().createFolder("c:\\DNV\\KVTFSM"));
  EXPECT_TRUE(backupOptionOn(t.drives(), fac));
  loadFile("RS00001");
  EXPECT_EQ(t.read("c:\\dnv\\kvtfsm\\RS00001.~TST"), f.bytes());
  EXPECT_EQ(t.read("c:\\dnv\\kvtfsm\\RS00001._TST"), "first comment");
  EXPECT_FALSE(t.exists("c:\\dnv\\kvtfsm\\RS00001.CTST"));  // only over an existing copy

  t.putFile("c:\\dnv\\kvtfsm\\RS00001.CTST", "old");
  loadFile("RS00001");
  EXPECT_EQ(t.read("c:\\dnv\\kvtfsm\\RS00001.CTST"), "second comment");

  options.Backup = false;
  t.putFile(commentPath(fac, "RS00001", '_'), "changed");
  loadFile("RS00001");
  EXPECT_EQ(t.read("c:\\dnv\\kvtfsm\\RS00001._TST"), "first comment");

  fac.Folders[1] = "d:\\data\\res";
  EXPECT_EQ(backupFolder(fac), "d:\\dnv\\kvtfsm");
}

}  // namespace
}  // namespace mc
