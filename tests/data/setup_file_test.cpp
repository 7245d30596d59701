#include "data/setup_file.h"

#include <gtest/gtest.h>

#include "support/test_drives.h"
#include "support/test_setup_file.h"

namespace mc {
namespace {

using test::addDrive;
using test::TempDrives;
using test::TestSetup;

class FixedClock : public Clock {
 public:
  explicit FixedClock(DateTime t) : t_(t) {}
  DateTime now() const override { return t_; }

 private:
  DateTime t_;
};

const FixedClock kMarch15{{{2007, 3, 15}, 10, 5, 30}};

Facility readAll(const TempDrives& t, const std::string& path, const Clock& clock = kMarch15,
                 bool* dateValid = nullptr) {
  Facility fac;
  SetupFile setup(t.drives(), path);
  setup.readHead(fac);
  const bool valid = setup.readValues(fac, clock);
  if (dateValid) *dateValid = valid;
  return fac;
}

TEST(FindSetupFile, DriveCFirstThenDToZThenAToC) {
  TempDrives t;
  EXPECT_EQ(FindSetupFile(t.drives()), "");
  for (char d : {'a', 'z', 'e'}) {
    addDrive(t, d);
    TestSetup().write(t, std::string(1, d) + ":\\DNV\\Setup\\f.KVT");
  }
  EXPECT_EQ(FindSetupFile(t.drives()), "e:\\dnv\\setup\\F.kvt");
  TestSetup().write(t, "c:\\dnv\\setup\\F.kvt");
  EXPECT_EQ(FindSetupFile(t.drives()), "c:\\dnv\\setup\\F.kvt");
}

TEST(FindSetupFile, OnDriveDOnlyTheSetupFolderIsOnD) {
  TempDrives t;
  addDrive(t, 'd');
  TestSetup().write(t, "d:\\dnv\\setup\\F.kvt");
  const std::string path = FindSetupFile(t.drives());
  ASSERT_EQ(path, "d:\\dnv\\setup\\F.kvt");
  const Facility fac = readAll(t, path);
  EXPECT_EQ(fac.SetupFilePath, "d:\\dnv\\setup\\F.kvt");
  EXPECT_EQ(fac.SetupFolder, "d:\\dnv\\setup");
  EXPECT_EQ(fac.folder(1), "d:\\dnv\\setup");
  EXPECT_EQ(fac.folder(2), "c:\\dnv\\res");  // the other folders stay as the file names them
}

TEST(FindSetupFile, FindFileNamesTheFolderBeforeTheFirstBlank) {
  TempDrives t;
  addDrive(t, 'a');
  addDrive(t, 'b');
  addDrive(t, 'g');
  TestSetup().write(t, "g:\\care\\home2\\f.kvt");
  t.putFile("b:\\find.kvt", "g:\\care\\home2 second home, moved 2009");
  EXPECT_EQ(FindSetupFile(t.drives()), "g:\\care\\home2\\f.kvt");

  // a:\find.kvt is asked first; a folder without f.kvt ends the search even
  // though b:\find.kvt would have led to one.
  t.putFile("a:\\find.kvt", "g:\\care\\old  (closed)");
  EXPECT_EQ(FindSetupFile(t.drives()), "");
  t.putFile("a:\\find.kvt", "g:\\care\\home2\r\n");
  EXPECT_EQ(FindSetupFile(t.drives()), "g:\\care\\home2\\f.kvt");
}

TEST(FindSetupFile, FindFileFolderRule) {
  EXPECT_EQ(findFileFolder("c:\\x y"), "c:\\x");
  EXPECT_EQ(findFileFolder("c:\\folder"), "c:\\folder");  // padded with blanks to 40
  EXPECT_EQ(findFileFolder(std::string(50, 'q')), std::string(40, 'q'));
  // A blank in position 1 is not a separator: the whole 40 characters count.
  EXPECT_EQ(findFileFolder(" c:\\x"), " c:\\x" + std::string(35, ' '));
  EXPECT_EQ(findFileFolder(""), std::string(40, ' '));
}

TEST(SetupFile, ReadsEveryFieldOfTheRecordTable) {
  TempDrives t;
  TestSetup s;
  s.facCode = " Ab";
  s.units = {{12, "North Wing"}, {7, "  Memory Care"}};
  s.folders[5] = "   c:\\dnv\\menus   ";
  s.defaultUnit = " 2";
  s.defaultResident = "5";
  s.residentFile = " RS0205";
  s.name = "  Sunny Acres Home &";
  s.write(t);
  bool valid = false;
  const Facility fac = readAll(t, "c:\\dnv\\setup\\F.kvt", kMarch15, &valid);
  EXPECT_TRUE(fac.setupFound);
  EXPECT_EQ(fac.FacCode, "Ab");
  ASSERT_EQ(fac.unitCount(), 2);
  EXPECT_EQ(fac.unit(1)->maxBeds, 12);
  EXPECT_EQ(fac.unit(1)->name, "North Wing");
  EXPECT_EQ(fac.unit(2)->name, "  Memory Care");
  ASSERT_EQ(fac.Folders.size(), 45u);
  EXPECT_EQ(fac.folder(6), "c:\\dnv\\menus");
  EXPECT_EQ(fac.folder(40), "c:\\dnv\\rost");
  EXPECT_EQ(fac.folder(1), "c:\\dnv\\setup");
  EXPECT_EQ(fac.defaultUnit, 2);
  EXPECT_EQ(fac.defaultResident, 5);
  EXPECT_EQ(fac.defaultResidentFile, "RS0205");
  EXPECT_EQ(fac.FacilityName, "Sunny Acres Home");
  EXPECT_TRUE(valid);
  EXPECT_EQ(fac.SetupValues[1], "03-15-07");
  EXPECT_EQ(fac.SetupValues[2], "VALUE2  ");
  EXPECT_EQ(fac.SetupValues[3], "VALUE3  ");
  EXPECT_EQ(fac.SetupValues[4], "VALUE4  ");
  EXPECT_EQ(fac.SetupValues[5], "VALUE5  ");
  EXPECT_EQ(fac.SetupValues[7], "VALUE7        ");
  EXPECT_EQ(fac.SetupValues[9], "V9 ");
  EXPECT_EQ(fac.SetupValues[6], "");
  EXPECT_EQ(fac.SetupValues[8], "");
  EXPECT_EQ(fac.SetupValues[10], "");
  EXPECT_EQ(fac.SetupStyle, 1);
  EXPECT_EQ(fac.SiteCode, "AB1");
}

TEST(SetupFile, SetupDateAndStyleRules) {
  TempDrives t;
  TestSetup s;
  const FixedClock clock{{{2026, 12, 1}, 8, 0, 0}};
  for (const auto& [date, expected, valid] : std::vector<std::tuple<std::string, std::string, bool>>{
           {"12/25/07", "12-25-07", true},   // separators overwritten
           {"13-01-07", "12-01-26", true},   // not a month: today
           {"", "12-01-26", true},
           {"02-30-07", "02-30-07", false},  // a month, but no such day
       }) {
    s.date = date;
    s.write(t);
    bool ok = !valid;
    EXPECT_EQ(readAll(t, "c:\\dnv\\setup\\F.kvt", clock, &ok).SetupValues[1], expected) << date;
    EXPECT_EQ(ok, valid) << date;
  }
  for (const auto& [style, expected] : std::vector<std::pair<std::string, int>>{
           {"4", 4}, {"5", 2}, {"0", 2}, {" ", 2}, {"x", 2}}) {
    s.style = style;
    s.write(t);
    EXPECT_EQ(readAll(t, "c:\\dnv\\setup\\F.kvt").SetupStyle, expected) << style;
  }
}

TEST(SiteCode, TestrTurnsDateAndMinutesIntoThreeSafeCharacters) {
  const auto at = [](int hour, int minute) { return DateTime{{2007, 3, 15}, hour, minute, 0}; };
  EXPECT_EQ(Testr("03-15-07", at(10, 5)), "284");
  EXPECT_EQ(Testr("03-15-07", at(10, 11)), "288");   // minute 11 gives code 58
  EXPECT_EQ(Testr("03-15-07", at(9, 11)), "288");    // one-digit hour: same minutes
  EXPECT_EQ(Testr("01-15-07", at(10, 5)), "484");    // month 1 gives code 48
  EXPECT_EQ(Testr("03-32-07", at(10, 5)), "254");    // "O" becomes 5
  EXPECT_EQ(Testr("03-50-07", at(10, 50)), "2AA");   // lower case is raised
  EXPECT_EQ(Testr("03-45-07", at(10, 48)), "23_");   // 92 becomes 3, 95 stays
  EXPECT_EQ(Testr("03-99-07", at(23, 59)), "24J");   // beyond 122
  EXPECT_EQ(Testr("garbage", at(0, 0)), "444");
}

TEST(SiteCode, UnusableCodeIsGeneratedAndWrittenIntoColumns17To19Only) {
  TempDrives t;
  TestSetup s;
  for (const std::string site : {"   ", "___", "SUP", "opt", "", " _ "}) {
    s.site = site;
    s.write(t);
    // Bytes around the site code that this program does not know about.
    t.put("c:\\dnv\\setup\\F.kvt", 32, 200,
          Rec(32).field(1, 8, "XXXXXXXX").field(9, 9, "3").field(10, 16, "keep me")
              .field(17, 19, site).field(20, 32, "and me too!!!").str());
    const std::string before = t.read("c:\\dnv\\setup\\F.kvt");
    const Facility fac = readAll(t, "c:\\dnv\\setup\\F.kvt");
    EXPECT_EQ(fac.SiteCode, "284") << site;
    std::string expected = before;
    expected.replace(199 * 32 + 16, 3, "284");
    EXPECT_EQ(t.read("c:\\dnv\\setup\\F.kvt"), expected) << site;
  }
  // A usable code is only tidied, never written.
  s.site = "a b";
  s.write(t);
  const std::string before = t.read("c:\\dnv\\setup\\F.kvt");
  EXPECT_EQ(readAll(t, "c:\\dnv\\setup\\F.kvt").SiteCode, "A_B");
  EXPECT_EQ(t.read("c:\\dnv\\setup\\F.kvt"), before);
}

TEST(SetupFile, ShortFileWithoutRecord200GetsItAppended) {
  TempDrives t;
  TestSetup s;
  s.write(t);
  const std::string full = t.read("c:\\dnv\\setup\\F.kvt");
  t.putFile("c:\\dnv\\setup\\F.kvt", full.substr(0, (s.dateRecord() + 2) * 32));
  const Facility fac = readAll(t, "c:\\dnv\\setup\\F.kvt");
  EXPECT_EQ(fac.SiteCode, "284");
  EXPECT_EQ(fac.SetupStyle, 2);
  const std::string after = t.read("c:\\dnv\\setup\\F.kvt");
  ASSERT_EQ(after.size(), 200u * 32);
  EXPECT_EQ(after.substr(0, (s.dateRecord() + 2) * 32), full.substr(0, (s.dateRecord() + 2) * 32));
  EXPECT_EQ(after.substr(199 * 32), std::string(16, ' ') + "284" + std::string(13, ' '));
}

TEST(SetupFile, CountsPastTheEndAndGarbageReadAsBlanks) {
  TempDrives t;
  // Record 1 only, claiming 99 units and 99 folders.
  t.putFile("c:\\dnv\\setup\\F.kvt", Rec(32).field(1, 3, "ZZ").field(4, 11, "99993 4").str());
  Facility fac = readAll(t, "c:\\dnv\\setup\\F.kvt");
  EXPECT_EQ(fac.unitCount(), 99);
  EXPECT_EQ(fac.unit(99)->maxBeds, 0);
  ASSERT_EQ(fac.Folders.size(), 99u);
  EXPECT_EQ(fac.folder(1), "c:\\dnv\\setup");
  EXPECT_EQ(fac.folder(99), "");
  EXPECT_EQ(fac.FacilityName, "");
  EXPECT_EQ(fac.SetupValues[1], "03-15-07");  // blank: today's date
  EXPECT_EQ(fac.defaultUnit, 3);
  EXPECT_EQ(fac.defaultResident, 4);

  // Negative counts read no units and no folders; Folders(1) is still set.
  t.putFile("c:\\dnv\\setup\\F.kvt", Rec(32).field(1, 7, "ZZ -9-9").str());
  fac = readAll(t, "c:\\dnv\\setup\\F.kvt");
  EXPECT_EQ(fac.unitCount(), 0);
  ASSERT_EQ(fac.Folders.size(), 1u);
  EXPECT_EQ(fac.folder(1), "c:\\dnv\\setup");

  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 131 + 7) % 256);
  t.putFile("c:\\dnv\\setup\\F.kvt", garbage);
  fac = readAll(t, "c:\\dnv\\setup\\F.kvt");
  EXPECT_EQ(fac.SiteCode.size(), 3u);
  EXPECT_LE(fac.unitCount(), 99);

  t.putFile("c:\\dnv\\setup\\F.kvt", "");
  fac = readAll(t, "c:\\dnv\\setup\\F.kvt");
  EXPECT_EQ(fac.FacCode, "");
  EXPECT_EQ(fac.SiteCode, "284");
}

TEST(SetupFile, FacilityNameRule) {
  EXPECT_EQ(tidyFacilityName("  Oak Manor &  "), "Oak Manor");
  EXPECT_EQ(tidyFacilityName("Oak & Elm"), "Oak & Elm");
  EXPECT_EQ(tidyFacilityName("&"), "");
  EXPECT_EQ(tidyFacilityName("Oak &&"), "Oak &");
}

}  // namespace
}  // namespace mc
