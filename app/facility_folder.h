// The facility folder of a window started without --drives or
// MEALCARDS_DRIVES: the one remembered from the last start, else one the
// person chooses, checked and remembered for the next start.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "data/outcome.h"

namespace mc::app {

// Whether the folder holds a facility; else why not (its drive folders
// hold no setup file that start-up would find), with a folder near it that
// does, if any.
Outcome checkFacilityFolder(const std::filesystem::path& folder);

// The remembered facility folder when it still holds a facility; else,
// when `mayAsk`, the folder chooser until the person picks one that does
// (remembered at once) or cancels. Nothing when there is none.
std::optional<std::string> rememberedOrChosenFacility(bool mayAsk);

}  // namespace mc::app
