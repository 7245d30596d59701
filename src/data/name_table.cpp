#include "data/name_table.h"

#include "data/data_file_names.h"
#include "data/text.h"

namespace mc {

namespace {

constexpr int kRecordLength = 22;

// A name whose first character is a control character or lies above "z"
// is an unused slot of the table (the editor leaves such bytes behind).
std::string tableName(const std::string& record) {
  const auto first = static_cast<unsigned char>(record[0]);
  if (first < 32 || first >= 123) return {};
  return trim(columns(record, 1, 20));
}

}  // namespace

NameTable ReadNameTable(const DriveMap& drives, const Facility& facility) {
  NameTable table;
  const std::string path = nameTablePath(facility);
  if (!drives.fileExists(path)) return table;
  const RecordFile file = drives.readRecords(path, kRecordLength);
  for (int i = 1; i <= 30; ++i) {
    table.LikeNames[i] = tableName(file.record(i));
    table.DislikeNames[i] = tableName(file.record(30 + i));
  }
  table.loaded = true;
  return table;
}

}  // namespace mc
