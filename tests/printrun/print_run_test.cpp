// The print button over a small facility: two units of ten beds, a dining
// location file, residents written into the roster and as data files. The
// printer's operations read back as a short string: a resident's initial
// for each run of their cards, "b"/"s" for a user card's breakfast/supper
// heading, "/" for NewPage and "#" for EndDoc.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "data/text.h"
#include "printrun/pdf_backup.h"
#include "printrun/print_run.h"
#include "printrun/run_paths.h"
#include "printrun/scripted_dialogs.h"
#include "render/counting_surface.h"
#include "render/trace_surface.h"
#include "support/fixed_clock.h"
#include "support/resident_file.h"
#include "support/test_drives.h"
#include "support/trace_ops.h"

namespace mc {
namespace {

using test::Rec;
using test::TraceOp;
using test::parseTrace;
using test::opsOf;
using test::surnameIn;

// Whoever started the run: counts the "Next Res" waits and the runs that
// end with the Exit action, and lends the traced printer and screen.
class Host : public RunHost, public RunHooks {
 public:
  Host(Dialogs& dialogs, Surface& printer, Surface& screen) : dialogs_(dialogs), printer_(printer), screen_(screen) {}
  Dialogs& dialogs() override { return dialogs_; }
  const Clock& clock() const override { return today_; }
  Surface* printer() override { return &printer_; }
  Surface& screen() override { return screen_; }
  RunHooks& hooks() override { return *this; }
  CardTools tools() const override { return {nullptr, nullptr, store, merger}; }
  void waitNextRes(const NextResPlace&) override { ++waits; }

  int waits = 0;
  int exits = 0;  // runs whose report asks for the Exit action
  PictureStore* store = nullptr;
  PdfMerger* merger = nullptr;

 private:
  test::FixedClock today_;
  Dialogs& dialogs_;
  Surface& printer_;
  Surface& screen_;
};

bool isDate(const std::string& s) { return std::regex_match(s, std::regex(R"(\w+day  \d\d-\d\d-\d\d)")); }
bool isLocationBox(const std::string& s) {
  return s == "Main Hall" || s == "Garden Room" || s == "Cafe Corner" || s == "Missing Dining Location";
}

class PrintRunTest : public ::testing::Test {
 protected:
  PrintRunTest() {
    facility = test::testFacility();
    facility.units = {{10, "North"}, {10, "South"}};
    facility.SetupValues[1] = "03-15-07";
    t.putFile("c:\\dnv\\set\\setup\\keep", "");
    dining({"MDR Main Hall", "RDR Garden Room", "CAF Cafe Corner"});
    m.Option[1] = true;
    for (int n : {1, 2, 3, 5, 6, 7, 8}) m.Text[n] = "1";
    m.Text[4] = "999";
    m.Text[15] = "03-15-07";
  }

  void dining(const std::vector<std::string>& records) {
    t.putFile(diningFilePath(facility), "");
    for (size_t i = 0; i < records.size(); ++i)
      t.put(diningFilePath(facility), 48, static_cast<long>(i + 1), Rec(48).at(5, records[i]).str());
  }
  void add(int unit, int bed, const test::RosterResident& r) { test::putResident(t, facility, unit, bed, r); }
  void addAll(const std::vector<std::string>& surnames, const std::string& locations = "MDR MDR MDR") {
    for (size_t i = 0; i < surnames.size(); ++i) add(1, static_cast<int>(i + 1), {surnames[i], "1", "REGULAR", locations});
  }

