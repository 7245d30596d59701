#include "data/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace fs = std::filesystem;

namespace mc {

std::string systemError(int errorNumber) { return std::strerror(errorNumber); }

AtomicFile::AtomicFile(fs::path target) : target_(std::move(target)) {
  // A hidden name in the same folder: the rename stays on one file system,
  // and a listing by the facility's programs does not show it as a file of
  // theirs.
  fs::path pattern = target_.parent_path() / ("." + target_.filename().string() + ".XXXXXX");
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
  if (::stat(target_.c_str(), &old) == 0) {
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

void AtomicFile::fail(const char* step) {
  if (error_.empty()) error_ = std::string(step) + ": " + systemError(errno);
}

bool AtomicFile::write(std::string_view bytes) {
  if (failed()) return false;
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      fail("cannot write");
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool AtomicFile::commit() {
  if (failed() || committed_) return committed_;
  // The data must be on the disk before the name points at it, or a crash
  // right after the rename could leave an empty file under the old name.
  if (::fsync(fd_) != 0) {
    fail("cannot flush to the disk");
    return false;
  }
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) {
    fail("cannot close");
    return false;
  }
  if (::rename(temp_.c_str(), target_.c_str()) != 0) {
    fail("cannot replace the file");
    return false;
  }
  committed_ = true;
  // The rename itself is made durable through the folder.
  const fs::path folder = target_.parent_path().empty() ? fs::path(".") : target_.parent_path();
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

bool writeFileAtomically(const fs::path& target, std::string_view bytes, std::string* error) {
  AtomicFile file(target);
  const bool ok = file.write(bytes) && file.commit();
  if (!ok && error) *error = file.error();
  return ok;
}

}  // namespace mc
