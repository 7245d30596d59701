// The demo facility's setup file "F.kvt": facility code, units, folder
// table, default unit and resident, name, setup date and values, style and
// site code. No custom-title file is written, so the window keeps its
// ordinary caption.
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "data/record_file.h"
#include "demo.h"

namespace mc::demo {

namespace {

constexpr int kLength = 32;

std::string twoDigits(int n) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%2d", n);
  return buf;
}

void writeSetup(const DriveMap& drives, const DemoOptions& options) {
  const std::vector<DemoUnit> unitList = units(options);
  const int unitCount = static_cast<int>(unitList.size());
  if (unitCount > 99) {
    std::cerr << "make_demo_facility: the setup file holds at most 99 nursing units\n";
    std::exit(2);
  }
  // The sample resident: bed 3 of unit 1 in the hand-made facility, the
  // first resident of unit 1 in a generated one.
  int bed = 3;
  std::string file = "RS00103";
  if (options.units > 0 && options.residentsPerUnit > 0) {
    for (const DemoResident& r : residents(options)) {
      if (r.unit != 1) continue;
      bed = r.bed;
      file = r.file;
      break;
    }
  }
  auto put = [&](long n, const std::string& record) {
    putRecord(drives, kSetupFile, kLength, n, record);
  };
  put(1, Rec(kLength)
             .field(1, 3, kFacCode)
             .field(4, 5, twoDigits(unitCount))
             .field(6, 7, twoDigits(kFolderCount))
             .field(8, 9, " 1")
             .field(10, 11, twoDigits(bed))
             .field(16, 22, file));
  put(2, Rec(kLength));
  put(3, Rec(kLength));
  put(4, Rec(kLength).field(1, 29, kFacilityName));
  for (int u = 1; u <= unitCount; ++u) {
    char beds[8];
    std::snprintf(beds, sizeof beds, "%3d", unitList[u - 1].maxBeds);
    put(4 + u, Rec(kLength).field(1, 3, beds).field(4, 23, unitList[u - 1].name));
  }
  for (int f = 1; f <= kFolderCount; ++f) put(4 + unitCount + f, Rec(kLength).field(1, 32, folder(f)));
  const long dates = 35L + unitCount + kFolderCount;
  // The values after the setup date belong to the facility's setup program;
  // the demo fills them as a site would (cycle start and end dates, meal
  // times, a three-letter option).
  put(dates, Rec(kLength).field(7, 14, "12-01-26").field(15, 22, "11-30-26").field(23, 30, "02-28-27"));
  put(dates + 1, Rec(kLength).field(1, 8, "07:30 AM").field(9, 16, "05:00 PM").field(17, 19, "YES"));
  put(dates + 2, Rec(kLength).field(1, 14, "MAPLE GROVE"));
  put(200, Rec(kLength).field(9, 9, "1").field(17, 19, "MG7"));
}

const DemoPart setupPart(10, "setup file", &writeSetup);

}  // namespace

}  // namespace mc::demo
