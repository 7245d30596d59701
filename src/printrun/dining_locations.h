// The dining location file (folder 39 "\dining." & FacCode): records of 48
// characters, record n is dining location number n; columns 5-7 hold the
// abbreviation (three blanks: an empty record), 9-46 the description, in
// which an "@" asks for the hydration box on that meal's card.
#pragma once

#include <string>
#include <string_view>

#include "data/drive_map.h"
#include "data/facility.h"
#include "data/record_file.h"

namespace mc {

class DiningLocations {
 public:
  static constexpr int kRecordLength = 48;
  // Look-ups stop here: locations past it are never printed on a card.
  static constexpr long kMaxRecords = 200;

  // Reads the facility's file; a missing file reads as empty. A damaged
  // one is read all the same and named through the drive map.
  void read(const DriveMap& drives, const Facility& facility);

  bool exists() const { return file_.exists(); }
  const std::string& path() const { return path_; }
  // What is wrong with the file's shape, "" when it is sound (or missing):
  // any location or hydration box looked up in it may be another's.
  const std::string& damage() const { return damage_; }
  // Records that look-ups read: those of the file, at most 200.
  long count() const;
  // Columns 5-7 of record n, upper-cased; three blanks past the end.
  std::string abbreviation(long n) const;
  // The first record 1..200 whose abbreviation equals abbr (upper-cased); 0 when none.
  long find(std::string_view abbr) const;
  // Columns 9-46 of record n, as stored.
  std::string description(long n) const;
  // Record n as stored, blanks past the end.
  std::string_view record(long n) const { return file_.view(n); }

 private:
  RecordFile file_;
  std::string path_;
  std::string damage_;
};

// What is wrong with the shape of a dining location file, "" when it is sound.
std::string diningFileDamage(const RecordFile& file);

}  // namespace mc