  std::string print() {
    printerTrace.str("");
    screenTrace.str("");
    RunEnvironment env{t.drives(), facility, m, settingsFile, resident, dietFile, run, host};
    report = Command1_Click(env);
    if (report.afterRun == AfterRun::ExitAction) ++host.exits;
    std::string out;
    char last = 0;
    for (const TraceOp& op : parseTrace(printerTrace.str())) {
      char tag = op.op == "newpage" ? '/' : op.op == "enddoc" ? '#' : 0;
      if (op.op == "text" && !surnameIn(op.text()).empty()) tag = surnameIn(op.text())[0];
      if (op.op == "text" && contains(op.text(), ">>>>> BREAKFAST")) tag = 'b';
      if (op.op == "text" && contains(op.text(), ">>>>> SUPPER")) tag = 's';
      if (tag && (tag != last || tag == '/' || tag == '#')) out += tag;
      if (tag) last = tag;
    }
    return out;
  }
  // The printer's texts that match, consecutive repeats dropped.
  std::vector<std::string> texts(bool (*wanted)(const std::string&)) const {
    std::vector<std::string> out;
    for (const TraceOp& op : opsOf(parseTrace(printerTrace.str()), "text"))
      if (wanted(op.text()) && (out.empty() || out.back() != op.text())) out.push_back(op.text());
    return out;
  }
  std::string firstThree(const std::vector<std::string>& v) { return v.size() < 3 ? "" : v[0] + "|" + v[1] + "|" + v[2]; }

  test::TempDrives t;
  Facility facility;
  SettingsModel m;
  SettingsFile settingsFile{t.drives(), facility};
  ResidentRecord resident;
  DietFile dietFile;
  ScriptedDialogs dialogs;
  RunState run;
  CountingSurface printerDevice{true}, screenDevice{false};
  std::ostringstream printerTrace, screenTrace;
  TraceSurface printer{printerDevice, printerTrace}, screen{screenDevice, screenTrace};
  Host host{dialogs, printer, screen};
  RunReport report;
};

TEST_F(PrintRunTest, MealOrderIsTakenAsTypedAndResetOverSeveralDays) {
  addAll({"Alpha", "Bravo"}, "MDR RDR CAF");
  m.Check[2] = 1;  // the dining location on the card shows which meal each column is
  m.Text[20] = "lsb";
  EXPECT_EQ(print(), "A#B#");
  EXPECT_TRUE(t.exists(mealOrderFilePath(facility)));
  EXPECT_EQ(firstThree(texts(isLocationBox)), "Garden Room|Cafe Corner|Main Hall");
  EXPECT_EQ(host.exits, 1);  // several residents: the run ends the program
  m.Text[20] = "BLSX";
  EXPECT_EQ(print(), "A#B#");
  EXPECT_EQ(firstThree(texts(isLocationBox)), "Main Hall|Garden Room|Cafe Corner");

  // Over several menu days the order is reset to BLS, after a question.
  m.Text[6] = "2";
  dialogs.answerQuestions(Answer::No);
  EXPECT_EQ(print(), "");
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text,
            "Meal Order is being Reset to BLS Because You are Printing More than One Menu Day.\r\n\r\n"
            "             Do You Want to Proceed ?");
  EXPECT_TRUE(t.exists(settingsFile.path()));  // saved before the question
  std::filesystem::remove(*t.drives().hostPath(mealOrderFilePath(facility)));
  dialogs.answerQuestions(Answer::Yes);
  EXPECT_EQ(print(), "A#A#B#B#");  // whole pages, one per day
  EXPECT_FALSE(t.exists(mealOrderFilePath(facility)));
}

// A printer gets a job per page; a PDF printer driver one document, its
// pages ended by NewPage.
TEST_F(PrintRunTest, ByMealAndUserCardsBreakTheJobAfterEachMeal) {
  addAll({"Alpha", "Bravo"});
  m.Text[20] = "bym";
  EXPECT_EQ(print(), "AB##AB##AB#");  // each tray-line page ends even with its third place empty
  m.PrinterName = "Adobe PDF Converter";
  EXPECT_EQ(print(), "AB//AB//AB/#");

  m.Text[20] = "";
  m.Option[1] = false;
  m.Option[3] = true;
  m.Check[7] = m.Check[9] = 1;  // breakfast and supper
  m.Text[12] = "0";
  EXPECT_EQ(print(), "bAbB/sAsB/#");
  m.PrinterName = "";
  EXPECT_EQ(print(), "bAbB#sAsB#");
  // Each meal's cards start at the top of their own page.
  std::vector<double> headings;
  for (const TraceOp& op : opsOf(parseTrace(printerTrace.str()), "text"))
    if (contains(op.text(), ">>>>> ")) headings.push_back(op["y"]);
  ASSERT_EQ(headings.size(), 4u);
  EXPECT_EQ(headings[2], headings[0]);
  EXPECT_GT(headings[1], headings[0]);
  EXPECT_NE(report.summary().back().find("(4 cards, 2 pages)"), std::string::npos) << report.summary().back();
}

TEST_F(PrintRunTest, OneUnitAndOneResidentIgnoreMealOrderAndPassOptions) {
  addAll({"Alpha"});
  add(1, 2, {"Bravo", "1", "REGULAR", "XXX ZZZ MDR"});
  m.Text[3] = m.Text[4] = "2";
  m.Text[20] = "BLS";
  m.Check[1] = 1;
  m.List2 = 1;  // Mech
  m.Check[2] = 1;
  m.ByDiningLocation = true;
  m.Text[8] = "5";
  m.LoopStep = -1;
  EXPECT_EQ(print(), "B#");
  EXPECT_FALSE(t.exists(mealOrderFilePath(facility)));
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(host.exits, 0);
  EXPECT_EQ(report.afterRun, AfterRun::StaysOpen);

  // An automatic run over two residents stops once its first card is out
  // and says the program ends, without the Exit action's save.
  m.Text[20] = "";
  m.Check[1] = 0;
  m.ByDiningLocation = false;
  m.LoopStep = 1;
  m.Text[3] = "1";
  facility.AutoPrint = true;
  EXPECT_EQ(print(), "A#");
  EXPECT_EQ(report.afterRun, AfterRun::Ends);
  EXPECT_EQ(host.exits, 0);
}

TEST_F(PrintRunTest, CardDateIsConfirmedAndDaysRunFromTheirEndBackToFront) {
  addAll({"Alpha"});
  m.Text[4] = "1";
  m.Check[12] = 1;
  m.Text[15] = "13-01-07";
  EXPECT_EQ(print(), "A#");
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "Start Date on Cards will be Thursday 03-15-07");
  EXPECT_EQ(texts(isDate), std::vector<std::string>{"Thursday  03-15-07"});

