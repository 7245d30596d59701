#include "ui/easy_overlay.h"

#include <cmath>

#include "data/text.h"
#include "printrun/backup_viewer.h"
#include "printrun/dining_locations.h"
#include "printrun/program_launcher.h"
#include "printrun/run_paths.h"
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

namespace {

constexpr const char* kCrLf = "\r\n";
// The menu-day file the picker leaves: record 1, first and last menu day
// and the card date.
constexpr int kMenuDayRecordLength = 14;

// Every print from the overlay is a real one, whatever the last preview
// left in PreviewFlag: a button that says Print must not only draw the
// screen.
void printAndShowAgain(Controller& c) {
  c.run.PreviewFlag = 0;
  mc::Command1_Click(c);
  if (!c.Ended) ShowForm2(c);
}

}  // namespace

void Command1_Click(Controller& c) {
  c.settingsFile.SaveSet(c.model);
  Command4_Click(c);
  printAndShowAgain(c);
}

void Command3_Click(Controller& c) { printAndShowAgain(c); }

void takeMenuDayPick(SettingsModel& m, std::string_view rec) {
  EasyOverlayState& o = m.Overlay;
  o.Text2 = bareNumber(leadingNumber(columns(rec, 1, 3)));
  m.Text[5] = o.Text2;
  o.Text3 = bareNumber(leadingNumber(columns(rec, 4, 6)));
  m.Text[6] = o.Text3;
  o.Text15 = columns(rec, 7, 14);
  // The date the user picked is the one the cards must carry: it goes to
  // the main window's field at once, not only when the overlay's field is
  // next left.
  m.Text[15] = o.Text15;
}

void Command5_Click(Controller& c) {
  const std::string setup = c.facility.folder(23);
  // Without the picker the file holds an earlier pick at best: it is not
  // taken, so that no menu days are printed that nobody chose now.
  if (!ExecCmd(c.programs(), c.dialogs, ProgramCall{setup + "\\Travolm.exe", {}, WindowStyle::Default, true}))
    return;
  const RecordFile file = c.drives.readRecords(setup + "\\setup\\PutMD", kMenuDayRecordLength);
  if (file.exists()) takeMenuDayPick(c.model, file.view(1));
  EasyOverlayState& o = c.model.Overlay;
  o.Visible = true;
  o.Caption = "Menu Set to Print Menu Cycle Day #" + o.Text2 + "  to " + o.Text3;
}

void Command6_Click(Controller& c) { ViewBackupPdf(c.drives, c.facility, c.programs(), c.dialogs); }

bool Command7_Click(Controller& c) {
  DiningLocations dining;
  dining.read(c.drives, c.facility);
  if (!dining.exists()) {
    c.dialogs.message(diningFilePath(c.facility) + " Dining Location File NOT FOUND.", Buttons::Ok);
    return false;
  }
  std::string list;
  for (long n = 1; n <= DiningLocations::kMaxRecords; ++n) {
    const std::string_view rec = dining.record(n);
    if (columns(rec, 5, 7) != "   ") list += columns(rec, 5, 7) + " " + columns(rec, 9, 28) + kCrLf;
  }
  const auto typed = c.dialogs.input(
      std::string("Print Which Dining Location Abbreviation ?") + kCrLf + kCrLf + list, kOneLocationTitle, "");
  if (!typed) return false;
  // Blanks alone would match the first empty record, a location nobody
  // meant: they count as no answer.
  const std::string answer = upper(trim(*typed));
  if (answer.empty()) return false;
  long found = 0;
  for (long n = 1; n <= DiningLocations::kMaxRecords && !found; ++n)
    if (trim(upper(columns(dining.record(n), 5, 7))) == answer) found = n;
  if (!found) {
    c.dialogs.message(answer + " Dining Location ABBREVIATION NOT FOUND.", Buttons::Ok);
    return false;
  }
  const std::string_view rec = dining.record(found);
  const std::string question = "Dining Location Number " + numberText(static_cast<double>(found)) + kCrLf +
                               columns(rec, 1, 3) + "|" + columns(rec, 5, 7) + "|" + columns(rec, 9, 38) +
                               kCrLf + kCrLf + "Print All Tray Cards Assigned to This Dining Location ?";
  if (c.dialogs.message(question, Buttons::YesNoCancel) != Answer::Yes) return false;

  SettingsModel& m = c.model;
  m.Text[1] = "1";
  m.Text[2] = bareNumber(c.facility.unitCount());
  m.Text[3] = "1";
  m.Text[4] = "999";
  m.Text[7] = bareNumber(static_cast<double>(found));
  m.Text[8] = m.Text[7];
  printAndShowAgain(c);
  return true;
}

bool Command8_Click(Controller& c) {
  const Facility& f = c.facility;
  std::string list;
  for (int k = 1; k <= f.unitCount(); ++k) list += numberText(k) + "  " + f.unit(k)->name + kCrLf;
  const auto answer = c.dialogs.input(list + kCrLf + " Print Which Nursing Unit NUMBER ?", kOneUnitTitle, "");
  if (!answer) return false;
  const double n = roundHalfEven(leadingNumber(*answer));
  if (n < 1 || n > f.unitCount()) {
    c.dialogs.message(*answer + " Is NOT a Nursing Unit Number.", Buttons::Ok);
    return false;
  }
  const int unit = static_cast<int>(n);
  if (c.dialogs.message(std::string("Print Tray Cards for ALL Residents on .... ") + kCrLf + f.unit(unit)->name,
                        Buttons::YesNoCancel) != Answer::Yes)
    return false;

  SettingsModel& m = c.model;
  m.Text[1] = bareNumber(unit);
  m.Text[2] = m.Text[1];
  m.Text[3] = "1";
  m.Text[4] = "999";
  m.Text[7] = "1";
  m.Text[8] = "99";
  printAndShowAgain(c);
  return true;
}

}  // namespace easy

}  // namespace mc
