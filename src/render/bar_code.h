// Bar codes under the columns (Check20): the meal letter and the resident's
// file name, so that the tray line can scan which resident and which meal a
// card belongs to. The symbol comes from a bar coder behind the interface
// below; the bars are drawn here, as filled boxes, on any surface.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "render/card_page.h"

namespace mc {

// Text26 " Barcode Type  3=39  6=128a".
enum class BarCodeType { Code39 = 3, Code128A = 6 };

struct BarCodeSymbol {
  // Widths in modules of bar, space, bar, ... (a bar first and last); empty
  // when the text cannot be held by the type.
  std::vector<int> runs;
  // What the symbol holds, as it is printed under it.
  std::string text;

  int modules() const;
};

class BarCoder {
 public:
  virtual ~BarCoder() = default;
  virtual BarCodeSymbol Encode(BarCodeType type, std::string_view text) const = 0;
};

// Where a bar code stands, in the bar-code control's device units: one
// unit is `unit` twips (the XY division factor on paper, a screen pixel on
// the preview).
struct BarCodePlace {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  double unit = 1;
};

BarCodePlace BarCodePlacement(const CardPage& page, int k);
// The text of column k's bar code: the meal letter, then the file name.
std::string BarCodeText(const CardPage& page, int k);
// The bar codes of the columns this call draws, with their texts. Without
// a coder only the texts are printed.
void DrawBarCodes(const CardPage& page, const BarCoder* coder);

}  // namespace mc
