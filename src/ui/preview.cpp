#include "ui/preview.h"

#include "data/resident_loader.h"
#include "printrun/menu_loader.h"
#include "render/card_renderer.h"
#include "settings/resident_load_options.h"

namespace mc {

void RedrawPreview(Controller& c) {
  const std::string order = singleResidentMealOrder(c.model);
  CardRenderer renderer(c.facility, c.model, c.resident, c.printer, c.screenSurface());
  renderer.barCoder = c.barCoder;
  if (c.pictureLoader) renderer.usePictures(c.drives, *c.pictureLoader);
  renderer.LoadResident = [&] { c.loadResident(order); };
  renderer.LoadMealLines = mealLineLoader(c.drives, c.facility, c.tables, c.resident, c.dietFile);
  c.run.MealToDraw = 4;
  DrawContext ctx = c.run.drawContext();
  ctx.MealCode = 4;
  ctx.MealOrder = order;
  c.screenSurface().Cls();
  renderer.DrawMenu(ctx);
}

}  // namespace mc
