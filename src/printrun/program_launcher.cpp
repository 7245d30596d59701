#include "printrun/program_launcher.h"

namespace mc {

LaunchResult NoProgramLauncher::launch(const ProgramCall& call) {
  return {false, 0,
          (call.program.empty() ? std::string("the document viewer") : call.program) +
              ": this program was started without a way to start other programs"};
}

namespace {

LaunchResult launchOrSay(ProgramLauncher& launcher, Dialogs& dialogs, const ProgramCall& call) {
  LaunchResult result = launcher.launch(call);
  if (!result.started) dialogs.message(result.failure, Buttons::Ok);
  return result;
}

}  // namespace

std::optional<int> ExecCmd(ProgramLauncher& launcher, Dialogs& dialogs, ProgramCall call) {
  call.wait = true;
  const LaunchResult result = launchOrSay(launcher, dialogs, call);
  if (!result.started) return std::nullopt;
  return result.exitCode;
}

bool StartProgram(ProgramLauncher& launcher, Dialogs& dialogs, ProgramCall call) {
  call.wait = false;
  return launchOrSay(launcher, dialogs, call).started;
}

}  // namespace mc