  dialogs.answerInput("Confirm Card Date", "04-01-07");
  EXPECT_EQ(print(), "A#");
  EXPECT_EQ(texts(isDate), std::vector<std::string>{"Sunday  04-01-07"});
  dialogs.answerInput("Confirm Card Date", "next week");
  EXPECT_EQ(print(), "");
  EXPECT_EQ(m.Text[15], "04-01-07");

  // Back to front over three days: the last day first, two days on.
  dialogs.answerInput("Confirm Card Date", "03-15-07");
  add(1, 2, {"Bravo"});
  m.Text[4] = "999";
  m.LoopStep = -1;
  m.Text[6] = "3";
  EXPECT_EQ(print(), "B#B#B#A#A#A#");
  EXPECT_EQ(firstThree(texts(isDate)), "Saturday  03-17-07|Friday  03-16-07|Thursday  03-15-07");
}

TEST_F(PrintRunTest, ByDiningLocationPrintsEachResidentInItsOwnPassAndTheRestInTheCatchAll) {
  // RDR listed again and a second blank record: each prints nobody twice.
  dining({"MDR Main Hall", "RDR Garden Room", "CAF Cafe Corner", "   ", "RDR Garden Annex", "   "});
  add(1, 1, {"Alpha", "1", "REGULAR", "MDR RDR MDR"});
  add(1, 2, {"Bravo", "1", "REGULAR", "MDR CAF MDR"});
  add(1, 3, {"Charlie", "1", "REGULAR", "MDR ZZZ MDR"});  // location missing from the file
  add(1, 4, {"Delta", "1", "REGULAR", "MDR     MDR"});    // no lunch location
  add(1, 5, {"Echo", "1", "REGULAR", "XXX MDR MDR"});     // no breakfast tray
  m.Check[2] = 1;
  m.ByDiningLocation = true;
  m.Text[8] = "6";
  EXPECT_EQ(print(), "A#B#D#C#");
  EXPECT_EQ(texts(isLocationBox).back(), "Missing Dining Location");  // Charlie's page keeps it
  // Refused by the other passes is not left out; Echo, who has no tray at
  // one meal, is; Charlie's card carries a warning.
  ASSERT_EQ(report.leftOut.size(), 1u);
  EXPECT_EQ(report.leftOut[0].file, "R105XYZ");
  EXPECT_EQ(report.leftOut[0].reason, LeftOutReason::NoTray);
  ASSERT_EQ(report.warnings.size(), 1u);
  EXPECT_EQ(report.warnings[0].file + " " + report.warnings[0].warning, "R103XYZ Missing Dining Location");
  m.LoopStep = -1;
  EXPECT_EQ(print(), "C#D#B#A#");
}

