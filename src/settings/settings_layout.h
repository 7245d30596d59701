// The columns of the settings file: which control each field of a set record
// belongs to, how it is encoded, and what the reader makes of the stored
// value. GetSet and SaveSet both walk these tables, so a column can only be
// read where it is written.
#pragma once

#include <span>

#include "settings/field_encoding.h"

namespace mc::layout {

inline constexpr int kHeaderRecord = 1;
inline constexpr int kSetCount = 6;
inline constexpr int kSharedRecord = 8;
inline constexpr int kFirstDotRecord = 9;  // records 9..17, one per dot label
inline constexpr int kTitleRecord = 20;
inline constexpr int kNoteRecord = 21;
inline constexpr int kMenuSetRecordLength = 100;
inline constexpr int kMenuSetRecord = 4;

// Header, in every set record; only record 1's copy is read.
inline constexpr int kActiveSetFrom = 145, kActiveSetTo = 146;
inline constexpr int kButtonNameFrom = 147, kButtonNameWidth = 12;  // six names, 147..218

enum class Target : char {
  Text,         // Text<index>, the box's text
  Check,        // Check<index>
  Option,       // Option<index>
  List2,        // the diet-category list index
  PrinterName,  // the stored printer name (chosen after the load)
  StripChoice,  // StripChoice(index)
  FormColor,    // record 8: window background
  FirstColor,   // record 8: Text28's background (ChgColor)
  SecondColor,  // record 8: Label11's background (ChgColor2)
};

// What the reader makes of a stored value.
enum class Rule : char {
  AsRead,       // the value as read (a text box shows the number)
  Stored,       // the text box receives the stored characters
  Range,        // outside lo..hi becomes `fallback`
  ZeroDefault,  // 0 becomes `fallback`; otherwise the number
  StoredOrZero, // the box receives the stored characters; a value 0 becomes `fallback`
  Below,        // below lo becomes `fallback` (the barcode XY factor)
  OnlyOne,      // a check box: anything but 1 becomes 0
  NonZero,      // a check box: anything but 0 becomes 1
  Plain,        // the text, trimmed where the code says so
  FirstDay,     // Text6: outside 1..999 becomes the first menu day
  FirstPlace,   // Text8: below Text7's number or below 1 becomes Text7
  ClipArt,      // Text28: right-trimmed; a first character below 33 empties it
  RightTrim,    // right-trimmed text
};

struct Field {
  short from, to;
  FieldCode code;
  Target target;
  short index;
  Rule rule = Rule::AsRead;
  short lo = 0, hi = 0;
  const char* fallback = "";
  bool ranges = false;  // written only by "Save Settings" (SaveRanges = 1)
};

// Fields of a set record (records 1 to 6) in column order; the header
// columns 145-218 are not in it.
std::span<const Field> setRecord();
// Fields of record 8 (shared appearance and output options).
std::span<const Field> sharedRecord();

// The dot labels in the order of records 9 to 17.
inline constexpr int kDotLabelOrder[9] = {2, 4, 5, 7, 9, 17, 18, 19, 20};
inline constexpr int kDotTextFrom = 1, kDotTextTo = 20, kDotColorFrom = 21, kDotColorTo = 30;

// Record 20 and record 21.
inline constexpr int kTitleSizeFrom = 1, kTitleSizeTo = 3;  // Text34, code P
inline constexpr int kBottomWatermarkCol = 4;               // Check36
inline constexpr int kNoteFrom = 1, kNoteTo = 60;           // Text36

}  // namespace mc::layout
