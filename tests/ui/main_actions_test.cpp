// The main window's buttons on the controller: Exit, Print, Set For All,
// the sibling programs, the legends and the two resets to default settings.
#include "ui/main_actions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "data/text.h"
#include "render/counting_surface.h"
#include "render/trace_surface.h"
#include "support/controller_test.h"
#include "support/recording_launcher.h"
#include "support/resident_file.h"
#include "support/trace_ops.h"
#include "ui/default_settings.h"
#include "ui/easy_overlay.h"
#include "ui/legends.h"
#include "ui/run_lock.h"
#include "ui/sibling_programs.h"

namespace mc {
namespace {

using test::Rec;

// A controller over a facility of three units, the last one a holding unit,
// with one resident in bed 1 of unit 1 and no settings file yet.
class MainActions : public test::ControllerTest {
 protected:
  MainActions() {
    Facility& f = c.facility;
    f = test::testFacility();
    f.units = {{10, "North"}, {10, "South"}, {10, "Hospital Hold"}};
    t.putFile("c:\\dnv\\set\\setup\\keep", "");
    test::putResident(t, f, 1, 1, {"Alpha"});
    c.printer = &printer;
  }
  void twoResidents(RunHooks& window);

  CountingSurface printer{true};
};

TEST_F(MainActions, SetForAllRepairsTheRangesAndStopsBeforeAHoldingUnit) {
  SettingsModel& m = c.model;
  // Set 1: units 1 to 3, last resident 20, dining locations 1 to 1 (made
  // 1 to 2), then 1 to 7 (kept as stored).
  const std::pair<const char*, const char*> sets[] = {{"1", "1,2,1,20,1,2"}, {"7", "1,2,1,20,1,7  "}};
  for (const auto& [lastLocation, ranges] : sets) {
    t.put(c.settingsFile.path(), 300, 1,
          Rec(300).field(1, 2, "1").field(3, 4, "3").field(7, 9, "20").field(16, 18, "1").field(19, 21, lastLocation).str());
    m.Check[21] = 1;
    Command4_Click(c);
    EXPECT_EQ(m.Text[1] + "," + m.Text[2] + "," + m.Text[3] + "," + m.Text[4] + "," + m.Text[7] + "," + m.Text[8], ranges);
    EXPECT_EQ(m.Check[21], 0);
    EXPECT_EQ(m.CurrentSet, 1);
  }
}

// What the window does while a run yields to it, once per resident.
class DuringRun : public RunHooks {
 public:
  std::function<void()> action;
  void processEvents() override {
    if (action) std::exchange(action, nullptr)();
  }
};

// Residents 1 and 2 of unit 1, printed with `window` yielding to the run.
void MainActions::twoResidents(RunHooks& window) {
  for (int n : {1, 2, 3, 5, 6, 7, 8}) c.model.Text[n] = "1";
  c.model.Text[4] = "3";
  test::putResident(t, c.facility, 1, 2, {"Bravo"});
  c.hooks = &window;
}

TEST_F(MainActions, ExitAsksOnlyWhileARunIsGoingOnAndYesStopsIt) {
  DuringRun window;
  twoResidents(window);

  // No: the run and the program go on; the settings were saved first.
  dialogs.answerQuestions(Answer::No);
  window.action = [&] { Command2_Click(c); };
  EXPECT_EQ(Command1_Click(c).cards(), 6);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "Cancel Printing ?");
  EXPECT_TRUE(t.exists(c.settingsFile.path()));
  EXPECT_TRUE(c.Ended);  // the run over several residents ended the program itself

  // Yes: the run stops after the card it is on.
  c.Ended = false;
  dialogs.clear();
  dialogs.answerQuestions(Answer::Yes);
  window.action = [&] { Command2_Click(c); };
  const RunReport& stopped = Command1_Click(c);
  EXPECT_EQ(stopped.end, RunEnd::Cancelled);
  EXPECT_EQ(stopped.cards(), 3);
  EXPECT_TRUE(c.Ended);

