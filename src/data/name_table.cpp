#include "data/name_table.h"

#include <algorithm>

#include "data/data_file_names.h"
#include "data/record_shape.h"
#include "data/text.h"

namespace mc {

namespace {

constexpr int kRecordLength = 22;
constexpr int kNames = 60;

// A name whose first character is a control character or lies above "z"
// is an unused slot of the table (the editor leaves such bytes behind). A
// control byte further on is damage (a line end moved into the name): the
// name ends there rather than carry the next name's start onto a card.
std::string tableName(const std::string& record) {
  const auto first = static_cast<unsigned char>(record[0]);
  if (first < 32 || first >= 123) return {};
  std::string name = columns(record, 1, 20);
  const auto control = std::find_if(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 32; });
  name.erase(control, name.end());
  return trim(name);
}

}  // namespace

std::string nameTableDamage(const RecordFile& file) {
  if (file.tooLarge()) return "is larger than any name table: not read";
  if (std::string damage = recordFileDamage(file, {kRecordLength, kNames, true}); !damage.empty()) return damage;
  if (file.recordCount() < kNames)
    return "holds " + std::to_string(file.recordCount()) + " of its " + std::to_string(kNames) + " names";
  return {};
}

NameTable ReadNameTable(const DriveMap& drives, const Facility& facility) {
  NameTable table;
  const std::string path = nameTablePath(facility);
  if (!drives.fileExists(path)) return table;
  const RecordFile file = drives.readRecords(path, kRecordLength);
  table.path = path;
  // A table that is there and could not be read (the drive map named why)
  // lists nothing, as a missing one.
  if (!file.exists() && !file.tooLarge()) return table;
  table.damage = nameTableDamage(file);
  if (!table.damage.empty() && !file.tooLarge()) drives.report(FileFault::Damaged, path, table.damage);
  for (int i = 1; i <= 30; ++i) {
    table.LikeNames[i] = tableName(file.record(i));
    table.DislikeNames[i] = tableName(file.record(30 + i));
  }
  table.loaded = true;
  return table;
}

}  // namespace mc
