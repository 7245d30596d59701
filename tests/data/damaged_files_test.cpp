// Resident data files as a hostile disk leaves them: every kind of damage
// is named, and a damaged file never replaces the last good backup.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "data/data_file_names.h"
#include "data/resident_backup.h"
#include "data/resident_loader.h"
#include "support/resident_file.h"

namespace mc {
namespace {

using test::ResidentFile;

std::string damage(std::string bytes) { return residentFileDamage(RecordFile(std::move(bytes), 82, true)); }

TEST(ResidentFileShape, NamesEachKindOfDamage) {
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
  EXPECT_EQ(damage(good.substr(0, 100 * 82 + 5)), "is cut short inside record 101");

  // LF-only line ends: every record one byte short, so every field after
  // the first line end is shifted.
  std::string lf;
  for (size_t at = 0; at < good.size(); at += 82) lf += good.substr(at, 81) + "\n";
  EXPECT_EQ(damage(lf), "has line ends inside record 1 (LF-only line ends?)");

  std::mt19937 random(14);
  std::string noise(good.size(), ' ');
  for (char& c : noise) c = static_cast<char>(random() % 2 ? 1 + random() % 8 : 128 + random() % 128);
  EXPECT_NE(damage(noise).find("holds binary data"), std::string::npos) << damage(noise);
}

TEST(ResidentFileShape, OneStrayByteAnywhereIsFoundAndHighCharactersAreText) {
  ResidentFile f;
  f.name("Sound, Sam").diet(1, "REGULAR", "1");
  const std::string good = f.bytes(793);
  // Every byte of the first and last two records (all places in a word of
  // eight and the file's tail), and a spread of places between.
  std::vector<size_t> places;
  for (size_t at = 0; at < 2 * 82; ++at) places.push_back(at);
  for (size_t at = good.size() - 2 * 82; at < good.size(); ++at) places.push_back(at);
  for (size_t at = 2 * 82; at < good.size() - 2 * 82; at += 997) places.push_back(at);
  for (const size_t at : places) {
    const std::string record = "(record " + std::to_string(at / 82 + 1) + ")";
    for (const char stray : {'\0', '\x01', '\t', '\x1b', '\x1f'}) {
      std::string bytes = good;
      bytes[at] = stray;
      const std::string found = damage(bytes);
      ASSERT_NE(found, "") << "byte " << int(stray) << " at " << at;
      EXPECT_NE(found.find(record), std::string::npos) << found << " for a byte at " << at;
    }
    // Windows-1252 letters and the hilite mark are text.
    for (const char text : {' ', '~', '\x7f', '\x80', '\xe9', '\xfe', '\xff'}) {
      std::string bytes = good;
      bytes[at] = text;
      ASSERT_EQ(damage(bytes), "") << "byte " << int(static_cast<unsigned char>(text)) << " at " << at;
    }
  }
}

TEST(ResidentFileShape, DamagedFileIsLoadedMarkedAndKeepsTheLastGoodBackup) {
  test::TempDrives t;
  Facility fac = test::testFacility();
  ASSERT_TRUE(t.drives().createFolder("c:\\dnv\\kvtfsm"));
  DietFile diet;
  ResidentLoadOptions options;
  options.Backup = true;
  auto load = [&] {
    ResidentRecord r;
    r.ResidentFile = "RS00001";
    LoadResident(r, diet, t.drives(), fac, options);
    return r;
  };
  const std::string backup = "c:\\dnv\\kvtfsm\\RS00001.~TST";
  ResidentFile f;
  f.name("Good, Copy").diet(1, "PUREED", "12");
  f.write(t, fac, "RS00001", 793);
  EXPECT_EQ(load().Damage, "");
  EXPECT_EQ(t.read(backup), f.bytes(793));

  t.putFile(residentDataPath(fac, "RS00001"), "");
  EXPECT_EQ(load().Damage, "is empty");
  t.putFile(residentDataPath(fac, "RS00001"), f.bytes(793).substr(0, 8 * 82 - 30));
  const ResidentRecord cut = load();
  EXPECT_EQ(cut.Damage, "ends before its diet record (626 bytes)");
  EXPECT_EQ(t.read(backup), f.bytes(793)) << "the last good copy was overwritten";

  // A runaway file is refused unread.
  t.putFile(residentDataPath(fac, "RS00001"), std::string(kMaxDataFileBytes + 82, ' '));
  const ResidentRecord huge = load();
  EXPECT_EQ(huge.Damage, "is larger than any resident file: not read");
  EXPECT_EQ(t.read(backup), f.bytes(793));
}

}  // namespace
}  // namespace mc
