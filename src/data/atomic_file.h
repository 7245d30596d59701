// Writing our own files so that a reader never meets half of one: the new
// bytes go to a temporary file in the same folder, are flushed to the disk
// and only then renamed over the old file. A write that fails anywhere
// leaves the old file as it was and says why.
//
// Where a file of ours may go, for every output of the program: only ever
// a regular file. A folder, a pipe, a device or a socket in its place is
// refused by name and never opened, so that no write waits for a reader
// that never comes nor pours cards into a device. A link is followed (the
// new file replaces the file it names, the link stays); a file of the
// facility must still be inside the drive folder of its drive once every
// link is followed (the drive folder itself may be a link, as in a Wine
// prefix), while a path named on the command line may be anywhere.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "data/outcome.h"

namespace mc {

// The file that a write to `target` reaches, links followed (also a link
// to a file not made yet); a failure saying why ("it is a pipe (FIFO), not
// a regular file: ...") when something other than a regular file is in its
// place, when links go round in a loop, or when `within` is given and the
// file lies outside that folder.
Result<std::filesystem::path> outputTarget(const std::filesystem::path& target, const std::filesystem::path& within);

// An output opened in place, for the files that are not replaced whole
// (the text card file grows card by card, the run lock is held open):
// the rule above, checked again on the opened file. `flags` as for open(2);
// the file never blocks on opening. The open descriptor, or why it was
// refused.
Result<int> openOutputFile(const std::filesystem::path& target, const std::filesystem::path& within, int flags);

class AtomicFile {
 public:
  // Reserves the temporary file beside the file `target` reaches (see
  // outputTarget; `within` empty: anywhere); status() tells whether that
  // worked (something else in its place, a missing or read-only folder, no
  // space for the entry).
  explicit AtomicFile(std::filesystem::path target, const std::filesystem::path& within = {});
  // Removes the temporary file unless commit() renamed it.
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Appends bytes; a failure (which sticks to the file) when the disk
  // refused them.
  Outcome write(std::string_view bytes);
  // Flushes the bytes to the disk and renames the temporary file over the
  // target. A failure, with the target untouched, after any failure. Without
  // `sync` the bytes are left to the system's write-back: for the many
  // small files of one batch that the writer makes durable together at its
  // end (syncFileSystem), where a flush per file would cost more than the
  // writing.
  Outcome commit(bool sync = true);

  // Whether every step so far worked, else why the first failed, as the
  // system says it ("cannot write: No space left on device").
  const Outcome& status() const { return status_; }
  const std::filesystem::path& target() const { return target_; }
  // The temporary file, for a writer that opens it by name (a PDF engine).
  const std::filesystem::path& temporary() const { return temp_; }

 private:
  // Records the first failure, with the system's reason; returns it.
  const Outcome& fail(const char* step);

  std::filesystem::path target_;
  std::filesystem::path real_;  // the target, links followed
  std::filesystem::path temp_;
  int fd_ = -1;
  bool committed_ = false;
  Outcome status_;
};

// The whole file replaced by bytes through an AtomicFile. On failure the old
// file stays.
Outcome writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                            const std::filesystem::path& within = {});

// Flushes every file written on the file system that holds `path`: the end
// of a batch of files committed without their own flush. False when the
// system refused.
bool syncFileSystem(const std::filesystem::path& path);

// Copies the file `from` to `to` through an AtomicFile (`within` as there),
// whatever its size, and reads the copy back against the original before it
// takes its name: a copy that came out short or different never replaces
// the old one.
Outcome copyFileVerified(const std::filesystem::path& from, const std::filesystem::path& to,
                             const std::filesystem::path& within = {});

// What a system call failure says, for messages.
std::string systemError(int errorNumber);

}  // namespace mc
