// A menu day's menu file as a damaged disk or the menu editor may leave it.
// The first byte picks the resident's diet (see meal_lines_check.h); the
// rest is the menu file, read for every diet variant. Every food it names
// is found in an item file that approves it for every diet, with a
// mechanical-soft substitute and letter codes, so that each line's path
// through the item look-up is taken.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/data_file_names.h"
#include "data/record_file.h"
#include "data/text.h"
#include "meal_lines_check.h"

namespace {

std::string itemFile() {
  std::string bytes;
  for (int n = 1; n <= 60; ++n) {
    mc::Rec r(mc::MenuFiles::kItemRecordLength);
    r.field(12, 36, "FOOD " + std::to_string(n)).field(38, 40, std::to_string(n % 7 == 0 ? n + 1 : 0));
    if (n % 5 == 0) r.field(131, 134, n % 10 == 0 ? "E" : "H");
    for (int j = 0; j < 15; ++j) r.at(54 + 2 * j, (n % 3 == 0 && j == 1) ? " " : "x");
    bytes += r.str();
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::MealScene scene;
  static const std::string items = itemFile();
  if (size == 0) return 0;
  const std::string menu(reinterpret_cast<const char*>(data) + 1, size - 1);
  mc::MenuFiles files;
  for (int file = 1; file <= 7; ++file)
    files.put(mc::menuFilePath(scene.facility, "FZ", 1, file), menu, mc::MenuFiles::kMenuRecordLength);
  // Every category the menu names has the item file.
  const mc::RecordFile records(menu, mc::MenuFiles::kMenuRecordLength, true);
  for (long n = 1; n <= records.recordCount(); ++n) {
    const std::string category = mc::trim(mc::columns(records.view(n), 6, 13));
    if (!category.empty()) files.put(mc::itemFilePath(scene.facility, category), items, mc::MenuFiles::kItemRecordLength);
  }
  fuzz::buildAndCheck(scene, files, data[0]);
  return 0;
}
