// One print run per facility at a time. Two runs at once would interleave
// their cards in the text card file, rebuild each other's tray line under
// the other's feet and save the settings over each other; so a run holds an
// advisory lock on a file beside the settings file, and a second run waits
// a little for the first to finish, then refuses.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "data/outcome.h"

namespace mc {

class RunLock {
 public:
  RunLock() = default;
  ~RunLock();
  RunLock(const RunLock&) = delete;
  RunLock& operator=(const RunLock&) = delete;

  // Takes the lock on `path` (created when missing, a file of ours inside
  // the folder `within`), waiting up to `waitSeconds` for another holder,
  // or until `stop` says the wait is no longer wanted. Why not, when it is
  // held all that time or cannot be made.
  Outcome acquire(const std::filesystem::path& path, const std::filesystem::path& within, double waitSeconds,
                  const std::function<bool()>& stop = {});
  bool held() const { return fd_ >= 0; }
  // Lets the lock go (the destructor does too).
  void release();

 private:
  int fd_ = -1;
};

// How long a second run waits for the first: a whole facility prints in a
// few seconds. $MEALCARDS_LOCK_WAIT (seconds) changes it.
double runLockWaitSeconds();

// The longest a print started from the window waits: the window does not
// answer while it waits, so it never seems frozen for long.
inline constexpr double kWindowLockWaitSeconds = 2;

}  // namespace mc
