#include "settings/field_encoding.h"

#include <cmath>

#include "data/text.h"

namespace mc {

double boxNumber(std::string_view text, FieldCode code) {
  const double v = leadingNumber(text);
  return code == FieldCode::Sdec ? v : roundHalfEven(v);
}

Encoded encodeNumber(double value, FieldCode code) {
  if (!std::isfinite(value)) value = 0;
  switch (code) {
    case FieldCode::N:
    case FieldCode::F:
      // The unsigned form is why a diet-category list with no selection
      // (index -1) is stored as "1 " and comes back as category 1.
      return {true, bareNumber(std::fabs(value))};
    case FieldCode::S:
    case FieldCode::Sdec:
      if (value == 0) return {false, {}};
      return {true, bareNumber(value)};
    case FieldCode::M:
      return {true, bareNumber(value == 0 ? 0.0 : value)};
    case FieldCode::P:
    case FieldCode::C:
      return {true, numberText(value == 0 ? 0.0 : value)};
    case FieldCode::T:
    case FieldCode::Ttrim:
    case FieldCode::X:
      break;
  }
  return {true, bareNumber(value)};
}

Encoded encodeText(std::string_view text, FieldCode code) {
  if (code == FieldCode::Ttrim) return {true, trim(text)};
  if (code == FieldCode::T) return {true, std::string(text)};
  return encodeNumber(boxNumber(text, code), code);
}

double fieldNumber(std::string_view field) {
  const double v = leadingNumber(blankZeroBytes(field));
  return std::isfinite(v) ? v : 0;
}

double wholeFieldNumber(std::string_view field) { return roundHalfEven(fieldNumber(field)); }

std::string blankZeroBytes(std::string_view record) {
  std::string out(record);
  for (char& c : out)
    if (c == '\0') c = ' ';
  return out;
}

}  // namespace mc
