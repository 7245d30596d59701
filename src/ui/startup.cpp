#include "ui/startup.h"

#include "data/data_file_names.h"
#include "data/facility_files.h"
#include "data/resident_backup.h"
#include "data/name_table.h"
#include "data/setup_file.h"
#include "data/text.h"
#include "printrun/run_paths.h"
#include "settings/printer_selection.h"

namespace mc {

const char* const kBedNumberMessage =
    "Bed Number Exceeds Max Beds for Nursing Unit.\r\n"
    "Increase Max Beds for Unit from the \r\n"
    "Facility --> Setup Rosters, ... Program";
const char* const kAutoPrintDeleteError = "Error Deleting Above File to Cancel Future Auto Print.";

namespace {

std::string firstRecord(const DriveMap& drives, const std::string& path, int length) {
  return drives.readRecords(path, length).record(1);
}

// The setup file's head and values, the custom title, the default
// resident and the day names. False when the file is damaged (nothing
// after its head is read, and it is not written).
bool readSetup(Controller& c, const std::string& setupPath) {
  Facility& fac = c.facility;
  const DriveMap& drives = c.drives;
  SetupFile setup(drives, setupPath);
  setup.readHead(fac);
  // A folder table read from a damaged file would send every later read
  // to the wrong place: stop, naming the file, before anything is written.
  if (std::string why = setup.damage(); !why.empty()) {
    fac.setupDamage = std::move(why);
    fac.setupFound = false;
    fac.FacilityName = kNoSetupFileName;
    return false;
  }

  if (const NursingUnit* unit = fac.unit(fac.defaultUnit);
      unit && fac.defaultResident > unit->maxBeds)
    c.dialogs.message(kBedNumberMessage, Buttons::Ok);

  c.CardDate = setup.readValues(fac, c.clock) ? fac.SetupValues[1] : std::string();
  if (const auto date = parseMmDdYy(c.CardDate)) c.run.CardDate = *date;

  fac.CustomTitle.clear();
  if (drives.fileExists(customTitlePath(fac)))
    fac.CustomTitle = rtrim(firstRecord(drives, customTitlePath(fac), 200));

  c.resident.ResidentFile = fac.defaultResidentFile;
  const std::string residentPath = residentDataPath(fac, fac.defaultResidentFile);
  fac.DefaultResidentPath = drives.fileExists(residentPath) ? residentPath : std::string();
  c.resident.ResidentPath = fac.DefaultResidentPath;

  for (int d = 1; d <= 7; ++d) c.run.DayNames[d] = kWeekdayNames[d];
  return true;
}

// The auto-print marker asks for one automatic run: deleting it is what
// keeps the next start-up from printing again.
void readAutoPrintMarker(Controller& c, StartupSteps& steps, const std::string& marker) {
  c.facility.AutoPrint = false;
  if (!c.drives.fileExists(marker)) return;
  c.facility.AutoPrint = true;
  if (!steps.ActsOnAutoPrint()) return;
  c.drives.removeFile(marker);
  if (c.drives.fileExists(marker)) c.dialogs.message(marker + "\r\n" + kAutoPrintDeleteError, Buttons::Ok);
}

// The facility's marker files and shared lists.
void readFacilityFiles(Controller& c) {
  Facility& fac = c.facility;
  const DriveMap& drives = c.drives;
  fac.NoYellowDL = drives.fileExists(noYellowMarkerPath(fac));
  fac.names = ReadNameTable(drives, fac);
  fac.MakeTextFile = !drives.fileExists(noTextFileMarkerPath(fac));
  fac.BackupFiles = backupOptionOn(drives, fac);
  if (drives.fileExists(adaptiveEquipmentPath(fac)))
    fac.AdaptiveEquipmentList = adaptiveEquipmentPath(fac);
  else if (drives.fileExists(sharedAdaptiveEquipmentPath(fac)))
    fac.AdaptiveEquipmentList = sharedAdaptiveEquipmentPath(fac);
  else
    fac.AdaptiveEquipmentList.clear();
}

// The settings of set 1, the fixed tables and the default resident.
void loadSettingsAndResident(Controller& c, StartupSteps& steps) {
  c.model.Text[15] = formatMmDdYy(addDays(c.clock.now().date, 1));
  steps.GetSet(c);
  c.run.MenuDay = int16Field(c.model.Text[5]);
  steps.InitTables(c);
  steps.LoadResident(c);
  steps.LoadThick(c);
  steps.LOADPUR(c);
  c.model.Label[10].Caption = c.resident.NameLine + " ";
}

// The automatic run the marker asked for, else the quick preview run.
void firstRun(Controller& c, StartupSteps& steps, const std::string& marker) {
  if (steps.ActsOnAutoPrint() && c.drives.fileExists(marker)) {
    c.drives.removeFile(marker);
    steps.SetForAll(c);
  }
  if (c.facility.AutoPrint) {
    c.run.PreviewFlag = 0;
    steps.PrintRun(c);
  } else if (!c.model.Option[3]) {
    c.model.CallMode = callmode::QuickRun;
    steps.PrintRun(c);
  }
}

}  // namespace

StartupOutcome Form_Load(Controller& c, StartupSteps& steps) {
  Facility& fac = c.facility;
  c.run.PreviewFlag = 1;
  c.IconPath = c.drives.fileExists(kIconFile) ? std::string(kIconFile) : std::string();
  c.NextResVisible = false;
  c.model.CallMode = callmode::Startup;

  const std::string setupPath = FindSetupFile(c.drives);
  if (setupPath.empty()) {
    fac.setupFound = false;
    fac.FacilityName = kNoSetupFileName;
    return StartupOutcome::NoSetupFile;
  }
  if (!readSetup(c, setupPath)) return StartupOutcome::NoSetupFile;

  if (fac.defaultUnit < 1 || fac.defaultUnit > fac.unitCount()) fac.defaultUnit = 1;
  if (!c.drives.fileExists(rosterPath(fac, fac.defaultUnit))) return StartupOutcome::NoDefaultRoster;

  fac.FacilityName = tidyFacilityName(columns(fac.FacilityName, 1, 29));
  fac.firstOfMonth = leadingNumber(columns(fac.SetupValues[1], 4, 5)) == 1;
  fillPrinterList(c.printers, c.model);

  const std::string marker = autoPrintMarkerPath(fac);
  readAutoPrintMarker(c, steps, marker);
  readFacilityFiles(c);
  loadSettingsAndResident(c, steps);
  if (c.Ended) return StartupOutcome::Ended;
  firstRun(c, steps, marker);
  if (c.Ended) return StartupOutcome::Ended;

  steps.ShowForm2(c);
  return StartupOutcome::Ready;
}

}  // namespace mc
