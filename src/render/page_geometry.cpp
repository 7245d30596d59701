#include "render/page_geometry.h"

#include "data/text.h"
#include "settings/field_encoding.h"

namespace mc {

CardType cardType(const SettingsModel& model) {
  if (model.AlfMenus) return CardType::Alf;
  switch (model.CardKind) {
    case 1: return CardType::Select;
    case 2: return CardType::Meal;
    default: return CardType::Tray;
  }
}


PageGeometry pageGeometry(const SettingsModel& model, CardType type) {
  PageGeometry g;
  const bool alf = type == CardType::Alf;
  g.C[1] = wholeFieldNumber(model.Text[17]);
  g.C[2] = 5200 + wholeFieldNumber(model.Text[18]);
  g.C[3] = 10020 + wholeFieldNumber(model.Text[19]);
  // Ink-jet printers cannot print as close to the paper's edge.
  g.Right = model.Check[19] == 1 ? 14800 : 15010;
  g.Top = wholeFieldNumber(model.Text[16]);
  if (g.Top == 0) g.Top = 700;
  if (alf) {
    g.Legal = model.Check[32] == 1 && !model.NoLeg;
    g.Right = g.Legal ? 19500 : g.Right + 180;
    g.Top = 700;
    g.Bottom = 11370;
    g.DiningLine = 9400;
    g.DayPitch = g.Legal ? 2800 : 2150;
  }
  return g;
}

}  // namespace mc
