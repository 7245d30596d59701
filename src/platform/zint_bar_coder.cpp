#include "platform/zint_bar_coder.h"

#include <zint.h>

#include <cmath>
#include <memory>

#include "data/text.h"

namespace mc {

BarCodeSymbol ZintBarCoder::Encode(BarCodeType type, std::string_view text) const {
  if (type == BarCodeType::Code128A) return Code128SetA(text);
  BarCodeSymbol symbol;
  // Code 39 has upper-case letters only; the asterisks that start and end
  // it are the symbol's, not the text's.
  symbol.text = upper(text);
  symbol.runs = ZintRuns(BARCODE_CODE39, symbol.text);
  return symbol;
}

std::vector<int> ZintRuns(int symbology, std::string_view text) {
  std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(),
                                                                   &ZBarcode_Delete);
  if (!symbol || text.empty()) return {};
  symbol->symbology = symbology;
  symbol->show_hrt = 0;
  const int error = ZBarcode_Encode_and_Buffer_Vector(
      symbol.get(), reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()), 0);
  if (error >= ZINT_ERROR || !symbol->vector || symbol->width <= 0) return {};
  // The vector output scales a module to a fixed number of its units; the
  // rectangles are the bars, in order, and the gaps between them the spaces.
  const double module = symbol->vector->width / symbol->width;
  std::vector<int> runs;
  double end = 0;
  for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next) {
    const int gap = static_cast<int>(std::lround((r->x - end) / module));
    if (!runs.empty()) runs.push_back(gap);
    runs.push_back(static_cast<int>(std::lround(r->width / module)));
    end = r->x + r->width;
  }
  return runs;
}

namespace {

// Bar and space widths of the Code 128 symbol values 0 to 106 (106 is the
// stop, with its final bar).
constexpr const char* kPatterns[107] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212",
    "221213", "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221",
    "223211", "221132", "221231", "213212", "223112", "312131", "311222", "321122", "321221",
    "312212", "322112", "322211", "212123", "212321", "232121", "111323", "131123", "131321",
    "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331", "132131",
    "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131",
    "311123", "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", "111242",
    "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232", "2331112"};
constexpr int kStartA = 103;
constexpr int kStop = 106;

void append(std::vector<int>& runs, int value) {
  for (const char* p = kPatterns[value]; *p; ++p) runs.push_back(*p - '0');
}

}  // namespace

BarCodeSymbol Code128SetA(std::string_view text) {
  BarCodeSymbol symbol;
  symbol.text = upper(text);
  if (symbol.text.empty()) return symbol;
  std::vector<int> runs;
  append(runs, kStartA);
  long check = kStartA;
  long position = 1;
  for (unsigned char ch : symbol.text) {
    // Set A: blank to underscore are values 0 to 63, the control
    // characters 64 to 95.
    int value;
    if (ch >= 0x20 && ch <= 0x5F)
      value = ch - 0x20;
    else if (ch < 0x20)
      value = ch + 64;
    else
      return symbol;
    append(runs, value);
    check += value * position++;
  }
  append(runs, static_cast<int>(check % 103));
  append(runs, kStop);
  symbol.runs = std::move(runs);
  return symbol;
}

}  // namespace mc
