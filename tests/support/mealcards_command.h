// Runs the built mealcards binary as a person at a shell would, without
// $MEALCARDS_DRIVES and without a display, and the demo generator.
#pragma once

#include <filesystem>
#include <string>

#include "support/test_drives.h"

namespace mc::test {

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// mealcards ARGS, its stdout and stderr kept in the scratch folder.
Outcome mealcards(const TempDrives& scratch, const std::string& args);
// A demo facility in a fresh folder of the scratch drives; options go to
// the generator ("--units 4 --residents 12").
std::filesystem::path makeDemo(const TempDrives& scratch, const std::string& options = "");
// A shell word in single quotes.
std::string quoted(const std::string& s);
std::string slurp(const std::filesystem::path& p);

}  // namespace mc::test