  // Outside a run Exit asks nothing, whatever the caption says.
  c.Ended = false;
  dialogs.clear();
  c.model.Caption = " Printing Unit: 1    Resident: 4    Dining Location: 1 ............        ";
  Command2_Click(c);
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_TRUE(c.Ended);
}

TEST_F(MainActions, ACancelledRunLeavesACaptionWithoutDotsAndASecondPrintIsRefused) {
  DuringRun window;
  twoResidents(window);
  RunEnd second = RunEnd::Finished;
  window.action = [&] {
    EXPECT_TRUE(c.running());
    second = Command1_Click(c).end;
    c.cancelRun();
  };
  EXPECT_EQ(Command1_Click(c).end, RunEnd::Cancelled);
  EXPECT_EQ(second, RunEnd::Refused);
  EXPECT_FALSE(c.running());
  EXPECT_FALSE(c.Ended);
  EXPECT_EQ(c.model.Caption.find("...."), std::string::npos) << c.model.Caption;
  EXPECT_EQ(printer.counts.docs, 1);

  // A run that threw is over all the same: the next print is not refused.
  window.action = [] { throw std::runtime_error("the window went away"); };
  EXPECT_THROW(Command1_Click(c), std::runtime_error);
  EXPECT_FALSE(c.running());
}

TEST_F(MainActions, APrintWhileAnotherProgramRunHoldsTheFacilityIsRefusedSoonAndSaysWhy) {
  for (int n = 1; n <= 8; ++n) c.model.Text[n] = "1";
  const auto lockFile = t.drives().hostPath(c.settingsFile.path() + ".lock");
  ASSERT_TRUE(lockFile);
  RunLock other;  // another program run on the same facility
  ASSERT_TRUE(other.acquire(*lockFile, t.root(), 0).ok());
  c.lockWaitSeconds = 0.3;
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(Command1_Click(c).end, RunEnd::Refused);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2)) << "the window must not hang";
  EXPECT_EQ(printer.counts.docs, 0);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text.rfind("Another run is printing for this facility", 0), 0u) << dialogs.shown()[0].text;

  // Once it is gone the print goes through, and lets the facility go after.
  other.release();
  dialogs.clear();
  EXPECT_EQ(Command1_Click(c).end, RunEnd::Finished);
  EXPECT_EQ(printer.counts.docs, 1);
  EXPECT_TRUE(other.acquire(*lockFile, t.root(), 0).ok()) << "the window's run kept the lock";
}

TEST_F(MainActions, PrintJustOneResidentShowsTheOverlayAgainAndPrintAllEnds) {
  for (int n = 1; n <= 8; ++n) c.model.Text[n] = "1";
  c.run.PreviewFlag = 1;
  easy::Command3_Click(c);
  EXPECT_EQ(printer.counts.docs, 1);  // a real run: the page went to the printer
  EXPECT_FALSE(c.Ended);
  EXPECT_TRUE(c.model.Overlay.Visible);
  EXPECT_EQ(c.model.Overlay.Command3Caption, " Print JUST 101 Alpha, Pat");

  // Print ALL covers every unit: the run ends the program through Exit.
  easy::Command1_Click(c);
  EXPECT_TRUE(c.Ended);
  EXPECT_EQ(printer.counts.docs, 2);
}

// Which programs the buttons start, zSorbel before Sorbel, and that the
// reset program keeps this one open: the launcher's test and the window's.
TEST_F(MainActions, SiblingProgramsHandOverWithoutSavingAndOneThatCannotStartIsNamed) {
  test::RecordingLauncher launcher;
  c.launcher = &launcher;
  launcher.present = {"C:\\DNV\\SET\\SORBEL.EXE", "C:\\DNV\\SET\\FENT.EXE"};
  Command17_MouseUp(c, false);  // the left button keeps its own meaning
  Command16_Click(c);           // without zSorbel, Sorbel
  EXPECT_EQ(launcher.calls, std::vector<std::string>{"c:\\dnv\\set\\Sorbel.exe &"});
  EXPECT_TRUE(c.Ended);
  EXPECT_FALSE(t.exists(c.settingsFile.path()));

  // A program that cannot be started is named, and this one goes on.
  c.Ended = false;
  Command13_Click(c);
  EXPECT_FALSE(c.Ended);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "cannot start c:\\dnv\\set\\pomwick.exe");
}


