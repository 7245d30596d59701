// One call of DrawMenu as the card items see it: the surface chosen, the
// inputs, the card type and the page geometry.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "data/facility.h"
#include "data/meal_lines.h"
#include "data/resident_record.h"
#include "render/draw_context.h"
#include "render/page_geometry.h"
#include "render/surface.h"
#include "settings/card_settings.h"

namespace mc {

// The card's own font: the page starts with it, and the name and diet use it.
inline constexpr const char* kCardFont = "Times New Roman";

// Colours used by the card items (0x00BBGGRR).
namespace colour {
inline constexpr int32_t Black = 0;
inline constexpr int32_t Red = 255;
inline constexpr int32_t Yellow = 65535;
inline constexpr int32_t Green = 65280;
inline constexpr int32_t Blue = 16711680;
inline constexpr int32_t Navy = 8388608;
inline constexpr int32_t Grey = 8421504;        // page numbers
inline constexpr int32_t LightGrey = 14737632;  // markers in grey mode
inline constexpr int32_t DarkGreen = 884764;    // likes
inline constexpr int32_t LightCyan = 16777088;  // hydration box
inline constexpr int32_t Orange = 33023;        // name hilite
}  // namespace colour

struct CardPage {
  Surface& s;
  const Facility& facility;
  const CardSettings& settings;
  const ResidentRecord& resident;
  const DrawContext& ctx;
  CardType type;
  PageGeometry geo;
  bool screen;  // drawing the preview: some pens and positions differ
  // The resident's meal lines for the menu day, on the card kinds that
  // carry a menu; null on Tray Cards or when no menu could be built.
  const MealLines* meals = nullptr;
  // Hears of what the card has no room for; may be empty.
  std::function<void(const std::string&)> warn = nullptr;

  bool drawsColumn(int k) const { return ctx.MealToDraw == 4 || ctx.MealToDraw == k; }
  // Meal positions 1 and 4 start a page; items drawn once for all three
  // columns belong to that call.
  bool startsPage() const { return ctx.MealToDraw == 1 || ctx.MealToDraw == 4; }
  // A pen width: the screen's pixels are larger than the printer's.
  int pen(int onPaper, int onScreen) const { return screen ? onScreen : onPaper; }
  // The letter of the meal column k shows ("B", "L", "S") and its number 1..3.
  char columnLetter(int k) const;
  int columnMeal(int k) const;
  // The title over the cards: the facility's name, or that there is none.
  std::string title() const {
    return facility.setupFound ? facility.FacilityName : "Cannot Find Setup File";
  }
  // The assisted-living meal drawn: the run's, else the settings' last
  // ticked meal box, else breakfast.
  int alfMeal() const;
  // X of the top name and diet lines in column k.
  double topTextX(int k) const;
  // Tells `warn` of `lines` lines of the meal's `list` ("likes", "menu")
  // that stand past the card's last line for them: not printed, or printed
  // over the special instructions.
  void cutOff(int meal, std::string_view list, int lines) const;
  void runsOver(int meal, std::string_view list, int lines) const;
};

// The assisted-living meal of a call: the run's, else the settings' last
// ticked meal box, else breakfast.
int alfMeal(const DrawContext& ctx, const CardSettings& settings);

// Lines of `lines` after line `last` that hold more than blanks.
int textLinesAfter(std::span<const std::string> lines, int last);

// The card's font in an upright face, black, not underlined.
void uprightFont(Surface& s, double size, bool bold);

// "Breakfast", "Lunch", "Supper" for meal 1..3.
const char* mealName(int meal);

}  // namespace mc
