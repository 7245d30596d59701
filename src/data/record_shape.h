// The shape of a fixed-record file as the facility's programs write it:
// whole records of one length, text without NUL bytes or control bytes,
// line ends only as a CR LF closing a record. A file converted to LF-only
// line ends, cut short or overwritten with binary shifts or garbles every
// field after the fault; the readers name such damage with these checks.
#pragma once

#include <string>
#include <string_view>

#include "data/record_file.h"

namespace mc {

// What a sound file of one kind looks like.
struct RecordShape {
  int recordLength = 1;
  // The records a whole file holds, when the facility's programs always
  // write them all (a resident file, the name table, the setup file); 0
  // when the count varies (rosters, the diet file, menus).
  long records = 0;
  // See recordBytesDamage.
  bool firstColumnFree = false;
};

// What is wrong with a file as read, for people, "" when nothing is: why a
// file that is there could not be read, "is empty", a stray byte or line
// end in its records, or a length that is not whole records. A missing
// file, and one refused as too large, are the caller's to name.
std::string recordFileDamage(const RecordFile& file, const RecordShape& shape);

// A length that is not whole records, said as what was found against what
// was expected: "is cut short inside record 9 (700 bytes of 65026)", "is 3
// bytes longer than its 793 records of 82 bytes (65029 bytes)", "has 2
// stray bytes after record 12, its last whole record (line ends or an
// end-of-file mark)", "ends 40 bytes into record 3 (284 bytes; records are
// 122 bytes): cut short, or bytes added"; "" for whole records.
std::string recordLengthDamage(std::string_view bytes, const RecordShape& shape);

// The first NUL, stray line end or other control byte among the file's
// whole records, for people ("holds NUL bytes (record 3)"); "" when there
// is none. Bytes past the last whole record are the length's to name. With
// `firstColumnFree` a control byte in a record's first column is the
// file's own mark (the name table's unused slots) and not damage.
std::string recordBytesDamage(std::string_view bytes, int recordLength, bool firstColumnFree = false);

}  // namespace mc
