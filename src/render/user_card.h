// User-defined text tray cards: one card per resident and meal, printed as
// plain lines down continuous tray-card stock, the way a line printer does.
// All the geometry comes from six fields of the main window.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "render/surface.h"
#include "settings/card_settings.h"

namespace mc {

struct UserCardSettings {
  int LeftMargin = 0;     // Text9: blanks before every line; 0 or less none
  int TotalLines = 0;     // Text10: card length; 13 or less no padding
  int LineSpacing = 200;  // Text11: twips added before every line
  int CardsPerPage = 0;   // Text12: page break after this many; 0 never
  int StartLines = 0;     // Text13: blank lines at the top of a page
  int FontSize = 12;      // Text14: points, 8..24

  // The six fields as the window holds them, read by the leading-number
  // rule; a font size outside 8..24 becomes 12, as a settings load makes it.
  static UserCardSettings fromSettings(const CardSettings& settings);
};

struct UserCard {
  int UserMealNo = 1;         // 1 breakfast, 2 lunch, 3 supper
  std::string NameLine;       // 30 blanks when the resident file is missing
  std::string DietLine;       // likewise
  std::string LocationLabel;  // dining location text of the meal
  std::array<std::string, 8> Lines{};  // card lines 1..7 of the meal
  bool PdfDriver = false;
  std::string FontName = "Times New Roman";  // the main window's font
};

// Prints one card below the one before it. CardsInJob counts the cards on
// the current page: the first starts at the top of the page after the
// start lines, and
// after CardsPerPage cards the page ends (or, on a PDF driver, the
// document, so that each page becomes a file of its own) and the count
// starts again.
void PrBM(Surface& surface, const UserCard& card, const UserCardSettings& settings,
          int16_t& CardsInJob);

}  // namespace mc
