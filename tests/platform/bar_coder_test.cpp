// The bar coder: our Code 128 set A agrees with libzint's symbol table, and
// texts a type cannot hold give no bars rather than wrong ones.
#include <gtest/gtest.h>
#include <zint.h>

#include <numeric>
#include <string>
#include <vector>

#include "platform/zint_bar_coder.h"

namespace mc {
namespace {

std::vector<int> slice(const std::vector<int>& runs, size_t from, size_t count) {
  return {runs.begin() + static_cast<long>(from), runs.begin() + static_cast<long>(from + count)};
}

TEST(Code128SetA, EveryCharacterOfTheSetHasLibzintsPatternBetweenStartAAndTheStop) {
  // A lone character: libzint starts set A for a control character and set
  // B for the others, whose patterns set A shares. Start, character, check
  // and stop are six elements each (the stop seven).
  for (int ch = 0; ch <= 0x5F; ++ch) {
    SCOPED_TRACE(ch);
    const std::string text(1, static_cast<char>(ch));
    const std::vector<int> ours = Code128SetA(text).runs;
    ASSERT_EQ(ours.size(), 25u);
    EXPECT_EQ(std::accumulate(ours.begin(), ours.end(), 0), 4 * 11 + 2);
    EXPECT_EQ(slice(ours, 0, 6), (std::vector<int>{2, 1, 1, 4, 1, 2}));  // start A
    if (ch == 0) continue;  // libzint takes no NUL in a C string
    const std::vector<int> zint = ZintRuns(BARCODE_CODE128, text);
    ASSERT_EQ(zint.size(), 25u);
    EXPECT_EQ(slice(ours, 6, 6), slice(zint, 6, 6));
    EXPECT_EQ(slice(ours, 18, 7), slice(zint, 18, 7));
    if (ch < 0x20) {
      EXPECT_EQ(ours, zint);  // libzint chose set A too: the same check character
    }
  }
}

TEST(BarCoder, TheCheckCharacterWeighsEachCharacterByItsPlaceAndTextsATypeCannotHoldGiveNoBars) {
  const ZintBarCoder coder;
  // Set B, which libzint chooses for this text, holds its characters with
  // the same patterns: only the start and the check character differ.
  const std::vector<int> ours = coder.Encode(BarCodeType::Code128A, "bsmi1a2b").runs;
  const std::vector<int> zint = ZintRuns(BARCODE_CODE128, "BSMI1A2B");
  ASSERT_EQ(ours.size(), zint.size());
  EXPECT_EQ(slice(ours, 6, 8 * 6), slice(zint, 6, 8 * 6));
  EXPECT_NE(slice(ours, 54, 6), slice(zint, 54, 6));
  // Control characters only: libzint stays in set A, so the check
  // character must agree too, each character weighed by its place.
  EXPECT_EQ(Code128SetA("\x01\x07\x02\x1f").runs, ZintRuns(BARCODE_CODE128, "\x01\x07\x02\x1f"));
  EXPECT_TRUE(coder.Encode(BarCodeType::Code128A, "RS{0101").runs.empty());
  EXPECT_TRUE(coder.Encode(BarCodeType::Code128A, "RS\xe9" "0101").runs.empty());
  EXPECT_TRUE(coder.Encode(BarCodeType::Code39, "RS_0101").runs.empty());
  const BarCodeSymbol code39 = coder.Encode(BarCodeType::Code39, "brs00101");
  EXPECT_EQ(code39.text, "BRS00101");  // no asterisks: those are the symbol's
  EXPECT_EQ(code39.runs, ZintRuns(BARCODE_CODE39, "BRS00101"));
  EXPECT_EQ(code39.runs.size() % 2, 1u);  // bars at both ends
}

}  // namespace
}  // namespace mc
