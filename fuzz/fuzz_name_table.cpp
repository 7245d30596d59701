// The facility's like/dislike name table as another program or a damaged
// disk may leave it. Every name read must be a name a card can print: at
// most 20 characters, trimmed, without control characters (a table whose
// line ends moved put them inside names). A table with bytes no editor
// writes is always named damaged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/data_file_names.h"
#include "data/name_table.h"
#include "fuzz_drive.h"

namespace {

bool printable(const std::string& name) {
  if (name.empty()) return true;
  for (char c : name)
    if (static_cast<unsigned char>(c) < 32) return false;
  return name.size() <= 20 && name.front() != ' ' && name.back() != ' ';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::Drive drive("fuzz_name_table");
  drive.write(mc::nameTablePath(drive.facility), std::string_view(reinterpret_cast<const char*>(data), size));
  const mc::NameTable table = mc::ReadNameTable(drive.drives, drive.facility);
  if (!table.loaded) __builtin_trap();
  for (size_t i = 0; i < size; ++i)
    if (data[i] == 0 && i % 22 != 0 && table.damage.empty()) __builtin_trap();
  for (int i = 1; i <= 30; ++i)
    if (!printable(table.LikeNames[i]) || !printable(table.DislikeNames[i])) __builtin_trap();
  return 0;
}
