// The program's state for one program run, shared by the main window and
// the command line: the drive map, what start-up learnt about the facility,
// the settings model, the settings file, the resident record, and the
// services the core reaches through interfaces (dialogs, printers, clock).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/card_date.h"
#include "data/diet_file.h"
#include "data/drive_map.h"
#include "data/facility.h"
#include "data/fixed_tables.h"
#include "data/resident_record.h"
#include "printrun/dialogs.h"
#include "settings/printer_list.h"
#include "settings/settings_file.h"
#include "settings/settings_model.h"

namespace mc {

class Controller {
 public:
  Controller(DriveMap drives, Dialogs& dialogs, const PrinterList& printers, const Clock& clock);
  Controller(const Controller&) = delete;
  Controller& operator=(const Controller&) = delete;

  DriveMap drives;
  Facility facility;
  SettingsModel model;
  SettingsFile settingsFile{drives, facility};
  ResidentRecord resident;
  FixedTables tables;  // built once by start-up
  // The diet file of the last resident load; the print run reads the meal
  // patterns of the same records.
  DietFile dietFile;

  Dialogs& dialogs;
  const PrinterList& printers;
  const Clock& clock;

  // ---- Values start-up leaves for the window and the runs ----
  int16_t PreviewFlag = 0;
  std::string IconPath;         // the window icon's file, "" when there is none
  bool NextResVisible = true;   // the "Next Res" button (Command5)
  std::string CardDate;         // the setup date when it passes CheckDate, else ""
  std::array<std::string, 8> DayNames{};  // 1..7, Sunday first
  int16_t MenuDay = 0;          // the menu day the preview shows
  // Set by whatever ends the program (a print run over several residents);
  // start-up stops at once when it finds it set.
  bool Ended = false;

  void EndProgram() { Ended = true; }
};

}  // namespace mc
