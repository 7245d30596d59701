// The run state: the program-wide values of the current print run, which
// the renderer and the loaders read while it draws. Every run rewrites
// them; between runs they keep what the last run left, as the window and
// the command line both look at one copy (the controller's).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/card_date.h"
#include "render/draw_context.h"

namespace mc {

struct RunState {
  // ---- The run ----
  std::string MealOrder;      // "", "BLS", "LSB", "SBL", "BBB", "LLL", "SSS"
  std::string MealOrderRest;  // orders still to run ("LLLSSS" during "BYM")
  int16_t Step = 1;           // +1, or -1 printing back to front
  bool PdfDriver = false;     // the printer is a PDF printer driver
  Date CardDate;
  int16_t WeekdayNo = 1;      // 1 Sunday .. 7 Saturday
  std::array<std::string, 8> DayNames{};  // 1..7, starting with the start date's weekday
  int16_t PassNo = 1;         // dining location record of the pass
  std::string PassAbbr = "   ";
  int16_t CategoryNo = 1;
  int16_t UnitNo = 1;
  int16_t ResidentNo = 1;
  int16_t MealToDraw = 4;     // 1, 2, 3 one column; 4 all three
  int16_t MealCode = 4;       // 1 breakfast, 2 lunch, 3 supper, 4 all
  std::string MealLetter;     // "B", "L", "S"
  int16_t MenuDay = 0;        // also the menu day the preview shows
  int16_t CardCount = 1;      // page counter
  std::string AlfMeals = "    ";  // "x" at 1..3 for the assisted-living meals still due
  int AlfMealNo = 0;
  std::string AlfMealName;
  int16_t UserMealNo = 1;
  int16_t CardsInJob = 0;
  int16_t PreviewFlag = 0;    // set: a walk-through run, drawn on the screen

  // The text card file of the run ("" writes nothing); each card goes after
  // the file's last whole line.
  std::string TextCardFile;

  // ---- How this program run prints (the command line's choices) ----
  // A PDF printer driver whatever PrinterName says (--pdf).
  bool PdfDriverForced = false;
  // The queue this program run prints to when it is not the settings'
  // printer (--printer); PrinterName itself is left as stored.
  std::string PrinterOverride;
  // "Make PDF Backup" for this program run whatever Check40 says (--backup);
  // the stored settings are left as they are.
  bool BackupForced = false;

  // ---- What selection prepared for the current resident ----
  // By meal 1..3: dining location description, three blanks when unknown.
  std::array<std::string, 4> MealLocations{"", "   ", "   ", "   "};
  std::array<bool, 4> HydrateMark{};
  std::string LocationLabel;
  bool Enhanced = false;  // enhanced foods (FTF, SUPER, ENHANCE in the diet)

  // What DrawMenu is handed for the current card.
  DrawContext drawContext() const;
};

// WeekdayNo from CardDate, and DayNames rotated so that DayNames(1) is its name.
void computeWeekday(RunState& run);

}  // namespace mc
