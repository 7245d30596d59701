#include "ui/run_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "data/atomic_file.h"

namespace mc {

double runLockWaitSeconds() {
  const char* text = std::getenv("MEALCARDS_LOCK_WAIT");
  if (!text || !*text) return 30;
  char* end = nullptr;
  const double seconds = std::strtod(text, &end);
  return *end == '\0' && seconds >= 0 && seconds <= 3600 ? seconds : 30;
}

RunLock::~RunLock() { release(); }

void RunLock::release() {
  // Closing the file releases the lock; the file stays, so that a run
  // starting now never locks a file that a waiting run still holds open.
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

Outcome RunLock::acquire(const std::filesystem::path& path, const std::filesystem::path& within, double waitSeconds,
                         const std::function<bool()>& stop) {
  release();
  const Result<int> opened = openOutputFile(path, within, O_RDWR | O_CREAT);
  if (!opened) return Failure{"cannot open the lock file " + path.string() + ": " + opened.error()};
  fd_ = *opened;
  const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(waitSeconds);
  Failure refused;
  for (;;) {
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return {};
    if (errno != EWOULDBLOCK && errno != EINTR) {
      refused.why = "cannot lock " + path.string() + ": " + systemError(errno);
      break;
    }
    if (stop && stop()) {
      refused.why = "stopped while waiting for another run printing for this facility (it holds " + path.string() +
                    "); nothing was printed";
      break;
    }
    if (std::chrono::steady_clock::now() >= until) {
      refused.why = "another run is printing for this facility (it holds " + path.string() + "); waited " +
                    std::to_string(static_cast<int>(waitSeconds)) + " s, nothing was printed";
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ::close(fd_);
  fd_ = -1;
  return refused;
}

}  // namespace mc
