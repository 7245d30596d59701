// The facility's dining location file as a damaged disk or another
// program may leave it. Every location a card can name is found again by
// its abbreviation, and look-ups never pass the 200 records a card reads.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_drive.h"
#include "printrun/dining_locations.h"
#include "printrun/run_paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::Drive drive("fuzz_dining_file");
  drive.write(mc::diningFilePath(drive.facility), std::string_view(reinterpret_cast<const char*>(data), size));
  mc::DiningLocations dining;
  dining.read(drive.drives, drive.facility);
  if (!dining.exists() || dining.count() > mc::DiningLocations::kMaxRecords) __builtin_trap();
  for (long n = 1; n <= dining.count(); ++n) {
    const std::string abbr = dining.abbreviation(n);
    if (abbr.size() != 3 || dining.description(n).size() != 38) __builtin_trap();
    const long found = dining.find(abbr);
    if (found < 1 || found > n || dining.abbreviation(found) != abbr) __builtin_trap();
  }
  if (dining.find("@@@") > dining.count()) __builtin_trap();
  return 0;
}
