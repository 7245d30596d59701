// Keyword classification of the diet order and of the special instruction
// records: which liquids are thickened, which textures and therapeutic
// restrictions apply, large or double portions.
//
// Every keyword is a plain substring of the upper-cased text (no word
// boundaries: "CALCIUM" contains "CAL"). Rows are tried in order and each
// match sets its flags, so a later row overwrites an earlier value of the
// same flag; that is how "DYSPHAGIA III" ends at level 3 and "PUREED MEAT"
// at meat texture 2. Nothing here ever clears a flag.
#pragma once

#include <string_view>

#include "data/resident_record.h"

namespace mc {

// The diet text keywords (the joined Diet line).
void ClassifyDiet(std::string_view dietText, DietFlags& flags);

// The texture keywords on one resident file record (records 50..70, all 82
// characters). Thick liquids found here also set Thickened.
void ScanTexture(std::string_view record, DietFlags& flags);

}  // namespace mc
