// The facility's diet file as a damaged disk or another program may leave
// it. The first four bytes are a resident's diet codes 1..4 (0..255, so
// that tube feeding, nothing by mouth and codes past the file come up);
// the rest is the diet file. The diet's selectors, approval mask and meal
// patterns are read as a print run reads them, and must stay in shape.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/data_file_names.h"
#include "data/diet_file.h"
#include "fuzz_drive.h"
#include "printrun/meal_pattern.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::Drive drive("fuzz_diet_file");
  static mc::DietFile dietFile;
  if (size < 4) return 0;
  const std::string path = mc::dietFilePaths(drive.facility, "").facility;
  drive.write(path, std::string_view(reinterpret_cast<const char*>(data) + 4, size - 4));
  mc::ResidentRecord resident;
  for (int k = 1; k <= 4; ++k) resident.DietCode[k] = data[k - 1];
  mc::LoadDietFile(resident, dietFile, drive.drives, drive.facility, "");
  if (resident.DietMask.size() != 20) __builtin_trap();
  for (char c : resident.DietMask)
    if (c != ' ' && c != 'x' && c != '*') __builtin_trap();
  // The first code given is the primary diet, wherever it stood.
  if (resident.DietCode[1] == 0 && (resident.DietCode[2] || resident.DietCode[3] || resident.DietCode[4]))
    __builtin_trap();
  for (const std::string& line : mc::mealPatternLines(dietFile, resident.DietCode))
    if (line.size() > 80) __builtin_trap();
  for (const std::string& portions : mc::mealPortionStrings(dietFile, resident.DietCode))
    if (portions.size() > 8) __builtin_trap();
  return 0;
}
