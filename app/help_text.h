// The text of `mealcards --help` (app/help.txt, also the source of the manual
// page) and the version, both filled in by the build.
#pragma once

namespace mc::app {

extern const char* const kHelpText;
extern const char* const kVersion;

}  // namespace mc::app
