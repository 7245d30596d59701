#include "data/record_shape.h"

#include <cstdint>
#include <cstring>

namespace mc {

std::string recordCutShort(std::string_view bytes, int recordLength) {
  if (recordLength < 1 || bytes.size() % recordLength == 0) return {};
  return "is cut short inside record " + std::to_string(bytes.size() / recordLength + 1);
}

namespace {

// A print run reads a resident file of some 800 records for every card: one
// without a single control character, as nearly all are, is passed eight
// bytes at a time.
bool anyControlCharacter(std::string_view bytes) {
  constexpr uint64_t kOnes = 0x0101010101010101ull, kHighBits = 0x8080808080808080ull;
  uint64_t found = 0;
  size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    uint64_t x;
    std::memcpy(&x, bytes.data() + i, 8);
    // The high bit of a byte below 32 survives: x - 32 borrows into it and
    // ~x keeps it, while a byte of 128 or more has it cleared by ~x.
    found |= (x - kOnes * 32) & ~x & kHighBits;
  }
  for (; i < bytes.size(); ++i) found |= static_cast<unsigned char>(bytes[i]) < 32;
  return found != 0;
}

}  // namespace

std::string recordBytesDamage(std::string_view bytes, int recordLength, bool firstColumnFree) {
  if (!anyControlCharacter(bytes)) return {};
  const size_t length = recordLength < 2 ? 2 : static_cast<size_t>(recordLength);
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c >= 32) continue;
    const size_t col = i % length;
    const std::string record = std::to_string(i / length + 1);
    if (c == 0 && !(firstColumnFree && col == 0)) return "holds NUL bytes (record " + record + ")";
    if ((c == '\r' && col == length - 2) || (c == '\n' && col == length - 1 && bytes[i - 1] == '\r')) continue;
    if (c == '\n' || c == '\r') return "has line ends inside record " + record + " (LF-only line ends?)";
    if (firstColumnFree && col == 0) continue;
    return "holds binary data (record " + record + ")";
  }
  return {};
}

}  // namespace mc
