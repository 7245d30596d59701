#include "data/drive_map.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

#include "data/text.h"

namespace fs = std::filesystem;

namespace mc {

namespace {

// Windows drops trailing dots and blanks from a file or folder name, so
// "\setup\Mcardset." names the file "Mcardset".
std::string windowsName(std::string_view part) {
  size_t e = part.size();
  while (e > 0 && (part[e - 1] == '.' || part[e - 1] == ' ')) --e;
  if (e == 0) return std::string(part);  // "." and ".." stay
  return std::string(part.substr(0, e));
}

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && upper(a) == upper(b);
}

// The entry of dir whose name matches part in any case; an exact match wins,
// then the first match in name order so that the choice is stable.
std::optional<fs::path> matchEntry(const fs::path& dir, const std::string& part) {
  std::error_code ec;
  const fs::path exact = dir / part;
  if (fs::exists(exact, ec)) return exact;
  std::optional<std::string> best;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (sameName(name, part) && (!best || name < *best)) best = name;
  }
  if (best) return dir / *best;
  return std::nullopt;
}

}  // namespace

WindowsPath splitWindowsPath(std::string_view path) {
  WindowsPath out;
  std::string_view rest = path;
  if (rest.size() >= 2 && rest[1] == ':' && std::isalpha(static_cast<unsigned char>(rest[0]))) {
    out.drive = static_cast<char>(std::tolower(static_cast<unsigned char>(rest[0])));
    rest.remove_prefix(2);
  } else if (!rest.empty() && (rest[0] == '\\' || rest[0] == '/')) {
    out.drive = 'c';
  }
  std::string current;
  auto flush = [&] {
    if (current.empty() || current == ".") {
    } else if (current == "..") {
      if (!out.parts.empty()) out.parts.pop_back();
    } else {
      out.parts.push_back(windowsName(current));
    }
    current.clear();
  };
  for (char c : rest) {
    if (c == '\\' || c == '/') {
      flush();
    } else {
      current += c;
    }
  }
  flush();
  return out;
}

bool wildcardMatch(std::string_view pattern, std::string_view name) {
  const std::string p = upper(pattern), n = upper(name);
  size_t pi = 0, ni = 0, star = std::string::npos, mark = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == '?' || p[pi] == n[ni])) {
      ++pi, ++ni;
    } else if (pi < p.size() && p[pi] == '*') {
      star = pi++, mark = ni;
    } else if (star != std::string::npos) {
      pi = star + 1, ni = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

DriveMap::DriveMap(fs::path driveFolder) : root_(std::move(driveFolder)) {}

std::optional<fs::path> DriveMap::driveRoot(char letter) const {
  if (root_.empty() || letter == 0) return std::nullopt;
  const std::string plain(1, letter);
  if (auto p = matchEntry(root_, plain)) return p;
  if (auto p = matchEntry(root_, plain + ":")) return p;
  return std::nullopt;
}

std::optional<fs::path> DriveMap::hostPath(std::string_view windowsPath) const {
  const WindowsPath wp = splitWindowsPath(windowsPath);
  auto root = driveRoot(wp.drive);
  if (!root) return std::nullopt;
  fs::path p = *root;
  bool matching = true;
  for (const std::string& part : wp.parts) {
    if (matching) {
      if (auto m = matchEntry(p, part)) {
        p = *m;
        continue;
      }
      matching = false;
    }
    p /= part;
  }
  return p;
}

bool DriveMap::fileExists(std::string_view windowsPath) const {
  std::error_code ec;
  auto p = hostPath(windowsPath);
  return p && fs::is_regular_file(*p, ec);
}

bool DriveMap::exists(std::string_view windowsPath) const {
  std::error_code ec;
  auto p = hostPath(windowsPath);
  return p && fs::exists(*p, ec);
}

bool DriveMap::folderExists(std::string_view windowsPath) const {
  std::error_code ec;
  auto p = hostPath(windowsPath);
  return p && fs::is_directory(*p, ec);
}

std::optional<std::uintmax_t> DriveMap::fileSize(std::string_view windowsPath) const {
  std::error_code ec;
  auto p = hostPath(windowsPath);
  if (!p || !fs::is_regular_file(*p, ec)) return std::nullopt;
  const auto size = fs::file_size(*p, ec);
  if (ec) return std::nullopt;
  return size;
}

std::vector<char> DriveMap::drives() const {
  std::vector<char> out;
  std::error_code ec;
  for (char c = 'a'; c <= 'z'; ++c) {
    if (auto r = driveRoot(c); r && fs::is_directory(*r, ec)) out.push_back(c);
  }
  return out;
}

RecordFile DriveMap::readRecords(std::string_view windowsPath, int recordLength) const {
  auto p = hostPath(windowsPath);
  if (!p) return RecordFile({}, recordLength, false);
  return RecordFile::read(*p, recordLength);
}

bool DriveMap::writeRecord(std::string_view windowsPath, int recordLength, long n,
                           std::string_view record) const {
  auto p = hostPath(windowsPath);
  return p && mc::writeRecord(*p, recordLength, n, record);
}

std::string DriveMap::readAll(std::string_view windowsPath) const {
  return readRecords(windowsPath, 1).bytes();
}

bool DriveMap::writeAll(std::string_view windowsPath, std::string_view bytes) const {
  auto p = hostPath(windowsPath);
  if (!p) return false;
  std::ofstream out(*p, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool DriveMap::copyFile(std::string_view from, std::string_view to) const {
  auto src = hostPath(from), dst = hostPath(to);
  std::error_code ec;
  if (!src || !dst || !fs::is_regular_file(*src, ec)) return false;
  fs::copy_file(*src, *dst, fs::copy_options::overwrite_existing, ec);
  return !ec;
}

bool DriveMap::removeFile(std::string_view windowsPath) const {
  auto p = hostPath(windowsPath);
  std::error_code ec;
  return p && fs::is_regular_file(*p, ec) && fs::remove(*p, ec);
}

int DriveMap::removeFiles(std::string_view windowsPattern) const {
  const WindowsPath wp = splitWindowsPath(windowsPattern);
  if (wp.parts.empty()) return 0;
  const size_t slash = windowsPattern.find_last_of("\\/");
  const std::string folder(windowsPattern.substr(0, slash == std::string_view::npos ? 0 : slash));
  auto dir = hostPath(folder.empty() ? std::string(1, wp.drive) + ":\\" : folder);
  std::error_code ec;
  if (!dir || !fs::is_directory(*dir, ec)) return 0;
  std::vector<fs::path> doomed;
  for (fs::directory_iterator it(*dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec) && wildcardMatch(wp.parts.back(), it->path().filename().string()))
      doomed.push_back(it->path());
  }
  int removed = 0;
  for (const auto& p : doomed) removed += fs::remove(p, ec) ? 1 : 0;
  return removed;
}

bool DriveMap::createFolder(std::string_view windowsPath) const {
  auto p = hostPath(windowsPath);
  std::error_code ec;
  if (!p) return false;
  fs::create_directories(*p, ec);
  return fs::is_directory(*p, ec);
}

}  // namespace mc
