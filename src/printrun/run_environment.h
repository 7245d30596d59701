// What a print run works on: the program's state (facility, settings,
// resident record, run state) and its host, who started it and lends it
// the devices, the dialogs, the clock and its ear (the hooks). The window
// and the command line both start runs through the controller, which is
// the host and acts on the report the run returns; tests bring their own.
#pragma once

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

// The tools a card may need; each is optional.
struct CardTools {
  const BarCoder* barCoder = nullptr;       // null: bar codes print their text only
  PictureLoader* pictureLoader = nullptr;   // null: cards print without pictures
  // What keeps the pages of a backup run and merges them; null when this
  // program has none (the backup then fails by name).
  PictureStore* pictures = nullptr;
  PdfMerger* merger = nullptr;
};

class RunHost {
 public:
  virtual ~RunHost() = default;
  virtual Dialogs& dialogs() = 0;
  virtual const Clock& clock() const = 0;
  virtual Surface* printer() = 0;  // null when there is nothing to print on
  virtual Surface& screen() = 0;   // Picture1
  virtual RunHooks& hooks() = 0;
  virtual CardTools tools() const = 0;
};

struct RunEnvironment {
  // Not const: the run listens to the problems the readers meet.
  DriveMap& drives;
  const Facility& facility;
  SettingsModel& model;
  const SettingsFile& settingsFile;
  ResidentRecord& resident;
  DietFile& dietFile;
  RunState& run;
  RunHost& host;
  // The fixed tables start-up built; null: the run builds its own.
  const FixedTables* tables = nullptr;
};

}  // namespace mc
