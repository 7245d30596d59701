#include "data/record_file.h"

#include <algorithm>
#include <fstream>
#include <system_error>

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
  if (size > 0 && in) {
    bytes.resize(static_cast<size_t>(size));
    in.read(bytes.data(), size);
    bytes.resize(static_cast<size_t>(in.gcount()));
  } else {
    in.clear();
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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
                 std::string_view record) {
  if (n < 1 || recordLength < 1) return false;
  std::error_code ec;
  const bool existed = std::filesystem::exists(hostPath, ec);
  std::fstream f(hostPath, std::ios::binary | std::ios::in | std::ios::out |
                               (existed ? std::ios::openmode{} : std::ios::trunc));
  if (!f) return false;
  f.seekg(0, std::ios::end);
  const auto size = static_cast<std::uintmax_t>(f.tellg());
  const std::uintmax_t start = static_cast<std::uintmax_t>(n - 1) * recordLength;
  if (size < start) {
    f.seekp(0, std::ios::end);
    const std::string blanks(start - size, ' ');
    f.write(blanks.data(), static_cast<std::streamsize>(blanks.size()));
  }
  const std::string bytes = padCut(record, recordLength);
  f.seekp(static_cast<std::streamoff>(start));
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  f.flush();
  return static_cast<bool>(f);
}

}  // namespace mc
