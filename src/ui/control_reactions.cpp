#include "ui/control_reactions.h"

#include <algorithm>
#include <string>

#include "data/text.h"
#include "ui/main_caption.h"
#include "ui/main_actions.h"
#include "ui/preview.h"

namespace mc {

namespace {

// Reaction by control number; index 0 unused.
constexpr Reaction S = Reaction::Stored, V = Reaction::Save, D = Reaction::SaveRedraw,
                   L = Reaction::SaveReloadRedraw, R = Reaction::Redraw, P = Reaction::PreviewRun;

constexpr Reaction kCheck[44] = {
    S,                              // -
    V, V, D, D, V, V, S, S, S, D,   // 1..10
    D, D, D, D, D, D, D, D, D, D,   // 11..20
    V, V, D, D, L, D, D, L, L, L,   // 21..30
    L, L, D, D, L, D, D, D, V, V,   // 31..40
    V, L, L};                       // 41..43

constexpr Reaction kOption[7] = {S, L, D, S, L, L, L};

// Text15, Text16..19 and Text30..35 redraw; Text28 and Text29 reload;
// Text27 only redraws; Text5, Text6 and Text26 start a preview run; the
// rest wait for the next save.
constexpr Reaction kTextEnter[37] = {
    S,                              // -
    S, S, S, S, P, P, S, S, S, S,   // 1..10
    S, S, S, S, D, D, D, D, D, S,   // 11..20
    S, S, S, S, S, P, R, L, L, D,   // 21..30
    D, D, D, D, D, S};              // 31..36

Reaction at(const Reaction* table, int size, int n) { return n >= 0 && n < size ? table[n] : Reaction::Stored; }

void saveAndReload(Controller& c, int16_t callMode) {
  SettingsModel& m = c.model;
  m.CurrentSet = 1;
  c.settingsFile.SaveSet(m);
  m.CallMode = callMode;
  c.settingsFile.GetSet(m);
}

void redraw(Controller& c) {
  c.model.CallMode = callmode::Startup;
  c.run.PreviewFlag = 1;
  RedrawPreview(c);
}

template <typename Model>
auto& handleValue(Model& m, ColorHandle handle) {
  switch (handle) {
    case ColorHandle::Label11: return m.SecondControlColor;
    case ColorHandle::Text28: return m.FirstControlColor;
    case ColorHandle::Form: break;
  }
  return m.FormBackColor;
}

// The overlay's day fields, and the menu-day fields they mirror.
void mirrorDays(Controller& c) {
  c.model.Overlay.Text2 = c.model.Text[5];
  c.model.Overlay.Text3 = c.model.Text[6];
}

}  // namespace

const char* const kCheckMessages[44] = {
    nullptr,
    "Checking This Box Causes ONLY Residents on Indicated Diet (Slot to the Right) to Print.",
    nullptr, nullptr, nullptr,
    "Checking this Box Causes Tray Cards to Print to the SCREEN ONLY.\r\nNothing Will Print to the Printer.",
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr, nullptr, nullptr,
    "Checking This Box Causes ONLY Those Residents Marked for Select Menus to Print.\r\n"
    "See Select Menu Marker Next to NMP on the Admission Screen.",
    "Checking This Box Causes ONLY Those Residents NOT Marked for Select Menus to Print.\r\n"
    "See Select Menu Marker Next to NMP on the Admission Screen.",
};

Reaction checkReaction(int n) { return at(kCheck, 44, n); }
Reaction optionReaction(int n) { return at(kOption, 7, n); }
Reaction textEnterReaction(int n) { return at(kTextEnter, 37, n); }

void React(Controller& c, Reaction reaction) {
  SettingsModel& m = c.model;
  switch (reaction) {
    case Reaction::Stored:
      return;
    case Reaction::Save:
      saveAndReload(c, callmode::Reload);
      break;
    case Reaction::SaveRedraw:
      saveAndReload(c, callmode::Reload);
      redraw(c);
      break;
    case Reaction::SaveReloadRedraw:
      saveAndReload(c, callmode::None);
      redraw(c);
      break;
    case Reaction::Redraw:
      redraw(c);
      break;
    case Reaction::PreviewRun:
      m.CallMode = callmode::QuickRun;
      c.run.PreviewFlag = 1;
      Command1_Click(c);
      break;
  }
  m.CallMode = callmode::None;
  m.CurrentSet = 1;
}

void Check_Click(Controller& c, int n) {
  SettingsModel& m = c.model;
  if (n < 1 || n > 43) return;
  const bool ticked = m.Check[n] == 1;
  // Only-select and only-not-select cannot both hold: the box just ticked wins.
  if (ticked && n == 21) m.Check[22] = 0;
  if (ticked && n == 22) m.Check[21] = 0;
  if (n == 40) {
    const std::string cards = c.facility.folder(42) + "\\Cards";
    if (!c.drives.folderExists(cards)) c.drives.createFolder(cards);
    if (!c.drives.folderExists("c:\\dnv\\PDF")) c.drives.createFolder("c:\\dnv\\PDF");
  }
  React(c, checkReaction(n));
  if (n == 5) PutCap(c.facility, m);
  if (ticked && kCheckMessages[n]) c.dialogs.message(kCheckMessages[n], Buttons::Ok);
}

void Check3_RightClick(Controller& c) {
  const std::string marker = c.facility.folder(2) + "\\NoYel";
  if (c.dialogs.message("Do You Want to Eliminate the Yellow Hilite of the Dining Location ?",
                        Buttons::YesNo) == Answer::Yes) {
    c.drives.writeAll(marker, "");
    c.facility.NoYellowDL = true;
  } else {
    if (c.drives.fileExists(marker)) c.drives.removeFile(marker);
    c.facility.NoYellowDL = false;
  }
  React(c, Reaction::SaveReloadRedraw);
}

void Option_Click(Controller& c, int n) {
  if (n < 1 || n > 6) return;
  for (int i = 1; i <= 6; ++i) c.model.Option[i] = i == n;
  // The assisted-living option's preview is drawn as the settings load
  // leaves it (CardKind 2), the weekly menu a print of it gives: a preview
  // with no card kind would show nothing the user could check.
  React(c, optionReaction(n));
}

void Text_LostFocus(Controller& c, int n) {
  SettingsModel& m = c.model;
  if (n == 15) m.Overlay.Text15 = m.Text[15];
  if (n == 5 || n == 6) mirrorDays(c);
  if (n == 20) m.Overlay.Text1 = m.Text[20];
}

void Text_KeyEnter(Controller& c, int n) {
  SettingsModel& m = c.model;
  if (n < 1 || n > 36 || n == 36) return;  // the note reacts to each change instead
  Text_LostFocus(c, n);
  if (n == 20) {
    m.Overlay.MealOrderVisible = !trim(m.Text[20]).empty();
    return;
  }
  if (n == 26) {
    m.CurrentSet = 1;
    c.settingsFile.SaveSet(m);
    c.settingsFile.GetSet(m);
  }
  React(c, textEnterReaction(n));
}

void Text36_Change(Controller& c) {
  if (c.model.LoadingGuard == -909) return;
  React(c, Reaction::SaveReloadRedraw);
}

void UpDown_Change(Controller& c, int n, int value) {
  static constexpr int kField[4] = {0, 30, 31, 33};
  if (n < 1 || n > 3) return;
  c.model.Text[kField[n]] = bareNumber(std::clamp(value, 1, kUpDownMax[n]));
  React(c, Reaction::SaveReloadRedraw);
}

void Strip_DblClick(Controller& c, int label) {
  if (label < 13 || label > 16) return;
  int& choice = c.model.StripChoice[label - 12];
  choice = choice >= 4 || choice < 1 ? 1 : choice + 1;
  React(c, Reaction::SaveReloadRedraw);
}

bool isDotLabel(int label) {
  return label == 2 || label == 4 || label == 5 || label == 7 || label == 9 || (label >= 17 && label <= 20);
}

void DotLabel_Click(Controller& c, int label) {
  if (!isDotLabel(label)) return;
  LabelState& l = c.model.Label[label];
  if (const auto color = c.dialogs.color(l.BackColor)) l.BackColor = *color;
  React(c, Reaction::Redraw);
}

void DotLabel_RightClick(Controller& c, int label) {
  if (!isDotLabel(label)) return;
  LabelState& l = c.model.Label[label];
  // An empty answer empties the caption; the next load then keeps the
  // label's own caption, as it does for any blank dot text.
  l.Caption = c.dialogs.input("Change Dot Text to ....", "Change Text", l.Caption).value_or("");
}

int32_t handleColor(const SettingsModel& m, ColorHandle handle) {
  const int32_t v = handleValue(m, handle);
  if (v > 0) return v;
  switch (handle) {
    case ColorHandle::Label11: return kSecondColor;
    case ColorHandle::Text28: return kFirstColor;
    case ColorHandle::Form: break;
  }
  return kFormColor;
}

void ColorHandle_MouseDown(Controller& c, ColorHandle handle, bool rightButton) {
  int32_t v = handleColor(c.model, handle);
  if (rightButton)
    v += 10;
  else if (v > 10)
    v -= 10;
  handleValue(c.model, handle) = v;
}

void Combo1_Click(Controller& c, int index) {
  SettingsModel& m = c.model;
  if (m.NoPrinters || index < 0 || index >= static_cast<int>(m.Printers.size())) return;
  m.CurrentPrinter = index;
  m.PrinterName = m.Printers[index];
  m.Combo1Text = m.PrinterName;
}

bool Command6_Click(Controller& c,
                    const std::function<bool(const std::filesystem::path&)>& saveBitmap) {
  const std::string folder = c.facility.folder(42) + "\\menu";
  if (!c.drives.folderExists(folder)) c.drives.createFolder(folder);
  std::string path;
  for (int n = 1;; ++n) {
    path = c.facility.folder(42) + "\\Menu\\Menu" + std::to_string(n) + ".BMP";
    if (!c.drives.exists(path)) break;
  }
  const auto host = c.drives.hostPath(path);
  if (!host || !saveBitmap(*host)) return false;
  c.model.Caption = " Picture File " + path + " Created.";
  return true;
}

}  // namespace mc

namespace mc {
void Form_LostFocus(Controller& c) { c.settingsFile.SaveSet(c.model); }
}  // namespace mc
