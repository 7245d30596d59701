#include "data/record_shape.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace mc {

namespace {

// A print run reads a resident file of some 800 records for every card;
// nearly all are sound, so the bytes are passed sixteen at a time.
bool anyControlCharacter(std::string_view bytes) {
  size_t i = 0;
#if defined(__SSE2__)
  const __m128i top = _mm_set1_epi8(31);
  for (; i + 16 <= bytes.size(); i += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + i));
    // A byte is below 32 when it equals its minimum with 31 (unsigned).
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(x, top), x)) != 0) return true;
  }
#endif
  for (; i < bytes.size(); ++i)
    if (static_cast<unsigned char>(bytes[i]) < 32) return true;
  return false;
}

// Records that each end in CR LF and hold no other control character (the
// first column aside, when it is free): the shape of every sound file.
bool soundRecords(std::string_view bytes, size_t length, bool firstColumnFree) {
  if (length < 3 || bytes.size() % length != 0) return false;
  const size_t from = firstColumnFree ? 1 : 0;
  for (size_t at = 0; at < bytes.size(); at += length) {
    if (bytes[at + length - 2] != '\r' || bytes[at + length - 1] != '\n') return false;
    if (firstColumnFree && (bytes[at] == '\r' || bytes[at] == '\n')) return false;
    if (anyControlCharacter(bytes.substr(at + from, length - 2 - from))) return false;
  }
  return true;
}

}  // namespace

std::string recordBytesDamage(std::string_view wholeFile, int recordLength, bool firstColumnFree) {
  const size_t length = recordLength < 2 ? 2 : static_cast<size_t>(recordLength);
  const std::string_view bytes = wholeFile.substr(0, wholeFile.size() - wholeFile.size() % length);
  if (!anyControlCharacter(bytes)) return {};
  if (soundRecords(bytes, length, firstColumnFree)) return {};
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c >= 32) continue;
    const size_t col = i % length;
    const std::string record = std::to_string(i / length + 1);
    if (c == 0 && !(firstColumnFree && col == 0)) return "holds NUL bytes (record " + record + ")";
    if ((c == '\r' && col == length - 2) || (c == '\n' && col == length - 1 && bytes[i - 1] == '\r')) continue;
    // A file whose CR LF became LF: every line is a byte short of a record.
    if (c == '\n' && i + 2 == length && (i == 0 || bytes[i - 1] != '\r'))
      return "has LF-only line ends: lines of " + std::to_string(length - 1) + " bytes where records are " +
             std::to_string(length) + " (record 1)";
    if (c == '\n' || c == '\r') return "has line ends inside record " + record + " (LF-only line ends?)";
    if (firstColumnFree && col == 0) continue;
    return "holds binary data (record " + record + ")";
  }
  return {};
}

std::string recordLengthDamage(std::string_view bytes, const RecordShape& shape) {
  const size_t length = shape.recordLength < 1 ? 1 : static_cast<size_t>(shape.recordLength);
  const size_t tail = bytes.size() % length;
  if (tail == 0) return {};
  const size_t whole = bytes.size() / length;
  const std::string size = std::to_string(bytes.size()) + " bytes";
  // Line ends or an end-of-file mark after the last record are bytes an
  // editor or a copy added.
  const std::string_view rest = bytes.substr(whole * length);
  if (whole > 0 && rest.find_first_not_of("\r\n\x1a") == std::string_view::npos)
    return "has " + std::to_string(tail) + " stray bytes after record " + std::to_string(whole) +
           ", its last whole record (line ends or an end-of-file mark)";
  if (shape.records > 0) {
    const size_t full = static_cast<size_t>(shape.records) * length;
    if (bytes.size() > full)
      return "is " + std::to_string(bytes.size() - full) + " bytes longer than its " + std::to_string(shape.records) +
             " records of " + std::to_string(length) + " bytes (" + size + ")";
    return "is cut short inside record " + std::to_string(whole + 1) + " (" + size + " of " + std::to_string(full) +
           ")";
  }
  // Anything else may as well be a record cut off as bytes added.
  return "ends " + std::to_string(tail) + " bytes into record " + std::to_string(whole + 1) + " (" + size +
         "; records are " + std::to_string(length) + " bytes): cut short, or bytes added";
}

std::string recordFileDamage(const RecordFile& file, const RecordShape& shape) {
  if (!file.readError().empty()) return file.readError();
  if (!file.exists() || file.tooLarge()) return {};
  const std::string_view bytes = file.bytes();
  if (bytes.empty()) return "is empty";
  if (std::string damage = recordBytesDamage(bytes, shape.recordLength, shape.firstColumnFree); !damage.empty())
    return damage;
  return recordLengthDamage(bytes, shape);
}

}  // namespace mc
