#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "data/data_file_names.h"
#include "data/diet_file.h"
#include "support/resident_file.h"

namespace mc {
namespace {

using test::Rec;
using Codes = std::array<int16_t, 5>;
using Selectors = std::array<int16_t, 3>;

// A diet file record: marker field and the two selectors.
std::string dietRecord(std::string_view marker, char s1, char s2) {
  return Rec(200).field(1, 25, "DIET").field(26, 45, marker).field(78, 78, std::string(1, s1))
      .field(80, 80, std::string(1, s2));
}

class DietFileTest : public ::testing::Test {
 protected:
  void putDiet(long code, const std::string& record, const std::string& path = "") const {
    t.put(path.empty() ? facDiet : path, DietFile::kRecordLength, code, record);
  }
  ResidentRecord load(Codes codes, std::string_view alt = "") {
    ResidentRecord r;
    r.DietCode = codes;
    LoadDietFile(r, file, t.drives(), fac, alt);
    return r;
  }

  test::TempDrives t;
  Facility fac = test::testFacility("TST");
  DietFile file;
  std::string facDiet = fac.folder(39) + "\\dietTST";
};

TEST_F(DietFileTest, SearchOrderOfTheThreeDietFilesAndTheFileIsReadAgainWhenItChanges) {
  const std::string alt = fac.folder(39) + "\\DietALT", one = fac.folder(39) + "\\diet1";
  EXPECT_EQ(findDietFile(t.drives(), fac, "ALT"), one);  // none exists: the last, untested
  putDiet(1, dietRecord("", '1', '1'), one);
  putDiet(1, dietRecord("", '2', '2'));
  putDiet(1, dietRecord("", '3', '3'), alt);
  EXPECT_EQ(load({0, 1, 0, 0, 0}, "ALT").DietMatrix[1][1], 3);
  EXPECT_EQ(load({0, 1, 0, 0, 0}).DietMatrix[1][1], 2);
  t.drives().removeFile(facDiet);
  EXPECT_EQ(load({0, 1, 0, 0, 0}).DietMatrix[1][1], 1);
  t.drives().removeFile(one);
  EXPECT_EQ(load({0, 1, 0, 0, 0}).DietMatrix[1][1], 0);
  EXPECT_FALSE(t.exists(one));  // a missing diet file is not created

  // The file is read again when it changes.
  t.drives().removeFile(alt);
  putDiet(13, dietRecord("", '2', '2'));
  namespace fs = std::filesystem;
  const fs::path host = *t.drives().hostPath(facDiet);
  const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
  fs::last_write_time(host, old);
  EXPECT_EQ(load({0, 13, 0, 0, 0}).DietMatrix[1][1], 2);
  putDiet(13, dietRecord("", '3', '3'));
  fs::last_write_time(host, old);
  EXPECT_EQ(load({0, 13, 0, 0, 0}).DietMatrix[1][1], 2);  // same size and time: read once
  fs::last_write_time(host, old + std::chrono::seconds(1));
  EXPECT_EQ(load({0, 13, 0, 0, 0}).DietMatrix[1][1], 3);
  // A file that comes before the one in hand is taken up as soon as it is
  // there, and the one in hand taken back when it goes again.
  EXPECT_EQ(load({0, 13, 0, 0, 0}, "ALT").DietMatrix[1][1], 3);
  putDiet(13, dietRecord("", '4', '4'), alt);
  EXPECT_EQ(load({0, 13, 0, 0, 0}, "ALT").DietMatrix[1][1], 4);
  t.drives().removeFile(alt);
  EXPECT_EQ(load({0, 13, 0, 0, 0}, "ALT").DietMatrix[1][1], 3);
}

TEST_F(DietFileTest, CodesAreNormalisedTheirSelectorsAndMarkersReadAndSomeNotLookedUp) {
  const std::pair<Codes, Codes> cases[] = {{{0, 0, 12, 0, 0}, {0, 12, 0, 0, 0}},
                                           {{0, 0, 0, 0, 7}, {0, 7, 0, 0, 0}},
                                           {{0, 0, 0, 3, 4}, {0, 3, 0, 0, 4}},
                                           {{0, 0, 256, 0, -2}, {0, 0, 256, 0, -2}}};
  for (auto [codes, want] : cases) {
    normaliseDietCodes(codes);
    EXPECT_EQ(codes, want);
  }

  putDiet(2, dietRecord(" x  *", '2', '3'));
  putDiet(7, dietRecord("    x*", '1', '6'));
  for (int code : {98, 99, 255}) putDiet(code, dietRecord("       x", '4', '4'));
  const ResidentRecord r = load({0, 2, 98, 99, 7});
  EXPECT_EQ(r.DietMatrix, (std::array<Selectors, 5>{{{}, {0, 2, 3}, {}, {}, {0, 1, 6}}}));
  // Code 7 marks position 5 with "x" after code 2 starred it: the later
  // code's mark stands. Codes 98 and 99 mark nothing.
  EXPECT_EQ(r.DietMask, " x  x*" + std::string(14, ' '));
  EXPECT_EQ(load({0, -5, 256, 255, 0}).DietMatrix, (std::array<Selectors, 5>{{{}, {}, {}, {0, 4, 4}, {}}}));
  EXPECT_EQ(load({0, 0, 0, 0, 0}).DietMask, std::string(20, ' '));

  // A file cut inside a record reads its missing tail as blanks; code 60 is
  // past the end.
  t.putFile(facDiet, dietRecord("", '1', '1') + dietRecord("x", '5', '6').substr(0, 79));
  const ResidentRecord cut = load({0, 2, 60, 0, 0});
  EXPECT_EQ(cut.DietMatrix[1], (Selectors{0, 5, 0}));
  EXPECT_EQ(cut.DietMatrix[2], (Selectors{}));
}

TEST_F(DietFileTest, CodesWithoutARecordAreNamedOnlyWhenTheFileExistsAndMarkedByTheCodeAndPositionsTenToTwelve) {
  using Flags = std::array<bool, 5>;
  EXPECT_EQ(load({0, 12, 0, 0, 0}).DietCodeNotInFile, Flags{});  // no diet file: that is the fault
  putDiet(2, dietRecord("", '2', '2'));
  putDiet(5, std::string(200, ' '));  // a record never filled in
  // Code 33 lies past the file's end; 98 and 99 are never looked up.
  EXPECT_EQ(load({0, 2, 33, 5, 98}).DietCodeNotInFile, (Flags{false, false, true, true, false}));
  EXPECT_EQ(load({0, 0, 99, 2, 0}).DietCodeNotInFile, Flags{});

  putDiet(12, dietRecord("         x", '1', '5'));
  for (int code : {79, 80}) putDiet(code, dietRecord("           *", '1', '5'));
  for (int code : {9, 60}) putDiet(code, dietRecord("          x", '1', '7'));
  putDiet(14, dietRecord("             x", '1', '5'));
  EXPECT_TRUE(load({0, 12, 0, 0, 0}).DietCodeMarked);
  EXPECT_TRUE(load({0, 1, 79, 0, 0}).DietCodeMarked);
  EXPECT_FALSE(load({0, 60, 0, 0, 0}).DietCodeMarked);  // the renal diet is excepted
  EXPECT_FALSE(load({0, 9, 0, 0, 0}).DietCodeMarked);   // below 10
  EXPECT_FALSE(load({0, 80, 0, 0, 0}).DietCodeMarked);  // above 79
  EXPECT_FALSE(load({0, 14, 0, 0, 0}).DietCodeMarked);  // marked elsewhere only
}

}  // namespace
}  // namespace mc
