#include "ui/overlay_fields.h"

#include "data/text.h"
#include "ui/easy_overlay.h"

namespace mc::easy {

void Text_Commit(Controller& c, int n, bool leaving) {
  SettingsModel& m = c.model;
  EasyOverlayState& o = m.Overlay;
  switch (n) {
    case 1:
      o.Text1 = upper(o.Text1);
      m.Text[20] = o.Text1;
      break;
    case 15:
      m.Text[15] = o.Text15;
      break;
    case 2:
    case 3:
      if (n == 2 || leaving) m.Text[5] = o.Text2;
      if (n == 3 || leaving) m.Text[6] = o.Text3;
      break;
    default:
      break;
  }
}

void Command4_Click(Controller& c) {
  c.model.Overlay.Advanced = true;
  c.model.Overlay.Visible = false;
}

}  // namespace mc::easy

namespace mc {

void Preview_Click(Controller& c) {
  if (!c.model.Overlay.Advanced) ShowForm2(c);
}

void Command19_Click(Controller& c) { ShowForm2(c); }

}  // namespace mc