class Legends : public test::ControllerTest {
 protected:
  Legends() {
    c.facility = test::testFacility();
    c.facility.SetupValues[1] = "03-15-07";
    c.printer = &trace;
  }
  std::vector<test::TraceOp> ops() const { return test::parseTrace(out.str()); }
  void putWatermark(int n) const {
    t.putFile(c.facility.folder(35) + "\\vod\\wm" + std::to_string(n) + ".jpg", "picture");
  }

  CountingSurface paper{true};
  std::ostringstream out;
  TraceSurface trace{paper, out};
};

TEST_F(Legends, DotLegendTakesTheLabelColoursNotTheirTextsAndOtherAnswersPrintNothing) {
  for (const char* answer : {"3", "0", ""}) {
    dialogs.answerInput("Print Legends", answer);
    Command3_Click(c);
  }
  EXPECT_TRUE(out.str().empty());
  c.model.Label[5].BackColor = 0x123456;  // changed in the colour dialog, not saved
  c.model.Label[5].Caption = "Smooth";
  dialogs.answerInput("Print Legends", "1");
  const std::string caption = c.model.Caption;
  trace.SetPaper(kPaperLetter, kLandscape);  // as the last card left the printer
  trace.CurrentY = 9000;
  Command3_Click(c);
  const auto all = ops();
  // Every row is on the sheet, the heading at its top.
  for (const auto& op : all) {
    if (op.op == "circle") {
      EXPECT_LE(op["y"] + op["r"], paper.page.height) << op["y"];
    }
    if (op.op == "text") {
      EXPECT_LE(op["y"] + op["size"] * 20, paper.page.height) << op.text();
    }
  }
  EXPECT_LT(test::textsOf(all, "Dot Color Legend").at(0)["y"], 1000);
  const auto circles = test::opsOf(all, "circle");
  ASSERT_EQ(circles.size(), 10u);
  EXPECT_EQ(circles[2]["color"], 0x123456);
  EXPECT_EQ(circles[6]["color"], 0);  // thin liquids: black
  EXPECT_EQ(test::textsOf(all, "Pureed Consistency").size(), 1u);
  EXPECT_TRUE(test::textsOf(all, "Smooth").empty());
  EXPECT_EQ(test::textsOf(all, "Chop=Chopped Meat").size(), 1u);
  EXPECT_EQ(test::opsOf(all, "enddoc").size(), 1u);
  EXPECT_EQ(c.model.Caption, caption);
}

TEST_F(Legends, WatermarksAreLabelledByNumberAndBreakThePageAsTheDeviceWants) {
  PrintWatermarkLegend(trace, c);  // none yet: only the heading
  EXPECT_EQ(test::opsOf(ops(), "text").size(), 1u);
  EXPECT_TRUE(test::opsOf(ops(), "picture").empty());
  out.str("");
  putWatermark(11);
  putWatermark(200);
  trace.SetPaper(kPaperLetter, kLandscape);
  PrintWatermarkLegend(trace, c);
  auto all = ops();
  EXPECT_LE(test::textsOf(all, "Wm # 200").at(0)["y"] + 240, paper.page.height);
  EXPECT_EQ(test::opsOf(all, "picture").size(), 2u);
  EXPECT_EQ(test::textsOf(all, "Wm # 11").size(), 1u);
  EXPECT_EQ(test::textsOf(all, " Watermarks as of 03-15-07").size(), 1u);
  // A printer gets two jobs; a PDF driver one document of two pages.
  EXPECT_EQ(test::opsOf(all, "enddoc").size(), 2u);
  EXPECT_EQ(test::opsOf(all, "newpage").size(), 0u);
  out.str("");
  c.run.PdfDriver = true;
  PrintWatermarkLegend(trace, c);
  all = ops();
  EXPECT_EQ(test::opsOf(all, "enddoc").size(), 1u);
  EXPECT_EQ(test::opsOf(all, "newpage").size(), 1u);
}

