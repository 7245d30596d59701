#include <gtest/gtest.h>

#include <map>

#include "data/data_file_names.h"
#include "data/meal_lines.h"
#include "data/meal_portions.h"
#include "data/text.h"
#include "support/test_drives.h"

namespace mc {
namespace {

using test::Rec;

constexpr int kVariant[8] = {0, 19, 49, 79, 109, 139, 169, 199};

// A menu record: meal code, line flag, category and the text of variant 1
// (further variants by number).
Rec menuLine(const char* meal, char flag, const char* category, const std::string& text,
             std::map<int, std::string> more = {}) {
  Rec r(226);
  r.at(2, meal).at(4, std::string(1, flag)).field(6, 13, category).field(kVariant[1], kVariant[1] + 24, text);
  for (const auto& [v, t] : more) r.field(kVariant[v], kVariant[v] + 24, t);
  return r;
}

// An item record approved for every diet unless `marks` says otherwise
// (15 characters, position 2 the mechanical-soft approval).
Rec item(const char* name, const char* marks = "xxxxxxxxxxxxxxx", const char* letters = "",
         std::array<int, 4> substitutes = {}) {
  Rec r(202);
  r.field(12, 36, name).field(131, 134, letters);
  for (int j = 0; j < 15; ++j) r.at(54 + 2 * j, std::string(1, marks[j]));
  for (int k = 0; k < 4; ++k)
    if (substitutes[k]) r.field(38 + 4 * k, 40 + 4 * k, std::to_string(substitutes[k]));
  return r;
}

// One menu day's files, item files and a resident with diet code 1 on file
// 1, variant 1; everything in memory.
class Menus : public ::testing::Test {
 protected:
  Menus() : files_(nullptr) {
    facility.FacCode = "TST";
    facility.Folders.assign(45, "c:\\dnv");
    facility.Folders[5] = "c:\\menus";
    tables.VariantColumn = {0, 19, 49, 79, 109, 139, 169, 199};
    tables.MealLines[1] = {0, 3, 44};
    tables.MealLines[2] = {0, 47, 81};
    tables.MealLines[3] = {0, 84, 121};
    tables.MenuLineCount = 129;
    tables.MenuCode = "TST";
    resident.DietMatrix[1] = {0, 1, 1};
  }

  void menu(int record, const std::string& line, int file = 1) { menus_[file][record] = line; }
  void items(const std::string& category, std::map<int, std::string> records) {
    std::string bytes;
    for (const auto& [n, rec] : records) {
      bytes.resize(static_cast<size_t>(n - 1) * 202, ' ');
      bytes += rec;
    }
    files_.put(itemFilePath(facility, category), bytes, 202);
  }

  MealLines load(MenuKind kind = MenuKind::MealCard, int alfMeal = 1) {
    for (const auto& [file, records] : menus_) {
      std::string bytes;
      for (const auto& [n, rec] : records) {
        bytes.resize(static_cast<size_t>(n - 1) * 226, ' ');
        bytes += rec;
      }
      files_.put(menuFilePath(facility, "TST", 1, file), bytes, 226);
    }
    MealLineRequest q;
    q.kind = kind;
    q.MenuDay = 1;
    q.AlfMealNo = alfMeal;
    q.Portions = portions;
    q.ExcludeW = excludeW;
    return LoadMealLines(resident, tables, facility, files_, q);
  }

  // The non-blank lines of a meal, trimmed on the right.
  static std::vector<std::string> served(const MealLines& l, int meal) {
    std::vector<std::string> out;
    for (int i = 1; i <= l.LineCount[meal]; ++i) out.push_back(rtrim(l.MealText[meal][i]));
    return out;
  }

