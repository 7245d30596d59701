#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "settings/card_settings.h"
#include "settings/printer_selection.h"
#include "support/test_drives.h"

namespace mc {
namespace {

using test::Rec;

constexpr const char* kPath = "c:\\dnv\\setup\\Mcardset.ABC";

// A set record as a facility's file holds it, every field in the form the
// program itself writes, with stray bytes in the columns nobody owns.
Rec fullSetRecord() {
  Rec r(300);
  r.field(1, 2, "2").field(3, 4, "3").at(5, "ZZ").field(7, 9, "40").field(10, 12, "5").field(13, 15, "7");
  r.field(16, 18, "2").field(19, 21, "4").at(22, " X  ").at(26, "1101").field(30, 31, "7").at(32, "01 101");
  r.field(38, 41, "5").field(42, 43, "12").field(44, 47, "240").field(48, 49, "2").field(50, 51, "3");
  r.field(52, 53, "14").at(54, "1").field(55, 58, "25").at(59, "0").field(60, 89, "Office").at(90, "1");
  r.at(91, "010101").field(97, 100, "-250").field(101, 104, "300").at(105, "1").field(106, 109, "40");
  r.field(110, 113, "-20").field(114, 116, "LSB").at(117, "1010").field(121, 125, "5.2");
  r.field(126, 129, "-15").field(130, 133, "160").field(134, 137, "90").field(138, 141, "480");
  r.field(142, 143, "6").at(144, "0").field(145, 146, "1").field(147, 158, "Everyday").field(159, 170, "Breakfast Ln");
  r.byte(219, 0xB3).field(220, 221, "5").field(222, 223, "7").field(224, 227, " 20").field(228, 230, "123");
  r.at(231, "114321101").field(240, 259, "clip.jpg").field(260, 289, "Happy Birthday").at(290, "#");
  r.at(291, "11").field(293, 295, "3").at(296, " 0000");
  return r;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  SettingsFileTest() {
    fac.FacCode = "ABC";
    fac.SiteCode = "284";
    fac.defaultUnit = 2;
    fac.defaultResident = 5;
    fac.Folders.assign(40, "c:\\dnv");
    fac.Folders[34] = "c:\\dnv\\pics";
    fillPrinterList(FixedPrinterList({"Office", "Kitchen"}, "Kitchen"), model);
  }
  void put(long n, const std::string& r) const { t.put(kPath, 300, n, r); }
  std::string rec(long n) const { return t.record(kPath, 300, n); }
  void load(int16_t mode = callmode::None) {
    model.CallMode = mode;
    file.GetSet(model);
  }
  // The full set record, the shared records and records nobody owns.
  void putFullFile() {
    put(1, fullSetRecord());
    put(7, "record seven is nobody's");
    put(8, Rec(300).field(1, 10, " 12632256").field(11, 20, " 8421504").field(21, 30, " 16777215")
               .at(31, "10131010").at(200, "keep"));
    for (int i = 0; i < 9; ++i)
      put(9 + i, Rec(300).field(1, 20, "Dot").field(21, 30, " " + std::to_string(1000 * (i + 1))));
    put(20, Rec(300).field(1, 3, "-2").at(4, "1"));
    put(21, Rec(300).field(1, 60, "Check the diet before serving"));
    put(22, "past the last record");
  }

  test::TempDrives t;
  Facility fac;
  SettingsModel model;
  SettingsFile file{t.drives(), fac};
};

TEST_F(SettingsFileTest, BlankSetRecordLoadsTheBuiltInDefaults) {
  for (const char fill : {' ', '\0'}) {
    put(1, std::string(300, fill));
    model.Check.fill(1);
    model.Option.fill(true);
    load();
    const std::pair<int, const char*> texts[] = {{1, "1"},   {2, "2"},   {3, "1"},   {4, "999"}, {8, "1"},
                                                 {14, "12"}, {16, "700"}, {21, "4.8"}, {22, "290"}, {26, "3"}};
    for (auto [no, want] : texts) EXPECT_EQ(model.Text[no], want) << "Text" << no;
    for (int c = 1; c <= 43; ++c) EXPECT_EQ(model.Check[c], 0) << "Check" << c;
    for (int o = 1; o <= 6; ++o) EXPECT_FALSE(model.Option[o]) << "Option" << o;
    EXPECT_EQ(model.PrinterName, "Kitchen");
    EXPECT_EQ(model.SetButtonCaption[1], "Set For &All");
  }
}

TEST_F(SettingsFileTest, LoadThenSaveLeavesEveryByteAsItWas) {
  putFullFile();
  const std::string before = t.read(kPath);
  // At start-up the range boxes take the facility's defaults; a reload keeps
  // what the user typed.
  load(callmode::Startup);
  EXPECT_EQ(model.Text[1] + model.Text[3] + model.Text[4], "255");
  model.Text[4] = "x";
  load(callmode::Reload);
  EXPECT_EQ(model.Text[4], "x");
  load();
  EXPECT_EQ((std::array{model.Text[1], model.Text[4], model.Text[8]}), (std::array<std::string, 3>{"2", "40", "4  "}));
  EXPECT_EQ(model.MealOrder, "LSB");
  EXPECT_EQ(model.Label[20].BackColor, 9000);
  model.SaveRanges = 1;
  file.SaveSet(model);
  EXPECT_EQ(t.read(kPath), before);

  // Without SaveRanges the range fields keep what the file held.
  model.SaveRanges = 0;
  model.Text[1] = model.Text[3] = "9";
  model.Text[5] = "6";
  file.SaveSet(model);
  EXPECT_EQ(rec(1).substr(0, 12), "2 3 ZZ40 6  ");
  EXPECT_EQ(rec(1).substr(292, 3), "3  ");
}

TEST_F(SettingsFileTest, EncodingsOfTheTrickyFields) {
  put(1, Rec(300).field(126, 129, "123"));
  load();
  model.Text[9] = "-5";    // a margin that cannot be negative loses its minus
  model.Text[16] = "-250";
  model.Text[22] = "0";    // zero is not written: the older value stays
  model.Text[23] = "abc";
  model.Text[11] = "2.5";  // halves go to the even neighbour
  model.Text[21] = ".5";
  model.List2 = -1;
  model.SetButtonName[1] = "Twelve chars";
  model.SetButtonName[2] = "Thirteen char";
  file.SaveSet(model);
  const std::pair<size_t, std::string> stored[] = {{38, "5   "}, {97, "-250"}, {126, "123     "}, {44, "2   "},
                                                    {121, ".5   "}, {30, "1 "}, {147, "Twelve charsThirteen cha"}};
  for (const auto& [column, text] : stored) EXPECT_EQ(rec(1).substr(column - 1, text.size()), text) << column;

  load();
  EXPECT_EQ(model.List2, 1);
  EXPECT_EQ(model.Text[22], "123");
  EXPECT_EQ(model.Text[23], "170");
  EXPECT_EQ(model.SetButtonName[2], "Thirteen cha");
}

TEST_F(SettingsFileTest, ReaderRulesAndTheValuesTheRunReads) {
  // Colours of zero or below are not applied.
  model.FormBackColor = 111;
  put(8, Rec(300).field(1, 10, " 0").field(11, 20, "-2147483643"));
  put(9, Rec(300).field(1, 20, "   ").field(21, 30, "-5"));
  Rec r(300);
  r.at(25, "X").at(27, "2").at(28, "1").at(118, "1").at(144, "1").at(232, "1").at(291, "7");
  r.field(114, 116, "bls").field(52, 53, "30").field(220, 221, "-3").at(233, "9");
  put(1, r);
  load();
  EXPECT_TRUE(model.PseudoSelect);
  EXPECT_EQ(model.MealOrder, "");  // select menus take no meal order
  EXPECT_EQ(model.Check[2], 0);  // "2" is no ticked box, but still means by dining location
  EXPECT_TRUE(model.ByDiningLocation);
  EXPECT_EQ(model.LoopStep, -1);
  EXPECT_EQ(model.Check[21], 1);  // both stored: only Check21
  EXPECT_EQ(model.Check[22], 0);
  EXPECT_EQ(model.Text[14] + model.Text[30], "120");
  EXPECT_EQ(model.StripChoice[1], 1);
  EXPECT_EQ(model.FormBackColor, 111);
  EXPECT_EQ(model.FirstControlColor, 0);
  EXPECT_EQ(model.Label[2].BackColor, 0x00C000);

  put(1, Rec(300).at(22, "X").at(296, "X").at(297, "110").field(114, 116, "bym").at(93, "1"));
  load();
  EXPECT_TRUE(model.Option[5]);
  EXPECT_FALSE(model.Option[1]);  // the options exclude each other; the last stored wins
  EXPECT_EQ(model.MealOrder, "BBBLLLSSS");
  EXPECT_TRUE(model.Overlay.MealOrderVisible && model.Overlay.DateVisible && !model.Overlay.DaysVisible);

  // The run's typed value: assisted-living menus hold the card switches off
  // while the boxes keep their state; each box is read as the cards read it.
  model.Check[13] = model.Check[21] = 1;
  model.Text[5] = "40000";
  model.Text[21] = model.Text[34] = "2.5";
  const CardSettings run = readCardSettings(model);
  EXPECT_TRUE(run.AlfMenus && !run.Check13 && run.Check21 && run.Check12 && !run.Check22);
  EXPECT_EQ(run.Text20.text(), "BYM");
  EXPECT_EQ(run.Text5, 0);  // no menu day range past 16 bits
  EXPECT_EQ(run.PreviewMenuDay, 40000);
  EXPECT_EQ(run.Text21, 2.5);  // a factor, not rounded
  EXPECT_EQ(run.Text34, 2);    // a size, rounded half to even
}

TEST_F(SettingsFileTest, ActiveSetComesFromRecordOneSetSetNoTouchesOnlyItAndAResetBlanksItAndTheSharedRecords) {
  putFullFile();
  put(1, fullSetRecord().field(145, 146, "2").field(159, 170, " hidden"));
  put(2, Rec(300).at(22, "X").field(145, 146, "5"));
  load();
  EXPECT_EQ(model.CurrentSet, 2);
  EXPECT_EQ(model.Caption, " [284 ] Fac: Set:2:Meal Card & Select Menu Printing Program");
  EXPECT_EQ(model.CardKind, 3);
  EXPECT_EQ(model.SetButtonName[2], " hidden     ");

  std::string expected = t.read(kPath);
  model.CurrentSet = 4;
  file.SetSetNo(model);
  EXPECT_EQ(t.read(kPath), expected.replace(144, 2, "4 "));

  // A pending reset blanks the active set and the shared records, not the note.
  put(1, fullSetRecord().field(145, 146, "3"));
  put(3, fullSetRecord());
  const std::string one = rec(1), note = rec(21), seven = rec(7);
  load();
  model.ResetPending = 1;
  load();
  for (int n : {3, 8, 9, 17, 20}) EXPECT_EQ(rec(n), std::string(300, ' ')) << n;
  EXPECT_EQ(rec(1), one);
  EXPECT_EQ(rec(7), seven);
  EXPECT_EQ(rec(21), note);
  EXPECT_EQ(model.Text[22], "290");
  EXPECT_EQ(model.Label[2].Caption, "Dot");  // blank captions keep the label's

  model.ResetPending = 0;
  file.SaveSet(model);  // the reset's save goes into set 3, with the names
  EXPECT_EQ(rec(3).substr(144, 26), "3 Everyday    Breakfast Ln");
}

TEST_F(SettingsFileTest, MissingFileKeepsTheControlsAndTheNextSaveCreatesIt) {
  model.Text[14] = "10";
  load();
  EXPECT_EQ(model.Text[14], "10");
  file.SaveSet(model);  // no setup folder: nothing is created anywhere
  EXPECT_FALSE(t.exists(kPath));

  t.put("c:\\dnv\\setup\\placeholder", 1, 1, "x");
  model.CurrentSet = 3;
  file.SaveSet(model);
  EXPECT_EQ(t.read(kPath).size(), 21u * 300);
  EXPECT_EQ(rec(3).substr(51, 2), "10");
  EXPECT_EQ(rec(1).substr(0, 146), std::string(144, ' ') + "3 ");
  EXPECT_EQ(model.CurrentSet, 1);

  t.putFile(kPath, fullSetRecord().str().substr(0, 120));  // a short, torn file loads what it has
  load();
  EXPECT_EQ(model.Text[4] + model.Text[21], "404.8");
}

TEST_F(SettingsFileTest, PicturesMarkersAndPrinters) {
  t.putFile("c:\\dnv\\pics\\vod\\Ban5.asz", "a");
  t.putFile("c:\\dnv\\pics\\vod\\BD7.jpg", "j");
  t.putFile("c:\\dnv\\pics\\vod\\BD7.asz", "a");
  const std::string k30(30, 'K');
  put(1, Rec(300).field(220, 221, "5").field(222, 223, "7").field(60, 89, k30));
  fillPrinterList(FixedPrinterList({"Office", k30 + " first", k30 + " second"}, "Office"), model);
  load();
  EXPECT_EQ(model.BannerPicture, "c:\\dnv\\pics\\vod\\Ban5.asz");
  EXPECT_EQ(model.BorderPicture, "c:\\dnv\\pics\\vod\\BD7.jpg");
  EXPECT_EQ(model.PrinterName, k30 + " first");  // the stored 30 characters begin the name

  put(1, Rec(300).field(60, 89, "Gone"));
  load();
  EXPECT_EQ(model.PrinterName, "Office");
  fillPrinterList(FixedPrinterList({"Office"}, ""), model);
  load();
  EXPECT_EQ(model.Combo1Text, "No Printers Installed");
}

}  // namespace
}  // namespace mc
