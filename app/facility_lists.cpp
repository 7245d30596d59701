#include "facility_lists.h"

#include "data/text.h"
#include "printrun/dining_locations.h"

namespace mc::app {

std::vector<NamedEntry> nursingUnits(const Controller& c) {
  std::vector<NamedEntry> out;
  for (int u = 1; u <= c.facility.unitCount(); ++u)
    out.push_back({std::to_string(u), cp1252ToUtf8(trim(c.facility.unit(u)->name))});
  return out;
}

std::vector<NamedEntry> diningLocations(const Controller& c) {
  DiningLocations dining;
  dining.read(c.drives, c.facility);
  std::vector<NamedEntry> out;
  for (long n = 1; n <= dining.count(); ++n) {
    const std::string abbreviation = trim(dining.abbreviation(n));
    if (!abbreviation.empty())
      out.push_back({cp1252ToUtf8(abbreviation), cp1252ToUtf8(trim(dining.description(n)))});
  }
  return out;
}

std::string oneLine(const std::vector<NamedEntry>& entries) {
  std::string out;
  for (const NamedEntry& e : entries) out += (out.empty() ? "" : ", ") + e.key + (e.name.empty() ? "" : " " + e.name);
  return out.empty() ? "none" : out;
}

}  // namespace mc::app
