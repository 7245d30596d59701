// Starting other programs: the family's sibling programs, the menu-day
// picker and the PDF reader. The data name them by Windows paths
// ("c:\dnv\Travolm.exe"); the platform finds what can run them on this
// machine. A program that cannot be started is reported, never fatal: the
// user stays in this program.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "printrun/dialogs.h"

namespace mc {

// The window a started program opens in, as the button asks for it; the
// platform applies it where it can.
enum class WindowStyle { Default, NormalFocus, MinimizedFocus };

struct ProgramCall {
  // Windows path of the program; empty for the desktop's document viewer.
  std::string program;
  // Windows paths of files handed to the program, in order.
  std::vector<std::string> files;
  WindowStyle window = WindowStyle::Default;
  // Wait until the program ends (and take its exit code), or leave it running.
  bool wait = false;
};

struct LaunchResult {
  bool started = false;
  int exitCode = 0;     // of a program waited for
  std::string failure;  // when not started: the program and everything that was tried
};

class ProgramLauncher {
 public:
  virtual ~ProgramLauncher() = default;
  // Whether the program at this Windows path is one this machine can start
  // (the test the reader search makes).
  virtual bool canStart(std::string_view program) const = 0;
  // Whether the desktop has a viewer for documents.
  virtual bool hasDocumentViewer() const = 0;
  virtual LaunchResult launch(const ProgramCall& call) = 0;
};

// A launcher that starts nothing: what a controller has before it is given
// the platform's.
class NoProgramLauncher : public ProgramLauncher {
 public:
  bool canStart(std::string_view) const override { return false; }
  bool hasDocumentViewer() const override { return false; }
  LaunchResult launch(const ProgramCall& call) override;
};

// ExecCmd: starts the program and waits until it ends. Its exit code, or
// nothing when it could not be started; then a message box says why.
std::optional<int> ExecCmd(ProgramLauncher& launcher, Dialogs& dialogs, ProgramCall call);

// Starts the program and leaves it running. False, after a message box that
// says why, when it could not be started.
bool StartProgram(ProgramLauncher& launcher, Dialogs& dialogs, ProgramCall call);

}  // namespace mc
