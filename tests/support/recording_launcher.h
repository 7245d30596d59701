// A program launcher for tests of the core: it "starts" the programs it is
// told are present (and the document viewer when it is told there is one),
// records every call as a command line, and runs a stand-in for the program.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "data/text.h"
#include "printrun/program_launcher.h"

namespace mc::test {

class RecordingLauncher : public ProgramLauncher {
 public:
  bool canStart(std::string_view program) const override { return present.count(upper(program)) > 0; }
  bool hasDocumentViewer() const override { return viewer; }
  LaunchResult launch(const ProgramCall& call) override {
    std::string line = call.program.empty() ? "<viewer>" : call.program;
    for (const std::string& f : call.files) line += " " + f;
    if (!call.wait) line += " &";
    calls.push_back(line);
    if (!call.program.empty() && !canStart(call.program)) return {false, 0, "cannot start " + call.program};
    if (onRun) onRun();
    return {true, 0, {}};
  }

  std::set<std::string> present;  // upper-cased Windows paths
  bool viewer = false;
  std::function<void()> onRun;
  std::vector<std::string> calls;
};

}  // namespace mc::test
