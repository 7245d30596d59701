#include "data/record_shape.h"

namespace mc {

std::string recordCutShort(std::string_view bytes, int recordLength) {
  if (recordLength < 1 || bytes.size() % recordLength == 0) return {};
  return "is cut short inside record " + std::to_string(bytes.size() / recordLength + 1);
}

std::string recordBytesDamage(std::string_view bytes, int recordLength, bool firstColumnFree) {
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
