#include "render/page_geometry.h"

#include "data/text.h"
#include "settings/field_encoding.h"

namespace mc {

CardType cardType(const CardSettings& settings) {
  if (settings.AlfMenus) return CardType::Alf;
  switch (settings.CardKind) {
    case 1: return CardType::Select;
    case 2: return CardType::Meal;
    default: return CardType::Tray;
  }
}


PageGeometry pageGeometry(const CardSettings& settings, CardType type) {
  PageGeometry g;
  const bool alf = type == CardType::Alf;
  g.C[1] = settings.Text17;
  g.C[2] = 5200 + settings.Text18;
  g.C[3] = 10020 + settings.Text19;
  // Ink-jet printers cannot print as close to the paper's edge.
  g.Right = settings.Check19 ? 14800 : 15010;
  g.Top = settings.Text16;
  if (g.Top == 0) g.Top = 700;
  if (alf) {
    g.Legal = settings.Check32 && !settings.NoLeg;
    g.Right = g.Legal ? 19500 : g.Right + 180;
    g.Top = 700;
    g.Bottom = 11370;
    g.DiningLine = 9400;
    g.DayPitch = g.Legal ? 2800 : 2150;
  }
  return g;
}

}  // namespace mc
