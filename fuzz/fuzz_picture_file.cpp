// A picture file of the pictures folder as a damaged disk or another
// program may leave it. Byte 0 even: the rest is an ".asz" (the scrambled
// form), unscrambled into a working copy and decoded; odd: a ".jpg" dropped
// into the folder, turned into its ".asz" first. A picture that does not
// decode leaves the card without it; the working copy never stays behind,
// and unscrambling gives back exactly what scrambling took.
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_drive.h"
#include "platform/qt_pictures.h"
#include "render/card_pictures.h"
#include "render/picture_files.h"

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static int argc = 1;
  static char name[] = "fuzz_picture_file";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  static const fuzz::Drive drive("fuzz_picture_file");
  static std::ostringstream warnings;
  if (size == 0) return 0;
  std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

  std::string scrambled = bytes;
  mc::ScrambleBytes(scrambled);
  std::string back = scrambled;
  mc::UnscrambleBytes(back);
  if (back != bytes) __builtin_trap();

  const std::string stem = drive.facility.folder(35) + "\\vod\\Pic";
  const fs::path folder = drive.drives.hostPath(drive.facility.folder(35) + "\\vod")->lexically_normal();
  std::error_code ec;
  fs::remove_all(folder, ec);
  drive.write(stem + ((data[0] & 1) ? ".jpg" : ".asz"), bytes);

  mc::QtPictures store(warnings);
  mc::CardPictures pictures(drive.drives, drive.facility, store);
  const std::string loaded = pictures.Load(stem);
  warnings.str({});
  // Whatever it held, the folder keeps the ".asz" alone, scrambled as it was
  // (a ".jpg" became its ".ASZ").
  const fs::path asz = *drive.drives.hostPath(stem + ".asz");
  if (readFile(asz) != ((data[0] & 1) ? scrambled : bytes)) __builtin_trap();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (it->path() != asz) __builtin_trap();
  if (!loaded.empty() && store.image(loaded).isNull()) __builtin_trap();
  return 0;
}
