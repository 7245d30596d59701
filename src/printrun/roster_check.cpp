#include "printrun/roster_check.h"

#include "data/record_shape.h"
#include "data/roster.h"
#include "data/text.h"
#include "printrun/resident_selection.h"

namespace mc {

std::string rosterResidentFile(std::string_view record) { return trim(roster::residentFile(record)); }

std::string listedAgainText(int firstUnit, int firstBed) {
  return " lists this resident again (first at unit " + std::to_string(firstUnit) + " bed " + std::to_string(firstBed) +
         "): printed once";
}

std::vector<RosterProblem> rosterProblems(const RecordFile& roster, int maxBeds) {
  std::vector<RosterProblem> out;
  if (roster.tooLarge()) return {{0, "", "is larger than any roster: not read"}};
  const std::string_view bytes = roster.bytes();
  if (bytes.empty()) return {{0, "", "is empty: no resident of the unit gets a card"}};
  if (std::string damage = recordBytesDamage(bytes, roster::kRecordLength); !damage.empty())
    out.push_back({0, "", damage});
  if (std::string length = recordLengthDamage(bytes, {roster::kRecordLength}); !length.empty())
    out.push_back({0, "", length});
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
