#include "ui/preview.h"

#include "data/data_file_names.h"
#include "data/resident_loader.h"
#include "data/text.h"
#include "printrun/resident_selection.h"
#include "printrun/menu_loader.h"
#include "render/card_renderer.h"
#include "settings/card_settings.h"
#include "settings/resident_load_options.h"

namespace mc {

void RedrawPreview(Controller& c) {
  const std::string order = singleResidentMealOrder(c.model);
  const CardSettings settings = readCardSettings(c.model);
  CardRenderer renderer(c.facility, settings, c.printer, c.screenSurface());
  renderer.barCoder = c.barCoder;
  if (c.pictureLoader) renderer.usePictures(c.drives, *c.pictureLoader);
  // A sample resident whose file is missing or damaged is drawn as print
  // draws such a card: marked for review, and named, never as a confident
  // card of blanks and defaults.
  if (!c.resident.Loaded) c.loadResident(order);
  const std::string path = residentDataPath(c.facility, c.resident.ResidentFile);
  std::string wrong = c.resident.Damage;
  if (c.resident.ResidentPath.empty()) wrong = c.drives.absence(path);
  if (!wrong.empty() && !trim(c.resident.ResidentFile).empty()) {
    if (!startsWith(c.resident.Diet, kReviewMark)) c.resident.Diet = kReviewMark + c.resident.Diet;
    // The renderer draws no card at all for a resident without a file.
    if (c.resident.ResidentPath.empty())
      c.drives.report(startsWith(wrong, "is missing") ? FileFault::Missing : FileFault::Unreadable, path,
                      wrong + ": the preview shows no card for this resident");
    else
      c.drives.report(FileFault::Damaged, path, wrong + ": the preview of this resident is marked >>Review<<");
  }
  c.run.MealToDraw = 4;
  DrawContext ctx = c.run.drawContext();
  ctx.MealCode = 4;
  ctx.MealOrder = order;
  MenuLoader menus(c.drives, c.facility, c.tables);
  const std::vector<MealLines> lines = menus.load(renderer.menusFor(ctx, c.resident), c.resident, c.dietFile);
  c.screenSurface().Cls();
  renderer.DrawMenu(ctx, c.resident, lines);
}

}  // namespace mc
