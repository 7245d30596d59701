// Picture files on the facility's disks: JPEG pictures (".jpg") and the same
// pictures in the family's scrambled form (".asz"), which other programs
// cannot open. A ".jpg" dropped into the pictures folder is turned into its
// ".asz" on first use; an ".asz" is read through a working copy that is
// unscrambled and deleted again once the picture is loaded. Paths here are
// host paths.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace mc {

// The scrambled form moves three 200-byte blocks (numbered from 1): block
// 19 goes to 1, 1 to 15 and 15 to 19; unscrambling moves them back. A file
// that does not reach to the end of block 19 (3800 bytes) stays as it is
// both ways: there is no block 19 to move, and padding the file would
// change the picture's length.
inline constexpr size_t kScrambleBlock = 200;
void ScrambleBytes(std::string& bytes);
void UnscrambleBytes(std::string& bytes);

// Copies the ".jpg" at `path` to the same name with "ASZ" for its
// extension, scrambled, then deletes the ".jpg"; returns the new path.
// Returns "" for a path without a "JPG" extension, or when the copy cannot
// be written (the ".jpg" then stays). What is written stays inside the
// folder `within` (the drive's folder; empty: anywhere).
std::string ConvertJPG(const std::string& path, const std::filesystem::path& within = {});
// Writes the unscrambled working copy of the ".asz" at `path`, named with
// its last character replaced by "2", and returns its path; "" for a path
// without an "ASZ" extension or when the copy cannot be written. The copy
// goes beside the file, or into `copyFolder` when one is given.
std::string ConvertASZ(const std::string& path, const std::filesystem::path& within = {},
                       const std::filesystem::path& copyFolder = {});
// The bytes of a picture file, nothing when it cannot be read or is larger
// than any picture file.
std::optional<std::string> readPictureFile(const std::string& path);
// Whether the file at `path` is larger than any data file
// (kMaxDataFileBytes): such a picture is not read, converted or decoded.
bool pictureFileTooLarge(const std::string& path);
// Deletes a working copy.
void KCFil(const std::string& path);

}  // namespace mc
