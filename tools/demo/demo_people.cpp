// The demo facility's people and places: nursing units, dining locations and
// residents, and the two files that list them (the unit rosters and the
// dining location file). The residents are chosen to exercise the rules:
// every texture and thick-liquid family, therapeutic diets, diet codes 0,
// 98 and 99, a negative colour code, hospital and out-on-pass residents, a
// location missing from the dining file and a meal without a tray ("X").
#include <algorithm>
#include <cstdio>

#include "data/roster.h"
#include "data/text.h"
#include "demo.h"

namespace mc::demo {

namespace {

DemoResident person(int unit, int bed, const char* file, const char* name, const char* room,
                    std::array<const char*, 4> parts, std::array<int, 4> codes, const char* bk,
                    const char* lh, const char* sp, bool hospital = false) {
  DemoResident r;
  r.unit = unit;
  r.bed = bed;
  r.file = file;
  r.name = name;
  r.room = room;
  for (int k = 0; k < 4; ++k) {
    r.dietPart[k + 1] = parts[k];
    r.dietCode[k + 1] = codes[k];
  }
  r.breakfastLoc = bk;
  r.lunchLoc = lh;
  r.supperLoc = sp;
  r.hospital = hospital;
  return r;
}

const std::vector<DemoResident>& handMade() {
  static const std::vector<DemoResident> all = {
      person(1, 1, "RS00101", "Anderson, Mary", "101-A", {"REGULAR", "", "", ""}, {1, 0, 0, 0}, "MDR", "MDR", "MDR"),
      person(1, 2, "RS00102", "Baker, Thomas", "101-B", {"MECH SOFT", "CHOPPED MEAT", "NAS", ""}, {2, 0, 4, 0}, "MDR", "MDR", "MDR"),
      person(1, 3, "RS00103", "Castillo, Rosa", "102-A", {"PUREED", "NECTAR THICK", "NCS", ""}, {3, 0, 6, 0}, "ROM", "RDR", "RDR"),
      person(1, 4, "RS00104", "Dubois, Henri", "102-B", {"DYSPHAGIA III", "HONEY THICK", "", ""}, {2, 0, 0, 0}, "RDR", "RDR", "RDR"),
      person(1, 5, "RS00105", "Eriksen, Ingrid", "103-A", {"RENAL", "LOW FAT", "2GN NA", ""}, {60, 7, 5, 0}, "MDR", "MDR", "MDR"),
      person(1, 6, "RS00106", "Fitzgerald, Patrick", "103-B", {"ADA 1800 CAL", "LARGE PORTION", "", ""}, {12, 0, 0, 0}, "CAF", "MDR", "MDR"),
      person(1, 7, "RS00107", "Garcia, Luis", "104-A", {"CLEAR LIQ", "", "", ""}, {45, 0, 0, 0}, "ROM", "ROM", "ROM"),
      person(1, 8, "RS00108", "Hoffmann, Greta", "104-B", {"BLAND", "NO MILK", "FORTIFIED", ""}, {9, 0, 0, 0}, "MDR", "CAF", "MDR"),
      person(1, 9, "RS00109", "Ito, Kenji", "105-A", {"TUBE FEEDING", "", "", ""}, {98, 0, 0, 0}, "ROM", "ROM", "ROM"),
      person(1, 10, "RS00110", "Jensen, Karen", "105-B", {"REGULAR", "FL/R 1500", "", ""}, {1, 0, 0, -2}, "MDR", "MDR", "MDR"),
      person(2, 1, "RS00201", "Kowalski, Stanley", "201-A", {"MECH SOFT", "GROUND MEAT", "NCS", ""}, {2, 0, 6, 0}, "MDR", "MDR", "MDR"),
      person(2, 2, "RS00202", "Lambert, Claire", "201-B", {"REGULAR", "", "", ""}, {0, 12, 0, 0}, "CAF", "CAF", "CAF"),
      person(2, 3, "RS00203", "Mendoza, Elena", "202-A", {"MECH SOFT", "PUREED MEAT", "DOUBLE P", ""}, {2, 0, 0, 0}, "RDR", "RDR", "RDR"),
      person(2, 4, "RS00204", "Nakamura, Yuki", "202-B", {"NPO", "", "", ""}, {99, 0, 0, 0}, "ROM", "ROM", "ROM"),
      person(2, 5, "RS00205", "O'Brien, Sean", "203-A", {"DYSPHAGIA", "PUDDING THICK", "", ""}, {3, 0, 0, 0}, "RDR", "RDR", "RDR"),
      person(2, 6, "RS00206", "Petrov, Ivan", "203-B", {"REGULAR", "", "", ""}, {1, 0, 0, 0}, "MDR", "MDR", "MDR", true),
      person(2, 7, "RS00207", "Quinn, Abigail", "204-A", {"FULL LIQ", "LOW CHOL", "", ""}, {70, 8, 0, 0}, "ROM", "ROM", "ROM"),
      person(2, 8, "RS00208", "Rossi, Marco", "204-B", {"NAS", "K+ RESTRICTED", "", ""}, {4, 60, 0, 0}, "MDR", "PAT", "MDR"),
      person(2, 9, "RS00209", "S\xe1nchez, Jos\xe9", "205-A", {"REGULAR", "", "", ""}, {1, 0, 0, 0}, "CAF", "MDR", "CAF"),
      person(3, 1, "RS00301", "Thompson, Walter", "MC-1", {"MECH SOFT", "NECTAR THICK", "ADA", ""}, {2, 0, 14, 0}, "MCD", "MCD", "MCD"),
      person(3, 2, "RS00302", "Underwood, Ada", "MC-2", {"REGULAR", "", "", ""}, {0, 0, 0, 7}, "MCD", "MCD", "MCD"),
      person(3, 3, "RS00303", "Vasquez, Maria", "MC-3", {"PUREED", "HONEY THICK", "RENAL", ""}, {3, 0, 60, 0}, "MCD", "MCD", "MCD"),
      person(3, 4, "RS00304", "Weber, Hans", "MC-4", {"REGULAR", "", "", ""}, {1, 0, 0, 0}, "MCD", "MCD", "MCD"),
      person(3, 5, "RS00305", "Xu, Li", "MC-5", {"LOW FAT", "FF ", "", ""}, {7, 0, 0, 0}, "MCD", "MCD", "MCD"),
      person(3, 6, "RS00306", "Young, Betty", "MC-6", {"REGULAR", "", "", ""}, {1, 0, 0, 0}, "XXX", "MCD", "MCD"),
  };
  return all;
}

void writeRostersAndDining(const DriveMap& drives, const DemoOptions& options) {
  for (const DemoResident& r : residents(options)) {
    using namespace roster;
    Rec rec(kRecordLength);
    if (r.hospital) rec.field(kAwayColumn, kAwayColumn, "H");
    rec.field(kNameFrom, kNameTo, r.name);
    rec.field(kFileFrom, kFileTo, r.file);
    rec.field(kDietFrom, kDietTo, rosterDiet(r));
    rec.field(kLocationColumn[1], kLocationColumn[1] + 2, r.breakfastLoc);
    rec.field(kLocationColumn[2], kLocationColumn[2] + 2, r.lunchLoc);
    rec.field(kLocationColumn[3], kLocationColumn[3] + 2, r.supperLoc);
    putRecord(drives, folder(40) + "\\sfl" + std::to_string(r.unit) + "." + kFacCode, kRecordLength, r.bed, rec.str());
  }
  // Every unit has its roster, the hold unit too while no one is away:
  // its beds are blank records.
  const auto all = units(options);
  for (size_t u = 0; u < all.size(); ++u) {
    const int unit = static_cast<int>(u + 1);
    const auto& people = residents(options);
    if (std::none_of(people.begin(), people.end(), [&](const DemoResident& r) { return r.unit == unit; }))
      putRecord(drives, folder(40) + "\\sfl" + std::to_string(unit) + "." + kFacCode, roster::kRecordLength,
                all[u].maxBeds, std::string(roster::kRecordLength, ' '));
  }
  // A unit whose last bed is empty still has its record, blank.
  const auto& locations = diningLocations();
  for (size_t i = 0; i < locations.size(); ++i) {
    Rec rec(48);
    char number[24];
    std::snprintf(number, sizeof number, "%3zu", i + 1);
    rec.field(1, 3, number);
    rec.field(5, 7, locations[i].abbreviation);
    rec.field(9, 46, locations[i].description);
    putRecord(drives, folder(39) + "\\dining." + kFacCode, 48, static_cast<long>(i + 1), rec.str());
  }
}

const DemoPart rosterPart(20, "rosters and dining locations", &writeRostersAndDining);

}  // namespace

std::string folder(int n) {
  switch (n) {
    case 2: return "c:\\dnv\\res";
    case 6: return "c:\\dnv\\menus";
    case 23: return "c:\\dnv";
    case 35: return "c:\\DNV\\Pics";
    case 39: return "c:\\dnv\\diets";
    case 40: return "C:\\Dnv\\Rosters";
    case 42: return "c:\\dnv\\output";
    case 43: return "c:\\dnv\\comments";
    default: return "c:\\dnv";
  }
}

std::vector<DemoUnit> units(const DemoOptions& options) {
  if (options.units > 0) {
    std::vector<DemoUnit> out;
    for (int u = 1; u <= options.units; ++u)
      out.push_back({options.residentsPerUnit, "Unit " + std::to_string(u)});
    return out;
  }
  // The last unit holds residents who are away; "Set For All" leaves it out.
  return {{10, "North Wing"}, {10, "South Wing"}, {6, "Memory Care"}, {4, "Discharge HOLD"}};
}

const std::vector<DemoDiningLocation>& diningLocations() {
  static const std::vector<DemoDiningLocation> all = {
      {"MDR", "Main Dining Room"},
      {"RDR", "Restorative Dining @"},
      {"ROM", "Room Tray"},
      {"CAF", "_Cafe Corner"},
      {"   ", ""},
      {"MCD", "Memory Care Dining @"},
  };
  return all;
}

std::vector<DemoResident> residents(const DemoOptions& options) {
  if (options.units <= 0 || options.residentsPerUnit <= 0) return handMade();
  // A generated facility: the hand-made residents' diets and locations
  // repeated over every bed, with fresh file names and names.
  std::vector<DemoResident> out;
  const auto& pattern = handMade();
  int seq = 0;
  for (int u = 1; u <= options.units; ++u) {
    for (int b = 1; b <= options.residentsPerUnit; ++b, ++seq) {
      DemoResident r = pattern[seq % pattern.size()];
      r.unit = u;
      r.bed = b;
      char file[16];
      std::snprintf(file, sizeof file, "G%06d", seq + 1);
      r.file = file;
      r.name = "Resident" + std::to_string(seq + 1) + ", Demo";
      r.room = std::to_string(u) + "-" + std::to_string(b);
      if (r.room.size() > 6) r.room.resize(6);
      out.push_back(r);
    }
  }
  return out;
}

std::string rosterDiet(const DemoResident& r) {
  std::string diet;
  for (int k = 1; k <= 4; ++k) {
    if (r.dietPart[k].empty()) continue;
    if (!diet.empty()) diet += ' ';
    diet += trim(r.dietPart[k]);
  }
  return diet;
}

}  // namespace mc::demo
