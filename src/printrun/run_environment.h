// What a print run works on: the program's state (facility, settings,
// resident record, run state), its services (dialogs, clock, drawing
// surfaces) and the two ways out of the program that live above the run
// (the Exit button's action and ending the program). The window and the
// command line build it from the controller.
#pragma once

#include <functional>

#include "data/card_date.h"
#include "data/diet_file.h"
#include "data/drive_map.h"
#include "data/facility.h"
#include "data/fixed_tables.h"
#include "data/resident_record.h"
#include "printrun/dialogs.h"
#include "printrun/picture_store.h"
#include "printrun/run_hooks.h"
#include "printrun/run_state.h"
#include "render/bar_code.h"
#include "render/picture_loader.h"
#include "render/surface.h"
#include "settings/settings_file.h"
#include "settings/settings_model.h"

namespace mc {

struct RunEnvironment {
  const DriveMap& drives;
  const Facility& facility;
  SettingsModel& model;
  const SettingsFile& settingsFile;
  ResidentRecord& resident;
  DietFile& dietFile;
  Dialogs& dialogs;
  const Clock& clock;
  RunState& run;
  Surface* printer;  // null when there is nothing to print on
  Surface& screen;   // Picture1
  RunHooks& hooks;
  // The Exit button (Command2_Click): saves, and ends the program unless a
  // run is going on and the user says No to stopping it.
  std::function<void()> exitAction;
  // Set once the program has ended; the run stops at the next check.
  bool& ended;
  // Set when whoever started the run asks it to stop (the window's cancel);
  // the run ends after the card it is on.
  const bool& cancel;
  // The fixed tables start-up built; null: the run builds its own.
  const FixedTables* tables = nullptr;
  const BarCoder* barCoder = nullptr;  // null: bar codes print their text only
  // What keeps the pages of a backup run and merges them; null when this
  // program has none (the backup then fails by name).
  PictureStore* pictures = nullptr;
  PdfMerger* merger = nullptr;
  PictureLoader* pictureLoader = nullptr;  // null: cards print without pictures
};

}  // namespace mc
