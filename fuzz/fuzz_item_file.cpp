// A food category's item file as a damaged disk or the menu editor may
// leave it. The first byte picks the resident's diet (see
// meal_lines_check.h); the rest is the item file of every category of a
// menu day whose lines name items 1 to 120 under every variant, house and
// select lines, with the pseudo select menus' alternates.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/data_file_names.h"
#include "data/record_file.h"
#include "meal_lines_check.h"

namespace {

std::string menuFile(const fuzz::MealScene& scene) {
  static const char* const categories[] = {"ENTREE", "VEGETA", "STARCH", "DESSRT", "CONDIMNT", "BREAD"};
  static const char* const meals[] = {"", "BK", "LH", "SP"};
  mc::RecordFile menu({}, mc::MenuFiles::kMenuRecordLength, true);
  int item = 1;
  for (int meal = 1; meal <= 3; ++meal) {
    for (int rec = scene.tables.MealLines[meal][1]; rec <= scene.tables.MealLines[meal][1] + 12; ++rec) {
      mc::Rec r(mc::MenuFiles::kMenuRecordLength);
      r.at(2, meals[meal]).at(4, rec % 2 ? "*" : (rec % 5 ? " " : "W")).field(6, 13, categories[rec % 6]);
      for (int v = 1; v <= 7; ++v)
        r.field(scene.tables.VariantColumn[v], scene.tables.VariantColumn[v] + 24,
                std::to_string((item + v * 17) % 120 + 1) + " FOOD");
      if (rec % 4 == 0) r.at(19, rec % 8 ? "ALT MT:MEAT ALTERNATE" : "ALT VG:GREEN BEANS");
      menu.put(rec, r.str());
      ++item;
    }
  }
  return std::string(menu.bytes());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::MealScene scene;
  static const std::string menu = menuFile(scene);
  if (size == 0) return 0;
  const std::string items(reinterpret_cast<const char*>(data) + 1, size - 1);
  mc::MenuFiles files;
  for (int file = 1; file <= 7; ++file)
    files.put(mc::menuFilePath(scene.facility, "FZ", 1, file), menu, mc::MenuFiles::kMenuRecordLength);
  for (const char* category : {"ENTREE", "VEGETA", "STARCH", "DESSRT", "CONDIMNT", "BREAD"})
    files.put(mc::itemFilePath(scene.facility, category), items, mc::MenuFiles::kItemRecordLength);
  fuzz::buildAndCheck(scene, files, data[0]);
  return 0;
}
