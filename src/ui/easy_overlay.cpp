#include "ui/easy_overlay.h"

#include "ui/main_actions.h"

namespace mc {

void ShowForm2(Controller& c) {
  SettingsModel& m = c.model;
  EasyOverlayState& o = m.Overlay;
  o.Caption = "[ EASY ] " + m.Caption;
  o.Command3Caption = " Print JUST " + c.resident.NameLine;
  o.Text15 = m.Text[15];
  // The labels take the colour of the main window's range labels, the
  // fields that of its date field.
  o.LabelBackColor = m.SecondControlColor;
  o.FieldBackColor = m.FirstControlColor;
  o.DateVisible = m.Check[12] == 1;
  o.Visible = true;
}

namespace easy {

void Command1_Click(Controller& c) {
  c.settingsFile.SaveSet(c.model);
  Command4_Click(c);
  c.run.PreviewFlag = 0;
  mc::Command1_Click(c);
  if (!c.Ended) ShowForm2(c);
}

void Command3_Click(Controller& c) {
  c.run.PreviewFlag = 0;
  mc::Command1_Click(c);
  if (!c.Ended) ShowForm2(c);
}

}  // namespace easy

}  // namespace mc
