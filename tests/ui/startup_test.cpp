#include "ui/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "printrun/scripted_dialogs.h"
#include "render/counting_surface.h"
#include "render/trace_surface.h"
#include "ui/program_startup_steps.h"
#include "support/fixed_clock.h"
#include "support/test_drives.h"
#include "support/resident_file.h"
#include "support/test_setup_file.h"

namespace mc {
namespace {

using test::TempDrives;
using test::TestSetup;

// Writes each step by name, the print run as a preview or a real run, and
// does just enough of the real steps for start-up to go on.
class RecordingSteps : public StartupSteps {
 public:
  std::string log;
  bool userCards = false;

  void GetSet(Controller& c) override {
    note(c, "GetSet");
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
  void PrintRun(Controller& c) override { note(c, c.run.PreviewFlag ? "PreviewRun" : "PrintRun"); }
  void ShowForm2(Controller& c) override { note(c, "ShowForm2"); }

 private:
  void note(const Controller&, const char* step) { log += std::string(log.empty() ? "" : " ") + step; }
};

constexpr const char* kLoads = "GetSet InitTables LoadResident LoadThick LOADPUR";

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    setup.write(t);
    t.put("c:\\dnv\\rost\\sfl1.TST", 122, 1, Rec(122).str());
    t.put("c:\\dnv\\res\\dataTST\\RS00102.~TST", 100, 1, Rec(100).str());
  }
  StartupOutcome run() {
    steps.log.clear();
    c = std::make_unique<Controller>(t.drives(), dialogs, printers, clock);
    return Form_Load(*c, steps);
  }
  void remove(const char* path) { std::filesystem::remove(*t.drives().hostPath(path)); }

