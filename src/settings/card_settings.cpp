#include "settings/card_settings.h"

#include <algorithm>

#include "data/text.h"
#include "settings/field_encoding.h"

namespace mc {

namespace {

void readRanges(const SettingsModel& m, CardSettings& s) {
  const auto field = [&](int n) { return int16Field(m.Text[n]); };
  s.Text1 = field(1), s.Text2 = field(2), s.Text3 = field(3), s.Text4 = field(4);
  s.Text5 = field(5), s.Text6 = field(6), s.Text7 = field(7), s.Text8 = field(8);
  s.PreviewMenuDay = std::max(1, static_cast<int>(wholeFieldNumber(m.Text[5])));
  s.Text9 = field(9), s.Text10 = field(10), s.Text11 = field(11);
  s.Text12 = field(12), s.Text13 = field(13), s.Text14 = field(14);
}

void readChecks(const SettingsModel& m, CardSettings& s) {
  const auto on = [&](int n) { return m.Check[n] == 1; };
  s.Check1 = on(1), s.Check2 = on(2), s.Check3 = on(3), s.Check4 = on(4), s.Check5 = on(5);
  s.Check6 = on(6), s.Check7 = on(7), s.Check8 = on(8), s.Check9 = on(9), s.Check10 = on(10);
  s.Check12 = on(12), s.Check17 = on(17), s.Check19 = on(19), s.Check20 = on(20);
  s.Check21 = on(21), s.Check22 = on(22), s.Check23 = on(23), s.Check24 = on(24);
  s.Check25 = on(25), s.Check26 = on(26), s.Check28 = on(28), s.Check29 = on(29);
  s.Check30 = on(30), s.Check31 = on(31), s.Check32 = on(32), s.Check33 = on(33);
  s.Check34 = on(34), s.Check35 = on(35), s.Check36 = on(36), s.Check37 = on(37);
  s.Check38 = on(38), s.Check39 = on(39), s.Check40 = on(40), s.Check41 = on(41);
  // The switches an assisted-living menu holds off.
  const auto feature = [&](int n) { return m.feature(n) == 1; };
  s.Check13 = feature(13), s.Check14 = feature(14), s.Check15 = feature(15), s.Check16 = feature(16);
}

void readCardFields(const SettingsModel& m, CardSettings& s) {
  const auto whole = [&](int n) { return wholeFieldNumber(m.Text[n]); };
  s.Text16 = whole(16), s.Text17 = whole(17), s.Text18 = whole(18), s.Text19 = whole(19);
  s.Text21 = leadingNumber(m.Text[21]);
  s.Text22 = whole(22), s.Text23 = whole(23), s.Text24 = whole(24), s.Text25 = whole(25);
  s.Text26 = whole(26), s.Text32 = whole(32), s.Text33 = whole(33), s.Text34 = whole(34);
  s.Text35 = static_cast<int>(whole(35));
  s.Text15 = m.Text[15];
  s.Text20 = MealOrder::parse(m.Text[20]);
  s.Text28 = m.Text[28];
  s.Text29 = m.Text[29];
  s.Text36 = m.Text[36];
}

}  // namespace

CardSettings readCardSettings(const SettingsModel& m) {
  CardSettings s;
  readRanges(m, s);
  readChecks(m, s);
  readCardFields(m, s);
  s.Option3 = m.Option[3];
  s.AlfMenus = m.AlfMenus;
  s.CardKind = m.CardKind;
  s.PseudoSelect = m.PseudoSelect;
  s.NoLeg = m.NoLeg;
  s.AlfMealNo = m.AlfMealNo;
  s.SymbolSuffix = m.SymbolSuffix;
  s.SelectWatermarkMode = m.SelectWatermarkMode;
  s.BannerPicture = m.BannerPicture;
  s.BorderPicture = m.BorderPicture;
  s.WatermarkPicture = m.WatermarkPicture;
  s.StripColor = m.StripColor;
  s.Label = m.Label;
  return s;
}

}  // namespace mc
