// The settings file as a facility might leave it: torn, full of zero bytes,
// written by hand. The input's first byte picks how the program is called
// (reset pending, call mode, Save Settings, the set to save, no printers);
// the rest is the settings file, and after a line "#menuset#" the menu-set
// file. Load, save, load, save, load, save must not crash, must leave the
// menu-set file alone unless a reset blanks it, and must settle: the second
// save writes what the third writes.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

#include "data/drive_map.h"
#include "data/facility.h"
#include "settings/printer_selection.h"
#include "settings/settings_file.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMarker = "\n#menuset#\n";

const fs::path& driveFolder() {
  static const fs::path dir = [] {
    std::string name = (fs::temp_directory_path() / "fuzz-settings-XXXXXX").string();
    if (!mkdtemp(name.data())) std::abort();
    fs::create_directories(fs::path(name) / "c" / "dnv" / "setup");
    return fs::path(name);
  }();
  return dir;
}

void writeFile(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t flags = data[0];
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const size_t at = rest.find(kMarker);
  const fs::path setup = driveFolder() / "c" / "dnv" / "setup";
  const fs::path settingsPath = setup / "Mcardset.FZ", menuSetPath = setup / "menuset.FZ";
  std::error_code ec;
  fs::remove(menuSetPath, ec);
  writeFile(settingsPath, rest.substr(0, at));
  std::string menuSet;
  if (at != std::string_view::npos) {
    menuSet = rest.substr(at + kMarker.size());
    writeFile(menuSetPath, menuSet);
  }

  const mc::DriveMap drives(driveFolder());
  mc::Facility facility;
  facility.FacCode = "FZ";
  facility.SiteCode = "284";
  facility.Folders.assign(40, "c:\\dnv");
  mc::SettingsModel model;
  if (flags & 0x80) mc::fillPrinterList(mc::FixedPrinterList({}, ""), model);
  else mc::fillPrinterList(mc::FixedPrinterList({"Office", std::string(40, 'K')}, "Office"), model);
  const mc::SettingsFile file(drives, facility);

  static constexpr int16_t kModes[4] = {mc::callmode::None, mc::callmode::Reload, mc::callmode::Startup,
                                        mc::callmode::ControlKey};
  model.ResetPending = flags & 1;
  model.CallMode = kModes[(flags >> 1) & 3];
  file.GetSet(model);
  if (model.LoadingGuard != 0) std::abort();
  model.ResetPending = 0;
  model.CallMode = mc::callmode::None;
  if (!(flags & 1) && readFile(menuSetPath) != menuSet) std::abort();

  model.SaveRanges = (flags >> 3) & 1;
  model.CurrentSet = static_cast<int16_t>((flags >> 4) & 7);  // 0 and 7 too
  file.SaveSet(model);
  file.GetSet(model);
  file.SaveSet(model);
  const std::string second = readFile(settingsPath);
  file.GetSet(model);
  file.SaveSet(model);
  if (readFile(settingsPath) != second) std::abort();
  file.SetSetNo(model);
  return 0;
}
