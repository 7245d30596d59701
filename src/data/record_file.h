// Fixed-record files: records of a fixed number of one-byte characters,
// numbered from 1, record n starting at byte (n - 1) * length; no header and
// no separators. Every data, settings and output file of the program is one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "data/outcome.h"

namespace mc {

// The whole file in memory, read once. A missing or unreadable file reads as
// an empty file (exists() tells the two apart); a record beyond the end, or
// the missing tail of a short last record, reads as blanks. A file larger
// than kMaxDataFileBytes is not read at all: it reads as missing, and
// tooLarge() says why. Records can be replaced in memory, for a file that
// is assembled and then written whole, or kept in step with records
// written on disk.
class RecordFile {
 public:
  RecordFile() = default;
  RecordFile(std::string bytes, int recordLength, bool exists);

  static RecordFile read(const std::filesystem::path& hostPath, int recordLength);

  bool exists() const { return exists_; }
  bool tooLarge() const { return tooLarge_; }
  // Why a file that is there could not be read, for people ("could not be
  // read (Permission denied)", "is a folder, not a file"); "" when it was
  // read or is simply not there.
  const std::string& readError() const { return readError_; }
  int recordLength() const { return length_; }
  // Number of records that the file holds, counting a short last one.
  long recordCount() const;
  // Record n, exactly recordLength() bytes.
  std::string record(long n) const;
  // The same record without a copy, valid as long as this object.
  std::string_view view(long n) const;
  // The file's bytes as read, with the records put since.
  std::string_view bytes() const { return std::string_view(bytes_).substr(0, size_); }

  // Replaces record n, padded or cut to the record length. A record past
  // the end extends the file, the records in between blank, as a record
  // write on disk does.
  void put(long n, std::string_view record);
  // Whether a record was put.
  bool changed() const { return changed_; }

 private:
  // The bytes, with a short last record padded with blanks in memory so
  // that every record can be viewed whole.
  std::string bytes_;
  size_t size_ = 0;
  int length_ = 1;
  bool exists_ = false;
  bool changed_ = false;
  bool tooLarge_ = false;
  std::string readError_;
  std::string blank_;
};

// A record under construction: fields are set by 1-based columns, the rest
// stays blank. Writers of our own files and the demo facility build records
// with it.
class Rec {
 public:
  explicit Rec(int length) : bytes_(length, ' ') {}
  // Text at column `from`, as long as it is.
  Rec& at(int from, std::string_view text);
  // Text left-justified in columns from..to, padded or cut.
  Rec& field(int from, int to, std::string_view text);
  // One character by its code (179, 186, 205, 254 ...).
  Rec& byte(int col, unsigned char code);
  const std::string& str() const { return bytes_; }
  operator const std::string&() const { return bytes_; }

 private:
  std::string bytes_;
};

// Replaces one record: the bytes of other records stay as they are. A
// record past the end extends the file; records in between are filled with
// blanks, which every reader takes as an empty record. The record is padded
// with blanks or cut to the record length. The file is rewritten whole
// through a temporary file, so that a failed write (a missing folder, no
// permission, a full disk) leaves every byte as it was, and the failure
// says why.
Outcome writeRecord(const std::filesystem::path& hostPath, int recordLength, long n, std::string_view record);
// Several records replaced in one rewrite, each as writeRecord replaces
// one: the file holds all of them or, after a failure, none. `within`: the
// folder the file must stay inside (see outputTarget in atomic_file.h).
using RecordsByNumber = std::map<long, std::string>;
Outcome writeRecords(const std::filesystem::path& hostPath, int recordLength, const RecordsByNumber& records,
                     const std::filesystem::path& within = {});
// The records put into a file's bytes, as writeRecords writes them.
void spliceRecords(std::string& bytes, int recordLength, const RecordsByNumber& records);

}  // namespace mc
