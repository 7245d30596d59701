// A resident data file built from named fields, as the facility's resident
// program lays it out (records of 82 characters). Unset like and dislike
// flags are ".", as that program leaves them.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "data/facility.h"
#include "support/test_drives.h"

namespace mc::test {

class ResidentFile {
 public:
  static constexpr int kLength = 82;

  ResidentFile();

  ResidentFile& room(std::string_view room) { return put(2, 5, 10, room); }
  ResidentFile& name(std::string_view name) { return put(2, 15, 39, name); }
  ResidentFile& dining(std::string_view b, std::string_view l, std::string_view s);
  ResidentFile& select(char mark = 'S') { return put(4, 63, 63, std::string(1, mark)); }
  // Diet component k (1..4) and its code as the file holds it ("12", "-2", "x").
  ResidentFile& diet(int k, std::string_view part, std::string_view code);
  ResidentFile& hydrate(std::string_view cc) { return put(18, 11, 16, cc); }
  ResidentFile& hydrateAt(int meal, std::string_view cc);
  // Hydration line 1..4 of meal 1..3.
  ResidentFile& hydrationLine(int meal, int line, std::string_view text);
  ResidentFile& hospital(char mark) { return put(39, 67, 67, std::string(1, mark)); }
  ResidentFile& sti(std::string_view n) { return put(49, 16, 17, n); }
  ResidentFile& clipArt(int k, std::string_view n);
  // Special instruction line 1..6 of meal 1..3; the text starts in column 1
  // as the record holds it (column 1 is not shown).
  ResidentFile& special(int meal, int line, std::string_view record);
  ResidentFile& menuLetters(std::string_view letters) { return put(56, 9, 33, letters); }
  ResidentFile& like(int i, char mark = 'X') { return put(57, 3 + i, 3 + i, std::string(1, mark)); }
  ResidentFile& dislike(int i, char mark = 'X') { return put(64, 3 + i, 3 + i, std::string(1, mark)); }
  ResidentFile& feedingSkill(std::string_view n) { return put(157, 69, 70, n); }
  ResidentFile& exclude() { return put(779, 43, 43, "E"); }
  // Own like and dislike name i (1..30); the first one also writes the mark.
  ResidentFile& ownLike(int i, std::string_view name);
  ResidentFile& ownDislike(int i, std::string_view name);
  ResidentFile& ownTableMark();
  // Raw columns of any record.
  ResidentFile& put(int record, int from, int to, std::string_view text);

  // The file's bytes, records 1..last (last defaults to the highest record set).
  std::string bytes(int last = 0) const;
  // Writes the file as ResidentFile `file` of the facility.
  void write(const TempDrives& drives, const Facility& facility, std::string_view file, int last = 0) const;

 private:
  std::map<int, std::string> records_;
};

// A facility with the folders the loaders use, all distinct.
Facility testFacility(std::string_view facCode = "TST");

// A resident of a test facility's roster, with a data file: listed at a bed
// of a unit as file "R<unit><bed>XYZ", room "<unit><bed>", named
// "<surname>, Pat"; dining locations as "BBB LLL SSS"; away 'H' (hospital)
// or 'O' (out on pass).
struct RosterResident {
  std::string surname, code = "1", diet = "REGULAR", locations = "MDR MDR MDR";
  char away = ' ';
  bool select = false;
};
void putResident(const TempDrives& drives, const Facility& facility, int unit, int bed, const RosterResident& r);

// The surname in a printed name line ("101 Alpha, Pat"), "" in any other text.
std::string surnameIn(std::string_view text);

// Writes the standard name table from likes and dislikes (index 1..30).
void writeNameTable(const TempDrives& drives, const Facility& facility,
                    const std::map<int, std::string>& likes, const std::map<int, std::string>& dislikes);

}  // namespace mc::test
