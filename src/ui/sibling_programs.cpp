#include "ui/sibling_programs.h"

#include <string>

#include "printrun/program_launcher.h"

namespace mc {

namespace {

void startSibling(Controller& c, const std::string& program, WindowStyle window, bool endsThisProgram) {
  if (!StartProgram(c.programs(), c.dialogs, ProgramCall{program, {}, window, false})) return;
  if (endsThisProgram) c.EndProgram();
}

// The user moves over to the other program, which works on the same data:
// this one ends as soon as it is started.
void handOver(Controller& c, const char* file) {
  startSibling(c, c.facility.folder(23) + file, WindowStyle::NormalFocus, true);
}

}  // namespace

void Command12_Click(Controller& c) { handOver(c, "\\kestrin.exe"); }
void Command13_Click(Controller& c) { handOver(c, "\\pomwick.exe"); }
void Command15_Click(Controller& c) { handOver(c, "\\dalvent.exe"); }

void Command16_Click(Controller& c) {
  const std::string preferred = c.facility.folder(23) + "\\zSorbel.exe";
  const bool present = c.drives.fileExists(preferred) || c.programs().canStart(preferred);
  handOver(c, present ? "\\zSorbel.exe" : "\\Sorbel.exe");
}

void Command17_MouseUp(Controller& c, bool rightButton) {
  if (rightButton) startSibling(c, c.facility.folder(23) + "\\fent.exe", WindowStyle::MinimizedFocus, false);
}

}  // namespace mc
