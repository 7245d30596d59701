// The bar coder: Code 39 from libzint, and Code 128 in code set A, which
// libzint cannot be made to use (it picks the code set itself), from our
// own encoder.
#pragma once

#include <string_view>
#include <vector>

#include "render/bar_code.h"

namespace mc {

class ZintBarCoder final : public BarCoder {
 public:
  BarCodeSymbol Encode(BarCodeType type, std::string_view text) const override;
};

// Code 128 in code set A alone: start A, the characters, the modulo-103
// check character, stop. Set A holds upper-case letters, digits,
// punctuation and control characters; lower-case letters are held as
// upper case (file names on the facility's disks are the same in any case).
// Empty runs for any other character.
BarCodeSymbol Code128SetA(std::string_view text);

// Module widths of the symbol libzint makes of the text in one of its
// symbologies (BARCODE_...), without human-readable text; empty when
// libzint refuses the text.
std::vector<int> ZintRuns(int symbology, std::string_view text);

}  // namespace mc
