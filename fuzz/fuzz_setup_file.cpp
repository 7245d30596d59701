// The setup file is written by another program and read at every start:
// any bytes must leave a usable facility (or none) and never crash. The
// first byte chooses where the bytes go: even, the setup file on drive c;
// odd, the find file a:\find.kvt, with the same bytes also written as
// c:\x\f.kvt so that a find file naming "c:\x" leads somewhere.
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "data/setup_file.h"

namespace {

namespace fs = std::filesystem;

class FixedClock : public mc::Clock {
 public:
  mc::DateTime now() const override { return {{2026, 12, 1}, 10, 5, 0}; }
};

// One drive folder per fuzzing process. libFuzzer leaves with _Exit, so a
// process cannot clean up after itself: each new one removes the folders of
// processes that are gone.
const fs::path& root() {
  static const fs::path dir = [] {
    const fs::path tmp = fs::temp_directory_path();
    const std::string prefix = "mealcards_fuzz_setup_file.";
    std::error_code ec;
    for (fs::directory_iterator it(tmp, ec), end; !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      if (name.rfind(prefix, 0) != 0) continue;
      const long pid = std::atol(name.c_str() + prefix.size());
      if (pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
        std::error_code ignored;
        fs::remove_all(it->path(), ignored);
      }
    }
    const fs::path mine = tmp / (prefix + std::to_string(getpid()));
    fs::create_directories(mine, ec);
    return mine;
  }();
  return dir;
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
