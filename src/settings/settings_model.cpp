#include "settings/settings_model.h"

namespace mc {

SettingsModel::SettingsModel() {
  // The captions the window is designed with; a settings load replaces them
  // only with a usable stored text.
  Label[2] = {"Regular", 0x00C000, true};  // green
  Label[4] = {"Mech", 0xFF8000, true};     // blue
  Label[5] = {"Puree", 0x0080FF, true};    // orange
  Label[7] = {"NCS", 0xFF00FF, true};      // magenta
  Label[9] = {"NAS", 0xFFFF00, true};      // cyan
  Label[17] = {"Nectar", 0x8080FF, true};  // light red
  Label[18] = {"Honey", 0x0080C0, true};   // amber
  Label[19] = {"Pudng", 0x800080, true};   // purple
  Label[20] = {"RENAL", 0x808080, true};   // grey
  Label[13].Caption = " Cal/ADA";
  Label[14].Caption = "NAS/2gNa";
  Label[15].Caption = "L.Fat/Chol";
  Label[16].Caption = "Renal";
  Label[1].Caption = "Nursing Units";
  Label[3].Caption = "&Residents";
  Label[6].Caption = "Menu &Days";
  Label[8].Caption = "Dinin&g Loc";
  Label[11].Caption = "Top/Left/Lch/Sup";
  Label[12].Caption = "Bar Code";
  Label[21].Caption = "Printer Driver";
  SetButtonCaption = {"", "Set For &ALL", "Option 2", "Option 3", "Option 4", "Option 5", "Option 6"};
  Caption = kProgramTitle;
  for (int i = 1; i <= 4; ++i) {
    StripChoice[i] = i == 4 ? 1 : i;
    StripColor[i] = stripColor(StripChoice[i]);
  }
}

int SettingsModel::feature(int checkNo) const {
  if (AlfMenus && (checkNo == 11 || checkNo == 13 || checkNo == 14 || checkNo == 15 || checkNo == 16))
    return 0;
  return checkNo >= 1 && checkNo <= 43 ? Check[checkNo] : 0;
}

int32_t stripColor(int choice) {
  switch (choice) {
    case 2: return 0x8080FF;  // light red
    case 3: return 0x80FF80;  // light green
    case 4: return 0x800080;  // purple
    default: return 0x00FFFF;  // yellow
  }
}

}  // namespace mc
