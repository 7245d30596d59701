#include "data/record_file.h"

#include <algorithm>
#include <fstream>
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
  std::error_code ec;
  if (!std::filesystem::is_regular_file(hostPath, ec)) return RecordFile({}, recordLength, false);
  std::ifstream in(hostPath, std::ios::binary);
  if (!in) return RecordFile({}, recordLength, false);
  // One read of the whole file: a character-wise copy costs milliseconds
  // per resident file, and the print run reads one per resident and meal.
  std::string bytes;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > static_cast<std::streamoff>(kMaxDataFileBytes)) {
    RecordFile refused({}, recordLength, false);
    refused.tooLarge_ = true;
    return refused;
  }
  if (size > 0 && in) {
    bytes.resize(static_cast<size_t>(size));
    in.read(bytes.data(), size);
    bytes.resize(static_cast<size_t>(in.gcount()));
  } else {
    // A file that tells no size (a pipe, a device) is read up to the limit.
    in.clear();
    std::string chunk(64 * 1024, '\0');
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
      bytes.append(chunk.data(), static_cast<size_t>(in.gcount()));
      if (bytes.size() > kMaxDataFileBytes) {
        RecordFile refused({}, recordLength, false);
        refused.tooLarge_ = true;
        return refused;
      }
    }
  }
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

bool writeRecord(const std::filesystem::path& hostPath, int recordLength, long n,
                 std::string_view record, std::string* error) {
  if (n < 1 || recordLength < 1) {
    if (error) *error = "no such record";
    return false;
  }
  std::error_code ec;
  std::string bytes;
  if (std::filesystem::exists(hostPath, ec)) {
    const RecordFile old = RecordFile::read(hostPath, 1);
    if (!old.exists()) {
      if (error) *error = old.tooLarge() ? "too large to be rewritten" : "cannot be read";
      return false;
    }
    bytes = std::string(old.bytes());
  }
  const size_t start = static_cast<size_t>(n - 1) * static_cast<size_t>(recordLength);
  if (bytes.size() < start + recordLength) bytes.resize(std::max(bytes.size(), start), ' ');
  const std::string rec = padCut(record, recordLength);
  bytes.replace(start, std::min(bytes.size() - start, rec.size()), rec);
  return writeFileAtomically(hostPath, bytes, error);
}

}  // namespace mc
