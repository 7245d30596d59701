#include <gtest/gtest.h>

#include "data/json_writer.h"
#include "data/resident_json.h"

namespace mc {
namespace {

bool has(const std::string& json, const std::string& part) { return json.find(part) != std::string::npos; }

TEST(ResidentJson, TextIsEscapedUtf8AndListsAreArraysBySlot) {
  EXPECT_EQ(jsonQuote("a\"b\\c\n\x01\x1f\x7f"), "\"a\\\"b\\\\c\\n\\u0001\\u001f\\u007f\"");
  ResidentRecord r;
  r.NameLine = "101 S\xe1nchez, \"Pepe\"\x01";
  r.Likes[2][16] = "Caf\xe9 \x80";
  r.DietCode = {9, 1, 2, 3, -4};
  r.DietMatrix[1] = {7, 3, 5};
  r.HydrateLines[3][4] = "last";
  r.SpecialInstructions[1][1] = "first";
  r.diet.Dysphagia = -1;
  r.DietCodeMarked = true;
  const std::string json = ResidentJson(r, "LSB");
  for (char c : json) EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n');
  EXPECT_TRUE(has(json, "\"NameLine\": \"101 S\xc3\xa1nchez, \\\"Pepe\\\"\\u0001\""));
  EXPECT_TRUE(has(json, "Caf\xc3\xa9 \xe2\x82\xac\"], [\"\""));  // line 16 ends slot 2
  EXPECT_TRUE(has(json, "\"MealOrder\": \"LSB\""));
  EXPECT_TRUE(has(json, "\"DietCode\": [1, 2, 3, -4]"));
  EXPECT_TRUE(has(json, "\"DietMatrix\": [[3, 5], [0, 0], [0, 0], [0, 0]]"));
  EXPECT_TRUE(has(json, "\"HydrateLines\": [[\"\", \"\", \"\", \"\"], [\"\", \"\", \"\", \"\"], [\"\", \"\", \"\", \"last\"]]"));
  EXPECT_TRUE(has(json, "\"SpecialInstructions\": [[\"first\", \"\", \"\", \"\", \"\", \"\"], "));
  EXPECT_TRUE(has(json, "\"Dysphagia\": -1,\n"));
  EXPECT_TRUE(has(json, "\"DietCodeMarked\": true\n}\n"));
  EXPECT_EQ(json.front(), '{');
}

}  // namespace
}  // namespace mc
