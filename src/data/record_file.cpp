#include "data/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>

#include "data/atomic_file.h"
#include "data/file_problems.h"
#include "data/text.h"

namespace mc {

RecordFile::RecordFile(std::string bytes, int recordLength, bool exists)
    : bytes_(std::move(bytes)), size_(bytes_.size()), length_(recordLength < 1 ? 1 : recordLength),
      exists_(exists), blank_(length_, ' ') {
  if (const size_t tail = size_ % length_) bytes_.append(length_ - tail, ' ');
}

RecordFile RecordFile::read(const std::filesystem::path& hostPath, int recordLength) {
  const auto refused = [recordLength] {
    RecordFile file({}, recordLength, false);
    file.tooLarge_ = true;
    return file;
  };
  // One open, one look at the file and one read: the print run reads a
  // resident file for every card. Only a regular file is read; opening
  // without blocking keeps a named pipe from holding the run up.
  const auto unreadable = [recordLength](std::string why) {
    RecordFile file({}, recordLength, false);
    file.readError_ = std::move(why);
    return file;
  };
  const int fd = ::open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    // Not there is the caller's to judge; anything else is a file that is
    // there and cannot be read.
    if (errno == ENOENT || errno == ENOTDIR) return RecordFile({}, recordLength, false);
    return unreadable("could not be read (" + systemError(errno) + ")");
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const bool folder = S_ISDIR(st.st_mode);
    ::close(fd);
    return unreadable(folder ? "is a folder, not a file" : "is not a regular file");
  }
  if (static_cast<unsigned long long>(st.st_size) > kMaxDataFileBytes) {
    ::close(fd);
    return refused();
  }
  // A file that tells no size (as files of the kernel do) is read up to the
  // limit.
  std::string bytes(st.st_size > 0 ? static_cast<size_t>(st.st_size) : 64 * 1024, '\0');
  size_t have = 0;
  for (;;) {
    if (have == bytes.size()) {
      if (st.st_size > 0) break;
      if (bytes.size() > kMaxDataFileBytes) {
        ::close(fd);
        return refused();
      }
      bytes.resize(bytes.size() * 2);
    }
    const ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      return unreadable("could not be read (" + systemError(error) + ")");
    }
    if (n == 0) break;
    have += static_cast<size_t>(n);
  }
  ::close(fd);
  bytes.resize(have);
  if (bytes.size() > kMaxDataFileBytes) return refused();
  return RecordFile(std::move(bytes), recordLength, true);
}

long RecordFile::recordCount() const { return static_cast<long>(bytes_.size() / length_); }

std::string_view RecordFile::view(long n) const {
  if (n < 1 || n > recordCount()) return blank_;
  return std::string_view(bytes_).substr(static_cast<size_t>(n - 1) * length_, length_);
}

std::string RecordFile::record(long n) const { return std::string(view(n)); }

void RecordFile::put(long n, std::string_view record) {
  if (n < 1) return;
  const size_t start = static_cast<size_t>(n - 1) * length_;
  if (bytes_.size() < start + length_) bytes_.resize(start + length_, ' ');
  size_ = std::max(size_, start + length_);
  bytes_.replace(start, length_, padCut(record, length_));
  changed_ = true;
}

Rec& Rec::at(int from, std::string_view text) {
  putColumns(bytes_, from, from + static_cast<int>(text.size()) - 1, text);
  return *this;
}

Rec& Rec::field(int from, int to, std::string_view text) {
  putColumns(bytes_, from, to, text);
  return *this;
}

Rec& Rec::byte(int col, unsigned char code) {
  putColumns(bytes_, col, col, std::string(1, static_cast<char>(code)));
  return *this;
}

Outcome writeRecord(const std::filesystem::path& hostPath, int recordLength, long n, std::string_view record) {
  return writeRecords(hostPath, recordLength, {{n, std::string(record)}});
}

Outcome writeRecords(const std::filesystem::path& hostPath, int recordLength, const RecordsByNumber& records,
                     const std::filesystem::path& within) {
  if (recordLength < 1 || records.empty() || records.begin()->first < 1) return Failure{"no such record"};
  // The records kept are read from the file the write will replace, and
  // only from a file that may be replaced.
  const auto target = outputTarget(hostPath, within);
  if (!target) return target.outcome();
  std::error_code ec;
  std::string bytes;
  if (std::filesystem::exists(*target, ec)) {
    const RecordFile old = RecordFile::read(*target, 1);
    if (!old.exists()) return Failure{old.tooLarge() ? "too large to be rewritten" : "cannot be read"};
    bytes = std::string(old.bytes());
  }
  spliceRecords(bytes, recordLength, records);
  return writeFileAtomically(*target, bytes);
}

void spliceRecords(std::string& bytes, int recordLength, const RecordsByNumber& records) {
  for (const auto& [n, record] : records) {
    if (n < 1) continue;
    const size_t start = static_cast<size_t>(n - 1) * static_cast<size_t>(recordLength);
    if (bytes.size() < start + recordLength) bytes.resize(std::max(bytes.size(), start), ' ');
    const std::string rec = padCut(record, recordLength);
    bytes.replace(start, std::min(bytes.size() - start, rec.size()), rec);
  }
}

}  // namespace mc
