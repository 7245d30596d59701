#include "printrun/text_export.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "data/atomic_file.h"
#include "data/text.h"

namespace mc {

namespace {

constexpr const char* kHeaders[4] = {"", " [[   BREAKFAST   ]]", " [[   LUNCH   ]]", " [[   SUPPER   ]]"};
constexpr char kSpecialInstructions[] = " >>>>>>>>>>>> Special Instructions <<<<<<<<<<<<<";
// 61 dashes: the line is cut to 60 like every other.
constexpr char kRule[] = "-------------------------------------------------------------";

constexpr int kTextWidth = 60;
constexpr int kListColumnWidth = 30;  // the dislikes always start at character 31

}  // namespace

std::array<std::string, kTextCardLines> textCardLines(const Facility& facility,
                                                      const ResidentRecord& resident,
                                                      const std::array<std::string, 4>& MealLocations) {
  std::array<std::string, kTextCardLines> out;
  size_t n = 0;
  auto line = [&](std::string_view text) { out[n++] = padCut(text, kTextWidth); };
  for (int k = 1; k <= 3; ++k) {
    line(std::string(kHeaders[k]) + " at " + facility.FacilityName);
    line("  Name: " + resident.NameLine);
    line("**DIET: " + resident.Diet);
    for (int i = 1; i <= 10; ++i)
      line(padCut(resident.Likes[k][i], kListColumnWidth) + resident.Dislikes[k][i]);
    line(kSpecialInstructions);
    for (int i = 1; i <= 6; ++i) line(resident.SpecialInstructions[k][i]);
    line("Dining Location:" + MealLocations[k]);
    line(kRule);
    if (k < 3) line("");
  }
  return out;
}

void PrepareTextCardFolder(const DriveMap& drives, const std::string& textFile) {
  // The cards folder is the program's own output folder; it is made when
  // missing so that the export is not lost, but only inside a folder that
  // exists, so that a wrong folder table does not grow a tree of its own.
  const size_t slash = textFile.find_last_of("\\/");
  if (slash == std::string::npos || slash == 0) return;
  const std::string folder = textFile.substr(0, slash);
  const size_t up = folder.find_last_of("\\/");
  if (!drives.folderExists(folder) && up != std::string::npos && drives.folderExists(folder.substr(0, up + 1)))
    drives.createFolder(folder);
}

bool MakeTxt(const DriveMap& drives, const Facility& facility, const std::string& textFile,
             const ResidentRecord& resident, const std::array<std::string, 4>& MealLocations,
             TextCardWriter* writer) {
  if (textFile.empty() || !facility.MakeTextFile) return false;
  // The export is appended in place, past the drive map's writes: a dry
  // run leaves it alone.
  if (drives.dryRun()) return true;
  std::string block;
  block.reserve(static_cast<size_t>(kTextCardLineLength) * kTextCardLines);
  for (const std::string& text : textCardLines(facility, resident, MealLocations)) block += text + "\r\n";
  if (writer) return writer->append(drives, textFile, block, trim(resident.NameLine));
  TextCardWriter once;
  return once.append(drives, textFile, block, trim(resident.NameLine)) && once.close();
}

bool TextCardWriter::open(const DriveMap& drives, const std::string& textFile) {
  close();
  const auto host = drives.hostPath(textFile);
  const auto folder = drives.driveFolderOf(textFile);
  if (!host || !folder) return false;
  const Result<int> opened = openOutputFile(*host, *folder, O_WRONLY | O_CREAT);
  if (!opened) {
    drives.report(FileFault::WriteFailed, textFile, "could not be opened (" + opened.error() + ")");
    return false;
  }
  fd_ = *opened;
  struct stat st {};
  length_ = ::fstat(fd_, &st) == 0 ? st.st_size : 0;
  // The next line follows the last whole line; a torn tail is overwritten.
  end_ = length_ / kTextCardLineLength * kTextCardLineLength;
  synced_ = length_;
  unsynced_ = 0;
  drives_ = &drives;
  path_ = textFile;
  return true;
}

bool TextCardWriter::sync() {
  if (fd_ < 0 || unsynced_ == 0) return true;
  const int cards = unsynced_;
  unsynced_ = 0;
  if (::fsync(fd_) == 0) {
    synced_ = length_;
    return true;
  }
  const int error = errno;
  (void)::ftruncate(fd_, synced_);
  const std::string owners = cards == 1 ? "the card of " + firstUnsynced_
                                        : "the " + std::to_string(cards) + " cards of " + firstUnsynced_ + " to " +
                                              lastUnsynced_;
  const DriveMap& drives = *drives_;
  const std::string file = path_;
  ::close(fd_);  // the next card opens the file afresh
  fd_ = -1;
  path_.clear();
  drives.report(FileFault::WriteFailed, file,
                "could not keep " + owners + " (" + systemError(error) + "); the file is left as it was before them");
  return false;
}

bool TextCardWriter::close() {
  const bool ok = sync();
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  path_.clear();
  return ok;
}

bool TextCardWriter::append(const DriveMap& drives, const std::string& textFile, std::string_view lines,
                            const std::string& owner) {
  if ((fd_ < 0 || path_ != textFile) && !open(drives, textFile)) return false;
  // The file only ever grows, card by card, so it is not rewritten
  // through a temporary file like our other files: the card is written
  // after the last whole line, and a card that does not fit (a full disk)
  // is cut off again, leaving the file as it was.
  off_t at = end_;
  std::string_view rest = lines;
  int error = 0;
  while (!rest.empty() && error == 0) {
    const ssize_t n = ::pwrite(fd_, rest.data(), rest.size(), at);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = n == 0 ? ENOSPC : errno;
    } else {
      rest.remove_prefix(static_cast<size_t>(n));
      at += n;
    }
  }
  if (error != 0) {
    (void)::ftruncate(fd_, length_);
    close();  // the cards before this one stay if the disk keeps them
    drives.report(FileFault::WriteFailed, textFile,
                  "could not take the card of " + owner + " (" + systemError(error) +
                      "); the file is left as it was");
    return false;
  }
  end_ = at;
  length_ = at;
  if (unsynced_++ == 0) firstUnsynced_ = owner;
  lastUnsynced_ = owner;
  return unsynced_ < kSyncEvery || sync();
}

}  // namespace mc
