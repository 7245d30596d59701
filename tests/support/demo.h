// The demo facility made fresh in a throw-away folder, and the built
// mealcards run on it: what the command-line tests share.
#pragma once

#include <filesystem>
#include <string>

#include "support/commands.h"
#include "support/test_drives.h"

namespace mc::test {

struct Demo {
  // Generator options such as "--units 2 --residents 5" are passed on.
  explicit Demo(const std::string& options = "");

  // A file of the facility under c:\dnv, by its host path below it.
  std::filesystem::path dnv(const std::filesystem::path& relative) const { return root / "c" / "dnv" / relative; }
  // A file beside the facility, for outputs.
  std::filesystem::path file(const std::string& name) const { return scratch.root() / name; }
  // "--drives ROOT " and the global options given, quoted.
  std::string drives() const;
  // mealcards --drives ROOT ARGS.
  CommandResult run(const std::string& args, const std::string& environment = "") const;
  // mealcards --drives ROOT --date DATE --pdf PDF print ARGS, the PDF replaced first.
  CommandResult print(const std::string& args = "", const std::string& date = "12-06-26") const;

  TempDrives scratch;
  std::filesystem::path root;
  std::filesystem::path pdf = scratch.root() / "cards.pdf";
};

// Writes bytes over a host file from offset on, the rest left as it was.
void patchFile(const std::filesystem::path& path, long offset, const std::string& bytes);

// True when qpdf --check passes the file.
bool qpdfChecks(const std::filesystem::path& pdf);

// jq -r FILTER over the JSON text.
std::string jq(const std::string& filter, const std::string& json);

}  // namespace mc::test
