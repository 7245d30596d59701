// Text and number rules shared by every reader and writer of the facility's
// files. Files are bytes: a std::string here holds Windows-1252 text exactly
// as it stands on disk, and is decoded only where it is shown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mc {

// The leading-number rule: blanks are ignored, an optional sign and the
// digits (with an optional decimal fraction) are read up to the first other
// character; text without a leading number reads as 0.
double leadingNumber(std::string_view text);

// Whole number nearest to value, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

// A value for a 16-bit field: rounded half to even, or nothing when it lies
// outside -32768..32767. The facility's programs raise an overflow error in
// that case and the statement is skipped, so callers keep the field's
// previous (reset) value instead of storing a wrapped number.
std::optional<int16_t> toInt16(double value);

// Leading number of text, rounded half to even, as a 16-bit value; `fallback`
// when it overflows.
int16_t int16Field(std::string_view text, int16_t fallback = 0);

// The number-to-text conversion used in captions and messages: a blank
// before a non-negative number, a minus sign before a negative one
// (" 5", "-5", " 4.8", " .5").
std::string numberText(double value);

// The same number without the leading blank ("5", "-5", "4.8").
std::string bareNumber(double value);

// Upper case as the facility's programs apply it to Windows-1252 text:
// a-z and the accented lower-case letters of the code page.
std::string upper(std::string_view text);
char upperChar(char c);

// Blanks (spaces only, as the facility's programs trim) removed.
std::string trim(std::string_view text);
std::string ltrim(std::string_view text);
std::string rtrim(std::string_view text);

// Columns from..to (1-based, inclusive) of a record; a record shorter than
// `to` gives what it has.
std::string columns(std::string_view record, int from, int to);

// The one character at column `col` (1-based), or a blank past the end.
char column(std::string_view record, int col);

// Writes value left-justified into columns from..to, padded with blanks or
// cut to the field width. The record grows with blanks when it is shorter.
void putColumns(std::string& record, int from, int to, std::string_view value);

// text padded with blanks or cut to exactly width characters.
std::string padCut(std::string_view text, size_t width);

bool contains(std::string_view text, std::string_view part);
bool startsWith(std::string_view text, std::string_view prefix);

// Windows-1252 bytes to UTF-8, for everything that leaves the program as
// Unicode (the screen, JSON, PDF text). Undefined code points (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control of the same number.
std::string cp1252ToUtf8(std::string_view bytes);
// Whether a Windows-1252 byte is a letter ("A", "é", "Š"); digits,
// punctuation and symbols are not.
bool cp1252Letter(char c);

// UTF-8 (command-line arguments, dialog answers) to Windows-1252; a
// character the code page does not have becomes "?".
std::string utf8ToCp1252(std::string_view utf8);

}  // namespace mc
