#include "support/demo.h"

#include <fstream>

namespace fs = std::filesystem;

namespace mc::test {

Demo::Demo(const std::string& options) : root(makeDemoFacility(scratch.root() / "demo", options)) {}

std::string Demo::drives() const { return "--drives " + shellQuote(root.string()) + " "; }

CommandResult Demo::run(const std::string& args, const std::string& environment) const {
  return runMealcards(drives() + args, environment);
}

CommandResult Demo::print(const std::string& args, const std::string& date) const {
  fs::remove(pdf);
  return run("--date " + date + " --pdf " + shellQuote(pdf.string()) + " print " + args);
}

void patchFile(const fs::path& path, long offset, const std::string& bytes) {
  std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
  f.seekp(offset);
  f << bytes;
}

bool qpdfChecks(const fs::path& pdf) { return runShell("qpdf --check " + shellQuote(pdf.string())).exitCode == 0; }

std::string jq(const std::string& filter, const std::string& json) {
  const TempDrives scratch;
  const fs::path file = scratch.root() / "in.json";
  writeFile(file, json);
  return runShell("jq -r " + shellQuote(filter) + " " + shellQuote(file.string())).out;
}

}  // namespace mc::test
