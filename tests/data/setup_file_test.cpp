#include "data/setup_file.h"

#include <gtest/gtest.h>

#include "support/fixed_clock.h"
#include "support/test_drives.h"
#include "support/test_setup_file.h"

namespace mc {
namespace {

using test::addDrive;
using test::TempDrives;
using test::TestSetup;

constexpr const char* kSetup = "c:\\dnv\\setup\\F.kvt";

Facility readAll(const TempDrives& t, const std::string& path, bool* dateValid = nullptr) {
  Facility fac;
  SetupFile setup(t.drives(), path);
  setup.readHead(fac);
  const bool valid = setup.readValues(fac, test::FixedClock({{2007, 3, 15}, 10, 5, 30}));
  if (dateValid) *dateValid = valid;
  return fac;
}

TEST(FindSetupFile, DriveCThenDToZThenAToCOrTheFolderFindFileNames) {
  TempDrives t;
  EXPECT_EQ(FindSetupFile(t.drives()), "");
  for (char d : {'a', 'z', 'e', 'd'}) addDrive(t, d);
  TestSetup().write(t, "a:\\dnv\\setup\\F.kvt");
  TestSetup().write(t, "z:\\DNV\\Setup\\f.KVT");
  EXPECT_EQ(FindSetupFile(t.drives()), "z:\\dnv\\setup\\F.kvt");
  TestSetup().write(t, "d:\\dnv\\setup\\F.kvt");
  const std::string path = FindSetupFile(t.drives());
  ASSERT_EQ(path, "d:\\dnv\\setup\\F.kvt");
  const Facility fac = readAll(t, path);
  EXPECT_EQ(fac.folder(1), "d:\\dnv\\setup");
  EXPECT_EQ(fac.folder(2), "c:\\dnv\\res");  // the other folders stay as the file names them
  TestSetup().write(t, kSetup);
  EXPECT_EQ(FindSetupFile(t.drives()), kSetup);

  // find.kvt names the folder before its first blank.
  TempDrives other;
  for (char d : {'a', 'b', 'g'}) addDrive(other, d);
  TestSetup().write(other, "g:\\care\\home2\\f.kvt");
  other.putFile("b:\\find.kvt", "g:\\care\\home2 second home, moved 2009");
  EXPECT_EQ(FindSetupFile(other.drives()), "g:\\care\\home2\\f.kvt");
  // a:\find.kvt is asked first; a folder without f.kvt ends the search even
  // though b:\find.kvt would have led to one.
  other.putFile("a:\\find.kvt", "g:\\care\\old  (closed)");
  EXPECT_EQ(FindSetupFile(other.drives()), "");
  // A blank in position 1 is no separator: all 40 characters count.
  EXPECT_EQ(findFileFolder(" c:\\x"), " c:\\x" + std::string(35, ' '));
  EXPECT_EQ(findFileFolder(std::string(50, 'q')), std::string(40, 'q'));
}

TEST(SetupFile, ReadsTheRecordTableCountsPastTheEndGarbageAsBlanksAndMakesTheSiteCode) {
  TempDrives t;
  TestSetup s;
  s.facCode = " Ab";
  s.folders[5] = "   c:\\dnv\\menus   ";
  s.residentFile = " RS0205";
  s.name = "  Sunny Acres Home &";
  s.date = "12/25/07";
  s.write(t);
  bool valid = false;
  const Facility fac = readAll(t, kSetup, &valid);
  EXPECT_EQ(fac.FacCode, "Ab");
  EXPECT_EQ(fac.folder(6), "c:\\dnv\\menus");
  EXPECT_EQ(fac.defaultResidentFile, "RS0205");
  EXPECT_EQ(fac.FacilityName, "Sunny Acres Home");
  EXPECT_TRUE(valid);
  EXPECT_EQ(fac.SetupValues[1], "12-25-07");
  EXPECT_EQ(fac.SetupValues[7] + fac.SetupValues[9], "VALUE7        V9 ");
  EXPECT_EQ(fac.SiteCode, "AB1");

  s.date = "13-01-07";  // not a month: today's date
  s.write(t);
  EXPECT_EQ(readAll(t, kSetup).SetupValues[1], "03-15-07");
  s.date = "02-30-07";  // a month, but no such day
  s.write(t);
  EXPECT_EQ(readAll(t, kSetup, &valid).SetupValues[1], "02-30-07");
  EXPECT_FALSE(valid);

  // The site code: date and minutes make three safe characters.
  const auto at = [](int hour, int minute) { return DateTime{{2007, 3, 15}, hour, minute, 0}; };
  EXPECT_EQ(Testr("03-15-07", at(10, 5)), "284");
  EXPECT_EQ(Testr("03-15-07", at(9, 11)), "288");   // one-digit hour: same minutes; 58 becomes 8
  EXPECT_EQ(Testr("01-32-07", at(10, 5)), "454");   // code 48 is below 49; "O" becomes 5
  EXPECT_EQ(Testr("03-45-07", at(10, 50)), "23A");  // 92 becomes 3; lower case is raised

  // An unusable code is generated so and written into columns 17-19 only.
  s = TestSetup();
  for (const std::string site : {"   ", "SUP", "opt", " _ "}) {
    s.write(t);
    t.put(kSetup, 32, 200,
          Rec(32).field(1, 16, "XXXXXXXX3keep me").field(17, 19, site).field(20, 32, "and me too!!!").str());
    const std::string before = t.read(kSetup);
    EXPECT_EQ(readAll(t, kSetup).SiteCode, "284") << site;
    EXPECT_EQ(t.read(kSetup), before.substr(0, 199 * 32 + 16) + "284" + before.substr(199 * 32 + 19)) << site;
  }
  s.site = "a b";  // usable: only tidied, never written
  s.write(t);
  std::string before = t.read(kSetup);
  EXPECT_EQ(readAll(t, kSetup).SiteCode, "A_B");
  EXPECT_EQ(t.read(kSetup), before);

  // A file that ends before record 200 gets it, blank but for the code.
  before = before.substr(0, (s.dateRecord() + 2) * 32);
  t.putFile(kSetup, before);
  readAll(t, kSetup);
  const std::string gap(32 * (199 - s.dateRecord() - 2) + 16, ' ');
  EXPECT_EQ(t.read(kSetup), before + gap + "284" + std::string(13, ' '));

  // Counts past the end and garbage read as blanks.
  t.putFile(kSetup, Rec(32).field(1, 11, "ZZ 99993 4").str());  // 99 units, 99 folders
  EXPECT_EQ(readAll(t, kSetup).folder(99), "");
  t.putFile(kSetup, Rec(32).field(1, 7, "ZZ -9-9").str());
  const Facility none = readAll(t, kSetup);
  EXPECT_EQ(none.unitCount(), 0);
  EXPECT_EQ(none.folder(1), "c:\\dnv\\setup");  // Folders(1) is there all the same

  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 131 + 7) % 256);
  t.putFile(kSetup, garbage);
  EXPECT_EQ(readAll(t, kSetup).SiteCode.size(), 3u);
}

}  // namespace
}  // namespace mc
