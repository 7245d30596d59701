#include "ui/main_actions.h"

#include "data/text.h"
#include "printrun/print_run.h"
#include "ui/main_caption.h"

namespace mc {

namespace {

// A last resident below the first becomes this: more beds than any unit has.
constexpr int kAllResidents = 199;

}  // namespace

void Command1_MouseDown(Controller& c) { c.run.PreviewFlag = 0; }

const RunReport& Command1_Click(Controller& c) { return c.print(); }

void SaveOnExit(Controller& c) {
  c.model.CurrentSet = 1;
  c.model.Check[21] = 0;
  c.model.Check[22] = 0;
  c.settingsFile.SaveSet(c.model);
}

void Command2_Click(Controller& c) {
  SaveOnExit(c);
  if (c.running()) {
    if (c.dialogs.message(kCancelPrinting, Buttons::YesNo) != Answer::Yes) return;
    c.cancelRun();
  }
  c.EndProgram();
}

void EndWithSave(Controller& c) {
  SaveOnExit(c);
  c.EndProgram();
}

void Form_KeyEscape(Controller& c) {
  c.model.CurrentSet = 1;
  c.settingsFile.SaveSet(c.model);
  c.EndProgram();
}

void SettingsButton_Click(Controller& c, int setNo) {
  if (setNo == 1) {
    Command4_Click(c);
    return;
  }
  c.model.CurrentSet = static_cast<int16_t>(setNo);
  c.settingsFile.SetSetNo(c.model);
  c.settingsFile.GetSet(c.model);
  c.model.CurrentSet = 1;
  c.model.CallMode = callmode::None;
}

void Command4_Click(Controller& c) {
  SettingsModel& m = c.model;
  m.Check[21] = 0;
  m.Check[22] = 0;
  m.CallMode = callmode::None;
  m.CurrentSet = 1;
  c.settingsFile.SetSetNo(m);
  c.settingsFile.GetSet(m);
  m.CurrentSet = 1;

  const int units = c.facility.unitCount();
  int unitFirst = int16Field(m.Text[1]), unitLast = int16Field(m.Text[2]);
  int residentFirst = int16Field(m.Text[3]), residentLast = int16Field(m.Text[4]);
  if (unitFirst < 1) unitFirst = 1;
  if (unitLast < unitFirst) unitLast = units;
  // A last unit named "HOLD" keeps residents who are away: "all" stops
  // before it.
  if (unitLast == units && units >= 1 && contains(upper(c.facility.unit(units)->name), "HOLD")) unitLast = units - 1;
  if (residentFirst < 1) residentFirst = 1;
  if (residentLast < residentFirst) residentLast = kAllResidents;
  m.Text[1] = bareNumber(unitFirst);
  m.Text[2] = bareNumber(unitLast);
  m.Text[3] = bareNumber(residentFirst);
  m.Text[4] = bareNumber(residentLast);
  m.Text[7] = "1";
  if (int16Field(m.Text[8]) < 2) m.Text[8] = "2";
  m.CallMode = callmode::None;
}

void Command7_Click(Controller& c) { SettingsButton_Click(c, 2); }
void Command8_Click(Controller& c) { SettingsButton_Click(c, 3); }
void Command9_Click(Controller& c) { SettingsButton_Click(c, 4); }
void Command10_Click(Controller& c) { SettingsButton_Click(c, 5); }
void Command11_Click(Controller& c) { SettingsButton_Click(c, 6); }

}  // namespace mc
