// A small JSON writer for the command line's outputs: an object is written
// one member per line, nested values on that line.
#pragma once

#include <string>
#include <string_view>

namespace mc {

// A JSON string literal of UTF-8 text: quotes, backslashes and every
// control character escaped.
std::string jsonQuote(std::string_view utf8);

class JsonObject {
 public:
  JsonObject& text(std::string_view key, std::string_view utf8);
  JsonObject& number(std::string_view key, long long value);
  JsonObject& boolean(std::string_view key, bool value);
  // A value that is already JSON (an array, a nested object).
  JsonObject& raw(std::string_view key, std::string_view json);
  // The object, "{...}" with a final newline.
  std::string str() const;

 private:
  std::string members_;
};

}  // namespace mc
