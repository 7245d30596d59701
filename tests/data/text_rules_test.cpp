#include <gtest/gtest.h>

#include "data/card_date.h"
#include "data/text.h"

namespace mc {
namespace {

TEST(LeadingNumber, ReadsSignAndDigitsUpToTheFirstOtherCharacter) {
  EXPECT_EQ(leadingNumber("  42abc"), 42);
  EXPECT_EQ(leadingNumber("-17 "), -17);
  EXPECT_EQ(leadingNumber("+3"), 3);
  EXPECT_EQ(leadingNumber("4.8"), 4.8);
  EXPECT_EQ(leadingNumber("1 2"), 12);  // blanks inside the number are ignored
  EXPECT_EQ(leadingNumber("abc"), 0);
  EXPECT_EQ(leadingNumber(""), 0);
  EXPECT_EQ(leadingNumber("   "), 0);
  EXPECT_EQ(leadingNumber(std::string("\0\0", 2)), 0);  // a never-written record
  EXPECT_EQ(leadingNumber("2X"), 2);
  EXPECT_EQ(leadingNumber("1.2.3"), 1.2);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(2.6), 3);
}

TEST(Int16Field, OverflowKeepsTheFallback) {
  EXPECT_EQ(int16Field("32767"), 32767);
  EXPECT_EQ(int16Field("-32768"), -32768);
  EXPECT_EQ(int16Field("99999", 7), 7);
  EXPECT_FALSE(toInt16(32767.5).has_value());  // rounds to the even 32768, which overflows
  EXPECT_EQ(*toInt16(32766.5), 32766);
  EXPECT_FALSE(toInt16(32768).has_value());
}

TEST(NumberText, NonNegativeNumbersGetALeadingBlank) {
  EXPECT_EQ(numberText(5), " 5");
  EXPECT_EQ(numberText(0), " 0");
  EXPECT_EQ(numberText(-5), "-5");
  EXPECT_EQ(numberText(4.8), " 4.8");
  EXPECT_EQ(numberText(0.5), " .5");
  EXPECT_EQ(bareNumber(-0.5), "-.5");
  EXPECT_EQ(bareNumber(290), "290");
}

TEST(Columns, OneBasedInclusiveAndBlankPadded) {
  std::string rec = "ABCDEFGH";
  EXPECT_EQ(columns(rec, 2, 4), "BCD");
  EXPECT_EQ(columns(rec, 7, 12), "GH");
  EXPECT_EQ(columns(rec, 10, 12), "");
  EXPECT_EQ(column(rec, 9), ' ');
  putColumns(rec, 2, 4, "xy");
  EXPECT_EQ(rec, "Axy EFGH");
  putColumns(rec, 7, 10, "123456");
  EXPECT_EQ(rec, "Axy EF1234");
}

TEST(Upper, CoversTheAccentedLettersOfTheCodePage) {
  EXPECT_EQ(upper("smith, jos\xe9"), "SMITH, JOS\xc9");
  EXPECT_EQ(upper("\xf7\xff"), "\xf7\x9f");  // the division sign stays
}

TEST(Cp1252, DecodesAndEncodesTheHighHalf) {
  EXPECT_EQ(cp1252ToUtf8("Jos\xe9 \x80 \xb3"), "Jos\u00e9 \u20ac \u00b3");
  EXPECT_EQ(cp1252ToUtf8("\xcd\xfe"), "\u00cd\u00fe");
  EXPECT_EQ(utf8ToCp1252("Jos\u00e9 \u20ac"), "Jos\xe9 \x80");
  EXPECT_EQ(utf8ToCp1252("\u4e2d"), "?");
}

TEST(CheckDate, AcceptsRealDatesOnly) {
  std::string leap = "02-29-08", notLeap = "02-29-07", april = "04-31-07", month13 = "13-01-07";
  EXPECT_TRUE(CheckDate(leap));
  EXPECT_FALSE(CheckDate(notLeap));
  EXPECT_FALSE(CheckDate(april));
  EXPECT_FALSE(CheckDate(month13));
  std::string slashes = "12/25/07";
  EXPECT_TRUE(CheckDate(slashes));
  EXPECT_EQ(slashes, "12-25-07");  // the separators are overwritten in place
  std::string zeroDay = "03-00-07", shortText = "12";
  EXPECT_FALSE(CheckDate(zeroDay));
  EXPECT_FALSE(CheckDate(shortText));
  std::string year00 = "02-29-00";
  EXPECT_TRUE(CheckDate(year00));
}

TEST(CardDate, ParsesFormatsAndCountsWeekdays) {
  const auto d = parseMmDdYy("03-15-07");
  ASSERT_TRUE(d);
  EXPECT_EQ(*d, (Date{2007, 3, 15}));
  EXPECT_EQ(weekday(*d), 5);  // a Thursday
  EXPECT_EQ(formatMmDdYy(addDays(*d, 17)), "04-01-07");
  EXPECT_EQ(formatMmDdYy(addDays(Date{2026, 12, 31}, 1)), "01-01-27");
  EXPECT_EQ(parseMmDdYy("01-01-45")->year, 1945);
  EXPECT_FALSE(parseMmDdYy("02-30-08"));
  EXPECT_FALSE(parseMmDdYy("13-01-07"));
}

}  // namespace
}  // namespace mc
