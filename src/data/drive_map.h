// Windows paths on this machine. The facility's files name Windows paths
// ("c:\dnv\setup\F.kvt"); a drive folder holds one sub-folder per drive
// letter ("c" or "c:", so a Wine prefix's dosdevices folder serves too), and
// every path component is matched case-insensitively, as Windows does. This
// is the one place that turns a Windows path into a host path.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "data/file_problems.h"
#include "data/record_file.h"

namespace mc {

class DriveMap {
 public:
  DriveMap() = default;
  explicit DriveMap(std::filesystem::path driveFolder);

  const std::filesystem::path& driveFolder() const { return root_; }

  // Host path of a Windows path. Components that exist are matched in any
  // case (an exact match wins); the rest keep the spelling given, without
  // the trailing dots and blanks that Windows drops from a name. Nothing
  // when the path has no drive letter or the drive is not mapped. "\" and
  // "/" both separate; a path starting with "\" is on drive c.
  std::optional<std::filesystem::path> hostPath(std::string_view windowsPath) const;

  // The host path to write a file of ours at: links followed, and refused
  // (a failure saying why) when something other than a regular file is in
  // its place or it lies outside the drive folder of its drive (see
  // outputTarget in atomic_file.h). Writers that are handed a host path
  // take it from here.
  Result<std::filesystem::path> outputPath(std::string_view windowsPath) const;
  // The folder of the path's drive, which every file of ours written on
  // that drive stays inside.
  std::optional<std::filesystem::path> driveFolderOf(std::string_view windowsPath) const;

  // An existing regular file at exactly this path (any case).
  bool fileExists(std::string_view windowsPath) const;
  // An existing file or folder.
  bool exists(std::string_view windowsPath) const;
  bool folderExists(std::string_view windowsPath) const;
  std::optional<std::uintmax_t> fileSize(std::string_view windowsPath) const;
  // Why the file cannot be read, for people: "is missing", "is a folder,
  // not a file", "could not be read (Permission denied)"; "" when it can.
  std::string absence(std::string_view windowsPath) const;

  // Drive letters that are mapped, lower case, in alphabetical order.
  std::vector<char> drives() const;

  // Where the problems met below are reported; none by default. The sink
  // must outlive the map.
  void setProblems(FileProblems* problems) { problems_ = problems; }
  FileProblems* problems() const { return problems_; }
  // Reports a problem with a file (readers name damage here); the path as
  // the data names it, shown with its place on this machine.
  void report(FileFault fault, std::string_view windowsPath, std::string detail) const;

  // A file too large to be a data file, or one that is there but cannot be
  // read, reads as missing and is reported.
  RecordFile readRecords(std::string_view windowsPath, int recordLength) const;
  // One record replaced (see writeRecord in record_file.h). Every write
  // below goes through a temporary file: a failure leaves the old file and
  // is reported to problems() with the file's name, where the run collects
  // it; the result only tells whether to go on (false: not written).
  bool writeRecord(std::string_view windowsPath, int recordLength, long n,
                   std::string_view record) const;
  // Several records in one rewrite (see writeRecords in record_file.h).
  bool writeRecords(std::string_view windowsPath, int recordLength, const RecordsByNumber& records) const;
  std::string readAll(std::string_view windowsPath) const;
  // Replaces the whole file with the bytes (our own files only).
  bool writeAll(std::string_view windowsPath, std::string_view bytes) const;

  // Copies a file over the target (an existing target is replaced).
  bool copyFile(std::string_view from, std::string_view to) const;
  bool removeFile(std::string_view windowsPath) const;
  // Deletes the files matching a pattern whose last component may hold "*"
  // and "?" (any case); returns how many were deleted.
  int removeFiles(std::string_view windowsPattern) const;
  // Creates the folder and any missing folders above it.
  bool createFolder(std::string_view windowsPath) const;

  // A dry run (the pre-flight check): every write, copy, delete and new
  // folder above is kept in memory instead of on disk, and the reads above
  // see it. The run's own code runs unchanged, reading back the meal-order
  // file it just built, and the facility's tree stays byte for byte as it
  // was. Paths handed out by hostPath() are the disk's: whoever writes
  // through one asks dryRun() first.
  void setDryRun(bool on, bool drawn = false);
  bool dryRun() const { return dry_ != nullptr; }
  // A dry run whose drawing is looked at (the window's pictures taken by
  // gui --screenshot) still reads the pictures it draws, as they are: no
  // picture is converted, and a working copy goes outside the facility.
  bool dryRunDrawn() const { return dry_ && dry_->drawn; }

 private:
  struct Listing {
    std::filesystem::file_time_type modified;
    bool kept = false;
    std::unordered_map<std::string, std::string> byUpper;  // upper-cased name -> name
    std::unordered_set<std::string> exact;                 // the names as they are
  };

  std::optional<std::filesystem::path> driveRoot(char letter) const;
  // The host path; with status, the final component's file status too (one
  // look at the disk for both).
  std::optional<std::filesystem::path> resolve(std::string_view windowsPath,
                                               std::filesystem::file_status* status) const;
  // The path in a folder already found on disk, its last name as given;
  // nothing when the folder has not been found yet. No look at the disk.
  std::optional<std::filesystem::path> inKnownFolder(std::string_view windowsPath) const;
  // folderSeen, when given, is set when the lookup saw that dir is still
  // there.
  std::optional<std::filesystem::path> matchEntry(const std::filesystem::path& dir, const std::string& part,
                                                  std::filesystem::file_status* status = nullptr,
                                                  bool* folderSeen = nullptr) const;
  // The name in dir that matches part in another case, from the folder's
  // listing; null when there is none (or no folder: folderSeen false).
  const std::string* listedName(const std::filesystem::path& dir, const std::string& part,
                                bool* folderSeen = nullptr) const;

  void reportWrite(std::string_view windowsPath, const std::string& error) const;

  // What a dry run wrote, by case-blind Windows path ("C\DNV\RES\X.DM"): the
  // bytes, or nothing for a deleted file; and the folders it made.
  struct DryRun {
    std::unordered_map<std::string, std::optional<std::string>> files;
    std::unordered_map<std::string, bool> folders;
    bool drawn = false;
  };
  // The dry run's entry for a path, null when the run did not touch it.
  const std::optional<std::string>* dryFile(std::string_view windowsPath) const;

  std::filesystem::path root_;
  FileProblems* problems_ = nullptr;
  // Folders already found on disk, by their upper-cased Windows path
  // ("C\DNV\RES"). An entry whose folder has gone (renamed, or made again
  // in another case) is dropped by the next lookup that misses in it.
  mutable std::unordered_map<std::string, std::filesystem::path> folders_;
  // Folder listings for names asked in another case, by host folder path.
  mutable std::unordered_map<std::string, Listing> listings_;
  std::shared_ptr<DryRun> dry_;
};

// Splits a Windows path into its drive letter (lower case, 0 when none) and
// its components.
struct WindowsPath {
  char drive = 0;
  std::vector<std::string> parts;
};
WindowsPath splitWindowsPath(std::string_view path);

// Case-insensitive wildcard match of a file name ("*" any run, "?" one
// character), as the Windows delete command matches.
bool wildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace mc