  TempDrives t;
  TestSetup setup;
  ScriptedDialogs dialogs;
  FixedPrinterList printers{{"Kitchen Laser", "PDF", "Office"}, "PDF"};
  test::FixedClock clock{{{2026, 12, 31}, 10, 5, 0}};
  RecordingSteps steps;
  std::unique_ptr<Controller> c;
};

TEST_F(StartupTest, RunsTheStepsInOrderAndEndsWithThePreviewRunEvenPastABedNumberBeyondTheUnitsBeds) {
  ASSERT_EQ(run(), StartupOutcome::Ready);
  EXPECT_EQ(steps.log, std::string(kLoads) + " PreviewRun ShowForm2");
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(c->model.Text[15], "01-01-27");  // tomorrow, across the year's end
  EXPECT_EQ(c->model.Label[10].Caption, "102-A Castillo, Rosa ");
  EXPECT_EQ(c->resident.ResidentPath, "c:\\dnv\\res\\dataTST\\RS00102.~TST");
  EXPECT_EQ(c->model.DefaultPrinterIndex, 1);

  // A bed number beyond the unit's beds is reported and start-up goes on.
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
  EXPECT_EQ(steps.log, std::string(kLoads) + " PreviewRun ShowForm2");

  steps.userCards = true;  // no preview run
  ASSERT_EQ(run(), StartupOutcome::Ready);
  EXPECT_EQ(steps.log, std::string(kLoads) + " ShowForm2");
}

TEST_F(StartupTest, WithoutSetupFileOrDefaultRosterNothingIsLoaded) {
  // A setup file cut short before its folder table stops start-up as a
  // missing one does, names what is wrong, and is left as it was (one cut
  // inside a record: the setup-cut broken file).
  const std::string whole = t.read("c:\\dnv\\setup\\F.kvt");
  t.putFile("c:\\dnv\\setup\\F.kvt", whole.substr(0, 6 * 32));
  ASSERT_EQ(run(), StartupOutcome::NoSetupFile);
  EXPECT_EQ(c->facility.setupDamage, "ends at record 6, before its last folder record (" +
                                         std::to_string(4 + setup.units.size() + setup.folders.size()) + ")");
  EXPECT_EQ(t.read("c:\\dnv\\setup\\F.kvt"), whole.substr(0, 6 * 32));
  EXPECT_EQ(steps.log, "");

  remove("c:\\dnv\\setup\\F.kvt");
  ASSERT_EQ(run(), StartupOutcome::NoSetupFile);
  EXPECT_EQ(c->facility.FacilityName, "Cannot Find Setup File");
  EXPECT_EQ(c->facility.setupDamage, "");
  EXPECT_EQ(steps.log, "");
  // (A folder in its place is named as such: the setup-folder broken file.)

  setup.defaultUnit = "9";  // outside 1..U: unit 1 becomes the default, and its roster counts
  setup.write(t);
  t.put("c:\\dnv\\rost\\sfl9.TST", 122, 1, Rec(122).str());
  remove("c:\\dnv\\rost\\sfl1.TST");
  ASSERT_EQ(run(), StartupOutcome::NoDefaultRoster);
  EXPECT_EQ(steps.log, "");
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(StartupTest, AutoPrintMarkerIsDeletedAndARealRunStartsUnlessTheStartOnlyLooks) {
  t.putFile("c:\\dnv\\setup\\apcard.TST", "");
  ASSERT_EQ(run(), StartupOutcome::Ready);
  EXPECT_TRUE(c->facility.AutoPrint);
  EXPECT_FALSE(t.exists("c:\\dnv\\setup\\apcard.TST"));
  EXPECT_EQ(steps.log, std::string(kLoads) + " PrintRun ShowForm2");

  // Two spellings of the marker: deleting one leaves the other, which the
  // program cannot tell from a file that refused to go. Auto-print runs
  // even with user cards chosen.
  t.putFile("c:\\dnv\\setup\\apcard.TST", "");
  std::ofstream(t.root() / "c" / "dnv" / "setup" / "APCARD.TST").put('x');
  steps.userCards = true;
  ASSERT_EQ(run(), StartupOutcome::Ready);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text,
            "c:\\dnv\\setup\\apcard.TST\r\nError Deleting Above File to Cancel Future Auto Print.");
  EXPECT_EQ(steps.log, std::string(kLoads) + " SetForAll PrintRun ShowForm2");

  // The preview command and the window's pictures only look: the marker
  // stays for the next real start, and its run is drawn on the screen only.
  std::filesystem::remove(t.root() / "c" / "dnv" / "setup" / "APCARD.TST");
  t.putFile("c:\\dnv\\setup\\apcard.TST", "");
  t.putFile("c:\\dnv\\res\\dataTST\\RS00102.~TST", test::ResidentFile().room("12").name("Doe, Jane").bytes());
  for (bool lookOnly : {true, false}) {
    c = std::make_unique<Controller>(t.drives(), dialogs, printers, clock);
    CountingSurface paper{true}, screen{false};
    c->printer = &paper;
    c->screen = &screen;
    ProgramStartupSteps steps(lookOnly);
    Form_Load(*c, steps);
    EXPECT_EQ(t.exists("c:\\dnv\\setup\\apcard.TST"), lookOnly);
    EXPECT_EQ(c->autoPrintLeft, lookOnly);
    EXPECT_EQ(c->Ended, !lookOnly);  // the automatic run ends the program
    if (lookOnly) {
      EXPECT_EQ(paper.counts.texts + paper.counts.docs, 0);
    }
    EXPECT_GT(screen.counts.texts, 0);
  }
}

// The facility's name, title and marker files, as start-up reads them (the
// name table is the name table's own test).
TEST_F(StartupTest, MarkerFilesTitleFacilityNameAndTheDefaultUnitAndResident) {
  setup.name = "Riverside Nursing and Rehab &Co";  // cut at 29: "...Rehab &"
  setup.write(t);
  t.putFile("c:\\dnv\\res\\NoYel", "");
  t.putFile("c:\\dnv\\NoMTxt", "");
  t.putFile("c:\\dnv\\setup\\conm.TST", "  Kitchen of Test Home   " + std::string(180, ' ') + "next");
  ASSERT_EQ(run(), StartupOutcome::Ready);
  EXPECT_EQ(c->facility.FacilityName, "Riverside Nursing and Rehab");
  EXPECT_TRUE(c->facility.NoYellowDL);
  EXPECT_FALSE(c->facility.MakeTextFile);
  EXPECT_EQ(c->facility.CustomTitle, "  Kitchen of Test Home");

  // The program's settings load takes the default unit and resident.
  setup.defaultUnit = "9";  // becomes 1 before the load
  setup.defaultResident = "7";
  setup.write(t);
  t.put("c:\\dnv\\setup\\Mcardset.TST", 300, 1, Rec(300).field(1, 9, " 5 6  3 8").str());
  t.putFile("c:\\dnv\\res\\dataTST\\RS00102.~TST", test::ResidentFile().room("12").name("Doe, Jane").bytes());
  c = std::make_unique<Controller>(t.drives(), dialogs, printers, clock);
  ProgramStartupSteps program;
  ASSERT_EQ(Form_Load(*c, program), StartupOutcome::Ready);
  // The sample resident is loaded before its name line is shown.
  EXPECT_EQ(c->model.Label[10].Caption, "12 Doe, Jane ");
  EXPECT_EQ(c->model.Text[1] + "," + c->model.Text[2] + "," + c->model.Text[3] + "," + c->model.Text[4],
            "1,1,7,7");
  EXPECT_EQ(c->model.PrinterName, "PDF");
}

// The start-up preview of a sample resident whose file is damaged so that
// its fields cannot be trusted is marked as print marks such a card; one
// whose file is missing gets no card, never a confident card of blanks and
// defaults.
TEST_F(StartupTest, ThePreviewOfAMissingOrDamagedSampleResidentSaysReview) {
  test::ResidentFile sound;
  sound.room("12").name("Doe, Jane").diet(1, "REGULAR", "12");
  const std::string bytes = sound.bytes(793);
  const std::string shifted = "Q" + bytes.substr(0, bytes.size() - 1);
  for (const std::string* file : {&bytes, &shifted, static_cast<const std::string*>(nullptr)}) {
    if (file) t.putFile("c:\\dnv\\res\\dataTST\\RS00102.~TST", *file);
    else remove("c:\\dnv\\res\\dataTST\\RS00102.~TST");
    c = std::make_unique<Controller>(t.drives(), dialogs, printers, clock);
    CountingSurface device{false};
    std::ostringstream drawn;
    TraceSurface screen(device, drawn);
    c->screen = &screen;
    ProgramStartupSteps steps(true);
    Form_Load(*c, steps);
    if (file) {
      EXPECT_EQ(drawn.str().find(">>Review<< REGULAR") != std::string::npos, file == &shifted);
      EXPECT_NE(drawn.str().find("12 Doe, Jane"), std::string::npos);
    } else {
      EXPECT_EQ(drawn.str().find("\"op\":\"text\""), std::string::npos) << "a card drawn of blanks and defaults";
    }
    EXPECT_EQ(c->resident.FieldsMisplaced, file == &shifted);
  }
}

}  // namespace
}  // namespace mc
