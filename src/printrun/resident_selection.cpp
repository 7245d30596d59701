#include "printrun/resident_selection.h"

#include <algorithm>

#include "data/data_file_names.h"
#include "data/meal_order.h"
#include "data/meal_slots.h"
#include "data/resident_loader.h"
#include "data/roster.h"
#include "data/text.h"
#include "printrun/diet_category.h"
#include "printrun/meal_order_file.h"
#include "printrun/meal_pattern.h"
#include "printrun/roster_check.h"
#include "printrun/run_paths.h"
#include "settings/resident_load_options.h"

namespace mc {

namespace {

void markForReview(ResidentRecord& resident) {
  if (!startsWith(resident.Diet, kReviewMark)) resident.Diet = kReviewMark + resident.Diet;
}

// A blank or nine-blank description leaves the user card's heading bare.
std::string locationLabel(const std::string& description) {
  if (description.empty() || description == "   " || description == std::string(9, ' ')) return description;
  return "(" + description + ")";
}

}  // namespace

ResidentSelection::ResidentSelection(RunEnvironment& env, const CardSettings& settings,
                                     const DiningLocations& dining, RunReport& report)
    : env_(env), settings_(settings), dining_(dining), report_(report) {}

bool ResidentSelection::leaveOut(LeftOutReason reason, const std::string& file, std::string detail) {
  const RunState& run = env_.run;
  const bool loaded = env_.resident.Loaded && trim(env_.resident.ResidentFile) == file;
  // A resident whose file was not read is named as the roster names them.
  std::string name = loaded ? trim(env_.resident.NameLine) : std::string();
  if (name.empty() && run.MealOrder.empty()) name = trim(columns(record_, roster::kNameFrom, roster::kNameTo));
  report_.leaveOut({run.MealOrder.empty() ? run.UnitNo : 0, run.ResidentNo, file, name, reason, std::move(detail)});
  return false;
}

bool ResidentSelection::openUnit(int unit) {
  const bool byMealOrder = !env_.run.MealOrder.empty();
  unitPath_ = byMealOrder ? mealOrderFilePath(env_.facility) : rosterPath(env_.facility, unit);
  unit_ = unit;
  unitFile_ = env_.drives.readRecords(unitPath_, byMealOrder ? kMealOrderRecordLength : roster::kRecordLength);
  if (!unitFile_.exists() && !unitFile_.tooLarge()) return false;
  if (!byMealOrder) checkRoster();
  return unitFile_.exists();
}

void ResidentSelection::checkRoster() {
  if (!checkedUnits_.insert(unit_).second) return;
  const NursingUnit* unit = env_.facility.unit(unit_);
  const int beds = unit ? unit->maxBeds : 0;
  for (const RosterProblem& p : rosterProblems(unitFile_, beds))
    report_.leaveOut({unit_, p.bed, p.file, "", LeftOutReason::DamagedFile, unitPath_ + " " + p.what});
  for (long n = 1; n <= std::min<long>(beds, unitFile_.recordCount()); ++n) {
    const std::string file = rosterResidentFile(unitFile_.view(n));
    if (!file.empty()) firstBed_.try_emplace(file, unit_, static_cast<int>(n));
  }
}

int ResidentSelection::lastResident(int requested) const {
  if (!env_.run.MealOrder.empty()) return requested;
  const NursingUnit* unit = env_.facility.unit(unit_);
  const int beds = unit ? unit->maxBeds : 0;
  return requested < beds ? requested : beds;
}

std::string ResidentSelection::unitRecord(long n) const { return unitFile_.record(n); }

std::vector<int16_t> ResidentSelection::readResident() {
  record_ = unitRecord(env_.run.ResidentNo);
  // An assisted-living menu is one page per meal, ended by the renderer
  // after its single call. A run by diet category prints each resident's
  // whole page at once, as a run without a meal order does: a first
  // column alone would leave its page open under the next resident's.
  if (settings_.AlfMenus) return {1};
  if (env_.run.MealOrder.empty()) return {4};
  return {1, 2, 3};
}

void ResidentSelection::setMealLocations(const std::array<std::string, 4>& abbreviations) {
  RunState& run = env_.run;
  for (int meal = 1; meal <= 3; ++meal) {
    run.HydrateMark[meal] = false;
    run.MealLocations[meal] = "   ";
  }
  std::array<bool, 4> filled{};
  if (!dining_.damage().empty() && abbreviations[1] + abbreviations[2] + abbreviations[3] != std::string(9, ' '))
    env_.resident.noteSharedDamage(dining_.path(), dining_.damage());
  for (long n = 1; n <= dining_.count() && !(filled[1] && filled[2] && filled[3]); ++n) {
    const std::string abbr = dining_.abbreviation(n);
    for (int meal = 1; meal <= 3; ++meal) {
      if (filled[meal] || abbr != abbreviations[meal]) continue;
      std::string description = trim(dining_.description(n));
      const size_t at = description.find('@');
      if (at != std::string::npos) {
        run.HydrateMark[meal] = true;
        description[at] = ' ';
      }
      run.MealLocations[meal] = description;
      filled[meal] = true;
    }
  }
}

bool ResidentSelection::selectCard(const PassRules& rules) {
  const std::string file = positionFile();
  return fileNameUsable(file) && loadResident(file) && placeByDiningLocation(rules, file) &&
         dietQualifies(rules, file);
}

std::string ResidentSelection::positionFile() {
  RunState& run = env_.run;
  if (run.MealOrder.empty()) {
    run.MealCode = 4;
    run.MealLetter.clear();
    return trim(roster::residentFile(record_));
  }
  if (MealOrder::parse(run.MealOrder).oneMealThrice() && run.MealToDraw >= 2) {
    // The three columns of a page are three places of the tray line.
    // Back to front this can run below place 1, which holds no one: the
    // position stays empty rather than repeating the resident before it.
    run.ResidentNo = static_cast<int16_t>(std::clamp(run.ResidentNo + run.Step, -32768, 32767));
    record_ = unitRecord(run.ResidentNo);
  }
  const char letter = run.MealToDraw <= static_cast<int>(run.MealOrder.size()) ? run.MealOrder[run.MealToDraw - 1] : ' ';
  run.MealLetter = std::string(1, letter);
  // A position the order names no meal for draws all three.
  const int meal = MealOrder::mealOfLetter(letter);
  run.MealCode = static_cast<int16_t>(meal ? meal : 4);
  return trim(mealOrderResidentFile(record_, run.MealOrder, run.MealToDraw));
}

bool ResidentSelection::fileNameUsable(const std::string& file) {
  const RunState& run = env_.run;
  if (file.empty()) {
    // An empty bed is blank; a name without a file is a resident the
    // kitchen expects a tray for.
    if (run.MealOrder.empty() && !trim(columns(record_, roster::kNameFrom, roster::kNameTo)).empty())
      return leaveOut(LeftOutReason::NoFileName, "", unitPath_ + " names a resident in this bed without a file name");
    return false;
  }
  const auto first = static_cast<unsigned char>(file[0]);
  if (first < 33 || first == 127) return false;
  // A name may start with any letter of the code page ("Élise"); a byte
  // that is no letter there is no file name the facility's programs write.
  if (first > 127 && !cp1252Letter(static_cast<char>(first)))
    return leaveOut(LeftOutReason::NoFileName, file, unitPath_ + " names a file whose first character is no letter");
  if (run.MealOrder.empty()) {
    // One resident, one tray: a second listing prints nothing and is named.
    const auto listed = firstBed_.find(file);
    if (listed != firstBed_.end() && listed->second != std::pair<int, int>(unit_, run.ResidentNo))
      return leaveOut(LeftOutReason::DamagedFile, file,
                      unitPath_ + listedAgainText(listed->second.first, listed->second.second));
  }
  return true;
}

bool ResidentSelection::loadResident(const std::string& file) {
  RunState& run = env_.run;
  ResidentRecord& resident = env_.resident;
  const std::string path = residentDataPath(env_.facility, file);
  if (const std::string why = env_.drives.absence(path); !why.empty()) {
    if (startsWith(why, "is missing")) return leaveOut(LeftOutReason::NoDataFile, file, path);
    return leaveOut(LeftOutReason::UnreadableFile, file, path + " " + why);
  }
  resident.diet.Thickened = 0;
  run.Enhanced = false;
  resident.Loaded = false;
  resident.ResidentFile = file;
  loadResidentAsSet(resident, env_.dietFile, env_.drives, env_.facility, env_.model, run.MealOrder);
  report_.fileDamaged(env_.dietFile.path(), env_.dietFile.damage());
  if (!resident.Damage.empty()) {
    // A damaged file whose name or diet cannot be read, or whose fields
    // stand out of place, gives no card that could reach the right tray
    // with the right diet; one that can carries the review mark.
    const auto unreadable = [](const std::string& text) {
      return trim(text).empty() ||
             std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 32; });
    };
    if (resident.FieldsMisplaced || unreadable(resident.NameLine) || trim(resident.NameLine) == resident.Room ||
        unreadable(resident.Diet)) {
      resident.NameLine.clear();  // garbage, not a name to show anywhere
      return leaveOut(LeftOutReason::DamagedFile, file, resident.ResidentPath + " " + resident.Damage);
    }
    markForReview(resident);
  }
  if (run.PreviewFlag == 0) {  // a walk-through shows everyone
    if (settings_.Check21 && !resident.SelectResident) return leaveOut(LeftOutReason::SelectFilter, file);
    if (settings_.Check22 && resident.SelectResident) return leaveOut(LeftOutReason::SelectFilter, file);
  }
  // The card's pictures (thick-liquid and texture symbols among them) are
  // loaded by the renderer for each card it draws.

  // LoadResident chose and read the diet file; the patterns come from the
  // same records.
  const std::array<std::string, 4> patterns = arrangeBySlots(mealPatternLines(env_.dietFile, resident.DietCode), run.MealOrder);
  for (int slot = 1; slot <= 3; ++slot) resident.SpecialInstructions[slot][7] = patterns[slot];
  return true;
}

