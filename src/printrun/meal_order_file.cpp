#include "printrun/meal_order_file.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "data/meal_order.h"
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
  const int meal = MealOrder::mealOfLetter(letter);
  return meal ? &kMealColumns[meal - 1] : nullptr;
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

namespace {

// One assembly of the tray line: the working roster copies, the meal-order
// file being filled, and what each meal has placed so far.
class TrayLineAssembly {
 public:
  TrayLineAssembly(const DriveMap& drives, const Facility& facility, const MealOrderRequest& request)
      : drives_(drives),
        facility_(facility),
        request_(request),
        firstResident_(std::max(request.firstResident, 1)),
        mealOrder_({}, kMealOrderRecordLength, false),
        dining_({}, kDiningRecordLength, false) {}

  bool copyRosters();
  void readDiningLocations() {
    // A missing dining location file reads as empty records rather than
    // being created: folder 39 belongs to the diet programs, and an empty
    // file changes nothing, as every pass but the catch-all is then blank.
    dining_ = drives_.readRecords(diningFilePath(facility_), kDiningRecordLength);
  }
  void noteFirstListings();
  void placeMeal(const MealColumns& meal);
  ResidentRange write();

 private:
  struct MealPass {
    const MealColumns& meal;
    std::string abbreviation;  // the dining location placed; "---" for the catch-all
    bool catchAll;
  };
  void placePass(const MealPass& pass);
  void placeResident(const MealPass& pass, WorkingRoster& unit, int r);
  bool residentExists(const std::string& name);
  void markCopy(WorkingRoster& unit, int r, std::string& rec, int col, const char* mark) {
    putColumns(rec, col, col + 2, mark);
    unit.copy.put(r, rec);
  }

