// The tray line: the meal-order file assembled from a nursing unit's roster
// and the dining location file as a damaged disk or another program may
// leave them, and read back as the print run reads it. Input: the meal
// order (byte 0), the last dining location of the range (byte 1), the
// dining file (length first, see fuzz_drive.h), then the roster of the one
// nursing unit. The residents the roster names get data files; each one
// due a tray is on the line exactly once per meal.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "data/data_file_names.h"
#include "data/meal_order.h"
#include "data/roster.h"
#include "data/text.h"
#include "fuzz_drive.h"
#include "printrun/meal_order_file.h"
#include "printrun/run_paths.h"

namespace {

namespace fs = std::filesystem;

bool plainName(const std::string& name) {
  if (name.empty()) return false;
  for (char c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzz::Drive drive("fuzz_meal_order_file");
  static const char* const orders[] = {"BLS", "LSB", "SBL", "BBB", "LLL", "SSS", "BL", "S", ""};
  if (size < 2) return 0;
  std::string_view in(reinterpret_cast<const char*>(data) + 2, size - 2);
  const std::string order = orders[data[0] % 9];
  drive.write(mc::diningFilePath(drive.facility), fuzz::take(in));
  const std::string roster(in);
  drive.write(mc::rosterPath(drive.facility, 1), roster);
  drive.facility.units = {{40, "Unit 1"}};

  const mc::RecordFile records(roster, mc::roster::kRecordLength, true);
  std::set<std::string> residents;
  std::error_code ec;
  fs::remove_all(*drive.drives.hostPath(drive.facility.folder(2)) / "dataFZ", ec);
  for (long n = 1; n <= std::min(40L, records.recordCount()); ++n) {
    const std::string name = mc::trim(mc::roster::residentFile(records.view(n)));
    if (plainName(name) && residents.insert(mc::upper(name)).second)
      drive.write(mc::residentDataPath(drive.facility, name), "");
  }

  // Everyone due a tray: a resident with a data file, at the roster's first
  // listing of the file, not away nor fed by tube, with no "X" for the meal.
  std::array<std::set<std::string>, 4> due;
  std::set<std::string> listed;
  for (long n = 1; n <= std::min(40L, records.recordCount()); ++n) {
    const std::string_view rec = records.view(n);
    const std::string name = mc::upper(mc::trim(mc::roster::residentFile(rec)));
    if (name.empty() || !listed.insert(name).second || !residents.count(name)) continue;
    const std::string diet = mc::rtrim(mc::upper(mc::columns(rec, mc::roster::kDietFrom, mc::roster::kDietTo)));
    if (mc::column(rec, mc::roster::kAwayColumn) == 'H' || mc::startsWith(diet, "TUBE") || diet == "TPN" ||
        diet == "NPO")
      continue;
    for (int meal = 1; meal <= 3; ++meal)
      if (!mc::contains(mc::roster::location(rec, meal), "X")) due[meal].insert(name);
  }

  mc::MealOrderRequest request;
  request.MealOrder = order;
  request.lastLocation = data[1];
  request.lastUnit = 1;
  request.lastResident = 40;
  const mc::ResidentRange range = mc::MakeDLF(drive.drives, drive.facility, request);
  if (!range.written || range.first != 1 || range.last < 1) __builtin_trap();

  const mc::RecordFile line = drive.drives.readRecords(mc::mealOrderFilePath(drive.facility), mc::kMealOrderRecordLength);
  if (line.recordCount() != range.last - 1) __builtin_trap();
  // Only residents of the roster with a data file reach the tray line, each
  // once per meal however often the roster lists them.
  for (long n = 1; n <= line.recordCount(); ++n)
    for (int position = 1; position <= 3; ++position) {
      const std::string file = mc::upper(mc::trim(mc::mealOrderResidentFile(line.view(n), order, position)));
      if (!file.empty() && !residents.count(file)) __builtin_trap();
    }
  for (const mc::MealColumns& meal : mc::kMealColumns) {
    const char letter = "BLS"[meal.meal - 1];
    std::set<std::string> seen;
    for (long n = 1; n <= line.recordCount(); ++n) {
      const std::string file = mc::upper(mc::trim(mc::mealOrderResidentFile(line.view(n), {&letter, 1}, 1)));
      if (!file.empty() && !seen.insert(file).second) __builtin_trap();
    }
    if (mc::MealOrder::parse(order).text().find(letter) != std::string::npos && seen != due[meal.meal])
      __builtin_trap();
  }
  return 0;
}
