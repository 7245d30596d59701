// The picture store of the program run: every picture decoded once into one
// QImage, which every surface paints. The PDF engine keeps one copy of an
// image per QImage, so 500 cards with the same symbol carry it once.
// Pictures are kept by name (the host path of their file) and read again
// when that file changes. A picture that does not decode is named once on
// stderr; the cards print without it.
//
// The backup's page workers paint from the store while the run loads the
// next card's pictures, so every look at it is under one lock, and a
// picture is handed out as a QImage of its own (sharing the decoded data),
// which a reload cannot pull from under a painter.
#pragma once

#include <QImage>
#include <filesystem>
#include <iosfwd>
#include <mutex>
#include <string>
#include <unordered_map>

#include "render/picture_loader.h"

namespace mc {

class QtPictures final : public PictureLoader {
 public:
  // Warnings go to `warnings` (stderr for the program).
  explicit QtPictures(std::ostream& warnings);

  // The store every surface of the program paints from.
  static QtPictures& shared();

  std::optional<bool> Loaded(const std::string& name) override;
  bool Load(const std::string& name, const std::string& from) override;
  bool LoadBytes(const std::string& name, const std::string& bytes) override;

  // The picture kept under `name`, as it was loaded (whether its file
  // changed since is Loaded()'s to tell); a name never loaded is taken for
  // a picture file's path and read now. A null image when there is none.
  QImage image(const std::string& name);

 private:
  struct Entry {
    QImage image;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
  };
  // The file's size and time, or false when it is gone.
  static bool stamp(const std::string& name, Entry& entry);
  // `warn`: name a picture that does not decode (no caller names it).
  bool loadLocked(const std::string& name, const std::string& from, bool warn);

  std::mutex mutex_;
  std::ostream& warnings_;
  std::unordered_map<std::string, Entry> entries_;
};

}  // namespace mc
