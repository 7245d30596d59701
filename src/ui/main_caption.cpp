#include "ui/main_caption.h"

#include "data/text.h"

namespace mc {

void PutCap(const Facility& facility, SettingsModel& model) {
  std::string caption = " [" + facility.SiteCode + " ] Fac:" + model.AltFacCode + "  Set:" + numberText(model.CurrentSet);
  if (facility.CustomTitle.empty())
    caption += std::string(":") + kProgramTitle;
  else
    caption += "  [Meal Cards & Select Menus]         " + facility.CustomTitle;
  if (model.Check[5] == 1) caption += " Set to Print to SCREEN ONLY.   ";
  model.Caption = caption;
  model.Overlay.Caption = " [ EASY ] " + caption;
}

}  // namespace mc