  Facility facility;
  FixedTables tables;
  ResidentRecord resident;
  std::array<std::string, 4> portions{};
  bool excludeW = false;
  std::map<int, std::map<int, std::string>> menus_;
  MenuFiles files_;
};

using Lines = std::vector<std::string>;

// (The texture banners, pureed first, and the assisted-living list of the
// one meal asked for: the demo runs' meal cards and assisted-living week.)

TEST_F(Menus, MealCardsServeStarredLinesSelectMenusOfferAllWithStarsAndLinesPastTheLastOverwriteLine82) {
  items("JUICE", {{4, item("Orange Juice")}, {6, item("Apple Juice")}, {1, item("Prune")}});
  menu(3, menuLine("BK", '*', "JUICE", "4 oz Orange Juice"));
  menu(4, menuLine("BK", ' ', "JUICE", "6 oz Apple Juice"));
  menu(5, menuLine("BK", '*', "JUICE", "1/2c:Prune,Juice,extra,xy"));  // no three blanks: star at 25
  menu(6, menuLine("LH", '*', "JUICE", "4 oz Orange Juice"));         // another meal's code
  EXPECT_EQ(served(load(), 1), (Lines{"4 oz Orange Juice", "1/2c:Prune,Juice,extra,xy"}));
  const MealLines select = load(MenuKind::Select);
  EXPECT_EQ(served(select, 1), (Lines{"4 oz Orange Juice*", "6 oz Apple Juice", "1/2c:Prune,Juice,extra,x*"}));
  EXPECT_EQ(select.MealLabel[1][2], " BK  JUICE   ");

  // Lines past the last overwrite line 82.
  items("JUICE", {{1, item("Juice")}});
  tables.MealLines[1] = {0, 1, 90};
  for (int r = 1; r <= 90; ++r) menu(r, menuLine("BK", '*', "JUICE", "1 Juice no " + std::to_string(r)));
  const MealLines l = load();
  EXPECT_EQ(l.LineCount[1], 82);
  EXPECT_EQ(rtrim(l.MealText[1][81]), "1 Juice no 81");
  EXPECT_EQ(rtrim(l.MealText[1][82]), "1 Juice no 90");
}

TEST_F(Menus, LetterCodesReplaceTheFoodOnMealCardsAndEmptyTheLineOnMenus) {
  items("EGG", {{2, item("Eggs", "xxxxxxxxxxxxxxx", "e")}, {3, item("Hot Omelet", "xxxxxxxxxxxxxxx", "H")}});
  items("BEVERAGE", {{6, item("Coffee", "xxxxxxxxxxxxxxx", "X")}});
  menu(3, menuLine("BK", '*', "EGG", "2 Scrambled Eggs"));
  menu(4, menuLine("BK", '*', "EGG", "3 oz Omelet"));
  menu(5, menuLine("BK", '*', "BEVERAGE", "6 oz Coffee"));
  resident.MenuLetters = "E7X";
  EXPECT_EQ(served(load(), 1), (Lines{" DISLIKES EGGS", "ALTERNATE EGG", "FL/R-SPECIAL INSTRUCTIONS"}));
  EXPECT_EQ(served(load(MenuKind::Select), 1), (Lines{"", "", ""}));
  resident.MenuLetters = "";
  EXPECT_EQ(served(load(), 1), (Lines{"2 Scrambled Eggs", "3 oz Omelet", "6 oz Coffee"}));
}

TEST_F(Menus, ApprovalOmitCodesAndTheWOptionKeepFoodsOff) {
  items("BRKMEAT", {{2, item("Bacon", "xxx xxxxxxxxxxx")}, {4, item("Turkey Links")}});
  menu(3, menuLine("BK", '*', "BRKMEAT", "2 sl Bacon"));
  menu(4, menuLine("BK", 'N', "BRKMEAT", "4 Turkey Links"));
  menu(5, menuLine("BK", 'w', "BRKMEAT", "4 Turkey Links"));
  tables.OmitFlags = "QN ";
  resident.DietMask[3] = 'x';  // position 4: no added salt, which bacon lacks
  EXPECT_EQ(served(load(MenuKind::Select), 1), (Lines{"", "", "4 Turkey Links"}));
  excludeW = true;
  EXPECT_EQ(served(load(MenuKind::Select), 1), (Lines{"", ""}));
  // The second diet code's file serves what the first one's does not allow;
  // a select menu keeps the first one's empty place and offers it too.
  resident.DietMatrix[2] = {0, 2, 3};
  menu(3, menuLine("BK", '*', "BRKMEAT", "", {{3, "4 Turkey Links"}}), 2);
  EXPECT_EQ(served(load(), 1), (Lines{"4 Turkey Links"}));
  EXPECT_EQ(served(load(MenuKind::Select), 1), (Lines{"", "4 Turkey Links*", ""}));
  resident.DietMatrix[1] = {0, 1, 8};
  EXPECT_EQ(load().LineCount, (std::array<int, 4>{}));
}

TEST_F(Menus, MechanicalSoftTakesTheFirstSoftAllowedSubstitute) {
  resident.diet.MechSoft = 1;
  resident.DietMask[1] = 'x';
  items("ENTREE", {{3, item("Roast Beef", "x xxxxxxxxxxxxx", "", {900, 5, 6, 7})},
                   {5, item("Beef Stew", "x xxxxxxxxxxxxx")},
                   {6, item("Ground Beef Salty", "xxx xxxxxxxxxxx")},
                   {7, item("Ground Beef & Gravy")},
                   {8, item("Chopped Ham", "x xxxxxxxxxxxxx")}});
  menu(47, menuLine("LH", '*', "ENTREE", "3 oz Roast Beef"));
  menu(48, menuLine("LH", '*', "ENTREE", "8 oz Chopped Ham"));
  resident.DietMask[3] = 'x';
  // 900 is no item, 5 is not soft, 6 is soft but salty; the ham has no
  // substitute and is not approved for the mechanical-soft diet.
  EXPECT_EQ(served(load(), 2), (Lines{kMechSoftBanner, "Ground Beef & Gravy"}));
}

TEST_F(Menus, PortionsMultiplyReduceAndCarryOverAndCountTimesQuantityIsWrittenOut) {
  resident.DietCodeMarked = true;
  items("JUICE", {{1, item("Prune")}});
  items("FRUIT", {{1, item("Peaches")}});
  items("EGG", {{2, item("Eggs")}});
  items("ENTREE", {{1, item("Lasagna")}});
  items("BREAD", {{1, item("Roll")}, {2, item("Toast")}});
  items("STARCH", {{1, item("Potatoes")}});
  items("CONDIMNT", {{1, item("Margarine")}, {2, item("Jelly")}});
  menu(3, menuLine("BK", '*', "JUICE", "1/2 c Prune Juice"));
  menu(4, menuLine("BK", '*', "EGG", "2 Scrambled Eggs"));
  menu(5, menuLine("BK", '*', "CONDIMNT", "1 pat Margarine"));
  menu(6, menuLine("BK", '*', "CONDIMNT", "2 pk Jelly"));
  portions[1] = "3200000";  // juice 3, egg 2, margarine 0
  EXPECT_EQ(served(load(), 1), (Lines{" 1+1/2 c Prune Juice", "   4 Scrambled Eggs", "", "   2 pk Jelly"}));

  // Lunch: the lasagna's "-2" lowers the first bread (4) to 2 and is used
  // up by it; the starch keeps its 3.
  Rec lasagna = menuLine("LH", '*', "ENTREE", "1/4 Lasagna");
  lasagna.at(14, "-2");
  menu(47, lasagna);
  menu(48, menuLine("LH", '*', "BREAD", "1/4 loaf Roll"));
  menu(49, menuLine("LH", '*', "STARCH", "1/2 c Potatoes"));
  menu(50, menuLine("LH", '*', "BREAD", "2 sl Toast"));
  menu(51, menuLine("LH", '*', "STARCH", "1/2 c Potatoes"));
  menu(52, menuLine("LH", '*', "FRUIT", "1/2 c Peaches"));
  portions[2] = "23  49";  // entree 2, starch 3, bread 4, fruit 9 (which has no product)
  EXPECT_EQ(served(load(), 2), (Lines{"   1/2 Lasagna", "   1/2 loaf Roll", " 1+1/2 c Potatoes",
                                      "   8 sl Toast", " 1+1/2 c Potatoes", "(9)1/2 c Peaches"}));
  // Bread 1 takes 1 of the 2 and is not served; the rest carries over to
  // the starch, which is not served either; later lines keep their counts.
  portions[2] = "21  1";
  EXPECT_EQ(served(load(), 2), (Lines{"   1/2 Lasagna", "", "", "   2 sl Toast", "   1/2 c Potatoes",
                                      "   1/2 c Peaches"}));
  // Neither select menus nor unmarked diets rewrite portions; the marker
  // still leaves the record's text on a meal card.
  resident.DietCodeMarked = false;
  EXPECT_EQ(served(load(), 2)[0], "1/4 Lasagna");

  // Count times quantity, written out.
  EXPECT_EQ(applyMultiplier("1/2 c Juice", '3'), " 1+1/2 c Juice");
  EXPECT_EQ(applyMultiplier("1/4 c Rice", '2'), "   1/2 c Rice");
  EXPECT_EQ(applyMultiplier("1/2 c Rice", '1'), "   1/2 c Rice");  // not the shorter "(1)1"
  EXPECT_EQ(applyMultiplier("1/3 c Rice", '3'), "     1 c Rice");
  EXPECT_EQ(applyMultiplier("2 sl Toast", '4'), "   8 sl Toast");
  EXPECT_EQ(applyMultiplier("5 oz Fish", '2'), "(2)5 oz Fish");
  EXPECT_EQ(applyMultiplier("1 Roll", '0'), std::string(25, ' '));
  EXPECT_EQ(applyMultiplier("1 Roll", ' '), "   1 Roll");
  int counter = 3;
  EXPECT_EQ(reduceMultiplier('2', counter), '0');
  EXPECT_EQ(counter, 1);
  EXPECT_EQ(reduceMultiplier(' ', counter), ' ');
  EXPECT_EQ(counter, 1);
  std::string record = "ab-1cd-2-1";
  EXPECT_EQ(takeReductionMarkers(record), 3);
  EXPECT_EQ(record, "ab  cd  -1");
}

TEST_F(Menus, MissingFilesLeaveMarksForTheReviewerAndAFileIsReadOnceMissingOrNot) {
  resident.diet.Puree = 1;
  const MealLines banner = load();
  EXPECT_EQ(served(banner, 1), (Lines{kPureedBanner}));  // no menu file at all
  EXPECT_EQ(banner.MealLabel[1][1], std::string(13, ' '));  // a banner is of no category
  EXPECT_EQ(files_.missing(), (std::vector<std::string>{menuFilePath(facility, "TST", 1, 1)}));

  resident.diet.Puree = 0;
  menu(3, menuLine("BK", '*', "NOFILE", "1 Mystery"));
  menu(4, menuLine("BK", '*', "", "1 Nothing"));
  menu(5, menuLine("BK", '*', "A*B", "1 Starred name"));
  EXPECT_EQ(served(load(), 1), (Lines{rtrim(kReviewNoItemFile), rtrim(kReviewNoCategory)}));

  // A file is read once, missing or not.
  test::TempDrives t;
  MenuFiles files(&t.drives());
  t.put("c:\\m\\JUICE.ml", 202, 2, "x");
  EXPECT_TRUE(files.file("c:\\m\\JUICE.ml", 202).exists());
  t.put("c:\\m\\JUICE.ml", 202, 3, "changed later");
  EXPECT_EQ(files.file("C:\\M\\juice.ML", 202).recordCount(), 2);  // the copy read first
  EXPECT_FALSE(files.file("c:\\m\\EGG.ml", 202).exists());
  EXPECT_FALSE(files.file("c:\\m\\EGG.ml", 202).exists());
  EXPECT_EQ(files.missing(), (std::vector<std::string>{"c:\\m\\EGG.ml"}));
}

TEST_F(Menus, PseudoSelectAddsEachAlternateOnceBeforeTheStopMark) {
  items("ENTREE", {{3, item("Beef")}, {4, item("Chicken")}});
  items("VEGETABL", {{1, item("Beans")}});
  menu(47, menuLine("LH", '*', "ENTREE", "3 oz Roast Beef"));
  menu(48, menuLine("LH", ' ', "ENTREE", "4 oz Chicken"));
  menu(49, menuLine("LH", '*', "ENTREE", "4 oz Chicken"));
  menu(50, menuLine("LH", '*', "VEGETABL", "1/2 c Beans"));
  menu(51, Rec(226).at(19, "ALT MT:").at(26, "Chef Salad Plate"));
  menu(52, Rec(226).byte(19, 205));
  menu(53, Rec(226).at(19, "ALT VG:").at(26, "Side Salad"));
  const MealLines l = load(MenuKind::PseudoSelect);
  EXPECT_EQ(served(l, 2), (Lines{"3 oz Roast Beef*", "       Chef Salad Plate", "4 oz Chicken*", "1/2 c Beans*"}));
  EXPECT_EQ(l.MealLabel[2][2], l.MealLabel[2][1]);
}

TEST_F(Menus, AssistedLivingListsEveryRecordOfItsMealButTheCondiments) {
  items("ENTREE", {{3, item("Beef")}});
  items("CONDIMNT", {{1, item("Margarine")}});
  menu(47, menuLine("LH", ' ', "ENTREE", "3 oz Roast Beef"));  // starred or not
  menu(48, menuLine("LH", ' ', "CONDIMNT", "1 pat Margarine"));
  const MealLines l = load(MenuKind::Alf, 2);
  EXPECT_EQ(rtrim(l.AlfText[1]), "___3 oz Roast Beef");
  EXPECT_EQ(rtrim(l.AlfText[2]), "");
}

}  // namespace
}  // namespace mc