bool ResidentSelection::placeByDiningLocation(const PassRules& rules, const std::string& file) {
  RunState& run = env_.run;
  ResidentRecord& resident = env_.resident;
  if (run.MealOrder.empty()) {
    if (!placeByRoster(rules, file)) return false;
  } else {
    // The tray line holds no roster record: the resident's own dining
    // codes give the card its locations, never the previous resident's.
    setMealLocations({"", upper(resident.DiningCode[1]), upper(resident.DiningCode[2]), upper(resident.DiningCode[3])});
  }
  // Values read from a damaged shared file could be wrong on this card.
  if (!resident.SharedDamage.empty()) markForReview(resident);
  const int labelMeal = run.UserMealNo >= 1 && run.UserMealNo <= 3 ? run.UserMealNo : 1;
  run.LocationLabel = rules.catchAll ? std::string(kMissingDiningLocation) : locationLabel(run.MealLocations[labelMeal]);
  return true;
}

bool ResidentSelection::placeByRoster(const PassRules& rules, const std::string& file) {
  RunState& run = env_.run;
  std::array<std::string, 4> abbr{};
  bool noTray = false;
  for (int meal = 1; meal <= 3; ++meal) {
    abbr[meal] = roster::location(record_, meal);
    noTray = noTray || contains(abbr[meal], "X");
  }
  if (rules.byDiningLocation && !rules.catchAll && (abbr[kLunch] != run.PassAbbr || noTray))
    return leaveOut(noTray ? LeftOutReason::NoTray : LeftOutReason::NotInPasses, file);
  // A meal marked "X" has no tray: such a resident is refused by the
  // passes of a location, and the catch-all pass does not take them in
  // either, since their location is not missing.
  if (rules.catchAll && (abbr[kLunch] == "   " || noTray || dining_.find(abbr[kLunch]) != 0))
    return leaveOut(noTray ? LeftOutReason::NoTray : LeftOutReason::NotInPasses, file);
  if (noTray && (settings_.AlfMenus || rules.byCategory)) return leaveOut(LeftOutReason::NoTray, file);
  if (rules.catchAll) {
    // The card says why it came in this pass; no look-up replaces it.
    for (int meal = 1; meal <= 3; ++meal) {
      run.MealLocations[meal] = kMissingDiningLocation;
      run.HydrateMark[meal] = false;
    }
  } else {
    // A page with a no-tray meal still shows the locations of the meals
    // that have a tray; the "X" meal finds nothing and stays blank.
    setMealLocations(abbr);
  }
  return true;
}

bool ResidentSelection::dietQualifies(const PassRules& rules, const std::string& file) {
  RunState& run = env_.run;
  ResidentRecord& resident = env_.resident;
  if (resident.HospitalOrOut) {
    if (rules.singleResident) env_.host.dialogs().message(kHospitalMessage, Buttons::Ok);
    return leaveOut(LeftOutReason::Hospital, file);
  }
  int d = resident.DietCode[1];
  if (d == 98 || d == 99) return leaveOut(LeftOutReason::NoTray, file);
  if (d < 1 || d > 200) {
    markForReview(resident);
    d = 3;
  }
  if (!rules.byCategory) return true;
  const bool thickened = dietIsThickened(resident.Diet);
  resident.diet.Thickened = thickened ? 1 : 0;
  run.Enhanced = dietIsEnhanced(resident.Diet);
  return dietCategoryHolds(run.CategoryNo, {d, thickened, run.Enhanced}) ||
         leaveOut(LeftOutReason::NotInPasses, file);
}

}  // namespace mc
