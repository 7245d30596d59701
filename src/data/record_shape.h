// The shape of a fixed-record file as the facility's programs write it:
// whole records of one length, text without NUL bytes or control bytes,
// line ends only as a CR LF closing a record. A file converted to LF-only
// line ends, cut short or overwritten with binary shifts or garbles every
// field after the fault; the readers name such damage with these checks.
#pragma once

#include <string>
#include <string_view>

namespace mc {

// "is cut short inside record N" when the bytes do not end on a record's
// end; "" otherwise.
std::string recordCutShort(std::string_view bytes, int recordLength);

// The first NUL, stray line end or other control byte, for people ("holds
// NUL bytes (record 3)"); "" when there is none. With `firstColumnFree` a
// control byte in a record's first column is the file's own mark (the name
// table's unused slots) and not damage.
std::string recordBytesDamage(std::string_view bytes, int recordLength, bool firstColumnFree = false);

}  // namespace mc
