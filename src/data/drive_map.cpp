#include "data/drive_map.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <chrono>
#include <fstream>
#include <system_error>

#include "data/atomic_file.h"
#include "data/text.h"

namespace fs = std::filesystem;

namespace mc {

namespace {

constexpr const char* kNotMapped = "the drive is not mapped";

// Windows drops trailing dots and blanks from a file or folder name, so
// "\setup\Mcardset." names the file "Mcardset".
std::string windowsName(std::string_view part) {
  size_t e = part.size();
  while (e > 0 && (part[e - 1] == '.' || part[e - 1] == ' ')) --e;
  if (e == 0) return std::string(part);  // "." and ".." stay
  return std::string(part.substr(0, e));
}

// The folder part of a path in the case-blind form that names it in the
// cache of folders found ("C\\DNV\\RES").
std::string folderKeyOf(const WindowsPath& wp) {
  std::string key(1, wp.drive);
  for (size_t i = 0; i + 1 < wp.parts.size(); ++i) key += '\\' + upper(wp.parts[i]);
  return key;
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

// The entry of dir whose name matches part in any case; an exact match wins,
// then the first match in name order so that the choice is stable.
std::optional<fs::path> DriveMap::matchEntry(const fs::path& dir, const std::string& part,
                                             fs::file_status* status, bool* folderSeen) const {
  std::error_code ec;
  // A folder listed before and unchanged since answers from its listing at
  // the price of one look at the folder: a run asks the pictures folder for
  // three names of every resident, and most are not there.
  if (const auto it = listings_.find(dir.native()); it != listings_.end() && it->second.kept) {
    const auto modified = fs::last_write_time(dir, ec);
    if (!ec && modified == it->second.modified) {
      if (folderSeen) *folderSeen = true;
      const Listing& listing = it->second;
      const std::string* name = listing.exact.count(part) ? &part : nullptr;
      if (!name) {
        const auto found = listing.byUpper.find(upper(part));
        if (found == listing.byUpper.end()) return std::nullopt;
        name = &found->second;
      }
      fs::path p = dir / *name;
      if (status) *status = fs::status(p, ec);
      return p;
    }
  }
  fs::path exact = dir / part;
  const fs::file_status st = fs::status(exact, ec);
  if (fs::exists(st)) {
    if (status) *status = st;
    if (folderSeen) *folderSeen = true;
    return exact;
  }
  const std::string* name = listedName(dir, part, folderSeen);
  if (!name) return std::nullopt;
  fs::path found = dir / *name;
  if (status) *status = fs::status(found, ec);
  return found;
}

const std::string* DriveMap::listedName(const fs::path& dir, const std::string& part, bool* folderSeen) const {
  std::error_code ec;
  const auto modified = fs::last_write_time(dir, ec);
  if (ec) return nullptr;
  if (folderSeen) *folderSeen = true;
  auto it = listings_.find(dir.native());
  if (it == listings_.end() || !it->second.kept || it->second.modified != modified) {
    Listing listing;
    listing.modified = modified;
    // File times are coarse: a name added in the same tick as the listing
    // would leave the folder's time unchanged. A listing is reused only for
    // a folder that has been left alone for a while.
    listing.kept = fs::file_time_type::clock::now() - modified > std::chrono::seconds(2);
    for (fs::directory_iterator entry(dir, ec), end; !ec && entry != end; entry.increment(ec)) {
      std::string name = entry->path().filename().string();
      listing.exact.insert(name);
      auto [slot, added] = listing.byUpper.try_emplace(upper(name), name);
      if (!added && name < slot->second) slot->second = std::move(name);
    }
    it = listings_.insert_or_assign(dir.native(), std::move(listing)).first;
  }
  const auto found = it->second.byUpper.find(upper(part));
  return found == it->second.byUpper.end() ? nullptr : &found->second;
}

std::optional<fs::path> DriveMap::resolve(std::string_view windowsPath, fs::file_status* status) const {
  const WindowsPath wp = splitWindowsPath(windowsPath);
  if (wp.drive == 0) return std::nullopt;
  const std::string folderKey = folderKeyOf(wp);

  fs::path p;
  size_t next = 0;  // the first part still to resolve
  bool matching = true;
  const auto cached = wp.parts.empty() ? folders_.end() : folders_.find(folderKey);
  if (cached != folders_.end()) {
    p = cached->second;
    next = wp.parts.size() - 1;
  } else {
    auto root = driveRoot(wp.drive);
    if (!root) return std::nullopt;
    p = *root;
  }
  if (status) {
    std::error_code ec;
    *status = wp.parts.empty() ? fs::status(p, ec) : fs::file_status(fs::file_type::not_found);
  }
  bool found = false;       // the whole path is on disk
  bool folderSeen = false;  // the cached folder, looked at in this lookup
  for (size_t i = next; i < wp.parts.size(); ++i) {
    if (matching) {
      const bool last = i + 1 == wp.parts.size();
      if (auto m = matchEntry(p, wp.parts[i], last ? status : nullptr, i == next ? &folderSeen : nullptr)) {
        p = *m;
        found = last;
        // A folder found on disk keeps its spelling for the next lookups:
        // a print run resolves the same few folders for every resident.
        if (i + 2 == wp.parts.size() && next == 0) folders_.emplace(folderKey, p);
        continue;
      }
      matching = false;
    }
    p /= wp.parts[i];
  }
  // A window stays open all day while folders are renamed or made again in
  // another case: a cached folder is looked at again whenever the name in it
  // was not found, and forgotten when it is gone.
  if (cached != folders_.end() && !found && !folderSeen) {
    std::error_code ec;
    if (!fs::is_directory(cached->second, ec)) {
      folders_.erase(cached);
      return resolve(windowsPath, status);
    }
  }
  return p;
}

std::optional<fs::path> DriveMap::inKnownFolder(std::string_view windowsPath) const {
  const WindowsPath wp = splitWindowsPath(windowsPath);
  if (wp.drive == 0 || wp.parts.empty()) return std::nullopt;
  const std::string folderKey = folderKeyOf(wp);
  const auto cached = folders_.find(folderKey);
  if (cached == folders_.end()) return std::nullopt;
  return cached->second / wp.parts.back();
}

std::optional<fs::path> DriveMap::hostPath(std::string_view windowsPath) const {
  return resolve(windowsPath, nullptr);
}

std::optional<fs::path> DriveMap::driveFolderOf(std::string_view windowsPath) const {
  return driveRoot(splitWindowsPath(windowsPath).drive);
}

Result<fs::path> DriveMap::outputPath(std::string_view windowsPath) const {
  const auto host = hostPath(windowsPath);
  const auto folder = driveFolderOf(windowsPath);
  if (!host || !folder) return Failure{kNotMapped};
  return outputTarget(*host, *folder);
}

namespace {

// The case-blind name of a Windows path, as Windows compares names.
std::string dryKey(std::string_view windowsPath) {
  const WindowsPath wp = splitWindowsPath(windowsPath);
  std::string key(1, wp.drive);
  for (const std::string& part : wp.parts) key += '\\' + upper(part);
  return key;
}

}  // namespace

void DriveMap::setDryRun(bool on, bool drawn) {
  if (!on) {
    dry_.reset();
  } else if (!dry_) {
    dry_ = std::make_shared<DryRun>();
    dry_->drawn = drawn;
  }
}

const std::optional<std::string>* DriveMap::dryFile(std::string_view windowsPath) const {
  if (!dry_) return nullptr;
  const auto it = dry_->files.find(dryKey(windowsPath));
  return it == dry_->files.end() ? nullptr : &it->second;
}

bool DriveMap::fileExists(std::string_view windowsPath) const {
  if (const auto* dry = dryFile(windowsPath)) return dry->has_value();
  fs::file_status st;
  return resolve(windowsPath, &st) && fs::is_regular_file(st);
}

bool DriveMap::exists(std::string_view windowsPath) const {
  if (const auto* dry = dryFile(windowsPath)) return dry->has_value();
  if (dry_ && dry_->folders.count(dryKey(windowsPath))) return true;
  fs::file_status st;
  return resolve(windowsPath, &st) && fs::exists(st);
}

bool DriveMap::folderExists(std::string_view windowsPath) const {
  if (dry_ && dry_->folders.count(dryKey(windowsPath))) return true;
  fs::file_status st;
  return resolve(windowsPath, &st) && fs::is_directory(st);
}

std::optional<std::uintmax_t> DriveMap::fileSize(std::string_view windowsPath) const {
  if (const auto* dry = dryFile(windowsPath))
    return *dry ? std::optional<std::uintmax_t>((*dry)->size()) : std::nullopt;
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

void DriveMap::report(FileFault fault, std::string_view windowsPath, std::string detail) const {
  if (!problems_) return;
  std::string where;
  if (auto host = hostPath(windowsPath); host && host->string() != windowsPath) where = host->string();
  problems_->report({fault, std::string(windowsPath), std::move(detail), std::move(where)});
}

std::string DriveMap::absence(std::string_view windowsPath) const {
  if (const auto* dry = dryFile(windowsPath)) return dry->has_value() ? "" : "is missing";
  fs::file_status st;
  const auto host = resolve(windowsPath, &st);
  if (!host) return "is missing (its drive is not mapped)";
  if (!fs::exists(st)) return "is missing";
  if (fs::is_directory(st)) return "is a folder, not a file";
  if (!fs::is_regular_file(st)) return "is not a regular file";
  // Opened, not read: a run asks this of every resident file it prints.
  const int fd = ::open(host->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return "could not be read (" + systemError(errno) + ")";
  ::close(fd);
  return {};
}

void DriveMap::reportWrite(std::string_view windowsPath, const std::string& error) const {
  report(FileFault::WriteFailed, windowsPath,
         "could not be written (" + error + "); the file is left as it was");
}

RecordFile DriveMap::readRecords(std::string_view windowsPath, int recordLength) const {
  if (const auto* dry = dryFile(windowsPath))
    return *dry ? RecordFile(**dry, recordLength, true) : RecordFile({}, recordLength, false);
  // A folder found before holds nearly every file asked for again (a run
  // reads a resident file per card): the file is opened there at once, and
  // only when that fails is its name looked for in another case.
  RecordFile file;
  if (auto known = inKnownFolder(windowsPath)) file = RecordFile::read(*known, recordLength);
  if (!file.exists() && !file.tooLarge()) {
    auto p = hostPath(windowsPath);
    if (!p) return RecordFile({}, recordLength, false);
    file = RecordFile::read(*p, recordLength);
  }
  if (file.tooLarge())
    report(FileFault::TooLarge, windowsPath,
           "is larger than any data file (" + std::to_string(kMaxDataFileBytes >> 20) + " MB): not read");
  else if (!file.readError().empty())
    report(FileFault::Unreadable, windowsPath, file.readError());
  return file;
}

bool DriveMap::writeRecord(std::string_view windowsPath, int recordLength, long n,
                           std::string_view record) const {
  return writeRecords(windowsPath, recordLength, {{n, std::string(record)}});
}

bool DriveMap::writeRecords(std::string_view windowsPath, int recordLength, const RecordsByNumber& records) const {
  if (dry_) {
    if (records.empty() || records.begin()->first < 1 || recordLength < 1) return false;
    std::string bytes(readRecords(windowsPath, 1).bytes());
    spliceRecords(bytes, recordLength, records);
    dry_->files[dryKey(windowsPath)] = std::move(bytes);
    return true;
  }
  auto p = hostPath(windowsPath);
  const auto folder = driveFolderOf(windowsPath);
  const Outcome written = p && folder ? mc::writeRecords(*p, recordLength, records, *folder) : Failure{kNotMapped};
  if (written) return true;
  reportWrite(windowsPath, written.error());
  return false;
}

std::string DriveMap::readAll(std::string_view windowsPath) const {
  return std::string(readRecords(windowsPath, 1).bytes());
}

bool DriveMap::writeAll(std::string_view windowsPath, std::string_view bytes) const {
  if (dry_) {
    dry_->files[dryKey(windowsPath)] = std::string(bytes);
    return true;
  }
  auto p = hostPath(windowsPath);
  const auto folder = driveFolderOf(windowsPath);
  const Outcome written = p && folder ? writeFileAtomically(*p, bytes, *folder) : Failure{kNotMapped};
  if (written) return true;
  reportWrite(windowsPath, written.error());
  return false;
}

bool DriveMap::copyFile(std::string_view from, std::string_view to) const {
  if (!fileExists(from)) return false;
  // The copy is made like every other write of ours, so that a copy cut
  // short never replaces a good one.
  const RecordFile bytes = readRecords(from, 1);
  if (!bytes.exists()) return false;
  return writeAll(to, bytes.bytes());
}

bool DriveMap::removeFile(std::string_view windowsPath) const {
  if (dry_) {
    if (!fileExists(windowsPath)) return false;
    dry_->files[dryKey(windowsPath)] = std::nullopt;
    return true;
  }
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
  if (dry_) {
    const std::string prefix = dryKey(folder.empty() ? std::string(1, wp.drive) + ":\\" : folder) + '\\';
    for (const auto& p : doomed) dry_->files.try_emplace(prefix + upper(p.filename().string()), std::string());
    for (auto& [key, bytes] : dry_->files)
      if (bytes && key.rfind(prefix, 0) == 0 && key.find('\\', prefix.size()) == std::string::npos &&
          wildcardMatch(wp.parts.back(), key.substr(prefix.size())))
        bytes.reset(), ++removed;
    return removed;
  }
  for (const auto& p : doomed) removed += fs::remove(p, ec) ? 1 : 0;
  return removed;
}

bool DriveMap::createFolder(std::string_view windowsPath) const {
  if (dry_) {
    dry_->folders[dryKey(windowsPath)] = true;
    return true;
  }
  auto p = hostPath(windowsPath);
  std::error_code ec;
  if (!p) return false;
  fs::create_directories(*p, ec);
  return fs::is_directory(*p, ec);
}

}  // namespace mc
