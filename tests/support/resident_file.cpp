#include "support/resident_file.h"

#include "data/data_file_names.h"
#include "data/text.h"
#include "printrun/run_paths.h"

namespace mc::test {

ResidentFile::ResidentFile() {
  put(57, 4, 33, std::string(30, '.'));
  put(64, 4, 33, std::string(30, '.'));
}

ResidentFile& ResidentFile::put(int record, int from, int to, std::string_view text) {
  auto [it, fresh] = records_.try_emplace(record, std::string(kLength, ' '));
  (void)fresh;
  putColumns(it->second, from, to, text);
  return *this;
}

ResidentFile& ResidentFile::dining(std::string_view b, std::string_view l, std::string_view s) {
  put(4, 43, 45, b);
  put(4, 49, 51, l);
  return put(4, 55, 57, s);
}

ResidentFile& ResidentFile::diet(int k, std::string_view part, std::string_view code) {
  static constexpr int part_[5][2] = {{}, {15, 27}, {33, 45}, {51, 64}, {70, 79}};
  static constexpr int code_[5][2] = {{}, {11, 13}, {29, 31}, {47, 49}, {66, 68}};
  put(8, part_[k][0], part_[k][1], part);
  return put(8, code_[k][0], code_[k][1], code);
}

ResidentFile& ResidentFile::hydrateAt(int meal, std::string_view cc) {
  static constexpr int from[4] = {0, 23, 49, 76};
  return put(778, from[meal], from[meal] + 3, cc);
}

ResidentFile& ResidentFile::hydrationLine(int meal, int line, std::string_view text) {
  static constexpr int from[4] = {0, 2, 28, 54};
  return put(772 + line, from[meal], from[meal] + 24, text);
}

ResidentFile& ResidentFile::clipArt(int k, std::string_view n) { return put(49, 15 + 4 * k, 17 + 4 * k, n); }

ResidentFile& ResidentFile::special(int meal, int line, std::string_view record) {
  static constexpr int first[4] = {0, 50, 58, 65};
  return put(first[meal] + line - 1, 1, kLength, record);
}

ResidentFile& ResidentFile::ownTableMark() { return put(780, 21, 21, std::string(1, static_cast<char>(186))); }

ResidentFile& ResidentFile::ownLike(int i, std::string_view name) {
  ownTableMark();
  return i <= 15 ? put(778 + i, 4, 20, name) : put(763 + i, 24, 40, name);
}

ResidentFile& ResidentFile::ownDislike(int i, std::string_view name) {
  ownTableMark();
  return i <= 15 ? put(778 + i, 44, 60, name) : put(763 + i, 64, 79, name);
}

std::string ResidentFile::bytes(int last) const {
  if (last <= 0) last = records_.empty() ? 0 : records_.rbegin()->first;
  std::string out(static_cast<size_t>(last) * kLength, ' ');
  for (const auto& [n, rec] : records_) {
    if (n <= last) out.replace(static_cast<size_t>(n - 1) * kLength, kLength, rec);
  }
  return out;
}

void ResidentFile::write(const TempDrives& drives, const Facility& facility, std::string_view file, int last) const {
  drives.putFile(residentDataPath(facility, file), bytes(last));
}

Facility testFacility(std::string_view facCode) {
  Facility f;
  f.setupFound = true;
  f.FacCode = std::string(facCode);
  f.Folders.assign(45, "c:\\dnv");
  f.Folders[2 - 1] = "c:\\dnv\\res";
  f.Folders[6 - 1] = "c:\\dnv\\menus";
  f.Folders[23 - 1] = "c:\\dnv\\set";
  f.Folders[39 - 1] = "c:\\dnv\\diets";
  f.Folders[43 - 1] = "c:\\dnv\\comments";
  return f;
}

void putResident(const TempDrives& drives, const Facility& facility, int unit, int bed, const RosterResident& r) {
  const std::string room = std::to_string(unit * 100 + bed), file = "R" + room + "XYZ";
  drives.put(rosterPath(facility, unit), 122, bed,
             Rec(122).field(2, 29, r.surname).field(33, 39, file).field(41, 70, r.diet).at(88, r.locations).str());
  ResidentFile f;
  f.room(room).name(r.surname + ", Pat").diet(1, r.diet, r.code);
  f.dining(r.locations.substr(0, 3), r.locations.substr(4, 3), r.locations.substr(8, 3));
  if (r.away != ' ') f.hospital(r.away);
  if (r.select) f.select();
  f.write(drives, facility, file);
}

std::string surnameIn(std::string_view text) {
  const size_t comma = text.find(", Pat");
  if (comma == std::string_view::npos) return "";
  const size_t blank = text.rfind(' ', comma);
  const size_t from = blank == std::string_view::npos ? 0 : blank + 1;
  return std::string(text.substr(from, comma - from));
}

void writeNameTable(const TempDrives& drives, const Facility& facility,
                    const std::map<int, std::string>& likes, const std::map<int, std::string>& dislikes) {
  std::string bytes(60 * 22, ' ');
  for (const auto& [i, name] : likes) bytes.replace((i - 1) * 22, 22, padCut(name, 22));
  for (const auto& [i, name] : dislikes) bytes.replace((29 + i) * 22, 22, padCut(name, 22));
  drives.putFile(nameTablePath(facility), bytes);
}

}  // namespace mc::test
