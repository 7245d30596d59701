// Writing our own files so that a reader never meets half of one: the new
// bytes go to a temporary file in the same folder, are flushed to the disk
// and only then renamed over the old file. A write that fails anywhere
// leaves the old file as it was and says why.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace mc {

class AtomicFile {
 public:
  // Reserves the temporary file beside `target`; failed() tells whether
  // that worked (a missing or read-only folder, no space for the entry).
  explicit AtomicFile(std::filesystem::path target);
  // Removes the temporary file unless commit() renamed it.
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Appends bytes; false (and the file failed) when the disk refused them.
  bool write(std::string_view bytes);
  // Flushes the bytes to the disk and renames the temporary file over the
  // target. False, with the target untouched, after any failure. Without
  // `sync` the bytes are left to the system's write-back: for the many
  // small files of one batch that the writer makes durable together at its
  // end (syncFileSystem), where a flush per file would cost more than the
  // writing.
  bool commit(bool sync = true);

  bool failed() const { return !error_.empty(); }
  // Why the write failed, as the system says it ("No space left on device").
  const std::string& error() const { return error_; }
  const std::filesystem::path& target() const { return target_; }
  // The temporary file, for a writer that opens it by name (a PDF engine).
  const std::filesystem::path& temporary() const { return temp_; }

 private:
  void fail(const char* step);

  std::filesystem::path target_;
  std::filesystem::path temp_;
  int fd_ = -1;
  bool committed_ = false;
  std::string error_;
};

// The whole file replaced by bytes through an AtomicFile. On failure the old
// file stays and `error` (when given) says why.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         std::string* error = nullptr);

// Flushes every file written on the file system that holds `path`: the end
// of a batch of files committed without their own flush. False when the
// system refused.
bool syncFileSystem(const std::filesystem::path& path);

// Copies the file `from` to `to` through an AtomicFile, whatever its size,
// and reads the copy back against the original before it takes its name:
// a copy that came out short or different never replaces the old one.
// "" when it worked, else why not.
std::string copyFileVerified(const std::filesystem::path& from, const std::filesystem::path& to);

// What a system call failure says, for messages.
std::string systemError(int errorNumber);

}  // namespace mc
