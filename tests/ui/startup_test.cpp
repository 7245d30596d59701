#include "ui/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "data/text.h"
#include "printrun/scripted_dialogs.h"
#include "support/test_drives.h"
#include "support/test_setup_file.h"

namespace mc {
namespace {

using test::TempDrives;
using test::TestSetup;

class FixedClock : public Clock {
 public:
  DateTime t{{2026, 12, 31}, 10, 5, 0};
  DateTime now() const override { return t; }
};

// Records each step with the call mode and preview flag it saw, and does
// just enough of the real steps for start-up to go on: the settings load
// puts the default unit and resident into the range boxes as it does under
// CallMode -1111, the resident load sets a name line.
class RecordingSteps : public StartupSteps {
 public:
  struct Call {
    std::string step;
    int16_t callMode;
    int16_t preview;
  };
  std::vector<Call> calls;
  bool userCards = false;
  bool runEndsProgram = false;

  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const Call& c : calls) out.push_back(c.step);
    return out;
  }
  const Call* find(const std::string& step) const {
    for (const Call& c : calls)
      if (c.step == step) return &c;
    return nullptr;
  }

  void GetSet(Controller& c) override {
    note(c, "GetSet");
    c.model.Text[1] = c.model.Text[2] = std::to_string(c.facility.defaultUnit);
    c.model.Text[5] = "4";
    c.model.Option[3] = userCards;
  }
  void InitTables(Controller& c) override { note(c, "InitTables"); }
  void LoadResident(Controller& c) override {
    note(c, "LoadResident");
    c.resident.NameLine = "102-A Castillo, Rosa";
  }
  void LoadThick(Controller& c) override { note(c, "LoadThick"); }
  void LOADPUR(Controller& c) override { note(c, "LOADPUR"); }
  void SetForAll(Controller& c) override { note(c, "SetForAll"); }
  void PrintRun(Controller& c) override {
    note(c, "PrintRun");
    if (runEndsProgram) c.EndProgram();
  }
  void ShowForm2(Controller& c) override { note(c, "ShowForm2"); }

 private:
  void note(const Controller& c, const std::string& step) {
    calls.push_back({step, c.model.CallMode, c.PreviewFlag});
  }
};

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    setup.write(t);
    t.put("c:\\dnv\\rost\\sfl1.TST", 122, 1, Rec(122).field(2, 29, "Anderson, Mary").str());
    t.put("c:\\dnv\\res\\dataTST\\RS00102.~TST", 100, 1, Rec(100).str());
  }

  StartupOutcome run() {
    controller = std::make_unique<Controller>(t.drives(), dialogs, printers, clock);
    return Form_Load(*controller, steps);
  }
  Facility& fac() { return controller->facility; }

  TempDrives t;
  TestSetup setup;
  ScriptedDialogs dialogs;
  FixedPrinterList printers{{"Kitchen Laser", "PDF", "Office"}, "PDF"};
  FixedClock clock;
  RecordingSteps steps;
  std::unique_ptr<Controller> controller;
};

TEST_F(StartupTest, RunsTheStepsInOrderAndEndsWithThePreviewRun) {
  ASSERT_EQ(run(), StartupOutcome::Ready);
  EXPECT_EQ(steps.names(), (std::vector<std::string>{"GetSet", "InitTables", "LoadResident",
                                                     "LoadThick", "LOADPUR", "PrintRun",
                                                     "ShowForm2"}));
  EXPECT_EQ(steps.find("GetSet")->callMode, callmode::Startup);
  EXPECT_EQ(steps.find("PrintRun")->callMode, callmode::QuickRun);
  EXPECT_EQ(steps.find("PrintRun")->preview, 1);
  EXPECT_TRUE(dialogs.shown().empty());

  const Controller& c = *controller;
  EXPECT_EQ(c.model.Text[15], "01-01-27");  // tomorrow, across the year's end
  EXPECT_EQ(c.MenuDay, 4);
  EXPECT_EQ(c.model.Label[10].Caption, "102-A Castillo, Rosa ");
  EXPECT_EQ(c.CardDate, "03-15-07");
  EXPECT_EQ(c.DayNames[1], "Sunday");
  EXPECT_EQ(c.DayNames[7], "Saturday");
  EXPECT_FALSE(c.NextResVisible);
  EXPECT_EQ(c.IconPath, "");
  EXPECT_EQ(c.resident.ResidentFile, "RS00102");
  EXPECT_EQ(c.resident.ResidentPath, "c:\\dnv\\res\\dataTST\\RS00102.~TST");
  EXPECT_EQ(c.facility.DefaultResidentPath, c.resident.ResidentPath);
  EXPECT_EQ(c.model.Printers, (std::vector<std::string>{"Kitchen Laser", "PDF", "Office"}));
  EXPECT_EQ(c.model.DefaultPrinterIndex, 1);
  EXPECT_FALSE(c.model.NoPrinters);
  EXPECT_FALSE(c.facility.AutoPrint);
  EXPECT_FALSE(c.facility.NoYellowDL);
  EXPECT_TRUE(c.facility.MakeTextFile);
  EXPECT_FALSE(c.facility.names.loaded);
  EXPECT_EQ(c.facility.AdaptiveEquipmentList, "");
  EXPECT_EQ(c.facility.CustomTitle, "");
  EXPECT_FALSE(c.facility.firstOfMonth);
}

