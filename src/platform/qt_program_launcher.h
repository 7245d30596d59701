// Starting programs on this machine with QProcess. The family's programs are
// Windows programs named by Windows paths; the drive map finds the file, and
// what runs it is, in this order: a native program of the same name without
// ".exe" beside it (a port, or a script standing in), the Windows program
// through Wine when Wine is installed, or the file itself when it is a
// native executable. The desktop's document viewer is xdg-open.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/drive_map.h"
#include "printrun/program_launcher.h"

namespace mc {

class QtProgramLauncher : public ProgramLauncher {
 public:
  // The drive map must outlive the launcher.
  explicit QtProgramLauncher(const DriveMap& drives) : drives_(drives) {}

  bool canStart(std::string_view program) const override;
  bool hasDocumentViewer() const override;
  LaunchResult launch(const ProgramCall& call) override;

  // How a program named by a Windows path is run here: the executable and
  // the arguments that come before the call's own.
  struct Resolved {
    std::filesystem::path executable;
    std::vector<std::string> leadingArguments;
    bool throughWine = false;
  };
  // Nothing when it cannot be run; `tried` then says what was looked at.
  std::optional<Resolved> resolve(std::string_view program, std::string* tried = nullptr) const;

 private:
  const DriveMap& drives_;
};

}  // namespace mc
