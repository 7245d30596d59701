// Running programs from tests: the built mealcards binary, the demo
// facility generator and the real tools (qpdf, pdftotext, zbarimg ...).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace mc::test {

struct CommandResult {
  int exitCode = -1;  // -1 when the command did not exit normally
  std::string out;
  std::string err;
};

// The text in single quotes for the shell.
std::string shellQuote(const std::string& text);

// Runs a shell command and collects its output and exit code.
CommandResult runShell(const std::string& command);

// Runs mealcards with the arguments (already quoted where needed), without
// $MEALCARDS_DRIVES and without a display. `environment` is prepended as
// "NAME=value ..." for the command.
CommandResult runMealcards(const std::string& args, const std::string& environment = "");

// Writes the demo facility into dir (generator options such as
// "--units 2 --residents 5" passed on) and returns dir. Fails the test when
// the generator fails.
std::filesystem::path makeDemoFacility(const std::filesystem::path& dir,
                                       const std::string& options = "");

// The text of each page of a PDF file, read with pdftotext.
std::vector<std::string> pdfPages(const std::filesystem::path& pdf);

// The bytes of a host file, "" when it cannot be read; and a file written
// whole with these bytes.
std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);

// True when text holds exactly this line.
bool hasLine(const std::string& text, const std::string& line);
// Whether text holds part anywhere; a failure shows the whole text.
::testing::AssertionResult holds(const std::string& text, const std::string& part);

}  // namespace mc::test