TEST_F(StartupTest, WithoutSetupFileNothingIsLoaded) {
  std::filesystem::remove(*t.drives().hostPath("c:\\dnv\\setup\\F.kvt"));
  ASSERT_EQ(run(), StartupOutcome::NoSetupFile);
  EXPECT_EQ(fac().FacilityName, "Cannot Find Setup File");
  EXPECT_FALSE(fac().setupFound);
  EXPECT_TRUE(steps.calls.empty());
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(controller->model.CallMode, callmode::Startup);
}

TEST_F(StartupTest, MissingRosterOfTheDefaultUnitEndsSilently) {
  setup.defaultUnit = "9";  // outside 1..U: unit 1 is the default, and its roster counts
  setup.write(t);
  std::filesystem::remove(*t.drives().hostPath("c:\\dnv\\rost\\sfl1.TST"));
  t.put("c:\\dnv\\rost\\sfl9.TST", 122, 1, Rec(122).str());
  ASSERT_EQ(run(), StartupOutcome::NoDefaultRoster);
  EXPECT_EQ(fac().defaultUnit, 1);
  EXPECT_TRUE(steps.calls.empty());
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(StartupTest, BedNumberBeyondTheUnitsBedsIsReportedAndStartupGoesOn) {
  setup.defaultUnit = "2";
  setup.defaultResident = "9";  // unit 2 has 8 beds
  setup.write(t);
  t.put("c:\\dnv\\rost\\sfl2.TST", 122, 1, Rec(122).str());
  ASSERT_EQ(run(), StartupOutcome::Ready);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text,
            "Bed Number Exceeds Max Beds for Nursing Unit.\r\n"
            "Increase Max Beds for Unit from the \r\n"
            "Facility --> Setup Rosters, ... Program");
  EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::Ok);
  EXPECT_EQ(dialogs.shown()[0].title, "");

  // A default unit outside the table is not checked against any beds.
  dialogs.clear();
  setup.defaultUnit = "7";
  setup.defaultResident = "99";
  setup.write(t);
  ASSERT_EQ(run(), StartupOutcome::Ready);
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(StartupTest, AutoPrintMarkerIsDeletedAndARealRunStarts) {
  t.putFile("c:\\dnv\\setup\\apcard.TST", "");
  ASSERT_EQ(run(), StartupOutcome::Ready);
  EXPECT_TRUE(fac().AutoPrint);
  EXPECT_FALSE(t.exists("c:\\dnv\\setup\\apcard.TST"));
  EXPECT_EQ(steps.names(), (std::vector<std::string>{"GetSet", "InitTables", "LoadResident",
                                                     "LoadThick", "LOADPUR", "PrintRun",
                                                     "ShowForm2"}));
  EXPECT_EQ(steps.find("PrintRun")->preview, 0);
  EXPECT_EQ(steps.find("PrintRun")->callMode, callmode::Startup);
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(StartupTest, UndeletableAutoPrintMarkerIsReportedThenSetForAllRuns) {
  // Two spellings of the marker: deleting one leaves the other, which the
  // program cannot tell from a file that refused to go.
  t.putFile("c:\\dnv\\setup\\apcard.TST", "");
  std::ofstream(t.root() / "c" / "dnv" / "setup" / "APCARD.TST").put('x');
  steps.userCards = true;
  ASSERT_EQ(run(), StartupOutcome::Ready);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text,
            "c:\\dnv\\setup\\apcard.TST\r\nError Deleting Above File to Cancel Future Auto Print.");
  EXPECT_TRUE(fac().AutoPrint);
  EXPECT_FALSE(t.exists("c:\\dnv\\setup\\apcard.TST"));
  // The auto-print run happens even with user cards chosen.
  EXPECT_EQ(steps.names(), (std::vector<std::string>{"GetSet", "InitTables", "LoadResident",
                                                     "LoadThick", "LOADPUR", "SetForAll",
                                                     "PrintRun", "ShowForm2"}));
}

TEST_F(StartupTest, UserCardsWithoutMarkerStartNoRun) {
  steps.userCards = true;
  ASSERT_EQ(run(), StartupOutcome::Ready);
  EXPECT_EQ(steps.find("PrintRun"), nullptr);
  EXPECT_NE(steps.find("ShowForm2"), nullptr);
  EXPECT_EQ(controller->model.CallMode, callmode::Startup);
}