TEST_F(PrintRunTest, TrayLineByOneMealPutsThreePlacesOnAPage) {
  addAll({"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel", "India"});
  m.Text[20] = "BBB";
  EXPECT_EQ(print(), "ABC#DEF#GHI#");
  // Back to front, places before the first are empty, never the resident
  // before them again.
  m.LoopStep = -1;
  EXPECT_EQ(print(), "IHG#FED#CBA#");
  std::filesystem::remove(*t.drives().hostPath(rosterPath(facility, 1)));
  addAll({"Alpha", "Bravo", "Charlie", "Delta"});
  EXPECT_EQ(print(), "DCB#A#");

  // Bravo's file listed again at bed 5 and in unit 2: one tray, and the
  // report names both other listings.
  m.LoopStep = 1;
  m.Text[2] = "2";
  for (const auto& [unit, bed] : {std::pair{1, 5}, std::pair{2, 1}})
    t.put(rosterPath(facility, unit), 122, bed, Rec(122).field(2, 29, "Bravo").field(33, 39, "R102XYZ").str());
  EXPECT_EQ(print(), "ABC#D#");
  std::string again;
  for (const LeftOutResident& r : report.leftOut)
    if (r.detail.find("lists this resident again (first at unit 1 bed 2)") != std::string::npos)
      again += std::to_string(r.unit) + "/" + std::to_string(r.place) + " ";
  EXPECT_EQ(again, "1/5 2/1 ");
  EXPECT_EQ(report.faults(), 2);
}

TEST_F(PrintRunTest, ResidentsAreCappedAtTheBedsAndFilteredBySelectMark) {
  facility.units[0].maxBeds = 3;
  add(1, 1, {"Alpha"});
  add(1, 2, {"Bravo", "1", "REGULAR", "MDR MDR MDR", ' ', true});
  add(1, 3, {"Charlie"});
  add(1, 4, {"Delta"});  // beyond the unit's beds
  EXPECT_EQ(print(), "A#B#C#");
  EXPECT_EQ(t.read(textCardFilePath(facility)).size(), 3u * 68 * 62);  // one text card per page
  m.Check[21] = 1;
  EXPECT_EQ(print(), "B#");
  m.Check[21] = 0;
  m.Check[22] = 1;
  EXPECT_EQ(print(), "A#C#");

  // A walk-through shows everyone on the screen, one "Next Res" at a time,
  // writes no text cards and leaves the program open.
  run.PreviewFlag = 1;
  EXPECT_EQ(print(), "");
  EXPECT_EQ(host.waits, 3);
  EXPECT_NE(screenTrace.str().find("103 Charlie, Pat"), std::string::npos);
  EXPECT_EQ(t.read(textCardFilePath(facility)).size(), (3u + 1 + 2) * 68 * 62);
  EXPECT_EQ(host.exits, 3);
}

