// The setup file is written by another program and read at every start:
// any bytes must leave a usable facility (or none) and never crash. The
// first byte chooses where the bytes go: even, the setup file on drive c;
// odd, the find file a:\find.kvt, with the same bytes also written as
// c:\x\f.kvt so that a find file naming "c:\x" leads somewhere.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "data/setup_file.h"
#include "fuzz_drive.h"

namespace {

namespace fs = std::filesystem;

class FixedClock : public mc::Clock {
 public:
  mc::DateTime now() const override { return {{2026, 12, 1}, 10, 5, 0}; }
};

// One drive folder per fuzzing process (see fuzz_drive.h).
const fs::path& root() {
  static const fuzz::Drive drive("fuzz_setup_file");
  return drive.root;
}

void write(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::error_code ec;
  const fs::path setupFile = root() / "c" / "dnv" / "setup" / "F.kvt";
  const fs::path findFile = root() / "a" / "find.kvt";
  if (data[0] % 2 == 0) {
    fs::remove(findFile, ec);
    write(setupFile, bytes);
  } else {
    fs::remove(setupFile, ec);
    write(findFile, bytes);
    write(root() / "c" / "x" / "f.kvt", bytes);
  }
  const mc::DriveMap drives(root());
  const std::string path = mc::FindSetupFile(drives);
  if (path.empty()) return 0;
  mc::Facility facility;
  mc::SetupFile setup(drives, path);
  setup.readHead(facility);
  setup.readValues(facility, FixedClock());
  if (facility.SiteCode.empty() || facility.Folders.empty() || facility.SetupStyle < 1 ||
      facility.SetupStyle > 4)
    std::abort();
  // A generated code goes back into the file; reading again must keep it.
  mc::Facility again;
  mc::SetupFile reread(drives, path);
  reread.readHead(again);
  reread.readValues(again, FixedClock());
  if (again.SiteCode != facility.SiteCode) std::abort();
  return 0;
}
