#include "printrun/roster_check.h"

#include "data/roster.h"
#include "data/text.h"
#include "printrun/resident_selection.h"

namespace mc {

std::string rosterResidentFile(std::string_view record) { return trim(roster::residentFile(record)); }

std::vector<RosterProblem> rosterProblems(const RecordFile& roster, int maxBeds) {
  std::vector<RosterProblem> out;
  if (roster.tooLarge()) return {{0, "", "is larger than any roster: not read"}};
  const std::string_view bytes = roster.bytes();
  if (bytes.empty()) return {{0, "", "is empty: no resident of the unit gets a card"}};
  if (bytes.size() % roster::kRecordLength != 0)
    out.push_back({0, "", "is cut short inside record " + std::to_string(bytes.size() / roster::kRecordLength + 1)});
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c >= 32) continue;
    const size_t col = i % roster::kRecordLength;
    if ((c == '\r' && col == roster::kRecordLength - 2) || (c == '\n' && col == roster::kRecordLength - 1 && bytes[i - 1] == '\r'))
      continue;
    const std::string record = std::to_string(i / roster::kRecordLength + 1);
    out.push_back({0, "", c == 0                  ? "holds NUL bytes (record " + record + ")"
                          : c == '\n' || c == '\r' ? "has line ends inside record " + record + " (LF-only line ends?)"
                                                   : "holds binary data (record " + record + ")"});
    break;
  }
  if (maxBeds < 1)
    out.push_back({0, "", "belongs to a unit whose max beds in the setup file is " + std::to_string(maxBeds) +
                              ": no resident of it is visited"});
  for (long n = std::max(maxBeds, 0) + 1; n <= roster.recordCount(); ++n) {
    const std::string file = rosterResidentFile(roster.view(n));
    if (!file.empty())
      out.push_back({static_cast<int>(n), file,
                     "is listed at bed " + std::to_string(n) + ", beyond the unit's " + std::to_string(maxBeds) +
                         " beds (max beds in the setup file): no card"});
  }
  return out;
}

}  // namespace mc