TEST_F(PrintRunTest, DietCategoriesFollowTheListAndOtherDietsHoldsEveryCodeFrom31) {
  const char* codes[] = {"1", "2", "3", "4", "6", "7", "9", "60", "45", "0"};
  const char* names[] = {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel", "India", "Juliet"};
  for (int i = 0; i < 10; ++i) add(1, i + 1, {names[i], codes[i]});
  add(2, 1, {"Kilo", "70", "RENAL"});
  add(2, 2, {"Lima", "0", "REGULAR"});
  test::ResidentFile().room("202").name("Lima, Pat").diet(1, "REGULAR", "0").diet(4, "RENAL", "60")
      .dining("MDR", "MDR", "MDR").write(t, facility, "R202XYZ");  // code 60 moved up to the first place
  add(2, 3, {"Mike", "200"});
  add(2, 4, {"November", "31"});
  m.Text[2] = "2";
  m.Check[1] = 1;
  // The renal codes are other diets too: "ALL Diets by Category" prints
  // them under both.
  const std::pair<int, const char*> lists[] = {
      {9, "A#B#C#J#D#E#F#G#H#K#L#H#I#K#L#M#N#"} /* ALL by category */, {1, "B#"} /* Mech */,
      {7, "H#K#L#"} /* Renal */, {8, "H#I#K#L#M#N#"} /* Other */};
  for (const auto& [list, printed] : lists) {
    m.List2 = list;
    EXPECT_EQ(print(), printed) << list;
  }
  for (const LeftOutResident& r : report.leftOut)  // of "Other Diets", the last run
    EXPECT_TRUE(r.file != "R108XYZ" && r.file != "R201XYZ" && r.file != "R202XYZ") << r.file << " " << r.detail;
}

// Everything the run did not print is named, by rule or by fault, and the
// cards are counted per unit. Away residents and diet codes 98/99 get no
// card; code 0 prints for review; a code's meal patterns come from the file.
TEST_F(PrintRunTest, TheReportNamesWhoWasLeftOutAndWhyAndCountsTheCards) {
  add(1, 1, {"Alpha", "1", "REGULAR", "MDR MDR MDR", 'H'});
  add(1, 2, {"Bravo", "98", "TUBE FEEDING"});
  add(1, 3, {"Charlie", "99", "NPO"});
  add(1, 4, {"Delta", "0", "REGULAR"});
  t.put(rosterPath(facility, 1), 122, 5, Rec(122).field(2, 29, "Ghost").field(33, 39, "R105XYZ").str());
  add(1, 6, {"Echo", "1", "REGULAR", "MDR MDR MDR", 'O'});
  add(1, 7, {"Foxtrot", "12", "ADA 1800"});
  add(1, 8, {"Golf", "1", "REGULAR", "MDR MDR MDR", ' ', true});
  t.put("c:\\dnv\\diets\\dietTST", 200, 12, Rec(200).field(1, 25, "ADA").field(47, 53, "1121101").field(55, 62, "31211011").str());
  m.Check[22] = 1;  // non-select residents only
  m.Text[2] = "2";  // unit 2 has no roster
  EXPECT_EQ(print(), "D#F#");
  EXPECT_FALSE(texts([](const std::string& s) { return startsWith(s, ">>Review<< REGULAR"); }).empty());
  EXPECT_EQ(texts([](const std::string& s) { return s == "Meal Patrn:3Mt 2Vg 1St 1Bd 0Fr 1Fat 1Mk "; }).size(), 1u);
  EXPECT_EQ(texts([](const std::string& s) { return s == "Meal Patrn:1Jc 1Eg 2BMt 1Bd 1Cer 0Fat 1Mlk "; }).size(), 1u);
  EXPECT_EQ(report.end, RunEnd::Finished);
  ASSERT_EQ(report.units.size(), 1u);
  EXPECT_EQ(report.units[0].unit, 1);
  EXPECT_EQ(report.units[0].cards, 6);
  EXPECT_EQ(report.units[0].pages, 2);

  std::string leftOut;
  for (const LeftOutResident& r : report.leftOut)
    leftOut += std::to_string(r.unit) + "/" + std::to_string(r.place) + " " + r.file + ": " + reasonText(r.reason) + "\n";
  EXPECT_EQ(leftOut,
            "1/1 R101XYZ: hospital or out on pass\n"
            "1/2 R102XYZ: no tray\n"
            "1/3 R103XYZ: no tray\n"
            "1/5 R105XYZ: no data file\n"
            "1/6 R106XYZ: hospital or out on pass\n"
            "1/8 R108XYZ: select filter\n"
            "2/0 : no roster\n");
  EXPECT_NE(report.leftOut[3].detail.find("R105XYZ"), std::string::npos);
  EXPECT_EQ(report.faults(), 2);
  ASSERT_EQ(report.warnings.size(), 1u);
  EXPECT_EQ(report.warnings[0].warning, ">>Review<<");
  EXPECT_NE(report.warnings[0].name.find("Delta"), std::string::npos);
  EXPECT_EQ(report.summary().back(), "2 residents printed (6 cards, 2 pages); 7 left out (2 by fault); 1 card with a warning; "
            "2 problems with files");

  // One away resident alone is told why nothing printed.
  m.Text[2] = m.Text[3] = m.Text[4] = "1";
  EXPECT_EQ(print(), "");
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "Resident Marked for H=Hospital or O=Out On Pass");

  // A question answered No before the first card: the run says it never started.
  m.Text[3] = "1";
  m.Text[4] = "999";
  m.Text[6] = "2";
  m.Text[20] = "BLS";
  dialogs.answerQuestions(Answer::No);
  EXPECT_EQ(print(), "");
  EXPECT_EQ(report.end, RunEnd::NotStarted);
}