  const DriveMap& drives_;
  const Facility& facility_;
  const MealOrderRequest& request_;
  const int firstResident_;
  std::vector<WorkingRoster> units_;
  // The old meal-order file stays until the new one replaces it whole.
  RecordFile mealOrder_;
  RecordFile dining_;
  // The next record of each meal's column.
  std::array<long, 3> counter_ = {1, 1, 1};
  // Existence of a resident's data file, asked once per name: the passes
  // ask again for every record not yet placed.
  std::map<std::string, bool> dataFileExists_;
  // One resident, one tray per meal: a resident file that the rosters list
  // again (any case) gets its trays at its first listing, in roster order.
  std::map<std::string, std::pair<int, int>> firstListing_;
  std::vector<ListedAgain> listedAgain_;
  // The records each meal has placed or turned away, by unit and bed. The
  // "---" written into the copy cannot tell them apart from a roster that
  // holds "---" itself, nor stop a dining location abbreviated "---" from
  // placing them a second time.
  std::array<std::set<std::pair<int, int>>, 3> settled_;
};

// Every unit's roster is copied afresh, in or out of the range, so that no
// copy keeps the marks of an earlier assembly. Only a copy made now is
// used: a stale copy of a roster that has since gone would place residents
// who are no longer there.
bool TrayLineAssembly::copyRosters() {
  for (int u = 1; u <= facility_.unitCount(); ++u) {
    const std::string roster = rosterPath(facility_, u);
    if (!drives_.fileExists(roster)) continue;
    const std::string copy = workingRosterPath(facility_, u);
    // A copy that cannot be made would leave the unit off the tray line
    // unseen: the assembly stops here (the drive map named the file).
    if (!drives_.copyFile(roster, copy)) return false;
    if (u < request_.firstUnit || u > request_.lastUnit) continue;
    std::string bytes = drives_.readAll(copy);
    // Records past the end of the roster are blank and would change nothing.
    const long records = static_cast<long>((bytes.size() + roster::kRecordLength - 1) / roster::kRecordLength);
    const int last = static_cast<int>(
        std::min<long>({request_.lastResident, facility_.unit(u)->maxBeds, records}));
    units_.push_back({u, copy, RecordFile(std::move(bytes), roster::kRecordLength, true), last});
  }
  return true;
}

void TrayLineAssembly::noteFirstListings() {
  for (const WorkingRoster& unit : units_)
    for (int r = firstResident_; r <= unit.lastResident; ++r)
      if (const std::string name = upper(trim(roster::residentFile(unit.copy.view(r)))); !name.empty())
        firstListing_.try_emplace(name, unit.unit, r);
}

bool TrayLineAssembly::residentExists(const std::string& name) {
  auto it = dataFileExists_.find(name);
  if (it == dataFileExists_.end())
    it = dataFileExists_.emplace(name, drives_.fileExists(residentDataPath(facility_, name))).first;
  return it->second;
}

// A meal's passes: one per dining location in the range, then the
// catch-all, which runs even when the location range is empty or reversed,
// so that every resident with a tray is on the line.
void TrayLineAssembly::placeMeal(const MealColumns& meal) {
  // Records past the end of the dining file would be blank passes, which
  // are skipped anyway.
  const long lastListed = std::min<long>(request_.lastLocation, dining_.recordCount());
  for (long d = std::max(request_.firstLocation, 1); d <= lastListed; ++d) {
    const std::string abbreviation = upper(columns(dining_.record(d), 5, 7));
    if (abbreviation != "   ") placePass({meal, abbreviation, false});
  }
  placePass({meal, kPlaced, true});
}

// One pass places the residents whose meal abbreviation is the pass's,
// unit after unit, each unit in roster order; the catch-all pass places
// everyone not yet placed.
void TrayLineAssembly::placePass(const MealPass& pass) {
  for (WorkingRoster& unit : units_)
    for (int r = firstResident_; r <= unit.lastResident; ++r) placeResident(pass, unit, r);
}

void TrayLineAssembly::placeResident(const MealPass& pass, WorkingRoster& unit, int r) {
  const MealColumns& meal = pass.meal;
  const int col = roster::kLocationColumn[meal.meal];
  std::set<std::pair<int, int>>& done = settled_[meal.meal - 1];
  std::string rec = unit.copy.record(r);
  const std::string diet = rtrim(upper(columns(rec, roster::kDietFrom, roster::kDietTo)));
  // A resident without a tray keeps "XXX" in the copy, as the mark says,
  // rather than the "---" of a placed one; either way the resident never
  // reaches the meal-order file.
  if (column(rec, roster::kAwayColumn) == 'H' || startsWith(diet, "TUBE") || diet == "TPN" || diet == "NPO") {
    markCopy(unit, r, rec, col, kNoTray);
    return;
  }
  if (done.count({unit.unit, r})) return;
  const std::string abbr = upper(columns(rec, col, col + 2));
  if (contains(abbr, "X")) {
    markCopy(unit, r, rec, col, kPlaced);
    done.emplace(unit.unit, r);
    return;
  }
  const std::string name = roster::residentFile(rec);
  // The print run trims the name before it opens the data file; the same
  // test here keeps a short name from being left off the line.
  const std::string trimmed = trim(name);
  if (trimmed.empty() || !residentExists(trimmed)) return;
  // The catch-all takes everyone not yet placed, a roster that holds "---"
  // for the meal included: that resident would otherwise have no tray.
  if (!pass.catchAll && abbr != pass.abbreviation) return;
  done.emplace(unit.unit, r);
  markCopy(unit, r, rec, col, kPlaced);
  if (const auto& [firstUnit, firstBed] = firstListing_[upper(trimmed)]; firstUnit != unit.unit || firstBed != r) {
    const auto same = [&](const ListedAgain& l) { return l.unit == unit.unit && l.bed == r; };
    if (std::none_of(listedAgain_.begin(), listedAgain_.end(), same))
      listedAgain_.push_back({unit.unit, r, trimmed, firstUnit, firstBed});
    return;
  }
  long& next = counter_[meal.meal - 1];
  std::string line = mealOrder_.record(next);
  if (static_cast<unsigned char>(line[0]) != kMealOrderMark) line = emptyMealOrderRecord();
  putColumns(line, meal.fileColumn, meal.fileColumn + 6, name);
  mealOrder_.put(next, line);
  ++next;
}

ResidentRange TrayLineAssembly::write() {
  bool written = true;
  for (const WorkingRoster& unit : units_)
    if (unit.copy.changed()) written = drives_.writeAll(unit.path, unit.copy.bytes()) && written;
  written = written && drives_.writeAll(mealOrderFilePath(facility_), mealOrder_.bytes());
  return {1, static_cast<int>(*std::max_element(counter_.begin(), counter_.end())), written, std::move(listedAgain_)};
}

}  // namespace

ResidentRange MakeDLF(const DriveMap& drives, const Facility& facility, const MealOrderRequest& request) {
  if (request.showCaption) request.showCaption(kCaption);
  TrayLineAssembly assembly(drives, facility, request);
  if (!assembly.copyRosters()) return {1, 1, false, {}};
  assembly.readDiningLocations();
  assembly.noteFirstListings();
  const MealOrder order = MealOrder::parse(request.MealOrder);
  for (const char letter : order.text())
    if (const MealColumns* meal = mealColumns(letter)) assembly.placeMeal(*meal);
  return assembly.write();
}

}  // namespace mc
