#include "printrun/meal_order_file.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "data/meal_slots.h"
#include "data/roster.h"
#include "data/text.h"
#include "printrun/run_paths.h"

namespace mc {

namespace {

constexpr char kCaption[] =
    " Assembling Meal Order Dining Location File .............................";

// A placed or rejected resident: the meal's abbreviation in the working copy.
constexpr char kPlaced[] = "---";
// A resident without a tray (hospital, tube, TPN, NPO).
constexpr char kNoTray[] = "XXX";

constexpr int kDiningRecordLength = 48;

std::string emptyMealOrderRecord() {
  Rec rec(kMealOrderRecordLength);
  rec.byte(1, kMealOrderMark).byte(9, kMealOrderMark).byte(17, kMealOrderMark).byte(25, kMealOrderMark);
  rec.at(26, "\r\n");
  return rec.str();
}

struct WorkingRoster {
  int unit;
  std::string path;
  // Held in memory while the tray line is assembled, written once at the end.
  RecordFile copy;
  int lastResident;
};

}  // namespace

const MealColumns* mealColumns(char letter) {
  for (const MealColumns& m : kMealColumns)
    if (m.letter == letter) return &m;
  return nullptr;
}

int mealOrderFileColumn(std::string_view mealOrder, int position) {
  if (position < 1 || position > static_cast<int>(mealOrder.size())) return 0;
  const MealColumns* meal = mealColumns(mealOrder[position - 1]);
  return meal ? meal->fileColumn : 0;
}

std::string mealOrderResidentFile(std::string_view record, std::string_view mealOrder, int position) {
  const int col = mealOrderFileColumn(mealOrder, position);
  if (col == 0 || static_cast<unsigned char>(column(record, 1)) != kMealOrderMark) return {};
  return columns(record, col, col + 6);
}

ResidentRange MakeDLF(const DriveMap& drives, const Facility& facility, const MealOrderRequest& request) {
  if (request.showCaption) request.showCaption(kCaption);

  const std::string order = parseMealOrder(request.MealOrder);
  std::array<long, 3> counter = {1, 1, 1};

  // Every unit's roster is copied afresh, in or out of the range, so that
  // no copy keeps the marks of an earlier assembly. Only a copy made now is
  // used: a stale copy of a roster that has since gone would place
  // residents who are no longer there.
  std::vector<WorkingRoster> units;
  for (int u = 1; u <= facility.unitCount(); ++u) {
    const std::string roster = rosterPath(facility, u);
    if (!drives.fileExists(roster)) continue;
    const std::string copy = workingRosterPath(facility, u);
    // A copy that cannot be made would leave the unit off the tray line
    // unseen: the assembly stops here (the drive map named the file).
    if (!drives.copyFile(roster, copy)) return {1, 1, false, {}};
    if (u < request.firstUnit || u > request.lastUnit) continue;
    std::string bytes = drives.readAll(copy);
    // Records past the end of the roster are blank and would change nothing.
    const long records = static_cast<long>((bytes.size() + roster::kRecordLength - 1) / roster::kRecordLength);
    const int last = static_cast<int>(
        std::min<long>({request.lastResident, facility.unit(u)->maxBeds, records}));
    units.push_back({u, copy, RecordFile(std::move(bytes), roster::kRecordLength, true), last});
  }

  // The old meal-order file stays until the new one replaces it whole.
  const std::string mealOrderPath = mealOrderFilePath(facility);
  RecordFile mealOrder({}, kMealOrderRecordLength, false);

  // A missing dining location file reads as empty records rather than being
  // created: folder 39 belongs to the diet programs, and an empty file
  // changes nothing, as every pass but the catch-all is then blank.
  const RecordFile dining = drives.readRecords(diningFilePath(facility), kDiningRecordLength);

  // Existence of a resident's data file, asked once per name: the passes
  // ask again for every record not yet placed.
  std::map<std::string, bool> dataFileExists;
  auto residentExists = [&](const std::string& name) {
    auto it = dataFileExists.find(name);
    if (it == dataFileExists.end())
      it = dataFileExists.emplace(name, drives.fileExists(residentDataPath(facility, name))).first;
    return it->second;
  };

  const int firstResident = std::max(request.firstResident, 1);
  // One resident, one tray per meal: a resident file that the rosters list
  // again (any case) gets its trays at its first listing, in roster order.
  std::map<std::string, std::pair<int, int>> firstListing;
  for (const WorkingRoster& unit : units)
    for (int r = firstResident; r <= unit.lastResident; ++r)
      if (const std::string name = upper(trim(roster::residentFile(unit.copy.view(r)))); !name.empty())
        firstListing.try_emplace(name, unit.unit, r);
  std::vector<ListedAgain> listedAgain;
  // The records each meal has placed or turned away, by unit and bed. The
  // "---" written into the copy cannot tell them apart from a roster that
  // holds "---" itself, nor stop a dining location abbreviated "---" from
  // placing them a second time.
  std::array<std::set<std::pair<int, int>>, 3> settled;
  for (size_t k = 0; k < order.size(); ++k) {
    const MealColumns* meal = mealColumns(order[k]);
    if (!meal) continue;
    const int col = roster::kLocationColumn[meal->meal];
    long& next = counter[meal - kMealColumns.data()];
    std::set<std::pair<int, int>>& done = settled[meal - kMealColumns.data()];

    // One pass places the residents whose meal abbreviation is passAbbr,
    // unit after unit, each unit in roster order; the catch-all pass places
    // everyone not yet placed.
    auto pass = [&](const std::string& passAbbr, bool catchAll) {
      for (WorkingRoster& unit : units) {
        for (int r = firstResident; r <= unit.lastResident; ++r) {
          std::string rec = unit.copy.record(r);
          const std::string diet = rtrim(upper(columns(rec, roster::kDietFrom, roster::kDietTo)));
          // A resident without a tray keeps "XXX" in the copy, as the mark
          // says, rather than the "---" of a placed one; either way the
          // resident never reaches the meal-order file.
          if (column(rec, roster::kAwayColumn) == 'H' || startsWith(diet, "TUBE") || diet == "TPN" ||
              diet == "NPO") {
            putColumns(rec, col, col + 2, kNoTray);
            unit.copy.put(r, rec);
            continue;
          }
          if (done.count({unit.unit, r})) continue;
          const std::string abbr = upper(columns(rec, col, col + 2));
          if (contains(abbr, "X")) {
            putColumns(rec, col, col + 2, kPlaced);
            unit.copy.put(r, rec);
            done.emplace(unit.unit, r);
            continue;
          }
          const std::string name = roster::residentFile(rec);
          // The print run trims the name before it opens the data file; the
          // same test here keeps a short name from being left off the line.
          const std::string trimmed = trim(name);
          if (trimmed.empty() || !residentExists(trimmed)) continue;
          // The catch-all takes everyone not yet placed, a roster that
          // holds "---" for the meal included: that resident would
          // otherwise have no tray at all.
          if (!catchAll && abbr != passAbbr) continue;
          done.emplace(unit.unit, r);
          if (const auto& [firstUnit, firstBed] = firstListing[upper(trimmed)];
              firstUnit != unit.unit || firstBed != r) {
            putColumns(rec, col, col + 2, kPlaced);
            unit.copy.put(r, rec);
            const auto same = [&](const ListedAgain& l) { return l.unit == unit.unit && l.bed == r; };
            if (std::none_of(listedAgain.begin(), listedAgain.end(), same))
              listedAgain.push_back({unit.unit, r, trimmed, firstUnit, firstBed});
            continue;
          }
          putColumns(rec, col, col + 2, kPlaced);
          unit.copy.put(r, rec);

          std::string line = mealOrder.record(next);
          if (static_cast<unsigned char>(line[0]) != kMealOrderMark) line = emptyMealOrderRecord();
          putColumns(line, meal->fileColumn, meal->fileColumn + 6, name);
          mealOrder.put(next, line);
          ++next;
        }
      }
    };

    // Records past the end of the dining file would be blank passes, which
    // are skipped anyway.
    const long lastListed = std::min<long>(request.lastLocation, dining.recordCount());
    for (long d = std::max(request.firstLocation, 1); d <= lastListed; ++d) {
      const std::string passAbbr = upper(columns(dining.record(d), 5, 7));
      if (passAbbr != "   ") pass(passAbbr, false);
    }
    // The catch-all pass runs even when the location range is empty or
    // reversed, so that every resident with a tray is on the line.
    pass(kPlaced, true);
  }

  bool written = true;
  for (const WorkingRoster& unit : units)
    if (unit.copy.changed()) written = drives.writeAll(unit.path, unit.copy.bytes()) && written;
  written = written && drives.writeAll(mealOrderPath, mealOrder.bytes());

  return {1, static_cast<int>(*std::max_element(counter.begin(), counter.end())), written, std::move(listedAgain)};
}

}  // namespace mc
