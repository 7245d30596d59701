// mealcards info: start-up, then what it found, for a support person: the
// setup file, the facility, the folder table, the units and their rosters,
// the settings, the printers and the marker files.
#include <cstdio>
#include <iostream>
#include <string>

#include "app_context.h"
#include "data/data_file_names.h"
#include "data/facility_files.h"
#include "data/roster.h"
#include "data/text.h"
#include "facility_lists.h"
#include "printrun/dining_locations.h"
#include "printrun/resident_selection.h"
#include "printrun/roster_check.h"
#include "printrun/run_paths.h"
#include "ui/program_startup_steps.h"

namespace mc::app {

namespace {

// Start-up as the program runs it, except that info only reports: an
// automatic or preview print run is left out, and an auto-print marker is
// left in place for the program's next real start.
class InfoSteps : public ProgramStartupSteps {
 public:
  void PrintRun(Controller&) override {}
  bool ActsOnAutoPrint() const override { return false; }
};

std::string shown(std::string_view cp1252) { return cp1252ToUtf8(cp1252); }

void row(std::ostream& out, const std::string& label, const std::string& value) {
  out << label << std::string(label.size() < 18 ? 18 - label.size() : 1, ' ') << value << '\n';
}

std::string presence(const DriveMap& drives, const std::string& path) {
  return shown(path) + (drives.fileExists(path) ? "  present" : "  absent");
}

std::string hostOf(const DriveMap& drives, const std::string& path) {
  const auto host = drives.hostPath(path);
  return host ? host->string() : std::string("(drive not mapped)");
}

void printFolders(std::ostream& out, const Controller& c) {
  const Facility& fac = c.facility;
  out << "folders (" << fac.Folders.size() << ")\n";
  for (size_t i = 0; i < fac.Folders.size(); ++i) {
    const std::string& folder = fac.Folders[i];
    char number[24];
    std::snprintf(number, sizeof number, "%4zu  ", i + 1);
    std::string line = number + shown(folder);
    if (folder.empty()) {
      line += "(empty)";
    } else {
      line += std::string(line.size() < 46 ? 46 - line.size() : 1, ' ');
      line += c.drives.folderExists(folder) ? "exists" : "missing";
    }
    out << line << '\n';
  }
}

void printUnits(std::ostream& out, const Controller& c) {
  const Facility& fac = c.facility;
  out << "nursing units (" << fac.unitCount() << ")\n";
  for (int u = 1; u <= fac.unitCount(); ++u) {
    const NursingUnit& unit = *fac.unit(u);
    char head[64];
    std::snprintf(head, sizeof head, "%4d  ", u);
    std::string name = shown(unit.name);
    name += std::string(name.size() < 22 ? 22 - name.size() : 1, ' ');
    char beds[24];
    std::snprintf(beds, sizeof beds, "max beds %3d  ", unit.maxBeds);
    const std::string roster = rosterPath(fac, u);
    std::string state = presence(c.drives, roster);
    // A roster that is there but damaged is not "present" for printing.
    if (c.drives.fileExists(roster)) {
      const auto problems = rosterProblems(c.drives.readRecords(roster, roster::kRecordLength), unit.maxBeds);
      if (!problems.empty()) {
        state = shown(roster) + "  damaged: " + shown(problems.front().what);
        if (problems.size() > 1) state += " (and " + std::to_string(problems.size() - 1) + " more)";
      }
    }
    out << head << name << beds << "roster " << state << '\n';
  }
}

// What print --location takes: the abbreviations, with the names the
// overlay's question shows.
void printDiningLocations(std::ostream& out, const Controller& c) {
  const std::string path = diningFilePath(c.facility);
  if (!c.drives.fileExists(path)) {
    out << "dining locations  " << shown(path) << "  absent\n";
    return;
  }
  const std::vector<NamedEntry> locations = diningLocations(c);
  out << "dining locations (" << locations.size() << ")  " << shown(path) << '\n';
  for (const NamedEntry& l : locations) {
    std::string key = l.key;
    key += std::string(key.size() < 4 ? 4 - key.size() : 1, ' ');
    out << "   " << key << "  " << l.name << '\n';
  }
}

void printSettings(std::ostream& out, const Controller& c) {
  const SettingsModel& m = c.model;
  const std::string path = c.settingsFile.path();
  row(out, "settings file", shown(path) + (c.drives.fileExists(path) ? "  present" : "  missing"));
  row(out, "", hostOf(c.drives, path));
  row(out, "active set", std::to_string(m.CurrentSet));
  for (int n = 1; n <= 6; ++n)
    row(out, n == 1 ? "set buttons" : "", std::to_string(n) + "  " + shown(m.SetButtonCaption[n]));
  row(out, "card date", shown(m.Text[15]) + " (the window's Date)");
}

void printPrinters(std::ostream& out, const Controller& c) {
  const SettingsModel& m = c.model;
  if (m.NoPrinters) {
    row(out, "printers", "none (no default printer)");
  } else {
    for (size_t i = 0; i < m.Printers.size(); ++i)
      row(out, i == 0 ? "printers" : "",
          shown(m.Printers[i]) + (static_cast<int>(i) == m.DefaultPrinterIndex ? "  (default)" : ""));
    if (m.Printers.empty()) row(out, "printers", "none listed");
  }
  row(out, "printer name", m.PrinterName.empty() ? "(none)" : shown(m.PrinterName));
  row(out, "Printer Driver", shown(m.Combo1Text) + "  (what the window's printer list shows)");
}

void printMarkers(std::ostream& out, const Controller& c) {
  const Facility& fac = c.facility;
  const DriveMap& drives = c.drives;
  out << "marker files\n";
  const std::string autoPrint = autoPrintMarkerPath(fac);
  row(out, "  auto-print",
      shown(autoPrint) + (fac.AutoPrint ? "  present: the next start-up prints automatically"
                                        : drives.fileExists(autoPrint) ? "  present" : "  absent"));
  row(out, "  NoYel", presence(drives, noYellowMarkerPath(fac)));
  row(out, "  NoMTxt", presence(drives, noTextFileMarkerPath(fac)));
  row(out, "  NoLeg", presence(drives, noLegalMarkerPath(fac)));
  row(out, "  custom title", presence(drives, customTitlePath(fac)) +
                                 (fac.CustomTitle.empty() ? "" : ": " + shown(fac.CustomTitle)));
  std::string names = presence(drives, nameTablePath(fac));
  if (fac.names.loaded) {
    int likes = 0, dislikes = 0;
    for (int i = 1; i <= 30; ++i) {
      likes += fac.names.LikeNames[i].empty() ? 0 : 1;
      dislikes += fac.names.DislikeNames[i].empty() ? 0 : 1;
    }
    names += ": " + std::to_string(likes) + " like and " + std::to_string(dislikes) + " dislike names";
  }
  row(out, "  tolnm", names);
  row(out, "  aded", fac.AdaptiveEquipmentList.empty()
                         ? "absent: neither " + shown(adaptiveEquipmentPath(fac)) + " nor " +
                               shown(sharedAdaptiveEquipmentPath(fac))
                         : shown(fac.AdaptiveEquipmentList) + "  in use");
}

int runInfo(const GlobalOptions& options, const std::vector<std::string>& args) {
  if (!args.empty()) return usageError("info takes no arguments");
  auto context = AppContext::create(options);
  if (!context) return kExitFailed;
  InfoSteps steps;
  const StartupOutcome outcome = context->startUp(steps);
  if (outcome == StartupOutcome::NoSetupFile || outcome == StartupOutcome::NoDefaultRoster)
    return context->reportStop(outcome);

  const Controller& c = context->controller;
  const Facility& fac = c.facility;
  std::ostream& out = std::cout;
  row(out, "setup file", shown(fac.SetupFilePath));
  row(out, "", hostOf(c.drives, fac.SetupFilePath));
  row(out, "facility", shown(fac.FacilityName) + "  (code " + shown(fac.FacCode) + ")");
  row(out, "custom title", fac.CustomTitle.empty() ? "(none)" : shown(fac.CustomTitle));
  row(out, "site code", shown(fac.SiteCode));
  row(out, "setup style", std::to_string(fac.SetupStyle));
  row(out, "setup date", shown(fac.SetupValues[1]) + (c.CardDate.empty() ? "  (not a valid date)" : ""));
  printFolders(out, c);
  printUnits(out, c);
  printDiningLocations(out, c);
  row(out, "default unit", std::to_string(fac.defaultUnit));
  row(out, "default resident",
      std::to_string(fac.defaultResident) + "  " + shown(fac.defaultResidentFile));
  const std::string residentFile = residentDataPath(fac, fac.defaultResidentFile);
  row(out, "resident file", presence(c.drives, residentFile));
  printSettings(out, c);
  printPrinters(out, c);
  printMarkers(out, c);
  return kExitOk;
}

const CommandRegistration info("info", "info                 start-up, then what it found", &runInfo);

}  // namespace

}  // namespace mc::app
