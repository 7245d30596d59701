// Marked lines: resident and menu lines whose marker characters "_", "^"
// and "=" become hilite boxes behind the text (yellow bar, red frame, green
// frame), the marker itself printing as a blank.
#pragma once

#include <string>
#include <string_view>

#include "render/card_page.h"

namespace mc {

struct MarkedLineStyle {
  double listSize = 0;   // the list size when one is set, else 0
  bool dining = false;   // the dining location: always 12 point
  bool bold = true;
  int32_t color = colour::Black;
  bool fitWide = true;   // shrink lines wider than 4700 (all but Select menus)
  bool compact = false;  // compact Select menu items: shrink lines wider than 2400
};

// Prints one marked line at (x, y), boxes first. A line that is empty or all
// blanks prints nothing.
void PrintMarkedLine(const CardPage& page, std::string_view text, double x, double y,
                     const MarkedLineStyle& style);

// The text with the first "_", "^" and "=" each replaced by a blank.
std::string unmarked(std::string_view text);

}  // namespace mc
