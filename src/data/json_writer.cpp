#include "data/json_writer.h"

#include <cstdio>

namespace mc {

std::string jsonQuote(std::string_view utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        if (u < 0x20 || u == 0x7F) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", u);
          out += buf;
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

JsonObject& JsonObject::raw(std::string_view key, std::string_view json) {
  if (!members_.empty()) members_ += ",\n";
  members_ += "  " + jsonQuote(key) + ": ";
  members_ += json;
  return *this;
}

JsonObject& JsonObject::text(std::string_view key, std::string_view utf8) { return raw(key, jsonQuote(utf8)); }

JsonObject& JsonObject::number(std::string_view key, long long value) {
  return raw(key, std::to_string(value));
}

JsonObject& JsonObject::boolean(std::string_view key, bool value) { return raw(key, value ? "true" : "false"); }

std::string JsonObject::str() const { return members_.empty() ? "{}\n" : "{\n" + members_ + "\n}\n"; }

}  // namespace mc
