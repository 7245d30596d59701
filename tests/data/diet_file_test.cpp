#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "data/data_file_names.h"
#include "data/diet_file.h"
#include "support/resident_file.h"

namespace mc {
namespace {

using test::Rec;
using test::TempDrives;

// A diet file record: name, marker field, selectors.
std::string dietRecord(std::string_view marker, char s1, char s2, std::string_view patterns = "") {
  Rec r(200);
  r.field(1, 25, "DIET").field(26, 45, marker).field(78, 78, std::string(1, s1)).field(80, 80, std::string(1, s2));
  r.field(47, 71, patterns);
  return r;
}

class DietFileTest : public ::testing::Test {
 protected:
  void putDiet(const std::string& path, long code, const std::string& record) const {
    t.put(path, DietFile::kRecordLength, code, record);
  }
  ResidentRecord load(std::array<int16_t, 5> codes, std::string_view alt = "") {
    ResidentRecord r;
    r.DietCode = codes;
    LoadDietFile(r, file, t.drives(), fac, alt);
    return r;
  }

  TempDrives t;
  Facility fac = test::testFacility("TST");
  DietFile file;
  std::string facDiet = fac.folder(39) + "\\dietTST";
};

TEST_F(DietFileTest, CodesAreNormalisedSoThatTheFirstIsThePrimaryDiet) {
  using Codes = std::array<int16_t, 5>;
  auto norm = [](Codes c) {
    normaliseDietCodes(c);
    return c;
  };
  EXPECT_EQ(norm({0, 0, 12, 0, 0}), (Codes{0, 12, 0, 0, 0}));
  EXPECT_EQ(norm({0, 0, 0, 0, 7}), (Codes{0, 7, 0, 0, 0}));
  EXPECT_EQ(norm({0, 0, 5, 0, 9}), (Codes{0, 5, 0, 9, 0}));
  EXPECT_EQ(norm({0, 0, 0, 3, 4}), (Codes{0, 3, 0, 0, 4}));
  EXPECT_EQ(norm({0, 0, 256, 0, -2}), (Codes{0, 0, 256, 0, -2}));
  EXPECT_EQ(norm({0, 2, 0, 4, 0}), (Codes{0, 2, 0, 4, 0}));
}

TEST_F(DietFileTest, SearchOrderOfTheThreeDietFiles) {
  const std::string alt = fac.folder(39) + "\\DietALT";
  const std::string one = fac.folder(39) + "\\diet1";
  EXPECT_EQ(findDietFile(t.drives(), fac, "ALT"), one);  // none exists: the last, untested
  putDiet(one, 1, dietRecord("", '1', '1'));
  putDiet(facDiet, 1, dietRecord("", '2', '2'));
  EXPECT_EQ(findDietFile(t.drives(), fac, "ALT"), facDiet);
  putDiet(alt, 1, dietRecord("", '3', '3'));
  EXPECT_EQ(findDietFile(t.drives(), fac, "ALT"), alt);
  EXPECT_EQ(findDietFile(t.drives(), fac, ""), fac.folder(39) + "\\DietTST");
  EXPECT_EQ(findDietFile(t.drives(), fac, "TST"), fac.folder(39) + "\\DietTST");

  EXPECT_EQ(load({0, 1, 0, 0, 0}, "ALT").DietMatrix[1][1], 3);
  EXPECT_EQ(load({0, 1, 0, 0, 0}).DietMatrix[1][1], 2);
  t.drives().removeFile(facDiet);
  EXPECT_EQ(load({0, 1, 0, 0, 0}).DietMatrix[1][1], 1);
  t.drives().removeFile(one);
  const ResidentRecord none = load({0, 1, 0, 0, 0});
  EXPECT_EQ(none.DietMatrix[1][1], 0);
  EXPECT_EQ(none.DietMask, std::string(20, ' '));
  EXPECT_FALSE(t.exists(one));  // a missing diet file is not created
}

TEST_F(DietFileTest, SelectorsAndTheUnionOfMarkers) {
  putDiet(facDiet, 2, dietRecord(" x  *", '2', '3'));
  putDiet(facDiet, 6, dietRecord("     x", '1', '5'));
  putDiet(facDiet, 7, dietRecord("    x*", '1', '6'));
  const ResidentRecord r = load({0, 2, 0, 6, 7});
  EXPECT_EQ(r.DietMatrix[1], (std::array<int16_t, 3>{0, 2, 3}));
  EXPECT_EQ(r.DietMatrix[2], (std::array<int16_t, 3>{}));
  EXPECT_EQ(r.DietMatrix[3], (std::array<int16_t, 3>{0, 1, 5}));
  EXPECT_EQ(r.DietMatrix[4], (std::array<int16_t, 3>{0, 1, 6}));
  // Code 7 marks position 5 with "x" after code 2 starred it: the later
  // code's mark stands.
  EXPECT_EQ(r.DietMask, " x  x*" + std::string(14, ' '));
  EXPECT_EQ(r.DietMask.size(), 20u);
}

TEST_F(DietFileTest, CodesThatAreNotLookedUp) {
  for (int code : {98, 99, 250, 255}) putDiet(facDiet, code, dietRecord("x", '4', '4'));
  EXPECT_EQ(load({0, 98, 99, 0, 0}).DietMatrix[1][1], 0);
  EXPECT_EQ(load({0, 98, 99, 0, 0}).DietMask, std::string(20, ' '));
  EXPECT_EQ(load({0, -5, 256, 255, 0}).DietMatrix, (std::array<std::array<int16_t, 3>, 5>{{{}, {}, {}, {0, 4, 4}, {}}}));
  EXPECT_EQ(load({0, 0, 0, 0, 0}).DietMask, std::string(20, ' '));
}

TEST_F(DietFileTest, ShortFileAndOddSelectors) {
  putDiet(facDiet, 1, dietRecord("", '1', '1'));
  Rec odd(200);
  odd.field(26, 45, "x").field(78, 78, "-").field(80, 80, "A");
  putDiet(facDiet, 2, odd);
  // Code 60 points past the end of the file: a blank record.
  const ResidentRecord r = load({0, 2, 60, 1, 0});
  EXPECT_EQ(r.DietMatrix[1], (std::array<int16_t, 3>{}));
  EXPECT_EQ(r.DietMatrix[2], (std::array<int16_t, 3>{}));
  EXPECT_EQ(r.DietMatrix[3], (std::array<int16_t, 3>{0, 1, 1}));
  EXPECT_EQ(r.DietMask[0], 'x');
  // A file cut inside a record reads its missing tail as blanks.
  t.putFile(facDiet, dietRecord("", '1', '1') + dietRecord("x", '5', '6').substr(0, 79));
  const ResidentRecord cut = load({0, 2, 0, 0, 0});
  EXPECT_EQ(cut.DietMatrix[1], (std::array<int16_t, 3>{0, 5, 0}));
}

TEST_F(DietFileTest, DietCodeMarkedByTheCodeAndPositionsTenToTwelve) {
  putDiet(facDiet, 12, dietRecord("         x", '1', '5'));
  putDiet(facDiet, 60, dietRecord("          x", '1', '7'));
  putDiet(facDiet, 9, dietRecord("          x", '1', '7'));
  putDiet(facDiet, 14, dietRecord("             x", '1', '5'));
  putDiet(facDiet, 79, dietRecord("           *", '1', '5'));
  putDiet(facDiet, 80, dietRecord("           *", '1', '5'));
  EXPECT_TRUE(load({0, 12, 0, 0, 0}).DietCodeMarked);
  EXPECT_TRUE(load({0, 1, 79, 0, 0}).DietCodeMarked);
  EXPECT_FALSE(load({0, 60, 0, 0, 0}).DietCodeMarked);   // the renal diet is excepted
  EXPECT_FALSE(load({0, 9, 0, 0, 0}).DietCodeMarked);    // below 10
  EXPECT_FALSE(load({0, 80, 0, 0, 0}).DietCodeMarked);   // above 79
  EXPECT_FALSE(load({0, 14, 0, 0, 0}).DietCodeMarked);   // marked elsewhere only
}

TEST_F(DietFileTest, TheFileStaysReadableAndIsReadAgainWhenItChanges) {
  putDiet(facDiet, 12, dietRecord("", '1', '5', "1121101 31211011 31211011"));
  load({0, 12, 0, 0, 0});
  EXPECT_EQ(file.path(), fac.folder(39) + "\\DietTST");  // the first candidate, in any case
  EXPECT_EQ(file.record(12).substr(46, 7), "1121101");
  EXPECT_EQ(file.record(12).size(), 200u);
  EXPECT_EQ(file.record(300), std::string(200, ' '));

  putDiet(facDiet, 13, dietRecord("", '2', '2', "2222222"));
  load({0, 12, 0, 0, 0});
  EXPECT_EQ(file.record(13).substr(46, 7), "2222222");

  // An old file is read once; a change of its time makes it read again.
  namespace fs = std::filesystem;
  const fs::path host = *t.drives().hostPath(facDiet);
  const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
  fs::last_write_time(host, old);
  load({0, 13, 0, 0, 0});
  putDiet(facDiet, 13, dietRecord("", '3', '3', "3333333"));
  fs::last_write_time(host, old);
  EXPECT_EQ(load({0, 13, 0, 0, 0}).DietMatrix[1][1], 2);
  EXPECT_EQ(file.record(13).substr(46, 7), "2222222");
  fs::last_write_time(host, old + std::chrono::seconds(1));
  EXPECT_EQ(load({0, 13, 0, 0, 0}).DietMatrix[1][1], 3);
}

}  // namespace
}  // namespace mc
