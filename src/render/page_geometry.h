// The page and its three columns, in twips, as the settings place them.
// Recomputed at the start of every page.
#pragma once

#include <array>

#include "settings/card_settings.h"

namespace mc {

// The graphic card types that DrawMenu draws.
enum class CardType { Tray, Meal, Select, Alf };
CardType cardType(const CardSettings& settings);

struct PageGeometry {
  std::array<double, 4> C{};  // left edges of columns 1..3 (index 0 unused)
  double Right = 15010;       // right edge of the frame
  double Top = 700;
  double Bottom = 10570;      // bottom of the frame, the name line's Y
  double DiningLine = 8600;   // the special instructions start here
  bool Legal = false;         // assisted-living menu on legal paper
  double DayPitch = 2150;     // width of an assisted-living day sub-column

  // Width of column k: up to the next column, the last one up to the right edge.
  double width(int k) const { return rightEnd(k) - C[k]; }
  // Right end of column k.
  double rightEnd(int k) const { return k < 3 ? C[k + 1] : Right; }
  // Width of column 1, by which text is fitted in every column.
  double W1() const { return C[2] - C[1]; }
};

PageGeometry pageGeometry(const CardSettings& settings, CardType type);

}  // namespace mc
