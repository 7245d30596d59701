// Resident selection: for every resident number and meal position a run
// visits, which resident file it holds, whether that resident gets a card,
// and what the card needs beyond the resident record (dining locations
// with their hydration marks, meal pattern lines, the review marker). The
// rules are the facility's printing policy: select and non-select
// residents, hospital and out on pass, dining-location passes with a
// catch-all pass, diet categories.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "data/record_file.h"
#include "printrun/dining_locations.h"
#include "printrun/run_environment.h"
#include "printrun/run_report.h"
#include "settings/card_settings.h"

namespace mc {

inline constexpr const char* kMissingDiningLocation = "Missing Dining Location";
inline constexpr const char* kHospitalMessage = "Resident Marked for H=Hospital or O=Out On Pass";
inline constexpr const char* kReviewMark = ">>Review<< ";

// What the pass being walked asks of selection.
struct PassRules {
  bool byDiningLocation = false;  // only residents of the pass's location (PassAbbr)
  bool catchAll = false;          // residents whose location the dining file lacks
  bool byCategory = false;        // only diets of CategoryNo
  bool singleResident = false;    // the run covers one unit and one resident
};

class ResidentSelection {
 public:
  // The run's settings, the dining locations and the report must outlive
  // the selection; every resident it refuses is named in the report with
  // the reason.
  ResidentSelection(RunEnvironment& env, const CardSettings& settings, const DiningLocations& dining,
                    RunReport& report);

  // Opens a unit for the run's meal order: its roster, or with a meal
  // order the meal-order file. The file is read whole, once per unit.
  // False when it does not exist: the unit is skipped.
  bool openUnit(int unit);
  // The Windows path of the file openUnit last opened (or looked for).
  const std::string& unitPath() const { return unitPath_; }
  // Why that file is there and could not be read; "" when it was read or
  // is not there.
  const std::string& unitReadError() const { return unitFile_.readError(); }
  // The last resident number to visit: without a meal order no further
  // than the unit's beds.
  int lastResident(int requested) const;
  // Reads the record of ResidentNo; returns the meal positions to draw.
  std::vector<int16_t> readResident();
  // Chooses the resident of meal position MealToDraw, loads and prepares
  // it; true when it gets a card.
  bool selectCard(const PassRules& rules);

 private:
  std::string unitRecord(long n) const;
  // Names the resident of the current position as left out; false, to be returned.
  bool leaveOut(LeftOutReason reason, const std::string& file, std::string detail = {});
  void setMealLocations(const std::array<std::string, 4>& abbreviations);
  // The steps of selectCard, in order; each false step names the resident
  // as left out when the resident was one.
  // Which resident file the position holds (trimmed); sets MealCode and MealLetter.
  std::string positionFile();
  // An empty bed, a name without a file, a file name no program writes, a
  // resident listed a second time.
  bool fileNameUsable(const std::string& file);
  // Reads the data file; a damaged one, the select filter.
  bool loadResident(const std::string& file);
  // The dining-location pass and the card's locations and label.
  bool placeByDiningLocation(const PassRules& rules, const std::string& file);
  bool placeByRoster(const PassRules& rules, const std::string& file);
  // Hospital or out on pass, no tray, the diet category of the pass.
  bool dietQualifies(const PassRules& rules, const std::string& file);

  RunEnvironment& env_;
  const CardSettings& settings_;
  const DiningLocations& dining_;
  RunReport& report_;
  // The roster checks, once per unit and run: the roster's own problems
  // go to the report, and each resident file's first bed is kept so that a
  // resident listed again (in this unit or another) prints once.
  void checkRoster();
  std::set<int> checkedUnits_;
  std::map<std::string, std::pair<int, int>> firstBed_;  // file -> unit, bed
  int unit_ = 0;
  std::string unitPath_;
  RecordFile unitFile_;
  std::string record_;
};

}  // namespace mc
