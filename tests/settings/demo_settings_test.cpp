#include <gtest/gtest.h>

#include "data/text.h"
#include "settings/printer_selection.h"
#include "settings/settings_file.h"
#include "support/commands.h"
#include "support/test_drives.h"

namespace mc {
namespace {

// The demo generator writes its settings file record by record without our
// writer; our reader must find the six sets in it, and a load followed by a
// save must not change a byte of it.
TEST(DemoSettings, SixNamedSetsLoadAndSurviveASave) {
  test::TempDrives t;
  test::makeDemoFacility(t.root());
  Facility fac;
  fac.FacCode = "MGC";  // the demo facility's code and setup folder
  fac.SiteCode = "284";
  fac.Folders.assign(45, "c:\\dnv");
  SettingsModel m;
  fillPrinterList(FixedPrinterList({}, ""), m);  // keeps the stored blank printer name
  const SettingsFile file(t.drives(), fac);
  const std::string before = t.read(file.path());
  ASSERT_EQ(before.size(), 21u * 300);

  file.GetSet(m);
  const char* names[] = {"Set For All", "Meal Cards", "Select Menu", "Pseudo Sel", "ALF Lunch", "User Cards"};
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(m.SetButtonName[i], padCut(names[i - 1], 12));
  EXPECT_EQ(m.Caption, " [284 ] Fac:MGC Set:1:Meal Card & Select Menu Printing Program");
  EXPECT_EQ((std::array{m.Text[4], m.Text[21]}), (std::array<std::string, 2>{"999", "4.8"}));
  EXPECT_EQ(rtrim(m.Text[36]), "Demo facility - check diet before serving");
  m.SaveRanges = 1;
  file.SaveSet(m);
  EXPECT_EQ(t.read(file.path()), before);

  auto loadSet = [&](int n) {
    m.CurrentSet = static_cast<int16_t>(n);
    file.SetSetNo(m);
    file.GetSet(m);
  };
  loadSet(2);
  EXPECT_EQ(m.CardKind, 2);
  loadSet(4);
  EXPECT_EQ(m.CardKind, 1);
  EXPECT_TRUE(m.PseudoSelect);
  loadSet(5);
  EXPECT_TRUE(m.AlfMenus);
  EXPECT_EQ(m.AlfMealName, "Lunch");
  loadSet(6);
  EXPECT_TRUE(m.UserCards);
  EXPECT_EQ((std::array{m.Text[9], m.Text[11]}), (std::array<std::string, 2>{"4   ", "240 "}));
}

}  // namespace
}  // namespace mc
