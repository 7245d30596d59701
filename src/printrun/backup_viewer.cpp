#include "printrun/backup_viewer.h"

#include <string>

namespace mc {

const char* const kReaderPaths[5] = {
    "c:\\program files\\adobe\\acrobat 9.0\\reader\\acrord32.exe",
    "c:\\program files\\adobe\\acrobat 8.0\\reader\\acrord32.exe",
    "c:\\program files\\adobe\\acrobat 7.0\\reader\\acrord32.exe",
    "c:\\program files\\adobe\\acrobat 6.0\\reader\\acrord32.exe",
    "c:\\program files\\adobe\\acrobat 5.0\\reader\\acrord32.exe",
};

namespace {

struct MealBackup {
  const char* file;
  const char* missing;
};

constexpr MealBackup kMealBackups[] = {
    {"TCB.pdf", "   Brk PDF Backup File NOT FOUND."},
    {"TCL.pdf", "   Lch PDF Backup File NOT FOUND."},
    {"TCS.pdf", "   Sup PDF Backup File NOT FOUND."},
};

void openIn(ProgramCall reader, const std::string& file, ProgramLauncher& launcher, Dialogs& dialogs) {
  reader.files = {file};
  ExecCmd(launcher, dialogs, std::move(reader));
}

}  // namespace

std::optional<ProgramCall> CheckABR(ProgramLauncher& launcher, Dialogs& dialogs) {
  for (const char* path : kReaderPaths)
    if (launcher.canStart(path)) return ProgramCall{path, {}, WindowStyle::Default, true};
  // Few machines here have that reader; the desktop's own viewer prints
  // the backup just as well, and the kitchen needs the cards now.
  if (launcher.hasDocumentViewer()) return ProgramCall{"", {}, WindowStyle::Default, true};
  dialogs.message(std::string(kReaderPaths[std::size(kReaderPaths) - 1]) + " Acrobat Reader NOT FOUND.",
                  Buttons::Ok);
  return std::nullopt;
}

void ViewBackupPdf(const DriveMap& drives, const Facility& facility, ProgramLauncher& launcher,
                   Dialogs& dialogs) {
  const std::optional<ProgramCall> reader = CheckABR(launcher, dialogs);
  if (!reader) return;
  const std::string cards = facility.folder(42) + "\\cards\\";
  const std::string backup = cards + "TC.pdf";
  if (drives.fileExists(backup)) {
    openIn(*reader, backup, launcher, dialogs);
    return;
  }
  dialogs.message(backup + "   PDF Backup File NOT FOUND.", Buttons::Ok);
  for (const MealBackup& meal : kMealBackups) {
    const std::string file = cards + meal.file;
    if (drives.fileExists(file)) {
      openIn(*reader, file, launcher, dialogs);
    } else {
      dialogs.message(file + meal.missing, Buttons::Ok);
    }
  }
}

}  // namespace mc
