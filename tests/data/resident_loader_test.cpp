#include <gtest/gtest.h>

#include <random>

#include "data/data_file_names.h"
#include "data/json_writer.h"
#include "data/resident_backup.h"
#include "data/resident_json.h"
#include "data/resident_loader.h"
#include "data/text.h"
#include "support/resident_file.h"

namespace mc {
namespace {

using test::ResidentFile;

class Loader : public ::testing::Test {
 protected:
  Loader() {
    for (int i = 1; i <= 30; ++i) {
      names.LikeNames[i] = "Like " + std::to_string(i);
      names.DislikeNames[i] = "Dislike " + std::to_string(i);
    }
    names.loaded = true;
    options.names = &names;
  }

  ResidentRecord load(const ResidentFile& file, const std::string& order = "") {
    file.write(t, fac, "RS00001");
    return loadFile(order);
  }
  ResidentRecord loadFile(const std::string& order = "") {
    ResidentRecord r;
    r.ResidentFile = "RS00001";
    options.MealOrder = order;
    LoadResident(r, diet, t.drives(), fac, options);
    return r;
  }

  test::TempDrives t;
  Facility fac = test::testFacility();
  NameTable names;
  DietFile diet;
  ResidentLoadOptions options;
};

// Line n of the three slots of a list.
using Three = std::array<std::string, 3>;
template <class Slots>
Three line(const Slots& s, int n) {
  return {s[1][n], s[2][n], s[3][n]};
}

TEST_F(Loader, SixteenLinesAtMostEachMealInItsSlotAndMealMarkersKeepLikesOffOtherMealsButDislikesOnlyByTheirAtMarkers) {
  ResidentFile many;
  for (int i = 1; i <= 20; ++i) many.like(i);
  for (int i = 3; i <= 30; ++i) many.dislike(i);
  const ResidentRecord full = load(many);
  EXPECT_EQ(full.Likes[1][15], "Like 14");
  EXPECT_EQ(full.Likes[1][16], "Like 20");
  EXPECT_EQ(full.Likes[1][17], "");
  EXPECT_EQ(full.Dislikes[2][16], "Dislike 30");
  EXPECT_EQ(full.Dislikes[2][17], "");
  // What line 16 lost is counted, for the card to tell: likes 15..19, and
  // dislikes 17..29.
  EXPECT_EQ(full.LikesLost, (std::array<int, 4>{0, 5, 5, 5}));
  EXPECT_EQ(full.DislikesLost, (std::array<int, 4>{0, 13, 13, 13}));
  ResidentFile fits;
  for (int i = 1; i <= 15; ++i) fits.like(i);
  EXPECT_EQ(load(fits).LikesLost, (std::array<int, 4>{}));

  // The meal order puts each meal's data into its slot.
  ResidentFile slots;
  slots.hydrationLine(1, 1, "B water").hydrationLine(2, 1, "L water").hydrationLine(3, 1, "S water");
  slots.special(1, 1, " Breakfast note").special(2, 6, " Lunch note");
  slots.like(6).dislike(3);
  names.LikeNames[6] = "Tea AT SUP", names.DislikeNames[3] = "Eggs AT BRK";
  const std::string b = padCut("B water", 25), l = padCut("L water", 25), s = padCut("S water", 25);

  EXPECT_EQ(line(load(slots).HydrateLines, 1), (Three{b, l, s}));

  const ResidentRecord lsb = load(slots, "LSB");
  EXPECT_EQ(line(lsb.HydrateLines, 1), (Three{l, s, b}));
  EXPECT_EQ(lsb.SpecialInstructions[3][1], padCut("Breakfast note", 32));
  EXPECT_EQ(lsb.SpecialInstructions[1][6], padCut("Lunch note", 32));
  EXPECT_EQ(line(lsb.Likes, 2), (Three{"", "Tea AT SUP", ""}));
  EXPECT_EQ(line(lsb.Dislikes, 2), (Three{"", "", "Eggs AT BRK"}));

  const ResidentRecord sss = load(slots, "SSS");
  EXPECT_EQ(line(sss.HydrateLines, 1), (Three{s, s, s}));
  EXPECT_EQ(line(sss.Likes, 1), (Three{"----- LIKES -----", "----- LIKES -----", "----- LIKES -----"}));
  EXPECT_EQ(line(sss.Likes, 2), (Three{"Tea AT SUP", "Tea AT SUP", "Tea AT SUP"}));

  const char* likes[] = {"", "Coffee AT LCH", "Toast @B", "Soup L/S", "cocoa at sup", "Juice @s"};
  const char* dislikes[] = {"", "", "", "Eggs @B", "Fish AT SUP", "Onions at brk"};
  ResidentFile f;
  for (int i = 1; i <= 5; ++i) f.like(i), names.LikeNames[i] = likes[i];
  for (int i = 3; i <= 5; ++i) f.dislike(i), names.DislikeNames[i] = dislikes[i];
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

TEST_F(Loader, NoticesTheResidentsOwnNameTableAndNoNameTable) {
  ResidentFile f;
  f.dislike(1).dislike(4).exclude();
  const ResidentRecord r = load(f);
  EXPECT_TRUE(r.Isolation && !r.Allergies);
  EXPECT_EQ(line(r.Dislikes, 1), (Three{"-- EXCLUDE --", "-- EXCLUDE --", "-- EXCLUDE --"}));
  EXPECT_EQ(r.Dislikes[1][2], "Dislike 4");  // dislikes 1 and 2 are notices, not list items

  ResidentFile own;
  own.ownLike(16, "Herbal Tea").ownDislike(28, "Kale").ownDislike(29, "ISOLATION");
  own.like(16).dislike(28).dislike(30);
  const ResidentRecord o = load(own);
  ASSERT_TRUE(o.OwnNameTable);
  // Own names keep their blanks: 17 characters, the last dislike field 16.
  EXPECT_EQ(o.Likes[2][2], padCut("Herbal Tea", 17));
  EXPECT_EQ(o.Dislikes[1][2], padCut("Kale", 16));
  EXPECT_EQ(o.Dislikes[1][3], "");  // 29 and 30 are the notices
  EXPECT_TRUE(!o.Isolation && o.Allergies);
  // The next resident without an own table gets the standard names again.
  EXPECT_EQ(load(f).Dislikes[1][2], "Dislike 4");

  // Without the name table nothing is listed and no notice is set.
  names.loaded = false;
  ResidentFile bare;
  bare.like(1).like(5).dislike(1).dislike(2).dislike(3).exclude();
  const ResidentRecord none = load(bare);
  for (int slot = 1; slot <= 3; ++slot)
    for (int n = 1; n < 35; ++n) EXPECT_EQ(none.Likes[slot][n] + none.Dislikes[slot][n], n == 1 ? "----- LIKES -----" : "");
  EXPECT_FALSE(none.Isolation || none.Allergies || none.ExcludeMode);
  EXPECT_EQ(none.diet.LargePortion, 0);
  options.names = nullptr;
  EXPECT_EQ(load(bare).Dislikes[1][1], "");
}

TEST_F(Loader, FieldsOfTheRecordSpecialInstructionsAndHipaaSettingsOneThreeAndFourAbbreviatingTheName) {
  ResidentFile f;
  f.room(" 101-A").name("  Anderson, Mary  ").dining("mdr", "Rdr", "ROM").diet(1, " MECH SOFT", "2");
  f.diet(3, "NAS ", "4").diet(4, "", "-2").hydrate(" 1500 ").clipArt(4, "201").hospital('h').feedingSkill(" 2");
  f.hydrateAt(3, "42").sti(" 4").menuLetters("ab c");
  const ResidentRecord r = load(f);
  EXPECT_EQ(r.NameLine, "101-A Anderson, Mary");
  EXPECT_EQ(r.DiningCode[2], "RDR");
  EXPECT_EQ(r.Diet, "MECH SOFT  NAS    ");
  EXPECT_EQ(r.ColorCode, -2);
  EXPECT_EQ(r.Hydrate + r.HydrateAt[3], " 150042");
  EXPECT_EQ(r.StiPicture, 4);
  EXPECT_EQ(r.MenuLetters, padCut("AB C", 25));
  EXPECT_EQ(r.ClipArt[4], 0);  // pictures off
  EXPECT_FALSE(r.HospitalOrOut);
  EXPECT_EQ(r.FeedingSkill, 2);
  EXPECT_EQ(r.diet.MechSoft + r.diet.LowSodium, 2);
  options.ClipArt = true;
  EXPECT_EQ(load(f).ClipArt[4], 201);

  // Special instructions lose their code and show hilites.
  ResidentFile notes;
  notes.special(2, 1, " (12) NECTAR THICK LIQUIDS");
  notes.special(1, 1, " HONEY ON TOAST");
  notes.special(1, 2, std::string(" ") + "\xFE" + "NO STRAWS" + "\xFE");
  notes.special(3, 1, " A) B");
  const ResidentRecord special = load(notes);
  EXPECT_EQ(special.SpecialInstructions[2][1], padCut("     NECTAR THICK LIQUIDS", 32));
  EXPECT_EQ(special.diet.Nectar, 1);
  EXPECT_EQ(special.diet.Thickened, 1);  // the texture scan saw NECTAR
  EXPECT_EQ(special.SpecialInstructions[1][2], padCut("=NO STRAWS=", 32));
  // ")" at position 3 blanks positions 2 and 3 only.
  EXPECT_EQ(special.SpecialInstructions[3][1], padCut("   B", 32));

  notes.special(2, 1, " ");  // "HONEY" alone: honey, but not thickened by it
  const ResidentRecord honey = load(notes);
  EXPECT_EQ(honey.diet.Honey, 1);
  EXPECT_EQ(honey.diet.Thickened, 0);

  // Hipaa settings 1, 3 and 4 abbreviate the name.
  const std::pair<const char*, const char*> cases[] = {
      {"Smith, John", "Smi., Jo."}, {"Li, Ann", "L., An."},          {"Lee, Amy", "L., Am."},
      {"Madonna", "Mad., ."},       {"Smith ,  John Paul", "Smi., Jo."}};
  for (const auto& [name, shown] : cases) {
    ResidentFile named;
    named.room("12-B").name(name);
    for (int setting : {0, 1, 2, 3, 4, 5}) {
      options.Hipaa = setting;
      const bool abbreviated = setting == 1 || setting == 3 || setting == 4;
      EXPECT_EQ(load(named).NameLine, std::string("12-B ") + (abbreviated ? shown : name)) << name << setting;
    }
  }
}

TEST_F(Loader, MissingCutOrGarbageFilesLeaveNothingOfThePreviousResidentNorReplaceTheBackupCopy) {
  ResidentFile f;
  f.room("1").diet(1, "PUREED", "3").like(1).special(1, 1, " NECTAR THICK");
  ResidentRecord r = load(f);
  r.ResidentFile = "NOFILE1";
  LoadResident(r, diet, t.drives(), fac, options);
  EXPECT_EQ(r.Room, "1");  // loaded already: a second call is a no-op

  r.Loaded = false;
  LoadResident(r, diet, t.drives(), fac, options);
  EXPECT_EQ(r.ResidentPath, "");
  EXPECT_EQ(r.NameLine, std::string(30, ' '));
  EXPECT_EQ(r.Likes[1][1], "");
  EXPECT_EQ(r.Diet, std::string(30, ' '));
  EXPECT_EQ(r.diet.Puree, 0);
  EXPECT_EQ(r.diet.Thickened, 1);  // the print run clears it, not the loader

  // A file cut inside record 8, before the diet codes, reads the missing
  // records as blanks.
  ResidentFile shortFile;
  shortFile.room("7").name("Short, File").diet(1, "REGULAR", "1").feedingSkill("3");
  t.putFile(residentDataPath(fac, "RS00001"), shortFile.bytes().substr(0, 7 * 82 + 5));
  const ResidentRecord cut = loadFile();
  EXPECT_EQ(cut.NameLine, "7 Short, File");
  EXPECT_EQ(cut.DietCode[1] + cut.FeedingSkill, 0);
  EXPECT_EQ(cut.SpecialInstructions[3][1], std::string(32, ' '));
  // A blank flag is not ".": the like and dislike flags of a cut file all
  // count as set, so the card over-warns rather than hiding a notice.
  EXPECT_TRUE(cut.Isolation);
  EXPECT_EQ(cut.Likes[1][16], "Like 30");

  // Garbage of any size never breaks the load.
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    std::string bytes(static_cast<size_t>(random() % 70000), ' ');
    for (char& c : bytes) c = static_cast<char>(random());
    t.putFile(residentDataPath(fac, "RS00001"), bytes);
    EXPECT_EQ(loadFile(round % 2 ? "SBL" : "").SpecialInstructions[3][1].size(), 32u);
  }

  // Backup copies go to the data drive's folder; a damaged file never replaces one.
  ResidentFile copy;
  copy.name("Copy, Me").write(t, fac, "RS00001");
  t.putFile(commentPath(fac, "RS00001", '_'), "first comment");
  t.putFile(commentPath(fac, "RS00001", 'C'), "second comment");
  options.Backup = true;  // on, but no backup folder: the copies fail quietly
  EXPECT_FALSE(backupOptionOn(t.drives(), fac));
  EXPECT_EQ(loadFile().NameLine, " Copy, Me");

  ASSERT_TRUE(t.drives().createFolder("c:\\DNV\\KVTFSM"));
  EXPECT_TRUE(backupOptionOn(t.drives(), fac));
  loadFile();
  EXPECT_EQ(t.read("c:\\dnv\\kvtfsm\\RS00001.~TST"), copy.bytes());
  EXPECT_EQ(t.read("c:\\dnv\\kvtfsm\\RS00001._TST"), "first comment");
  EXPECT_FALSE(t.exists("c:\\dnv\\kvtfsm\\RS00001.CTST"));  // only over an existing copy
  // A damaged file is loaded and marked, and never replaces the last good
  // copy; a runaway one is refused unread.
  const std::string good = copy.bytes();
  for (const std::string& damaged :
       {good.substr(0, 7 * 82 + 5), "Q" + good.substr(0, good.size() - 1), std::string(kMaxDataFileBytes + 82, ' ')}) {
    t.putFile(residentDataPath(fac, "RS00001"), damaged);
    EXPECT_NE(loadFile().Damage, "");
    EXPECT_EQ(t.read("c:\\dnv\\kvtfsm\\RS00001.~TST"), good) << "the last good copy was overwritten";
  }
  EXPECT_EQ(loadFile().Damage, "is larger than any resident file: not read");
  fac.Folders[1] = "d:\\data\\res";
  EXPECT_EQ(backupFolder(fac), "d:\\dnv\\kvtfsm");
}

TEST(ResidentJson, TextIsEscapedAndListsAreArraysBySlot) {
  EXPECT_EQ(jsonQuote("a\"b\\c\n\x01\x7f"), "\"a\\\"b\\\\c\\n\\u0001\\u007f\"");
  ResidentRecord r;
  r.Likes[2][16] = "last";
  r.DietCode = {9, 1, 2, 3, -4};
  r.DietMatrix[1] = {7, 3, 5};
  const std::string json = ResidentJson(r, "LSB");
  for (const char* part : {"last\"], [\"\"",  // line 16 ends slot 2
                           "\"MealOrder\": \"LSB\"", "\"DietCode\": [1, 2, 3, -4]",
                           "\"DietMatrix\": [[3, 5], [0, 0], [0, 0], [0, 0]]"})
    EXPECT_NE(json.find(part), std::string::npos) << part;
}

}  // namespace
}  // namespace mc
