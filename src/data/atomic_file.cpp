#include "data/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace fs = std::filesystem;

namespace mc {

std::string systemError(int errorNumber) { return std::strerror(errorNumber); }

namespace {

// What stands where a regular file should, for messages; null for a file.
const char* notAFile(mode_t mode) {
  if (S_ISREG(mode)) return nullptr;
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a pipe (FIFO)";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a file";
}

std::string refusedAs(const char* what) {
  return std::string("it is ") + what + ", not a regular file: nothing was written to it";
}

// Whether `path` lies inside `folder`, both without links.
bool inside(const fs::path& path, const fs::path& folder) {
  auto p = path.begin();
  for (auto f = folder.begin(); f != folder.end(); ++f, ++p) {
    if (f->empty()) continue;  // the empty name a trailing separator leaves
    if (p == path.end() || *p != *f) return false;
  }
  return true;
}

// The path with every link followed, also a last link to a file not made
// yet; empty after too many links (a loop).
fs::path followLinks(const fs::path& target, std::error_code& ec) {
  fs::path p = fs::absolute(target, ec);
  if (ec) return {};
  std::error_code missing;  // a path not there yet is no error here
  for (int links = 0; fs::is_symlink(fs::symlink_status(p, missing)); ++links) {
    if (links == 40) return {};
    const fs::path to = fs::read_symlink(p, ec);
    if (ec) return {};
    p = to.is_absolute() ? to : p.parent_path() / to;
  }
  return fs::weakly_canonical(p, ec);
}

}  // namespace

Result<fs::path> outputTarget(const fs::path& target, const fs::path& within) {
  std::error_code ec;
  struct stat st {};
  const fs::path real = followLinks(target, ec);
  if (ec || real.empty())
    return Failure{real.empty() && !ec ? "it is a link in a loop of links: nothing was written to it"
                                       : "its folder cannot be reached: " + ec.message()};
  if (!within.empty()) {
    const fs::path area = fs::canonical(within, ec);
    if (ec) return Failure{"the drive folder " + within.string() + " cannot be reached: " + ec.message()};
    if (!inside(real, area))
      return Failure{"it leads out of the drive folder " + within.string() + " (to " + real.string() +
                     "): nothing was written to it"};
  }
  // stat only looks: nothing is opened that could wait or act.
  if (::stat(real.c_str(), &st) == 0) {
    if (const char* what = notAFile(st.st_mode)) return Failure{refusedAs(what)};
  }
  return real;
}

Result<int> openOutputFile(const fs::path& target, const fs::path& within, int flags) {
  const auto real = outputTarget(target, within);
  if (!real) return Failure{real.error()};
  // Never waiting on the open (a pipe put there since the look above), and
  // never through a link put there since.
  const int fd = ::open(real->c_str(), flags | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return Failure{errno == ENXIO ? refusedAs("a pipe (FIFO)") : "cannot open it: " + systemError(errno)};
  struct stat st {};
  if (::fstat(fd, &st) != 0 || notAFile(st.st_mode)) {
    ::close(fd);
    return Failure{refusedAs(notAFile(st.st_mode) ? notAFile(st.st_mode) : "not a file")};
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

AtomicFile::AtomicFile(fs::path target, const fs::path& within) : target_(std::move(target)) {
  const auto real = outputTarget(target_, within);
  if (!real) {
    status_ = Failure{real.error()};
    return;
  }
  real_ = *real;
  // A hidden name in the same folder: the rename stays on one file system,
  // and a listing by the facility's programs does not show it as a file of
  // theirs.
  fs::path pattern = real_.parent_path() / ("." + real_.filename().string() + ".XXXXXX");
  std::string name = pattern.string();
  fd_ = ::mkstemp(name.data());
  if (fd_ < 0) {
    fail("cannot create a temporary file beside it");
    return;
  }
  temp_ = name;
  // mkstemp makes the file private; the result takes the mode the old file
  // had, or the one a newly created file would get.
  struct stat old {};
  mode_t mode;
  if (::stat(real_.c_str(), &old) == 0) {
    mode = old.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  ::fchmod(fd_, mode);
}

AtomicFile::~AtomicFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_ && !temp_.empty()) ::unlink(temp_.c_str());
}

const Outcome& AtomicFile::fail(const char* step) {
  if (status_.ok()) status_ = Failure{std::string(step) + ": " + systemError(errno)};
  return status_;
}

Outcome AtomicFile::write(std::string_view bytes) {
  if (!status_.ok()) return status_;
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return fail("cannot write");
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return {};
}

Outcome AtomicFile::commit(bool sync) {
  if (!status_.ok() || committed_) return status_;
  // The data must be on the disk before the name points at it, or a crash
  // right after the rename could leave an empty file under the old name.
  if (sync && ::fsync(fd_) != 0) return fail("cannot flush to the disk");
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) return fail("cannot close");
  if (::rename(temp_.c_str(), real_.c_str()) != 0) return fail("cannot replace the file");
  committed_ = true;
  if (!sync) return {};
  // The rename itself is made durable through the folder.
  const fs::path folder = real_.parent_path();
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return {};
}

bool syncFileSystem(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::syncfs(fd) == 0;
  ::close(fd);
  return ok;
}

namespace {

// Reads up to size bytes, going on after a short read; -1 on an error.
ssize_t readFully(int fd, char* data, size_t size) {
  size_t got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd, data + got, size - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(got);
}

struct Fd {
  int fd;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

Outcome copyFileVerified(const fs::path& from, const fs::path& to, const fs::path& within) {
  // Not waiting on the open: a pipe put where the original was is refused.
  Fd in{::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
  if (in.fd < 0) return Failure{"cannot open " + from.string() + ": " + systemError(errno)};
  struct stat st {};
  if (::fstat(in.fd, &st) != 0 || !S_ISREG(st.st_mode)) return Failure{from.string() + " is not a file"};
  ::fcntl(in.fd, F_SETFL, ::fcntl(in.fd, F_GETFL) & ~O_NONBLOCK);
  AtomicFile out(to, within);
  if (!out.status()) return out.status();
  constexpr size_t kChunk = 1 << 20;
  std::string buffer(kChunk, '\0'), check(kChunk, '\0');
  unsigned long long copied = 0;
  for (;;) {
    const ssize_t n = readFully(in.fd, buffer.data(), kChunk);
    if (n < 0) return Failure{"cannot read " + from.string() + ": " + systemError(errno)};
    if (n == 0) break;
    if (Outcome written = out.write(std::string_view(buffer.data(), static_cast<size_t>(n))); !written) return written;
    copied += static_cast<unsigned long long>(n);
  }
  if (copied != static_cast<unsigned long long>(st.st_size))
    return Failure{"the copy holds " + std::to_string(copied) + " of " + std::to_string(st.st_size) + " bytes"};
  // Read back what the disk holds under the temporary name.
  Fd back{::open(out.temporary().c_str(), O_RDONLY | O_CLOEXEC)};
  if (back.fd < 0 || ::lseek(in.fd, 0, SEEK_SET) != 0)
    return Failure{"cannot read the copy back: " + systemError(errno)};
  for (unsigned long long checked = 0;;) {
    const ssize_t a = readFully(in.fd, buffer.data(), kChunk);
    const ssize_t b = readFully(back.fd, check.data(), kChunk);
    if (a < 0 || b < 0) return Failure{"cannot read the copy back: " + systemError(errno)};
    if (a != b || std::memcmp(buffer.data(), check.data(), static_cast<size_t>(a)) != 0)
      return Failure{"the copy differs from the original after byte " + std::to_string(checked)};
    if (a == 0) break;
    checked += static_cast<unsigned long long>(a);
  }
  if (Outcome committed = out.commit(); !committed) return committed;
  struct stat done {};
  if (::stat(to.c_str(), &done) != 0 || done.st_size != st.st_size)
    return Failure{"the copy is not the original's size"};
  return {};
}

Outcome writeFileAtomically(const fs::path& target, std::string_view bytes, const fs::path& within) {
  AtomicFile file(target, within);
  if (Outcome written = file.write(bytes); !written) return written;
  return file.commit();
}

}  // namespace mc
