#include "printrun/run_state.h"

namespace mc {

DrawContext RunState::drawContext() const {
  DrawContext ctx;
  ctx.MealToDraw = MealToDraw;
  ctx.MealCode = MealCode;
  ctx.MealLetter = MealLetter;
  ctx.MealOrder = MealOrder;
  ctx.MenuDay = MenuDay;
  ctx.CardDate = CardDate;
  ctx.WeekdayNo = WeekdayNo;
  ctx.CardCount = CardCount;
  ctx.UnitNo = UnitNo;
  ctx.ResidentNo = ResidentNo;
  ctx.PassNo = PassNo;
  ctx.PdfDriver = PdfDriver;
  ctx.PreviewFlag = PreviewFlag != 0;
  ctx.AlfMealNo = AlfMealNo;
  ctx.AlfMealName = AlfMealName;
  ctx.MealLocations = MealLocations;
  ctx.HydrateMark = HydrateMark;
  ctx.LocationLabel = LocationLabel;
  return ctx;
}

void computeWeekday(RunState& run) {
  run.WeekdayNo = static_cast<int16_t>(weekday(run.CardDate));
  for (int d = 1; d <= 7; ++d) run.DayNames[d] = kWeekdayNames[(run.WeekdayNo - 1 + d - 1) % 7 + 1];
}

}  // namespace mc
