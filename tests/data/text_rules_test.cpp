#include <gtest/gtest.h>

#include "data/card_date.h"
#include "data/meal_order.h"
#include "data/text.h"

namespace mc {
namespace {

// The window, a settings set and the run read a typed meal order alike.
TEST(MealOrder, FirstThreeLettersUpperCasedAndTheMealOfEachSlot) {
  const std::pair<const char*, const char*> cases[] = {
      {"lsb", "LSB"}, {"BLSX", "BLS"}, {"  sbl", "SBL"}, {"bym", "BYM"}, {"SSS ", "SSS"},
      {"BL", ""},     {"XYZ", ""},     {"", ""},         {"B LS", ""}};
  for (const auto& [typed, order] : cases) EXPECT_EQ(MealOrder::parse(typed).text(), order) << typed;

  // The slots' meals as the card, the tray line, the user card and the
  // backup's page names read them.
  const auto meals = [](const char* typed) {
    const MealOrder order = MealOrder::parse(typed);
    return std::to_string(order.meal(1)) + std::to_string(order.meal(2)) + std::to_string(order.meal(3));
  };
  EXPECT_EQ(meals("LSB"), "231");
  EXPECT_EQ(meals("sss"), "333");
  EXPECT_EQ(meals(""), "123");
  EXPECT_EQ(meals("BYM"), "123");  // "Y" and "M" name no meal: each slot keeps its own
  EXPECT_EQ(MealOrder::parse("SBL").slotOf(1), 2);
  EXPECT_EQ(MealOrder::parse("LLL").slotOf(1), 1);  // no slot shows breakfast
  EXPECT_EQ(MealOrder::parse("LLL").oneMealThrice(), 2);
  EXPECT_EQ(MealOrder::parse("BLS").oneMealThrice(), 0);
  EXPECT_EQ(MealOrder().oneMealThrice(), 0);
  EXPECT_TRUE(MealOrder::parse("sbl").valid());
  EXPECT_FALSE(MealOrder::parse("BYM").valid());
  EXPECT_FALSE(MealOrder().valid());
}

TEST(TextRules, LeadingNumberHalfEvenSixteenBitsNumberTextAndTheCodePage) {
  EXPECT_EQ(leadingNumber("  -17abc"), -17);
  EXPECT_EQ(leadingNumber("1 2"), 12);  // blanks inside the number are ignored
  EXPECT_EQ(leadingNumber("1.2.3"), 1.2);
  EXPECT_EQ(leadingNumber("abc"), 0);
  EXPECT_EQ(leadingNumber(std::string("\0\0", 2)), 0);  // a never-written record

  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(-2.5), -2);

  EXPECT_EQ(int16Field("-32768"), -32768);
  EXPECT_EQ(int16Field("99999", 7), 7);  // overflow keeps the value it had
  EXPECT_FALSE(toInt16(32767.5).has_value());  // rounds to the even 32768
  EXPECT_EQ(*toInt16(32766.5), 32766);

  // Number text as the card prints it: a leading blank unless negative.
  EXPECT_EQ(numberText(0) + numberText(-5) + numberText(0.5), " 0-5 .5");
  EXPECT_EQ(bareNumber(-0.5), "-.5");

  // Upper case and conversion of the code page's high half.
  EXPECT_EQ(upper("smith, jos\xe9"), "SMITH, JOS\xc9");
  EXPECT_EQ(upper("\xf7\xff"), "\xf7\x9f");  // the division sign stays
  EXPECT_EQ(cp1252ToUtf8("Jos\xe9 \x80 \xb3"), "Jos\u00e9 \u20ac \u00b3");
  EXPECT_EQ(utf8ToCp1252("Jos\u00e9 \u20ac"), "Jos\xe9 \x80");
  EXPECT_EQ(utf8ToCp1252("\u4e2d"), "?");
}

TEST(CardDate, AcceptsRealDatesOnlyParsesFormatsAndCountsWeekdays) {
  for (std::string bad : {"02-29-07", "04-31-07", "13-01-07", "03-00-07", "12"}) EXPECT_FALSE(CheckDate(bad)) << bad;
  for (std::string good : {"02-29-08", "02-29-00"}) EXPECT_TRUE(CheckDate(good)) << good;
  std::string slashes = "12/25/07";
  EXPECT_TRUE(CheckDate(slashes));
  EXPECT_EQ(slashes, "12-25-07");  // the separators are overwritten in place

  const auto d = parseMmDdYy("03-15-07");
  ASSERT_TRUE(d);
  EXPECT_EQ(*d, (Date{2007, 3, 15}));
  EXPECT_EQ(weekday(*d), 5);  // a Thursday
  EXPECT_EQ(formatMmDdYy(addDays(Date{2026, 12, 31}, 1)), "01-01-27");
  EXPECT_EQ(parseMmDdYy("01-01-45")->year, 1945);
  EXPECT_FALSE(parseMmDdYy("02-30-08"));
}

}  // namespace
}  // namespace mc
