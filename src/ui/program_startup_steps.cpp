#include "ui/program_startup_steps.h"

#include <filesystem>

#include "data/fixed_tables.h"
#include "data/resident_loader.h"
#include "printrun/resident_selection.h"
#include "settings/resident_load_options.h"
#include "ui/easy_overlay.h"
#include "ui/main_actions.h"
#include "ui/preview.h"

namespace mc {

// The printer is opened as soon as the settings name it, so that an
// automatic run at start-up prints.
void ProgramStartupSteps::GetSet(Controller& c) {
  if (const std::string damage = c.settingsFile.damage(); !damage.empty()) {
    const std::string path = c.settingsFile.path();
    c.drives.report(FileFault::Damaged, path, damage);
    const auto host = c.drives.hostPath(path);
    const std::string shown = path + (host ? " (" + host->string() + ")" : std::string());
    // Read as settings, damaged bytes would choose the card kind and the
    // ranges: Print ALL could leave whole units out, a set button print
    // the wrong cards.
    std::string text = "The settings file " + shown + " " + damage + ".";
    if (offerDefaults && !c.drives.dryRun() && host &&
        c.dialogs.message(text + "\r\n\r\nStart with the default settings? The damaged file is kept as " +
                              host->filename().string() + kDamagedSettingsSuffix +
                              "; the settings are saved anew when you next save or print.",
                          Buttons::YesNo, "Settings File Damaged") == Answer::Yes) {
      std::error_code ec;
      std::filesystem::rename(*host, host->string() + kDamagedSettingsSuffix, ec);
      if (ec) {
        c.startup = Failure{"cannot keep the damaged settings file " + shown + " aside (" + ec.message() +
                            "); nothing was changed"};
        return;
      }
    } else {
      c.startup = Failure{"the settings file " + shown + " " + damage +
                          ": nothing was printed and it is left as it was; restore it from a backup, or move it "
                          "aside to start from the default settings (the next save creates it anew)"};
      return;
    }
  }
  // Named at start-up, where print and check both meet it: a run's own
  // save creates the file before its first card.
  if (!c.settingsFile.exists())
    c.drives.report(FileFault::Missing, c.settingsFile.path(),
                    "is missing: the run used the settings shown in the window, and its save created the file");
  c.settingsFile.GetSet(c.model);
  c.startup = c.followSettingsPrinter();
}

void ProgramStartupSteps::InitTables(Controller& c) {
  // The first preview draws from the tables being built: a meal card drawn
  // before they are the controller's would look for menus without the
  // menu code, and print no food.
  c.tables = mc::InitTables(c.drives, c.facility, [&c](const FixedTables& t) {
    c.tables = t;
    RedrawPreview(c);
  });
}

void ProgramStartupSteps::LoadResident(Controller& c) {
  c.loadResident(singleResidentMealOrder(c.model));
}

void ProgramStartupSteps::SetForAll(Controller& c) {
  if (c.startup) Command4_Click(c);
}

void ProgramStartupSteps::PrintRun(Controller& c) {
  if (!c.startup) return;
  if (lookOnly_ && c.facility.AutoPrint) {
    c.autoPrintLeft = true;
    c.facility.AutoPrint = false;
    c.run.PreviewFlag = 1;
    c.model.CallMode = callmode::QuickRun;
  }
  Command1_Click(c);
}

void ProgramStartupSteps::ShowForm2(Controller& c) { mc::ShowForm2(c); }

}  // namespace mc
