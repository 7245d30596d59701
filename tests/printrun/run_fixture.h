// A facility to print from: two units, a dining location file, residents
// written into the rosters and as data files, the settings of a tray-card
// run, and the printer and screen traced over counting surfaces. events()
// reads the printer's operations back as a short string: a resident's
// initial for each card drawn for them (the surname is on the card),
// "/" for NewPage and "#" for EndDoc.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "printrun/print_run.h"
#include "printrun/run_paths.h"
#include "printrun/scripted_dialogs.h"
#include "render/counting_surface.h"
#include "render/trace_surface.h"
#include "support/resident_file.h"
#include "support/test_drives.h"
#include "support/trace_ops.h"

namespace mc::test {

struct Resident {
  std::string surname;       // its initial tags the resident's cards
  std::string code = "1";    // first diet code
  std::string diet = "REGULAR";
  std::string locations = "MDR MDR MDR";  // breakfast, lunch, supper abbreviations
  char away = ' ';           // 'H' hospital, 'O' out on pass (data file)
  bool select = false;
};

class RunFixture : public ::testing::Test {
 protected:
  class Clock : public mc::Clock {
   public:
    DateTime now() const override { return {{2007, 3, 14}, 9, 0, 0}; }
  };
  class Hooks : public RunHooks {
   public:
    int waits = 0;
    int yields = 0;
    void processEvents() override { ++yields; }
    void waitNextRes(const NextResPlace&) override { ++waits; }
  };

  RunFixture() {
    facility = testFacility();
    facility.FacilityName = "Test Home";
    facility.units = {{10, "North"}, {10, "South"}};
    facility.SetupValues[1] = "03-15-07";
    t.putFile("c:\\dnv\\set\\setup\\keep", "");
    dining({"MDR Main Hall", "RDR Garden Room", "CAF Cafe Corner"});
    m.Option[1] = true;
    m.CardKind = 3;
    m.Text[16] = "700";
    m.Text[17] = "10";
    m.PrinterName = "Kitchen Laser";
    for (int n : {1, 2, 3, 5, 6, 7, 8}) m.Text[n] = "1";
    m.Text[4] = "999";
    m.Text[15] = "03-15-07";
  }

  // Dining records "ABR Description", from record 1.
  void dining(const std::vector<std::string>& records) {
    t.putFile(diningFilePath(facility), "");
    for (size_t i = 0; i < records.size(); ++i)
      t.put(diningFilePath(facility), 48, static_cast<long>(i + 1),
            Rec(48).field(5, 7, records[i].substr(0, 3)).field(9, 46, records[i].size() > 4 ? records[i].substr(4) : "").str());
  }

  void add(int unit, int bed, const Resident& r) {
    const std::string file = "R" + std::to_string(unit) + std::string(bed < 10 ? "0" : "") + std::to_string(bed) + "XYZ";
    t.put(rosterPath(facility, unit), 122, bed,
          Rec(122).field(2, 29, r.surname).field(33, 39, file).field(41, 70, r.diet).at(88, r.locations).str());
    ResidentFile f;
    f.room(std::to_string(unit * 100 + bed)).name(r.surname + ", Pat").diet(1, r.diet, r.code);
    f.dining(r.locations.substr(0, 3), r.locations.substr(4, 3), r.locations.substr(8, 3));
    if (r.away != ' ') f.hospital(r.away);
    if (r.select) f.select();
    f.write(t, facility, file);
  }
  // Residents bed 1, 2, ... of unit 1, named as given.
  void addAll(const std::vector<std::string>& surnames, const std::string& locations = "MDR MDR MDR") {
    for (size_t i = 0; i < surnames.size(); ++i) add(1, static_cast<int>(i + 1), {surnames[i], "1", "REGULAR", locations});
  }

  // Runs the print button and returns what the printer received.
  std::string print() {
    ended = false;
    printerTrace.str("");
    screenTrace.str("");
    RunEnvironment env{t.drives(), facility, m, settingsFile, resident, dietFile, dialogs, clock, run,
                       &printer, screen, hooks, [this] { ++exits; ended = true; }, ended};
    Command1_Click(env);
    return events();
  }

  std::string events() const {
    std::string out;
    char last = 0;
    for (const TraceOp& op : parseTrace(printerTrace.str())) {
      char tag = 0;
      if (op.op == "newpage") tag = '/';
      else if (op.op == "enddoc") tag = '#';
      else if (op.op == "text" && contains(op.text(), ", Pat")) tag = initialIn(op.text());
      else if (op.op == "text" && contains(op.text(), ">>>>> BREAKFAST")) tag = 'b';
      else if (op.op == "text" && contains(op.text(), ">>>>> SUPPER")) tag = 's';
      if (tag && (tag != last || tag == '/' || tag == '#')) out += tag;
      if (tag) last = tag;
    }
    return out;
  }
  // The printer's texts that match a test.
  std::vector<std::string> texts(bool (*wanted)(const std::string&)) const {
    std::vector<std::string> out;
    for (const TraceOp& op : opsOf(parseTrace(printerTrace.str()), "text"))
      if (wanted(op.text())) out.push_back(op.text());
    return out;
  }

  TempDrives t;
  Facility facility;
  SettingsModel m;
  SettingsFile settingsFile{t.drives(), facility};
  ResidentRecord resident;
  DietFile dietFile;
  ScriptedDialogs dialogs;
  Clock clock;
  RunState run;
  Hooks hooks;
  CountingSurface printerDevice{true};
  CountingSurface screenDevice{false};
  std::ostringstream printerTrace;
  std::ostringstream screenTrace;
  TraceSurface printer{printerDevice, printerTrace};
  TraceSurface screen{screenDevice, screenTrace};
  bool ended = false;
  int exits = 0;

 private:
  // The initial of the surname in a name line "101 Alpha, Pat".
  static char initialIn(const std::string& text) {
    const size_t comma = text.find(", Pat");
    const size_t start = text.rfind(' ', comma);
    return text[start == std::string::npos ? 0 : start + 1];
  }
};

}  // namespace mc::test