TEST_F(StartupTest, ARunThatEndsTheProgramEndsStartup) {
  steps.runEndsProgram = true;
  ASSERT_EQ(run(), StartupOutcome::Ended);
  EXPECT_EQ(steps.find("ShowForm2"), nullptr);
}

TEST_F(StartupTest, NameListsTakeTwentyCharactersAndDropControlCharacters) {
  const std::string path = "c:\\dnv\\res\\tolnm";
  t.put(path, 22, 1, Rec(22).field(1, 22, "  Coffee, black       ").str());
  t.put(path, 22, 2, Rec(22).field(1, 22, "\x01Tea").str());
  t.put(path, 22, 3, Rec(22).field(1, 22, "{Orange juice").str());
  t.put(path, 22, 4, Rec(22).field(1, 22, "z is the last letter XX").str());
  t.put(path, 22, 5, Rec(22).field(1, 22, "\xe9" "clair").str());
  t.put(path, 22, 31, Rec(22).field(1, 22, "ISOLATION").str());
  t.put(path, 22, 60, Rec(22).field(1, 22, "Peanuts").str());
  ASSERT_EQ(run(), StartupOutcome::Ready);
  const NameTable& names = fac().names;
  EXPECT_TRUE(names.loaded);
  EXPECT_EQ(names.LikeNames[1], "Coffee, black");
  EXPECT_EQ(names.LikeNames[2], "");
  EXPECT_EQ(names.LikeNames[3], "");
  EXPECT_EQ(names.LikeNames[4], "z is the last letter");
  EXPECT_EQ(names.LikeNames[5], "");
  EXPECT_EQ(names.LikeNames[6], "");
  EXPECT_EQ(names.DislikeNames[1], "ISOLATION");
  EXPECT_EQ(names.DislikeNames[30], "Peanuts");
}

TEST_F(StartupTest, MarkerFilesAndTheCustomTitle) {
  t.putFile("c:\\dnv\\res\\NoYel", "");
  t.putFile("c:\\dnv\\NoMTxt", "");
  t.putFile("c:\\dnv\\pics\\vod\\aded.1", "x");
  t.putFile("c:\\dnv\\setup\\conm.TST", "  Kitchen of Test Home   " + std::string(180, ' ') + "next");
  t.putFile("c:\\dnv\\vexl8.ico", "icon");
  ASSERT_EQ(run(), StartupOutcome::Ready);
  EXPECT_TRUE(fac().NoYellowDL);
  EXPECT_FALSE(fac().MakeTextFile);
  EXPECT_EQ(fac().AdaptiveEquipmentList, "c:\\dnv\\pics\\vod\\aded.1");
  EXPECT_EQ(fac().CustomTitle, "  Kitchen of Test Home");
  EXPECT_EQ(controller->IconPath, "c:\\dnv\\vexl8.ico");

  t.putFile("c:\\dnv\\pics\\vod\\aded.TST", "x");
  ASSERT_EQ(run(), StartupOutcome::Ready);
  EXPECT_EQ(fac().AdaptiveEquipmentList, "c:\\dnv\\pics\\vod\\aded.TST");
}

TEST_F(StartupTest, FacilityNameAndFirstOfMonth) {
  setup.name = "Riverside Nursing and Rehab &Co";  // cut at 29: "...Rehab &"
  setup.date = "07-01-26";
  setup.write(t);
  ASSERT_EQ(run(), StartupOutcome::Ready);
  EXPECT_EQ(fac().FacilityName, "Riverside Nursing and Rehab");
  EXPECT_TRUE(fac().firstOfMonth);
}

TEST_F(StartupTest, WithoutDefaultPrinterNoPrintersAreListed) {
  FixedPrinterList none{{"Lonely"}, ""};
  controller = std::make_unique<Controller>(t.drives(), dialogs, none, clock);
  ASSERT_EQ(Form_Load(*controller, steps), StartupOutcome::Ready);
  EXPECT_TRUE(controller->model.NoPrinters);
  EXPECT_TRUE(controller->model.Printers.empty());
  EXPECT_EQ(controller->model.DefaultPrinterIndex, -1);
}

TEST_F(StartupTest, MissingResidentFileLeavesAnEmptyPath) {
  std::filesystem::remove(*t.drives().hostPath("c:\\dnv\\res\\dataTST\\RS00102.~TST"));
  ASSERT_EQ(run(), StartupOutcome::Ready);
  EXPECT_EQ(controller->resident.ResidentPath, "");
  EXPECT_EQ(controller->resident.ResidentFile, "RS00102");
}

}  // namespace
}  // namespace mc
