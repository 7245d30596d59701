#include "platform/qt_pictures.h"

#include <QFile>
#include <iostream>
#include <system_error>

#include "data/file_problems.h"
#include "data/text.h"
#include "render/picture_files.h"

namespace mc {

namespace {

QString qPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

}  // namespace

QtPictures::QtPictures(std::ostream& warnings) : warnings_(warnings) {}

QtPictures& QtPictures::shared() {
  static QtPictures store(std::cerr);
  return store;
}

bool QtPictures::stamp(const std::string& name, Entry& entry) {
  std::error_code ec;
  const std::filesystem::path path(name);
  entry.size = std::filesystem::file_size(path, ec);
  if (ec) return false;
  entry.modified = std::filesystem::last_write_time(path, ec);
  return !ec;
}

std::optional<bool> QtPictures::Loaded(const std::string& name) {
  const std::lock_guard lock(mutex_);
  auto it = entries_.find(name);
  if (it == entries_.end()) return std::nullopt;
  Entry now;
  if (!stamp(name, now) || now.size != it->second.size || now.modified != it->second.modified) {
    entries_.erase(it);
    return std::nullopt;
  }
  return !it->second.image.isNull();
}

bool QtPictures::Load(const std::string& name, const std::string& from) {
  const std::lock_guard lock(mutex_);
  return loadLocked(name, from, false);
}

bool QtPictures::LoadBytes(const std::string& name, const std::string& bytes) {
  const std::lock_guard lock(mutex_);
  Entry entry;
  stamp(name, entry);
  if (bytes.size() <= kMaxDataFileBytes)
    entry.image = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
  const bool ok = !entry.image.isNull();
  entries_[name] = std::move(entry);
  return ok;
}

bool QtPictures::loadLocked(const std::string& name, const std::string& from, bool warn) {
  Entry entry;
  stamp(name, entry);
  // A runaway file is not decoded (CardPictures names it); a name given
  // straight to image() meets the same limit here.
  if (!pictureFileTooLarge(from)) entry.image = QImage(qPath(from));
  const bool ok = !entry.image.isNull();
  if (!ok && warn) warnings_ << "mealcards: the picture " << cp1252ToUtf8(name) << " cannot be read; the cards print without it\n";
  entries_[name] = std::move(entry);
  return ok;
}

QImage QtPictures::image(const std::string& name) {
  const std::lock_guard lock(mutex_);
  // Painted as loaded: the card's loaders asked Loaded() whether the file
  // changed just before, and looking at the disk again for each of the
  // dozen pictures a page paints costs more than drawing them.
  if (const auto it = entries_.find(name); it != entries_.end()) return it->second.image;
  Entry probe;
  if (!stamp(name, probe)) return {};
  loadLocked(name, name, true);
  return entries_[name].image;
}

}  // namespace mc
