#include "ui/default_settings.h"

#include "data/text.h"
#include "ui/preview.h"

namespace mc {

namespace {

struct DefaultFile {
  const char* name;
  const char* kind;
};
constexpr DefaultFile kDefaultFiles[4] = {
    {nullptr, nullptr},
    {"\\setup\\mcardset.tc", "Tray Card"},
    {"\\setup\\mcardset.ml", "Meal Card"},
    {"\\setup\\mcardset.sm", "Select Menu"},
};
constexpr const char* kResetTitle = "Reset to Default Settings";

}  // namespace

void Command17_Click(Controller& c) {
  SettingsModel& m = c.model;
  if (c.dialogs.message("Reset ALL Settings to Default Settings ?", Buttons::YesNoCancel) != Answer::Yes)
    return;
  m.ResetPending = 1;
  c.settingsFile.GetSet(m);
  m.ResetPending = 0;
  c.settingsFile.SaveSet(m);
}

void Command18_Click(Controller& c) {
  SettingsModel& m = c.model;
  const auto answer = c.dialogs.input(
      "Reset Settings to Default.\r\n\r\n1=Tray Cards   2=Meal Cards\r\n3=Ventrose", kResetTitle, "0");
  const double choice = answer ? roundHalfEven(leadingNumber(*answer)) : 0;
  if (choice != 1 && choice != 2 && choice != 3) return;
  const DefaultFile& file = kDefaultFiles[static_cast<int>(choice)];
  const std::string from = c.facility.folder(23) + file.name;
  if (!c.drives.fileExists(from)) {
    c.dialogs.message(from + " Default Setting File NOT Found.", Buttons::Ok, kResetTitle);
    return;
  }
  // Through a whole-file write, so that a failed copy leaves the old
  // settings file in place rather than half of the new one.
  if (!c.drives.writeAll(c.settingsFile.path(), c.drives.readAll(from))) return;
  c.dialogs.message(std::string(file.kind) +
                        " Default Settings Applied Successfully.\r\n\r\nNote:Your Printer Driver was Set to the\r\n"
                        "Default Printer Driver Also.",
                    Buttons::Ok, kResetTitle);
  c.settingsFile.GetSet(m);
  c.run.PreviewFlag = 1;
  RedrawPreview(c);
}

}  // namespace mc
