#include "render/picture_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "data/atomic_file.h"
#include "data/file_problems.h"
#include "data/text.h"

namespace mc {

namespace fs = std::filesystem;

namespace {

constexpr size_t kLastBlock = 19;

// Moves whole blocks: the block numbered to[i] receives what block from[i]
// held.
void moveBlocks(std::string& bytes, const size_t (&from)[3], const size_t (&to)[3]) {
  if (bytes.size() < kLastBlock * kScrambleBlock) return;
  std::string old[3];
  for (int i = 0; i < 3; ++i) old[i] = bytes.substr((from[i] - 1) * kScrambleBlock, kScrambleBlock);
  for (int i = 0; i < 3; ++i) bytes.replace((to[i] - 1) * kScrambleBlock, kScrambleBlock, old[i]);
}

// A file larger than any picture is not read: it would be held whole.
std::optional<std::string> readFile(const std::string& path) {
  if (pictureFileTooLarge(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

// Written under a temporary name and renamed when complete, so that a
// failure leaves no half picture behind, and only as a file of ours may be.
// Why a copy could not be written is not needed: without it the picture is
// read where it is (a read-only pictures folder).
bool writeFile(const std::string& path, const std::string& bytes, const fs::path& within) {
  return writeFileAtomically(path, bytes, within).ok();
}

// Position of the three-letter extension `ext` (upper case) of the file
// name in `path`, or npos. Only the extension counts: a folder whose name
// holds the letters must not be renamed with it.
size_t extensionAt(const std::string& path, const char* ext) {
  const size_t dot = path.rfind('.');
  const size_t slash = path.find_last_of("\\/");
  if (dot == std::string::npos || dot < 1 || (slash != std::string::npos && dot < slash)) return std::string::npos;
  return upper(path.substr(dot + 1)) == ext ? dot + 1 : std::string::npos;
}

}  // namespace

bool pictureFileTooLarge(const std::string& path) {
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(path, ec);
  return !ec && size > kMaxDataFileBytes;
}

void ScrambleBytes(std::string& bytes) { moveBlocks(bytes, {19, 1, 15}, {1, 15, 19}); }
void UnscrambleBytes(std::string& bytes) { moveBlocks(bytes, {15, 19, 1}, {1, 15, 19}); }

std::string ConvertJPG(const std::string& path, const fs::path& within) {
  const size_t at = extensionAt(path, "JPG");
  if (at == std::string::npos) return {};
  auto bytes = readFile(path);
  if (!bytes) return {};
  std::string target = path;
  target.replace(at, 3, "ASZ");
  ScrambleBytes(*bytes);
  if (!writeFile(target, *bytes, within)) return {};
  std::error_code ec;
  fs::remove(path, ec);
  return target;
}

std::string ConvertASZ(const std::string& path, const fs::path& within, const fs::path& copyFolder) {
  if (extensionAt(path, "ASZ") == std::string::npos) return {};
  auto bytes = readFile(path);
  if (!bytes) return {};
  std::string copy = path;
  copy.back() = '2';
  if (!copyFolder.empty()) copy = (copyFolder / fs::path(copy).filename()).string();
  UnscrambleBytes(*bytes);
  if (!writeFile(copy, *bytes, copyFolder.empty() ? within : copyFolder)) return {};
  return copy;
}

std::optional<std::string> readPictureFile(const std::string& path) { return readFile(path); }

void KCFil(const std::string& path) {
  std::error_code ec;
  if (!path.empty()) fs::remove(path, ec);
}

}  // namespace mc
