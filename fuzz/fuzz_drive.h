// A drive folder of one's own for a fuzzing process, with the facility's
// folder table pointing into it. libFuzzer leaves with _Exit, so a process
// cannot clean up after itself: each new one removes the folders of
// processes that are gone.
#pragma once

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "data/drive_map.h"
#include "data/facility.h"

namespace fuzz {

namespace fs = std::filesystem;

struct Drive {
  fs::path root;
  mc::DriveMap drives;
  mc::Facility facility;

  explicit Drive(const std::string& target) {
    const fs::path tmp = fs::temp_directory_path();
    const std::string prefix = "mealcards_" + target + ".";
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
    root = tmp / (prefix + std::to_string(getpid()));
    fs::create_directories(root / "c" / "dnv", ec);
    drives = mc::DriveMap(root);
    facility.FacCode = "FZ";
    facility.Folders.assign(45, "c:\\dnv");
  }

  // Writes the file at a Windows path of the facility, folders and all.
  void write(const std::string& windowsPath, std::string_view bytes) const {
    const fs::path host = *drives.hostPath(windowsPath);
    std::error_code ec;
    fs::create_directories(host.parent_path(), ec);
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
};

// Takes a part of at most 65535 bytes, length first (little-endian), off
// the front of the input.
inline std::string_view take(std::string_view& in) {
  if (in.size() < 2) return in.substr(0, 0);
  const size_t n = static_cast<unsigned char>(in[0]) | static_cast<unsigned char>(in[1]) << 8;
  in.remove_prefix(2);
  const std::string_view part = in.substr(0, n);
  in.remove_prefix(part.size());
  return part;
}

}  // namespace fuzz