// A settings file whose six sets all print Meal Cards in 16 points with a
// top margin of 900, set 3 active, and a bottom note.
class DefaultSettings : public test::ControllerTest {
 protected:
  DefaultSettings() {
    c.facility = test::testFacility();
    for (int n = 1; n <= 6; ++n)
      t.put(path(), 300, n,
            Rec(300).field(23, 23, "X").field(52, 53, "16").field(97, 100, "900").field(145, 146, "3")
                .field(147, 158, "Everything").str());
    for (int n = 8; n <= 17; ++n) t.put(path(), 300, n, Rec(300).field(1, 20, "Dot" + std::to_string(n)).str());
    t.put(path(), 300, 21, Rec(300).field(1, 60, "Check the tray").str());
    c.settingsFile.GetSet(c.model);
  }
  std::string path() const { return c.settingsFile.path(); }
  std::string set(int n) const { return t.record(path(), 300, n); }
};

TEST_F(DefaultSettings, ResetToBuiltInDefaultsBlanksOnlyTheActiveSet) {
  const std::string others[] = {set(1), set(2), set(4), set(5), set(6)};
  dialogs.answerQuestions(Answer::Yes);
  Command17_Click(c);
  // Which values the blank set loads, and that the note and the names
  // survive, are the settings file's own tests; here the window takes them
  // and the active set stores them.
  EXPECT_EQ(trim(c.model.Text[14]) + "," + trim(c.model.Text[16]), "12,700");
  EXPECT_EQ(columns(set(3), 52, 53), "12");
  EXPECT_EQ(column(set(3), 22), 'X');
  EXPECT_EQ(column(set(3), 23), ' ');
  const std::string after[] = {set(1), set(2), set(4), set(5), set(6)};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(after[i], others[i]) << i;
  // The dot texts come back from the labels.
  EXPECT_EQ(columns(set(9), 1, 20), padCut("Dot9", 20));
}

TEST_F(DefaultSettings, ResetAnsweredNoOrToAMissingOrUnknownDefaultFileChangesNothingElseReplacesTheWholeFile) {
  const std::string before = t.read(path());
  for (Answer a : {Answer::No, Answer::Cancel}) {
    dialogs.answerQuestions(a);
    Command17_Click(c);
  }
  EXPECT_EQ(trim(c.model.Text[14]), "16");
  dialogs.clear();
  dialogs.answerInput("Reset to Default Settings", "3");
  Command18_Click(c);
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[1].text, c.facility.folder(23) + "\\setup\\mcardset.sm Default Setting File NOT Found.");
  dialogs.clear();
  for (const char* answer : {"4", ""}) {
    dialogs.answerInput("Reset to Default Settings", answer);
    Command18_Click(c);
  }
  EXPECT_EQ(dialogs.shown().size(), 2u);  // the two input boxes only
  EXPECT_EQ(t.read(path()), before);

  dialogs.clear();
  const std::string mealDefaults = Rec(300).field(23, 23, "X").field(52, 53, "14").str() + std::string(20 * 300, ' ');
  t.putFile(c.facility.folder(23) + "\\setup\\mcardset.ml", mealDefaults);
  dialogs.answerInput("Reset to Default Settings", "2");
  Command18_Click(c);
  EXPECT_EQ(t.read(path()), mealDefaults);
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[1].text,
            "Meal Card Default Settings Applied Successfully.\r\n\r\nNote:Your Printer Driver was Set to the\r\n"
            "Default Printer Driver Also.");
  EXPECT_EQ(dialogs.shown()[1].title, "Reset to Default Settings");
  EXPECT_EQ(trim(c.model.Text[14]), "14");
  EXPECT_EQ(trim(c.model.Text[36]), "");  // the default file's note
}

}  // namespace
}  // namespace mc
