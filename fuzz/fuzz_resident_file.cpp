// Fuzzes the resident loader with files it does not own. The input is
// split into a settings byte, a like/dislike name table, a diet file and the
// resident data file:
//   byte 0: HIPAA setting (low 3 bits), clip-art option (bit 3)
//   bytes 1-2: length of the name table (little-endian), then its bytes
//   bytes 3-4: length of the diet file, then its bytes
//   the rest: the resident data file, its records 1..160 and then, when the
//   input goes on, records 773 onward (the loader reads nothing in between,
//   so short inputs reach every field)
// Each input is loaded under every meal order and turned into JSON.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "data/data_file_names.h"
#include "data/name_table.h"
#include "data/resident_json.h"
#include "data/resident_loader.h"
#include "fuzz_drive.h"

namespace {

namespace fs = std::filesystem;

struct Scene {
  fs::path root;
  mc::DriveMap drives;
  mc::Facility facility;
  mc::DietFile diet;

  Scene() {
    root = fs::temp_directory_path() / ("mealcards-fuzz-resident-" + std::to_string(::getpid()));
    fs::create_directories(root / "c" / "dnv" / "res" / "dataFZ");
    fs::create_directories(root / "c" / "dnv" / "diets");
    drives = mc::DriveMap(root);
    facility.FacCode = "FZ";
    facility.Folders.assign(45, "c:\\dnv");
    facility.Folders[1] = "c:\\dnv\\res";
    facility.Folders[38] = "c:\\dnv\\diets";
  }
  ~Scene() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }

  void write(const std::string& windowsPath, std::string_view bytes) const {
    std::ofstream out(*drives.hostPath(windowsPath), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Scene scene;
  std::string_view in(reinterpret_cast<const char*>(data), size);
  if (in.empty()) return 0;
  const auto settings = static_cast<unsigned char>(in[0]);
  in.remove_prefix(1);
  const std::string_view names = fuzz::take(in);
  const std::string_view diet = fuzz::take(in);

  scene.write(mc::nameTablePath(scene.facility), names);
  scene.write(scene.facility.folder(39) + "\\dietFZ", diet);
  constexpr size_t kHead = 160 * 82, kTailStart = 772 * 82;
  std::string resident(in.substr(0, kHead));
  if (in.size() > kHead) {
    resident.resize(kTailStart, ' ');
    resident += in.substr(kHead);
  }
  scene.write(mc::residentDataPath(scene.facility, "RS00001"), resident);

  const mc::NameTable table = mc::ReadNameTable(scene.drives, scene.facility);
  mc::ResidentLoadOptions options;
  options.Hipaa = settings & 7;
  options.ClipArt = (settings & 8) != 0;
  options.names = &table;
  mc::ResidentRecord record;
  record.ResidentFile = "RS00001";
  for (const char* order : {"", "BLS", "LSB", "SBL", "BBB", "LLL", "SSS"}) {
    options.MealOrder = order;
    record.Loaded = false;
    mc::LoadResident(record, scene.diet, scene.drives, scene.facility, options);
    if (record.SpecialLineCount != 6 || record.Diet.size() < 3) __builtin_trap();
  }
  if (mc::ResidentJson(record, "SSS").empty()) __builtin_trap();
  return 0;
}
