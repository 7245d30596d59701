#include "ui/set_saving.h"

#include "data/text.h"

namespace mc {

namespace {

// A button number 1..6 from an input box's answer (its leading number,
// rounded); 0 for anything else, a cancel included.
int buttonNumber(const std::optional<std::string>& answer) {
  if (!answer) return 0;
  const double n = roundHalfEven(leadingNumber(*answer));
  return n >= 1 && n <= 6 ? static_cast<int>(n) : 0;
}

}  // namespace

void Command14_Click(Controller& c) {
  SettingsModel& m = c.model;
  const int n = buttonNumber(c.dialogs.input(
      "Save Current Settings\r\nUnder Which Orange Button (1-6  1=Set For All) ?", "", ""));
  if (n == 0) return;
  m.SaveRanges = 1;
  m.CurrentSet = static_cast<int16_t>(n);
  c.settingsFile.SaveSet(m);
  c.dialogs.message(" Current Settings Saved Under Button" + numberText(n) + " .", Buttons::Ok);
  m.SaveRanges = 0;
  m.CurrentSet = 1;
}

void Label1_RightClick(Controller& c) {
  SettingsModel& m = c.model;
  const int n = buttonNumber(c.dialogs.input("Save Current Settings to Which Button Number (1-6) ?",
                                             "Save Orange Button Settings", "1"));
  if (n == 0) return;
  m.CurrentSet = static_cast<int16_t>(n);
  const std::string name =
      trim(c.dialogs
               .input("Change Name for Settings Button Number" + numberText(n), "Change Button Name",
                      m.SetButtonCaption[n])
               .value_or(""));
  m.SetButtonName[n] = name;
  m.SetButtonCaption[n] = name;
  m.CallMode = callmode::ControlKey;
  c.settingsFile.SaveSet(m);
  m.CallMode = callmode::None;
  m.CurrentSet = 1;
}

void SettingsButton_MouseDown(Controller& c, bool ctrl) {
  if (ctrl) c.model.CallMode = callmode::ControlKey;
}

}  // namespace mc
