#include "ui/preflight.h"

#include <algorithm>

#include "data/data_file_names.h"
#include "data/text.h"
#include "printrun/run_paths.h"
#include "render/counting_surface.h"
#include "ui/controller.h"
#include "ui/easy_overlay.h"
#include "ui/main_actions.h"

namespace mc {

namespace {

// The check's problems are the run's list: nothing is said meanwhile.
class Silence : public FileProblems {
 public:
  void report(const FileProblem&) override {}
};

// The settings as the run starts with them: Print ALL and the settings
// buttons load a set and open its ranges first, so the model before the
// run is not what it prints with.
class RunStart : public RunHooks {
 public:
  explicit RunStart(const SettingsModel& model) : model_(model) {}
  void progress(const RunProgress&) override {
    if (!taken) settings = model_, taken = true;
  }
  SettingsModel settings;
  bool taken = false;

 private:
  const SettingsModel& model_;
};

// What the check may change, put back when it ends, by a return or an
// exception alike: a window that checked goes on as if nothing had happened.
class ControllerRestore {
 public:
  explicit ControllerRestore(Controller& c)
      : c_(c), model_(c.model), run_(c.run), resident_(c.resident), ended_(c.Ended), printer_(c.printer),
        screen_(c.screen), hooks_(c.hooks), sink_(c.drives.problems()), wasDry_(c.drives.dryRun()) {}
  ControllerRestore(const ControllerRestore&) = delete;
  ControllerRestore& operator=(const ControllerRestore&) = delete;
  ~ControllerRestore() {
    if (!wasDry_) c_.drives.setDryRun(false);
    c_.drives.setProblems(sink_);
    c_.model = model_;
    c_.run = run_;
    c_.resident = resident_;
    c_.Ended = ended_;
    c_.printer = printer_;
    c_.screen = screen_;
    c_.hooks = hooks_;
  }

 private:
  Controller& c_;
  const SettingsModel model_;
  const RunState run_;
  const ResidentRecord resident_;
  const bool ended_;
  Surface* const printer_;
  Surface* const screen_;
  RunHooks* const hooks_;
  FileProblems* const sink_;
  const bool wasDry_;
};

std::string range(const SettingsModel& m, int first) {
  return trim(m.Text[first]) + " - " + trim(m.Text[first + 1]);
}

std::string onOff(bool on) { return on ? "on" : "off"; }

std::string plural(int n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); }

std::string cardKind(const SettingsModel& m) {
  if (m.UserCards) return "User Cards";
  if (m.CardKind == 2) return m.AlfMenus ? "ALF Menus" : "Meal Cards";
  if (m.CardKind == 1) return m.PseudoSelect ? "Pseudo Select" : "Select Menus";
  return "Tray Cards";
}

std::vector<std::pair<std::string, std::string>> settingsInForce(const SettingsModel& m) {
  std::string filter = "none";
  if (m.Check[21] == 1) filter = "select residents only";
  if (m.Check[22] == 1) filter = "non-select residents only";
  return {
      {"Card kind", cardKind(m)},
      {"Nursing units", range(m, 1)},
      {"Residents", range(m, 3)},
      {"Menu days", range(m, 5)},
      {"Dining locations", range(m, 7) + " (by dining location " + onOff(m.ByDiningLocation) + ")"},
      {"Meal order", m.MealOrder.empty() ? std::string("none (by nursing unit)") : m.MealOrder},
      {"Select filter", filter},
      {"Card date", trim(m.Text[15])},
      {"Make PDF Backup", m.Check[40] == 1 ? "on (the check makes none)" : "off"},
  };
}

}  // namespace

std::string printTitle(const std::string& action, const SettingsModel& m, int set) {
  return action + " \x97 " + cardKind(m) + ", set " + std::to_string(set);
}
std::vector<std::string> PreflightReport::residentsOf(int unit) const {
  std::vector<std::string> out;
  for (const auto& [u, file] : run.printedResidents())
    if (u == unit) out.push_back(file);
  return out;
}

