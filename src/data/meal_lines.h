// LoadMealLines: what the resident is served. For one menu day it builds the
// lines of breakfast, lunch and supper that a meal card, a select menu, a
// pseudo select menu or an assisted-living menu prints: the cycle-menu line
// of each record picked by the diet's selectors, foods the diet does not
// allow or the resident must not have replaced, select items starred, the
// alternates of a pseudo select menu added, the texture banners on top and
// the portions rewritten.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/facility.h"
#include "data/fixed_tables.h"
#include "data/menu_files.h"
#include "data/resident_record.h"

namespace mc {

// The card a menu is built for. Meal cards print the house (starred) items
// the resident gets; select menus offer every item of the meal; pseudo
// select is a select menu of the house items and their alternates;
// assisted-living menus list one meal.
enum class MenuKind { MealCard, Select, PseudoSelect, Alf };

struct MealLineRequest {
  MenuKind kind = MenuKind::MealCard;
  int MenuDay = 1;
  int AlfMealNo = 1;      // assisted-living menus: the one meal built, 1..3
  bool ExcludeW = false;  // the W option: records flagged "W" are left out
  // The meal's portion string by meal 1..3 (breakfast: diet file columns
  // 47-53, lunch 55-62, supper 64-71), one character per food category.
  std::array<std::string, 4> Portions{};
};

struct MealLines {
  static constexpr int kLastLine = 82;
  static constexpr int kBlankLines = 60;  // lines 1..60 start as 25 blanks

  // [meal 1..3][line 0..82]; line 0 is never used.
  std::array<std::vector<std::string>, 4> MealText{};
  // The 13-character label (menu record columns 1-13) of each line; banner
  // lines get 13 blanks.
  std::array<std::vector<std::string>, 4> MealLabel{};
  // [line 0..82], assisted-living menus only; empty otherwise.
  std::vector<std::string> AlfText{};
  // The highest line of each meal that the build wrote (0: none).
  std::array<int, 4> LineCount{};
};

// The texts that stand on a card in place of a food.
inline constexpr const char* kPureedBanner = "!!! ALL FOODS PUREED !!!";
inline constexpr const char* kMechSoftBanner = ">>> ALL FOODS MECH SOFT <<<";
inline constexpr const char* kReviewNoCategory = " --> Supervisor Review-1 ";
inline constexpr const char* kReviewNoItemFile = " --> Supervisor Review-2 ";

// The food category of a line as the layouts group it: the first six
// characters of the category (label columns 6-11), upper-cased.
std::string lineCategory(const std::string& label);

MealLines LoadMealLines(const ResidentRecord& resident, const FixedTables& tables, const Facility& facility,
                        MenuFiles& files, const MealLineRequest& request);

}  // namespace mc
