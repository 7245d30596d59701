#include "render/user_card.h"

#include <limits>

#include "data/text.h"

namespace mc {

namespace {

// The meal banners of line-printer tray cards, blanks included.
constexpr const char* kBanners[4] = {
    "",
    "         >>>>> BREAKFAST <<<<<  ",
    "           >>>>> LUNCH <<<<<  ",
    "           >>>>> SUPPER <<<<<  ",
};

constexpr int kFirstPaddingLine = 14;

}  // namespace

UserCardSettings UserCardSettings::fromSettings(const CardSettings& settings) {
  UserCardSettings s;
  s.LeftMargin = settings.Text9;
  s.TotalLines = settings.Text10;
  s.LineSpacing = settings.Text11;
  s.CardsPerPage = settings.Text12;
  s.StartLines = settings.Text13;
  const int size = settings.Text14;
  s.FontSize = size >= 8 && size <= 24 ? size : 12;
  return s;
}

void PrBM(Surface& surface, const UserCard& card, const UserCardSettings& settings,
          int16_t& CardsInJob) {
  surface.FontName = card.FontName;
  surface.FontSize = settings.FontSize;
  surface.FontBold = true;

  const std::string margin(settings.LeftMargin > 0 ? settings.LeftMargin : 0, ' ');
  auto line = [&](const std::string& text) {
    surface.CurrentY += settings.LineSpacing;
    surface.CurrentX = 0;
    surface.Print(text, true);
  };

  if (CardsInJob == 0) {
    // A new page (or the run's first card) starts at the top of the sheet,
    // wherever the cards before the break ended.
    surface.CurrentX = 0;
    surface.CurrentY = 0;
    for (int i = 0; i < settings.StartLines; ++i) surface.Print("", true);
  }

  const int meal = card.UserMealNo >= 1 && card.UserMealNo <= 3 ? card.UserMealNo : 0;
  surface.Print(margin + kBanners[meal] + card.LocationLabel, true);
  line(margin + card.NameLine);
  // The diet stands apart from the name: twice the spacing, then the line.
  surface.CurrentY += 2.0 * settings.LineSpacing;
  surface.CurrentX = 0;
  surface.Print(margin + card.DietLine, true);
  line(margin + std::string(60, '-'));
  for (int i = 1; i <= 7; ++i) line(margin + card.Lines[i]);
  line(margin + std::string(40, '_'));
  for (int i = kFirstPaddingLine; i <= settings.TotalLines; ++i) surface.Print("", true);

  // The counter is 16-bit; continuous feed never compares it, so it stops
  // at the top instead of wrapping.
  if (CardsInJob < std::numeric_limits<int16_t>::max()) ++CardsInJob;
  if (settings.CardsPerPage >= 1 && CardsInJob >= settings.CardsPerPage) {
    if (card.PdfDriver)
      surface.EndDoc();
    else
      surface.NewPage();
    CardsInJob = 0;
  }
}

}  // namespace mc