int PreflightReport::leftOutByRange() const {
  return static_cast<int>(std::count_if(run.leftOut.begin(), run.leftOut.end(), [](const LeftOutResident& r) {
    return r.reason == LeftOutReason::NotInPasses;
  }));
}

int PreflightReport::findings() const {
  int n = run.faults() + static_cast<int>(run.warnings.size() + run.problems.size() + run.failedOutputs.size()) +
          leftOutByRange();
  if (run.cards() == 0) ++n;
  return n;
}

std::vector<std::string> PreflightReport::text() const {
  std::vector<std::string> out;
  const int n = findings();
  out.push_back("Check of " + action + ": " +
                (n == 0 ? std::string("nothing found") : std::to_string(n) + (n == 1 ? " finding" : " findings")));
  const auto group = [&](const std::string& title, const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    out.push_back("");
    out.push_back(title + " (" + std::to_string(lines.size()) + ")");
    for (const std::string& line : lines) out.push_back("  " + line);
  };

  std::vector<std::string> faults, rules, ranges, warnings, problems, outputs;
  for (const LeftOutResident& r : run.leftOut) {
    std::string line = residentPlace(r.unit, r.place, r.file, r.name) + ": " + reasonText(r.reason);
    if (!r.detail.empty()) line += " " + r.detail;
    (isFault(r.reason) ? faults : r.reason == LeftOutReason::NotInPasses ? ranges : rules).push_back(line);
  }
  for (const CardWarning& w : run.warnings) warnings.push_back(residentPlace(w.unit, w.place, w.file, w.name) + ": " + w.warning);
  for (const RunProblem& p : run.problems) problems.push_back(p.shown() + " " + p.what);
  for (const OutputFailure& f : run.failedOutputs) outputs.push_back(f.output + ": " + f.reason);
  if (run.cards() == 0) faults.insert(faults.begin(), "no card would be printed");

  group("Residents without a card, by fault", faults);
  group("Files missing, unreadable or damaged", problems);
  group("Cards that would carry a warning", warnings);
  group("Residents outside the ranges", ranges);
  group("Outputs that would fail", outputs);
  group("Residents left out by rule", rules);

  std::vector<std::string> units;
  for (const UnitTally& t : run.units)
    units.push_back((t.unit == 0 ? std::string("tray line") : "unit " + std::to_string(t.unit)) + ": " +
                    plural(static_cast<int>(residentsOf(t.unit).size()), "resident", "residents") + ", " +
                    plural(t.cards, "card", "cards") + ", " + plural(t.pages, "page", "pages"));
  group("Cards that would print", units);

  std::vector<std::string> in;
  for (const auto& [label, value] : settings)
    in.push_back(label + std::string(label.size() < 18 ? 18 - label.size() : 1, ' ') + value);
  group("Ranges and options in force", in);
  return out;
}

PreflightReport Preflight(Controller& c, int setNo, Dialogs& answers) {
  PreflightReport out;

  const DialogsRoute::Diverted quiet(c.dialogs, answers);
  Silence files;
  CountingSurface paper(true);
  RunStart start(c.model);
  const ControllerRestore restore(c);  // after the locals the controller is pointed at
  c.drives.setDryRun(true);
  c.drives.setProblems(&files);
  c.printer = &paper;
  c.screen = nullptr;
  c.hooks = &start;
  c.run.PreviewFlag = 0;
  c.run.BackupForced = false;

  if (setNo) {
    SettingsButton_Click(c, setNo);
    Command1_MouseDown(c);
    Command1_Click(c);
  } else {
    easy::Command1_Click(c);
  }
  out.run = c.lastReport();
  const SettingsModel& used = start.taken ? start.settings : c.model;
  out.settings = settingsInForce(used);
  out.action = printTitle(setNo ? "settings button " + std::to_string(setNo) + ", then Print" : "Print ALL", used,
                          setNo ? setNo : 1);
  return out;
}

}  // namespace mc
