#include "data/text.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace mc {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Unicode code points of 0x80..0x9F in Windows-1252.
constexpr char16_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

double leadingNumber(std::string_view text) {
  size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && isBlank(text[i])) ++i;
  };
  skipBlanks();
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  double value = 0;
  bool fraction = false;
  double scale = 1;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (isBlank(c)) continue;  // blanks inside the number are ignored too
    if (c >= '0' && c <= '9') {
      if (fraction) {
        scale /= 10;
        value += (c - '0') * scale;
      } else {
        value = value * 10 + (c - '0');
      }
    } else if (c == '.' && !fraction) {
      fraction = true;
    } else {
      break;
    }
  }
  return negative ? -value : value;
}

double roundHalfEven(double value) {
  if (!std::isfinite(value)) return 0;
  return std::nearbyint(value);  // the default rounding mode rounds halves to even
}

std::optional<int16_t> toInt16(double value) {
  const double r = roundHalfEven(value);
  if (r < -32768.0 || r > 32767.0) return std::nullopt;
  return static_cast<int16_t>(r);
}

int16_t int16Field(std::string_view text, int16_t fallback) {
  return toInt16(leadingNumber(text)).value_or(fallback);
}

std::string bareNumber(double value) {
  if (value == std::floor(value) && std::fabs(value) < 1e15) {
    return std::to_string(static_cast<long long>(value));
  }
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.7g", value);
  std::string s = buf;
  // The conversion drops the zero before the decimal point: ".5", "-.5".
  if (startsWith(s, "0.")) s.erase(0, 1);
  if (startsWith(s, "-0.")) s.erase(1, 1);
  return s;
}

std::string numberText(double value) {
  std::string s = bareNumber(value);
  return value < 0 ? s : " " + s;
}

namespace {

// Upper case of every byte of the code page.
constexpr std::array<char, 256> kUpper = [] {
  std::array<char, 256> map{};
  for (int i = 0; i < 256; ++i) {
    int u = i;
    if (u >= 'a' && u <= 'z') u -= 32;
    else if (u >= 0xE0 && u <= 0xFE && u != 0xF7) u -= 32;
    else if (u == 0x9A) u = 0x8A;
    else if (u == 0x9C) u = 0x8C;
    else if (u == 0x9E) u = 0x8E;
    else if (u == 0xFF) u = 0x9F;
    map[i] = static_cast<char>(u);
  }
  return map;
}();

}  // namespace

char upperChar(char c) { return kUpper[static_cast<unsigned char>(c)]; }

std::string upper(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = kUpper[static_cast<unsigned char>(c)];
  return s;
}

std::string ltrim(std::string_view text) {
  size_t b = 0;
  while (b < text.size() && text[b] == ' ') ++b;
  return std::string(text.substr(b));
}

std::string rtrim(std::string_view text) {
  size_t e = text.size();
  while (e > 0 && text[e - 1] == ' ') --e;
  return std::string(text.substr(0, e));
}

std::string trim(std::string_view text) { return ltrim(rtrim(text)); }

std::string columns(std::string_view record, int from, int to) {
  if (from < 1) from = 1;
  if (to < from || static_cast<size_t>(from) > record.size()) return {};
  return std::string(record.substr(from - 1, static_cast<size_t>(to - from + 1)));
}

char column(std::string_view record, int col) {
  if (col < 1 || static_cast<size_t>(col) > record.size()) return ' ';
  return record[col - 1];
}

void putColumns(std::string& record, int from, int to, std::string_view value) {
  if (from < 1 || to < from) return;
  if (record.size() < static_cast<size_t>(to)) record.resize(to, ' ');
  record.replace(from - 1, to - from + 1, padCut(value, to - from + 1));
}

std::string padCut(std::string_view text, size_t width) {
  std::string s(text.substr(0, width));
  s.resize(width, ' ');
  return s;
}

bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::string cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) {
      out += c;
    } else if (u < 0xA0) {
      appendUtf8(out, kHighTable[u - 0x80]);
    } else {
      appendUtf8(out, u);
    }
  }
  return out;
}

std::string utf8ToCp1252(std::string_view utf8) {
  std::string out;
  size_t i = 0;
  while (i < utf8.size()) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    char32_t cp;
    size_t n;
    if (b < 0x80) {
      cp = b, n = 1;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F, n = 2;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F, n = 3;
    } else if ((b & 0xF8) == 0xF0) {
      cp = b & 0x07, n = 4;
    } else {
      out += '?';
      ++i;
      continue;
    }
    if (i + n > utf8.size()) {
      out += '?';
      break;
    }
    for (size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += n;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    char mapped = '?';
    for (int k = 0; k < 32; ++k) {
      if (kHighTable[k] == cp) {
        mapped = static_cast<char>(0x80 + k);
        break;
      }
    }
    out += mapped;
  }
  return out;
}

bool cp1252Letter(char c) {
  const auto b = static_cast<unsigned char>(c);
  if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z')) return true;
  // Š Œ Ž š œ ž Ÿ, and the accented letters of the upper half but for × and ÷.
  if (b == 0x8A || b == 0x8C || b == 0x8E || b == 0x9A || b == 0x9C || b == 0x9E || b == 0x9F) return true;
  return b >= 0xC0 && b != 0xD7 && b != 0xF7;
}

}  // namespace mc
