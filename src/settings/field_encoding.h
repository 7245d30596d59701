// How one value of the settings file is written into its columns and read
// back. Every field is text, left-justified and blank-padded to its width; a
// longer value is cut. The letter of each encoding is the one the settings
// layout tables use.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mc {

enum class FieldCode : char {
  T,      // the text as it stands
  Ttrim,  // the text, trimmed on both sides
  N,      // digits of the value, its minus sign dropped
  S,      // digits with their sign; 0 is not written at all
  Sdec,   // as S, for a value with a decimal fraction (not rounded)
  M,      // digits with their sign
  P,      // a blank before a non-negative value, a minus sign before a negative one
  X,      // "X" for a chosen option button, " " otherwise
  F,      // one digit, the check box value
  C,      // an RGB colour: a blank before the number, padded to 10
};

// A number typed in a text box as the settings file takes it: its leading
// number, rounded half to even (except the decimal code Sdec).
double boxNumber(std::string_view text, FieldCode code);

// The characters a value is written as, before padding to the field width.
// `written` is false for S and Sdec with the value 0: that field is left
// alone and keeps what the file held before.
struct Encoded {
  bool written = true;
  std::string text;
};
Encoded encodeNumber(double value, FieldCode code);
Encoded encodeText(std::string_view text, FieldCode code);
inline std::string encodeOption(bool chosen) { return chosen ? "X" : " "; }

// Reading: the leading number of a field (blank or zero bytes give 0).
double fieldNumber(std::string_view field);
// The same rounded half to even: a position or size in a field that the
// card layout takes as a whole number.
double wholeFieldNumber(std::string_view field);
// An option column is chosen when it holds anything but a blank.
inline bool optionChosen(char c) { return c != ' '; }

// Record bytes as the readers take them: a record that was never written
// may hold zero bytes instead of blanks, and both read the same way.
std::string blankZeroBytes(std::string_view record);

}  // namespace mc