// ---- The PDF backup ----

// Writes each page as the surnames printed on it ("Alpha+Bravo"), and the
// TIF files as their page count; documents and merges join the pages'
// contents.
class TextPictureStore : public PictureStore, public PdfMerger {
 public:
  void clear(bool files) override {
    runFiles = files;
    tifPages = 0;
    documents = {};
  }
  void addPage(std::shared_ptr<const RecordedPage> page, const std::filesystem::path& jpg,
               const std::filesystem::path& pdf, int meal) override {
    std::string names;
    for (const RecordedPage::Item& it : page->items) {
      const std::string name = it.op == RecordedPage::Op::Text ? surnameIn(it.text) : "";
      if (!name.empty() && !contains(names, name)) names += (names.empty() ? "" : "+") + name;
    }
    write(pdf, names);
    write(jpg, "picture of " + names);
    if (!runFiles) return;
    ++tifPages;
    documents[0] += (documents[0].empty() ? "" : "|") + names;
    if (meal != 0) documents[meal] += (documents[meal].empty() ? "" : "|") + names;
  }
  void wait(const Progress&) override {}
  Outcome saveDocument(int meal, const std::filesystem::path& target) override {
    if (failMerge) return Failure{"disk full"};
    write(target, documents.at(meal));
    return {};
  }
  bool saveTifs(const std::filesystem::path& colour, const std::filesystem::path& blackWhite) override {
    write(colour, std::to_string(tifPages));
    write(blackWhite, std::to_string(tifPages));
    return true;
  }
  std::vector<StoreFailure> takeFailures() override { return {}; }
  Outcome merge(const std::vector<std::filesystem::path>& inputs, const std::filesystem::path& target) override {
    if (failMerge) return Failure{"disk full"};
    std::string all;
    for (const auto& in : inputs) {
      std::ifstream f(in);
      all += (all.empty() ? "" : "|") + std::string(std::istreambuf_iterator<char>(f), {});
    }
    write(target, all);
    return {};
  }

  bool runFiles = false;
  int tifPages = 0;
  bool failMerge = false;
  std::map<int, std::string> documents;

 private:
  static void write(const std::filesystem::path& path, const std::string& text) { std::ofstream(path) << text; }
};

class BackupTest : public PrintRunTest {
 protected:
  BackupTest() {
    facility.SiteCode = "K8Q";
    host.store = &pictures;
    host.merger = &pictures;
    m.Check[40] = 1;
    t.putFile(cards + "\\keep", "");
  }
  const std::string cards = "c:\\dnv\\cards";
  TextPictureStore pictures;
};

