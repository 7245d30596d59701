// Resident data files as a hostile disk leaves them: every kind of damage
// is named (that a damaged file never replaces the last good backup: the
// loader's test).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>
#include <vector>

#include "data/data_file_names.h"
#include "data/diet_file.h"
#include "data/name_table.h"
#include "data/resident_loader.h"
#include "printrun/dining_locations.h"
#include "support/resident_file.h"

namespace mc {
namespace {

using test::ResidentFile;

std::string damage(std::string bytes) { return residentFileDamage(RecordFile(std::move(bytes), 82, true)); }

TEST(ResidentFileShape, NamesEachKindOfDamageAndOneStrayByteAnywhere) {
  ResidentFile f;
  f.name("Sound, Sam").diet(1, "PUREED", "12").special(1, 1, " NECTAR THICK");
  const std::string good = f.bytes(793);
  EXPECT_EQ(damage(good), "");

  // The records of another program's line-oriented copy: CR LF where a
  // record ends is its own business.
  std::string crlf = good;
  for (size_t at = 80; at < crlf.size(); at += 82) crlf.replace(at, 2, "\r\n");
  EXPECT_EQ(damage(crlf), "");

  EXPECT_EQ(damage(""), "is empty");
  EXPECT_EQ(damage(std::string(good.size(), '\0')), "holds NUL bytes (record 1)");
  EXPECT_EQ(damage(good.substr(0, 7 * 82 + 20)), "ends before its diet record (594 bytes)");
  // (Cut inside a later record, bytes added, a byte in front: BrokenFiles.)

  // LF-only line ends: every record one byte short, so every field after
  // the first line end is shifted.
  std::string lf;
  for (size_t at = 0; at < good.size(); at += 82) lf += good.substr(at, 81) + "\n";
  EXPECT_EQ(damage(lf), "has line ends inside record 1 (LF-only line ends?)");

  // One byte in front of a record and the last one dropped: the length and
  // the bytes are as sound as before, only the fields have moved.
  const auto shifted = [](const std::string& bytes, size_t at, int by) {
    std::string out = bytes;
    if (by > 0) out.insert(at, std::string(by, 'Q')), out.resize(bytes.size());
    else out.erase(at, -by), out.append(-by, ' ');
    return out;
  };
  const std::string kMoved = ": its records are shifted or overwritten";
  EXPECT_EQ(damage(shifted(good, 8 * 82, -1)), "has a blank among its like flags (record 57, column 33)" + kMoved);
  EXPECT_EQ(damage(shifted(good, 58 * 82, 1)),
            "has a blank among its dislike flags (record 64, column 4)" + kMoved);
  // The resident program writes codes either way round; a digit moved out
  // of a right-justified "12" leaves a "1" that would print another diet.
  ResidentFile right = f;
  right.put(8, 11, 13, " 12");
  EXPECT_EQ(damage(right.bytes(793)), "");
  EXPECT_EQ(damage(shifted(right.bytes(793), 7 * 82, 1)),
            "has a diet code that runs on past its columns (record 8, columns 11-13: \"  1\", \"2\" after it)" + kMoved);
  ResidentFile letters = f;
  letters.diet(4, "", "-2").put(8, 47, 49, "4x");
  EXPECT_EQ(damage(letters.bytes(793)),
            "has a diet code that holds no number (record 8, columns 47-49: \"4x \")" + kMoved);
  // Every flag set, or a file never given flags, is no shift.
  ResidentFile marks = f;
  for (int i = 1; i <= 30; ++i) marks.like(i).put(64, 3 + i, 3 + i, "*");
  EXPECT_EQ(damage(marks.bytes(793)), "");
  EXPECT_EQ(damage(marks.put(57, 4, 33, "").put(64, 4, 33, "").bytes(793)), "");

  std::mt19937 random(14);
  std::string noise(good.size(), ' ');
  for (char& c : noise) c = static_cast<char>(random() % 2 ? 1 + random() % 8 : 128 + random() % 128);
  EXPECT_NE(damage(noise).find("holds binary data"), std::string::npos) << damage(noise);

  // One stray byte anywhere is found, in the records as they are or with
  // CR LF where each ends (the line ends are places for a stray byte too);
  // high characters are text.
  for (const std::string* base : {&good, static_cast<const std::string*>(&crlf)}) {
  const std::string& sound = *base;
  // Every byte of the first and last two records (all places in a word of
  // sixteen and the file's tail), and a spread of places between.
  std::vector<size_t> places;
  for (size_t at = 0; at < 2 * 82; ++at) places.push_back(at);
  for (size_t at = sound.size() - 2 * 82; at < sound.size(); ++at) places.push_back(at);
  for (size_t at = 2 * 82; at < sound.size() - 2 * 82; at += 997) places.push_back(at);
  for (const size_t at : places) {
    const std::string record = "(record " + std::to_string(at / 82 + 1) + ")";
    for (const char stray : {'\0', '\x01', '\t', '\x1b', '\x1f'}) {
      std::string bytes = sound;
      bytes[at] = stray;
      const std::string found = damage(bytes);
      ASSERT_NE(found, "") << "byte " << int(stray) << " at " << at;
      EXPECT_NE(found.find(record), std::string::npos) << found << " for a byte at " << at;
    }
    // Windows-1252 letters and the hilite mark are text.
    for (const char text : {' ', '~', '\x7f', '\x80', '\xe9', '\xfe', '\xff'}) {
      std::string bytes = sound;
      bytes[at] = text;
      // A record's CR taken away leaves its LF inside the record.
      const bool lineEnd = base == &crlf && at % 82 == 80;
      ASSERT_EQ(damage(bytes) != "", lineEnd) << "byte " << int(static_cast<unsigned char>(text)) << " at " << at;
    }
  }
  }
}

class Sink : public FileProblems {
 public:
  void report(const FileProblem& p) override { found.push_back(p); }
  std::vector<FileProblem> found;
};

// The facility's shared files: the name table (22 characters, 60 names),
// the diet file (200) and the dining location file (48), each damaged in
// the ways a hostile disk damages them.
TEST(SharedFileShape, NamesEachKindOfDamageAndMarksTheCardsThatReadADamagedFile) {
  struct Kind {
    const char* name;
    int length;
    int records;
    std::string (*damage)(const RecordFile&);
  };
  const Kind kinds[] = {{"name table", 22, 60, nameTableDamage},
                        {"diet file", 200, 12, dietFileDamage},
                        {"dining file", 48, 6, diningFileDamage}};
  for (const Kind& k : kinds) {
    SCOPED_TRACE(k.name);
    const auto damage = [&](std::string bytes) { return k.damage(RecordFile(std::move(bytes), k.length, true)); };
    std::string good, crlf, lf;
    for (int n = 1; n <= k.records; ++n) {
      const std::string text = "Record " + std::to_string(n);
      good += Rec(k.length).at(1, text).str();
      crlf += Rec(k.length).at(1, text).at(k.length - 1, "\r\n").str();
      lf += Rec(k.length - 1).at(1, text).str() + "\n";
    }
    EXPECT_EQ(damage(good), "");
    EXPECT_EQ(damage(crlf), "");
    EXPECT_EQ(damage(""), "is empty");
    const std::string cut = damage(good.substr(0, good.size() - 5));
    const std::string size = std::to_string(good.size() - 5) + " bytes";
    // The name table always holds its 60 records; the others vary in length.
    EXPECT_EQ(cut, k.records == 60 ? "is cut short inside record 60 (" + size + " of 1320)"
                                   : "ends " + std::to_string(k.length - 5) + " bytes into record " +
                                         std::to_string(k.records) + " (" + size + "; records are " +
                                         std::to_string(k.length) + " bytes): cut short, or bytes added");
    EXPECT_EQ(damage(crlf + "\r\n\x1a"), "has 3 stray bytes after record " + std::to_string(k.records) +
                                              ", its last whole record (line ends or an end-of-file mark)");
    EXPECT_NE(damage(lf), "");
    // CR LF turned into LF by a copy: every line a byte short of a record.
    std::string converted = crlf;
    std::erase(converted, '\r');
    EXPECT_EQ(damage(converted), "has LF-only line ends: lines of " + std::to_string(k.length - 1) +
                                     " bytes where records are " + std::to_string(k.length) + " (record 1)");
    std::string nul = good;
    nul[k.length + 3] = '\0';
    EXPECT_EQ(damage(nul), "holds NUL bytes (record 2)");
  }
  // A control byte in a name's first column marks an unused slot; fewer
  // than 60 names is a table cut short at a record's end.
  std::string table;
  for (int n = 1; n <= 60; ++n) table += Rec(22).at(1, n % 7 ? "Name" : "\x01").str();
  EXPECT_EQ(nameTableDamage(RecordFile(table, 22, true)), "");
  EXPECT_EQ(nameTableDamage(RecordFile(table.substr(0, 30 * 22), 22, true)), "holds 30 of its 60 names");
  std::string crlfTable;
  for (int n = 1; n <= 60; ++n) crlfTable += Rec(22).at(1, n % 7 ? "Name" : "\x01").at(21, "\r\n").str();
  EXPECT_EQ(nameTableDamage(RecordFile(crlfTable, 22, true)), "");
  crlfTable[22 * 6] = '\n';  // a line end in a first column is one all the same
  EXPECT_EQ(nameTableDamage(RecordFile(crlfTable, 22, true)), "has line ends inside record 7 (LF-only line ends?)");
  // LF-only records that happen to fill whole records still shift the fields.
  std::string lf;
  for (int n = 1; n <= 48; ++n) lf += Rec(47).at(1, "Dining " + std::to_string(n)).str() + "\n";
  EXPECT_EQ(diningFileDamage(RecordFile(lf, 48, true)), "has line ends inside record 1 (LF-only line ends?)");

  // One that is there and cannot be read is named so, never as empty.
  test::TempDrives t;
  const auto fifo = t.root() / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(dietFileDamage(RecordFile::read(fifo, 200)), "is not a regular file");
  EXPECT_EQ(nameTableDamage(RecordFile::read(fifo, 22)), "is not a regular file");

  // The cards that read a damaged shared file are marked, others not.
  Sink sink;
  DriveMap drives(t.root());
  drives.setProblems(&sink);
  const Facility fac = test::testFacility();
  test::writeNameTable(t, fac, {{1, "Coffee"}}, {{3, "Peanuts"}, {4, "Pork"}});
  // A line end moved into the table: the names after it are shifted.
  std::string names = t.read(nameTablePath(fac));
  names.replace(22 * 32 + 2, 2, "\r\n");
  t.putFile(nameTablePath(fac), names);
  Facility withTable = fac;
  withTable.names = ReadNameTable(drives, fac);
  ASSERT_EQ(sink.found.size(), 1u);
  EXPECT_EQ(sink.found[0].fault, FileFault::Damaged);
  EXPECT_EQ(sink.found[0].detail, "has line ends inside record 33 (LF-only line ends?)");
  EXPECT_EQ(withTable.names.DislikeNames[3], "Pe") << "a name carries no line end onto a card";

  DietFile diet;
  ResidentLoadOptions options;
  options.names = &withTable.names;
  const auto load = [&](const test::ResidentFile& f) {
    f.write(t, fac, "RS00001", 793);
    ResidentRecord r;
    r.ResidentFile = "RS00001";
    LoadResident(r, diet, drives, withTable, options);
    return r.SharedDamage;
  };
  test::ResidentFile plain;
  plain.name("Plain, Pat").diet(1, "REGULAR", "99");
  EXPECT_EQ(load(plain), "") << "no name listed, no code looked up";
  test::ResidentFile dislikes = plain;
  dislikes.dislike(3);
  EXPECT_EQ(load(dislikes), nameTablePath(fac) + " has line ends inside record 33 (LF-only line ends?)");
  test::ResidentFile own = dislikes;
  own.ownDislike(3, "Shellfish");
  EXPECT_EQ(load(own), "") << "an own name table does not read the damaged one";

  // A diet file cut short: every diet looked up in it is in doubt, and the
  // file is named once however many residents read it.
  t.putFile(dietFilePaths(fac, "").facility, std::string(200 * 3 + 17, ' '));
  const std::string dietPath = findDietFile(drives, fac, "");
  test::ResidentFile dieted = plain;
  dieted.diet(1, "PUREED", "2");
  const std::string dietCut = "ends 17 bytes into record 4 (617 bytes; records are 200 bytes): cut short, or bytes added";
  EXPECT_EQ(load(dieted), dietPath + " " + dietCut);
  EXPECT_EQ(load(dieted), dietPath + " " + dietCut);
  EXPECT_EQ(std::count_if(sink.found.begin(), sink.found.end(), [&](const FileProblem& p) { return p.detail == dietCut; }), 1);
}

}  // namespace
}  // namespace mc
