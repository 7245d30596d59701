#include "data/fixed_tables.h"

#include "data/card_date.h"
#include "data/data_file_names.h"
#include "data/text.h"

namespace mc {

namespace {

constexpr int kSetupRecordLength = 100;  // menu-set settings and omit file

constexpr std::array<int, 8> kVariantColumns = {0, 19, 49, 79, 109, 139, 169, 199};

}  // namespace

FixedTables InitTables(const DriveMap& drives, const Facility& facility,
                       const std::function<void(const FixedTables&)>& drawMenu) {
  FixedTables t;
  t.VariantColumn = kVariantColumns;

  t.MenuCode = facility.FacCode;
  const std::string menuSet = menuSetPath(facility);
  if (drives.fileExists(menuSet)) {
    const std::string code = trim(upper(columns(drives.readRecords(menuSet, kSetupRecordLength).record(1), 64, 64)));
    if (!code.empty()) t.MenuCode = code;
  }

  t.DayName[0] = std::string(6, ' ');
  for (int d = 1; d <= 18; ++d) t.DayName[d] = kWeekdayNames[(d - 1) % 7 + 1];

  const std::string omit = omitPath(facility);
  if (drives.fileExists(omit)) t.OmitFlags = columns(drives.readRecords(omit, kSetupRecordLength).record(1), 1, 3);

  t.MenuLineCount = 129;
  t.MealLines[1] = {0, 3, 44};
  t.MealLines[2] = {0, 47, 81};
  t.MealLines[3] = {0, 84, 121};

  if (drawMenu) drawMenu(t);
  return t;
}

}  // namespace mc
