// A nursing unit's roster as a damaged disk or another program may leave
// it. The first byte is the unit's max beds from the setup file (as a
// signed byte, so that zero and negative counts come up); the rest is the
// roster. The checks must name every problem without crashing, and every
// record must give a resident file name and tray-line places.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/record_file.h"
#include "data/roster.h"
#include "printrun/meal_order_file.h"
#include "printrun/resident_selection.h"
#include "printrun/roster_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int maxBeds = static_cast<int8_t>(data[0]);
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const mc::RecordFile roster(bytes, mc::roster::kRecordLength, true);
  const auto problems = mc::rosterProblems(roster, maxBeds);
  // A roster with bytes no census program writes is always named.
  for (unsigned char c : bytes)
    if (c == 0 && problems.empty()) __builtin_trap();
  for (const auto& p : problems)
    if (p.what.empty() || p.bed < 0) __builtin_trap();
  for (long n = 1; n <= roster.recordCount(); ++n) {
    if (mc::rosterResidentFile(roster.view(n)).size() > 7) __builtin_trap();
    for (const char* order : {"BLS", "LSB", "SBL", "BBB", "LLL", "SSS"})
      for (int position = 1; position <= 3; ++position)
        if (mc::mealOrderResidentFile(roster.view(n), order, position).size() > 7) __builtin_trap();
  }
  return 0;
}
