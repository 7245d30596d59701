#include "data/menu_files.h"

#include "data/text.h"

namespace mc {

const RecordFile& MenuFiles::file(std::string_view windowsPath, int recordLength) {
  const std::string key = upper(windowsPath) + "|" + std::to_string(recordLength);
  auto it = files_.find(key);
  if (it != files_.end()) return *it->second;
  RecordFile f = drives_ ? drives_->readRecords(windowsPath, recordLength) : RecordFile({}, recordLength, false);
  if (!f.exists()) missing_.emplace_back(windowsPath);
  return *files_.emplace(key, std::make_unique<RecordFile>(std::move(f))).first->second;
}

void MenuFiles::put(std::string_view windowsPath, std::string bytes, int recordLength) {
  const std::string key = upper(windowsPath) + "|" + std::to_string(recordLength);
  files_[key] = std::make_unique<RecordFile>(std::move(bytes), recordLength, true);
}

}  // namespace mc
