// The Easy overlay's own jobs on the controller: one nursing unit, one
// dining location, the menu-day picker and the PDF backup, with a launcher
// that records what it was asked to start.
#include "ui/easy_overlay.h"

#include <gtest/gtest.h>

#include <sstream>

#include "data/text.h"
#include "printrun/run_paths.h"
#include "render/counting_surface.h"
#include "render/trace_surface.h"
#include "support/controller_test.h"
#include "support/recording_launcher.h"
#include "support/resident_file.h"
#include "support/trace_ops.h"

namespace mc {
namespace {

using test::Rec;

// Three units; two residents in unit 1, one in unit 2 and one in unit 3,
// each eating in a dining location of their own unit.
class EasyOverlay : public test::ControllerTest {
 protected:
  EasyOverlay() {
    Facility& f = c.facility;
    f = test::testFacility();
    f.units = {{10, "North"}, {10, "South"}, {10, "East"}};
    f.SetupValues[1] = "03-15-07";
    t.putFile("c:\\dnv\\set\\setup\\keep", "");
    t.put(diningFilePath(f), 48, 1, Rec(48).field(1, 3, "  1").field(5, 7, "MDR").field(9, 46, "Main Dining Room").str());
    t.put(diningFilePath(f), 48, 3, Rec(48).field(1, 3, "  3").field(5, 7, "ASD").field(9, 46, "Assisted Dining").str());
    t.put(diningFilePath(f), 48, 4, Rec(48).field(1, 3, "  4").field(5, 7, "RM").field(9, 46, "Room Tray").str());
    add(1, 1, "Alpha", "MDR");
    add(1, 2, "Bravo", "ASD");
    add(2, 1, "Charlie", "ASD");
    add(3, 1, "Delta", "RM");
    SettingsModel& m = c.model;
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8}) m.Text[n] = "1";
    m.ByDiningLocation = true;
    c.printer = &printer;
    c.launcher = &launcher;
    c.run.PreviewFlag = 1;  // what the start-up preview leaves
  }

  void add(int unit, int bed, const std::string& surname, const std::string& abbreviation) {
    const std::string location = padCut(abbreviation, 3);
    test::putResident(t, c.facility, unit, bed, {surname, "1", "REGULAR", location + " " + location + " " + location});
  }

  // The surnames printed, in order, once per resident page.
  std::string printed() const {
    std::string out;
    for (const test::TraceOp& op : test::opsOf(test::parseTrace(trace.str()), "text")) {
      const std::string surname = test::surnameIn(op.text());
      if (!surname.empty() && !contains(out, surname)) out += (out.empty() ? "" : " ") + surname;
    }
    return out;
  }
  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const auto& s : dialogs.shown())
      if (s.kind == "message") out.push_back(s.text);
    return out;
  }
  std::string ranges() const {
    const SettingsModel& m = c.model;
    return m.Text[1] + "," + m.Text[2] + "," + m.Text[3] + "," + m.Text[4] + "," + m.Text[7] + "," + m.Text[8];
  }

  CountingSurface device{true};
  std::ostringstream trace;
  TraceSurface printer{device, trace};
  test::RecordingLauncher launcher;
};

TEST_F(EasyOverlay, OneNursingUnitTakesTheLeadingNumberOfTheAnswer) {
  dialogs.answerInput(easy::kOneUnitTitle, "2abc");
  ASSERT_TRUE(easy::Command8_Click(c));
  EXPECT_EQ(printed(), "Charlie");  // a real run, though the preview had been drawn last
  EXPECT_EQ(ranges(), "2,2,1,999,1,99");
  const auto& shown = dialogs.shown();
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, " 1  North\r\n 2  South\r\n 3  East\r\n\r\n Print Which Nursing Unit NUMBER ?");
  EXPECT_EQ(shown[0].title, "Print ONE Nursing Unit");
  EXPECT_EQ(shown[1].text, "Print Tray Cards for ALL Residents on .... \r\nSouth");
  EXPECT_EQ(shown[1].buttons, Buttons::YesNoCancel);
  EXPECT_TRUE(shown[1].title.empty());
}

TEST_F(EasyOverlay, OneNursingUnitRefusesWhatIsNoUnitAndStopsOnAnyAnswerButYes) {
  for (const char* answer : {"0", "4", "x", " -1"}) {
    dialogs.clear();
    dialogs.answerInput(easy::kOneUnitTitle, answer);
    EXPECT_FALSE(easy::Command8_Click(c)) << answer;
    EXPECT_EQ(messages(), std::vector<std::string>{std::string(answer) + " Is NOT a Nursing Unit Number."});
  }
  dialogs.clear();
  dialogs.answerInput(easy::kOneUnitTitle, "");
  EXPECT_FALSE(easy::Command8_Click(c));
  EXPECT_TRUE(messages().empty());
  dialogs.answerInput(easy::kOneUnitTitle, "3");
  dialogs.answerQuestions(Answer::Cancel);
  EXPECT_FALSE(easy::Command8_Click(c));
  EXPECT_EQ(printed(), "");
  EXPECT_EQ(ranges(), "1,1,1,1,1,1");  // the window's ranges as they were
}

