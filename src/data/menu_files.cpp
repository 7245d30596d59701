#include "data/menu_files.h"

#include "data/record_shape.h"
#include "data/text.h"

namespace mc {

const RecordFile& MenuFiles::file(std::string_view windowsPath, int recordLength) {
  const std::string key = upper(windowsPath) + "|" + std::to_string(recordLength);
  auto it = files_.find(key);
  if (it != files_.end()) return *it->second;
  RecordFile f = drives_ ? drives_->readRecords(windowsPath, recordLength) : RecordFile({}, recordLength, false);
  if (!f.exists()) missing_.emplace_back(windowsPath);
  if (drives_) nameProblem(windowsPath, f);
  return *files_.emplace(key, std::make_unique<RecordFile>(std::move(f))).first->second;
}

void MenuFiles::nameProblem(std::string_view windowsPath, const RecordFile& f) {
  // An unreadable or runaway file was named by the drive map.
  if (f.tooLarge() || !f.readError().empty()) return;
  if (!f.exists()) {
    // A whole folder gone is named once, not once for each of its files.
    const size_t slash = windowsPath.find_last_of('\\');
    const std::string folder(windowsPath.substr(0, slash == std::string_view::npos ? 0 : slash));
    if (!folder.empty() && !drives_->folderExists(folder))
      drives_->report(FileFault::Missing, folder, "is missing: the cards print without the food of its files");
    else
      drives_->report(FileFault::Missing, windowsPath, "is missing: the cards print without its food");
    return;
  }
  if (const std::string damage = recordFileDamage(f, {f.recordLength()}); !damage.empty())
    drives_->report(FileFault::Damaged, windowsPath, damage + ": the food read from it may be wrong or missing");
}

void MenuFiles::put(std::string_view windowsPath, std::string bytes, int recordLength) {
  const std::string key = upper(windowsPath) + "|" + std::to_string(recordLength);
  files_[key] = std::make_unique<RecordFile>(std::move(bytes), recordLength, true);
}

}  // namespace mc