// (The whole run's backup, its page files, TIF files, copy and message, on
// the demo facility: BackupCommand.)
TEST_F(BackupTest, OneUnitKeepsThePagesOnlyAndAllUnitsHoldEveryPageInPrintOrderAndCopyItToThePdfFolder) {
  addAll({"Alpha", "Bravo"});
  EXPECT_EQ(print(), "A#B#");
  EXPECT_FALSE(pictures.runFiles);
  EXPECT_EQ(t.read(cards + "\\K8Q_R102XYZ.pdf"), "Bravo");
  EXPECT_FALSE(t.exists(cards + "\\TC.pdf"));
  EXPECT_FALSE(t.exists(cards + "\\K8Q_TIFCards.tif"));
  EXPECT_FALSE(t.exists("c:\\dnv\\PDF\\TC.PDF"));
  EXPECT_TRUE(dialogs.shown().empty());

  // A walk-through shows cards on the screen and stores nothing.
  std::filesystem::remove(*t.drives().hostPath(cards + "\\K8Q_R102XYZ.pdf"));
  run.PreviewFlag = 1;
  print();
  EXPECT_FALSE(t.exists(cards + "\\K8Q_R102XYZ.pdf"));

  run.PreviewFlag = 0;
  add(1, 1, {"Alpha"});
  add(1, 2, {"Bravo"});
  add(2, 1, {"Charlie"});
  m.Text[2] = "2";
  t.putFile(cards + "\\K8Q_R999XYZ.pdf", "Gone");  // a page of an earlier run
  EXPECT_EQ(print(), "A#B#C#");
  EXPECT_EQ(t.read(cards + "\\TC.pdf"), "Alpha|Bravo|Charlie");
  EXPECT_EQ(t.read(cards + "\\K8Q_R101XYZ.pdf"), "Alpha");
  EXPECT_FALSE(t.exists(cards + "\\TCB.pdf"));  // each page carries all three meals

  // A quick run keeps the pages it finds; merged documents are not pages,
  // and this run's pages replace those of the same residents.
  t.putFile(cards + "\\K8Q_R000OLD.pdf", "Old");
  t.putFile(cards + "\\MCB.pdf", "Merged earlier");
  m.CallMode = callmode::QuickRun;
  add(1, 2, {"Bert"});
  EXPECT_EQ(print(), "A#B#C#");
  EXPECT_EQ(t.read(cards + "\\TC.pdf"), "Old|Alpha|Bert|Charlie");

  // Meal cards get their own backup name; a merge that fails is named and
  // nothing is announced or copied.
  m.Option[1] = false;
  m.Option[2] = true;
  m.CardKind = 2;
  pictures.failMerge = true;
  dialogs = ScriptedDialogs();
  print();
  EXPECT_FALSE(t.exists(cards + "\\MC.pdf"));
  EXPECT_FALSE(t.exists("c:\\dnv\\PDF\\MC.PDF"));
  ASSERT_FALSE(report.failedOutputs.empty());
  EXPECT_EQ(report.failedOutputs[0].output, "c:\\dnv\\cards\\MC.pdf");
  EXPECT_EQ(report.failedOutputs[0].reason, "disk full");
  for (const auto& shown : dialogs.shown()) EXPECT_EQ(shown.text.find("Created Successfully"), std::string::npos);
}

TEST_F(BackupTest, EveryPageOfAResidentIsKeptAndByMealGivesADocumentPerMeal) {
  add(1, 1, {"Alpha"});
  add(2, 1, {"Bravo"});
  m.Text[2] = "2";
  m.Text[6] = "2";  // two menu days: two pages each
  EXPECT_EQ(print(), "A#A#B#B#");
  EXPECT_EQ(t.read(cards + "\\TC.pdf"), "Alpha|Alpha|Bravo|Bravo");
  EXPECT_TRUE(t.exists(cards + "\\K8Q_R101XYZ_2.pdf"));

  m.Text[6] = "1";
  m.Text[20] = "BYM";
  EXPECT_EQ(print(), "AB##AB##AB#");
  EXPECT_EQ(t.read(cards + "\\TC.pdf"), "Alpha+Bravo|Alpha+Bravo|Alpha+Bravo");
  for (const char* meal : {"B", "L", "S"}) {
    EXPECT_EQ(t.read(cards + "\\TC" + meal + ".pdf"), "Alpha+Bravo") << meal;
    EXPECT_EQ(t.read(std::string("c:\\dnv\\PDF\\TC") + meal + ".PDF"), "Alpha+Bravo") << meal;
  }
}

}  // namespace
}  // namespace mc