TEST_F(EasyOverlay, OneDiningLocationMatchesTheAbbreviationInAnyCaseAndPrintsOnlyIt) {
  dialogs.answerInput(easy::kOneLocationTitle, " asd ");
  ASSERT_TRUE(easy::Command7_Click(c));
  EXPECT_EQ(printed(), "Bravo Charlie");
  EXPECT_EQ(ranges(), "1,3,1,999,3,3");
  const auto& shown = dialogs.shown();
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown[0].text,
            "Print Which Dining Location Abbreviation ?\r\n\r\n"
            "MDR Main Dining Room    \r\nASD Assisted Dining     \r\nRM  Room Tray           \r\n");
  EXPECT_EQ(shown[0].title, "Print Just One Dining Location");
  EXPECT_EQ(shown[1].text,
            "Dining Location Number  3\r\n  3|ASD|Assisted Dining               \r\n\r\n"
            "Print All Tray Cards Assigned to This Dining Location ?");

  // A two-letter abbreviation is found though the file pads it.
  EXPECT_TRUE(c.Ended);  // several residents: the run ended the program
  c.Ended = false;
  trace.str("");
  dialogs.answerInput(easy::kOneLocationTitle, "rm");
  ASSERT_TRUE(easy::Command7_Click(c));
  EXPECT_EQ(printed(), "Delta");
}

TEST_F(EasyOverlay, OneDiningLocationSaysWhatIsMissing) {
  dialogs.answerInput(easy::kOneLocationTitle, "zz ");
  EXPECT_FALSE(easy::Command7_Click(c));
  EXPECT_EQ(messages(), std::vector<std::string>{"ZZ Dining Location ABBREVIATION NOT FOUND."});
  // Blanks alone are no answer: they must not pick an empty record.
  dialogs.clear();
  dialogs.answerInput(easy::kOneLocationTitle, "   ");
  EXPECT_FALSE(easy::Command7_Click(c));
  EXPECT_TRUE(messages().empty());

  dialogs.clear();
  t.drives().removeFile(diningFilePath(c.facility));
  EXPECT_FALSE(easy::Command7_Click(c));
  EXPECT_EQ(messages(), std::vector<std::string>{"c:\\dnv\\diets\\dining.TST Dining Location File NOT FOUND."});
  EXPECT_EQ(printed(), "");
}

// The days and the card date the picker leaves in its file fill the fields:
// the launcher's test, with a real picker, and the window's. Here a picker
// that leaves no file, or none to start, changes nothing.
TEST_F(EasyOverlay, MenuDayPickerWithoutItsFileChangesNothingAndOneThatCannotStartIsNamed) {
  const std::string picker = "c:\\dnv\\set\\Travolm.exe";
  launcher.present = {upper(picker)};
  const SettingsModel& m = c.model;
  const auto fields = [&] { return m.Overlay.Text2 + "," + m.Text[5] + "," + m.Text[6] + "," + m.Text[15]; };
  const std::string before = fields();
  easy::Command5_Click(c);
  EXPECT_EQ(launcher.calls, std::vector<std::string>{picker});
  EXPECT_EQ(fields(), before);
  // An earlier file is not taken when the picker cannot run.
  t.putFile("c:\\dnv\\set\\setup\\PutMD", "  7 1204-02-07");
  launcher.present.clear();
  easy::Command5_Click(c);
  EXPECT_EQ(messages(), std::vector<std::string>{"cannot start " + picker});
  EXPECT_EQ(fields(), before);
}

TEST_F(EasyOverlay, BackupViewingOpensTcOrSaysWhichMealFilesAreMissing) {
  const std::string reader7 = "c:\\program files\\adobe\\acrobat 7.0\\reader\\acrord32.exe";
  const std::string cards = "c:\\dnv\\cards\\";
  launcher.present = {upper(reader7)};
  t.putFile(cards + "TC.pdf", "%PDF");
  t.putFile(cards + "TCB.pdf", "%PDF");
  easy::Command6_Click(c);
  EXPECT_EQ(launcher.calls, std::vector<std::string>{reader7 + " " + cards + "TC.pdf"});
  EXPECT_TRUE(messages().empty());

  launcher.calls.clear();
  t.drives().removeFile(cards + "TC.pdf");
  t.drives().removeFile(cards + "TCB.pdf");
  t.putFile(cards + "TCL.pdf", "%PDF");
  std::vector<std::string> order;
  launcher.onRun = [&] { order.push_back("opened, after " + std::to_string(messages().size()) + " messages"); };
  easy::Command6_Click(c);
  EXPECT_EQ(launcher.calls, std::vector<std::string>{reader7 + " " + cards + "TCL.pdf"});
  EXPECT_EQ(order, std::vector<std::string>{"opened, after 2 messages"});
  EXPECT_EQ(messages(), (std::vector<std::string>{cards + "TC.pdf   PDF Backup File NOT FOUND.",
                                                  cards + "TCB.pdf   Brk PDF Backup File NOT FOUND.",
                                                  cards + "TCS.pdf   Sup PDF Backup File NOT FOUND."}));
}

TEST_F(EasyOverlay, BackupViewingFallsBackToTheDesktopViewerElseNamesTheLastReaderPath) {
  t.putFile("c:\\dnv\\cards\\TC.pdf", "%PDF");
  launcher.viewer = true;
  easy::Command6_Click(c);
  EXPECT_EQ(launcher.calls, std::vector<std::string>{"<viewer> c:\\dnv\\cards\\TC.pdf"});

  launcher.calls.clear();
  launcher.viewer = false;
  easy::Command6_Click(c);
  EXPECT_TRUE(launcher.calls.empty());
  EXPECT_EQ(messages(), std::vector<std::string>{
                            "c:\\program files\\adobe\\acrobat 5.0\\reader\\acrord32.exe Acrobat Reader NOT FOUND."});
}

}  // namespace
}  // namespace mc
