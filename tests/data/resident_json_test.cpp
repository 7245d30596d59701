#include <gtest/gtest.h>

#include <cctype>

#include "data/json_writer.h"
#include "data/resident_json.h"

namespace mc {
namespace {

// A strict JSON syntax check: enough to tell that the output is one valid
// value and nothing else.
class JsonCheck {
 public:
  explicit JsonCheck(std::string_view s) : s_(s) {}
  bool valid() {
    return value() && (ws(), i_ == s_.size());
  }

 private:
  void ws() {
    while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_]))) ++i_;
  }
  bool eat(char c) {
    ws();
    if (i_ < s_.size() && s_[i_] == c) return ++i_, true;
    return false;
  }
  bool string() {
    if (!eat('"')) return false;
    while (i_ < s_.size()) {
      const auto c = static_cast<unsigned char>(s_[i_++]);
      if (c == '"') return true;
      if (c < 0x20) return false;
      if (c == '\\') {
        if (i_ >= s_.size()) return false;
        const char e = s_[i_++];
        if (e == 'u') {
          for (int k = 0; k < 4; ++k)
            if (i_ >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[i_++]))) return false;
        } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
          return false;
        }
      }
    }
    return false;
  }
  bool value() {
    ws();
    if (i_ >= s_.size()) return false;
    const char c = s_[i_];
    if (c == '"') return string();
    if (c == '{' || c == '[') {
      const char close = c == '{' ? '}' : ']';
      ++i_;
      if (eat(close)) return true;
      do {
        if (c == '{' && !(string() && eat(':'))) return false;
        if (!value()) return false;
      } while (eat(','));
      return eat(close);
    }
    for (std::string_view word : {"true", "false", "null"}) {
      if (s_.substr(i_, word.size()) == word) return i_ += word.size(), true;
    }
    const size_t start = i_;
    if (s_[i_] == '-') ++i_;
    while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
    return i_ > start && std::isdigit(static_cast<unsigned char>(s_[i_ - 1]));
  }

  std::string_view s_;
  size_t i_ = 0;
};

TEST(ResidentJson, ControlCharactersQuotesAndWindowsText) {
  EXPECT_EQ(jsonQuote("a\"b\\c\n\x01\x1f\x7f"), "\"a\\\"b\\\\c\\n\\u0001\\u001f\\u007f\"");
  ResidentRecord r;
  r.NameLine = "101 S\xe1nchez, \"Pepe\"\x01";
  r.Likes[2][16] = "Caf\xe9 \x80";
  const std::string json = ResidentJson(r, "LSB");
  EXPECT_TRUE(JsonCheck(json).valid()) << json;
  EXPECT_NE(json.find("\"NameLine\": \"101 S\xc3\xa1nchez, \\\"Pepe\\\"\\u0001\""), std::string::npos) << json;
  EXPECT_NE(json.find("Caf\xc3\xa9 \xe2\x82\xac\"]"), std::string::npos);  // line 16 ends slot 2
  EXPECT_NE(json.find("\"MealOrder\": \"LSB\""), std::string::npos);
}

TEST(ResidentJson, NumberedArraysStartAtOneAndListsAreBySlot) {
  ResidentRecord r;
  r.DietCode = {9, 1, 2, 3, -4};
  r.DietMatrix[1] = {7, 3, 5};
  r.HydrateLines[3][4] = "last";
  r.SpecialInstructions[1][1] = "first";
  r.diet.Dysphagia = -1;
  r.diet.DoublePortion = 1;
  r.DietCodeMarked = true;
  const std::string json = ResidentJson(r, "");
  EXPECT_TRUE(JsonCheck(json).valid()) << json;
  EXPECT_NE(json.find("\"DietCode\": [1, 2, 3, -4]"), std::string::npos) << json;
  EXPECT_NE(json.find("\"DietMatrix\": [[3, 5], [0, 0], [0, 0], [0, 0]]"), std::string::npos);
  EXPECT_NE(json.find("\"HydrateLines\": [[\"\", \"\", \"\", \"\"], [\"\", \"\", \"\", \"\"], [\"\", \"\", \"\", \"last\"]]"),
            std::string::npos);
  EXPECT_NE(json.find("\"SpecialInstructions\": [[\"first\", \"\", \"\", \"\", \"\", \"\"]"), std::string::npos);
  EXPECT_NE(json.find("\"Dysphagia\": -1"), std::string::npos);
  EXPECT_NE(json.find("\"DoublePortion\": 1"), std::string::npos);
  EXPECT_NE(json.find("\"DietCodeMarked\": true"), std::string::npos);
  EXPECT_NE(json.find("\"DietMask\": \"" + std::string(20, ' ') + "\""), std::string::npos);
}

}  // namespace
}  // namespace mc
