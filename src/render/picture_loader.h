// Pictures as the cards see them: a picture file is decoded once, kept
// under a name for the rest of the program run, and painted by that name on
// any surface (Surface::PaintPicture). The platform decodes; the core only
// finds the files and names them.
#pragma once

#include <optional>
#include <string>

namespace mc {

class PictureLoader {
 public:
  virtual ~PictureLoader() = default;
  // Whether the picture kept under `name` (the host path of its file) is
  // loaded and still that file's picture: true, false when it did not
  // decode, nothing when it has not been tried or the file has changed.
  virtual std::optional<bool> Loaded(const std::string& name) = 0;
  // Decodes the picture file at `from` (a working copy, or the file itself)
  // and keeps it under `name`. False when it does not decode: the card
  // goes on without it, and the caller names it.
  virtual bool Load(const std::string& name, const std::string& from) = 0;
  // The same from the picture's bytes in memory, where no working copy can
  // be written (a read-only folder) or nothing may be (a check).
  virtual bool LoadBytes(const std::string& name, const std::string& bytes) = 0;
};

}  // namespace mc
