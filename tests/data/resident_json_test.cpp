#include <gtest/gtest.h>

#include "data/json_writer.h"
#include "data/resident_json.h"

namespace mc {
namespace {

TEST(ResidentJson, TextIsEscapedAndListsAreArraysBySlot) {
  EXPECT_EQ(jsonQuote("a\"b\\c\n\x01\x7f"), "\"a\\\"b\\\\c\\n\\u0001\\u007f\"");
  ResidentRecord r;
  r.Likes[2][16] = "last";
  r.DietCode = {9, 1, 2, 3, -4};
  r.DietMatrix[1] = {7, 3, 5};
  const std::string json = ResidentJson(r, "LSB");
  for (const char* part : {"last\"], [\"\"",  // line 16 ends slot 2
                           "\"MealOrder\": \"LSB\"", "\"DietCode\": [1, 2, 3, -4]",
                           "\"DietMatrix\": [[3, 5], [0, 0], [0, 0], [0, 0]]"})
    EXPECT_NE(json.find(part), std::string::npos) << part;
}

}  // namespace
}  // namespace mc
