#include "named_resident.h"

#include "command.h"
#include "data/data_file_names.h"
#include "data/resident_loader.h"
#include "data/text.h"
#include "settings/resident_load_options.h"

namespace mc::app {

bool loadNamedResident(Controller& c, DietFile& dietFile, const std::string& file, const std::string& mealOrder) {
  c.resident.Loaded = false;
  c.resident.ResidentFile = file;
  loadResidentAsSet(c.resident, dietFile, c.drives, c.facility, c.model, mealOrder);
  if (!c.resident.ResidentPath.empty()) return true;
  const std::string path = residentDataPath(c.facility, file);
  const auto host = c.drives.hostPath(path);
  fail("no resident data file " + cp1252ToUtf8(path) +
       (host ? " (" + host->string() + ")" : std::string(" (drive not mapped)")));
  return false;
}

}  // namespace mc::app
