// The pictures on a card: which files the loaders find, how often they are
// decoded, and when the resident's picture, its filtered view and the
// symbols are painted. The picture store here decodes any file but those
// it is told are broken.
#include <map>
#include <set>

#include "card_fixture.h"
#include "data/text.h"
#include "render/pictures.h"
#include "support/test_drives.h"

namespace mc::test {
namespace {

namespace fs = std::filesystem;

struct FakeStore : PictureLoader {
  std::optional<bool> Loaded(const std::string& name) override {
    auto it = loaded.find(name);
    if (it == loaded.end()) return std::nullopt;
    return it->second;
  }
  bool Load(const std::string& name, const std::string& from) override {
    ++loads[name];
    // The working copy must exist while it is read.
    const bool ok = fs::exists(from) && broken.count(fs::path(name).stem().string()) == 0;
    loaded[name] = ok;
    return ok;
  }
  bool LoadBytes(const std::string& name, const std::string&) override {
    ++loads[name];
    const bool ok = broken.count(fs::path(name).stem().string()) == 0;
    loaded[name] = ok;
    return ok;
  }

  std::map<std::string, bool> loaded;
  std::map<std::string, int> loads;
  std::set<std::string> broken;
};

struct Named : FileProblems {
  void report(const FileProblem& p) override { found.push_back(p); }
  std::vector<FileProblem> found;
};

class CardPicturesTest : public CardFixture {
 protected:
  CardPicturesTest() {
    drives.drives().setProblems(&named);
    facility.Folders.assign(40, "");
    facility.Folders[1] = "c:\\dnv\\res";
    facility.Folders[34] = "c:\\dnv\\pics";
    resident.ResidentFile = "RS00101";
    model.Check[16] = 1;
    renderer.usePictures(drives.drives(), store);
  }
  void picture(const std::string& windowsPath) { drives.putFile(windowsPath, "any picture bytes"); }
  std::vector<TraceOp> pictures(const std::string& stem) {
    return only(opsOf(draw(), "picture"), [&](const TraceOp& op) {
      return fs::path(op.str("src")).stem().string() == stem;
    });
  }

  Named named;
  TempDrives drives;
  FakeStore store;
};

TEST_F(CardPicturesTest, ThePhotographIsConvertedOnceShownInEachColumnHiddenOrFilteredForPrivacyAndSoughtOnDriveC) {
  picture("c:\\dnv\\pics\\RS00101.jpg");
  const auto photos = pictures("RS00101");
  ASSERT_EQ(photos.size(), 3u);
  EXPECT_EQ(fs::path(photos[0].str("src")).filename(), "RS00101.ASZ");
  EXPECT_FALSE(drives.exists("c:\\dnv\\pics\\RS00101.jpg"));  // now kept scrambled
  pictures("RS00101");
  pictures("RS00101");
  ASSERT_EQ(store.loads.size(), 1u);
  EXPECT_EQ(store.loads.begin()->second, 1) << "decoded once for all cards";
  for (const auto& entry : fs::recursive_directory_iterator(drives.root()))
    EXPECT_NE(entry.path().extension(), ".AS2") << "working copy left behind";

  // Small pictures.
  model.Check[24] = 1;
  const auto small = pictures("RS00101");
  ASSERT_EQ(small.size(), 3u);
  EXPECT_LT(small[2]["w"], photos[2]["w"]);
  EXPECT_LT(small[2]["h"], photos[2]["h"]);

  // Privacy settings hide or filter the photograph.
  model.Check[24] = 0;
  model.Text[35] = "2";
  EXPECT_TRUE(pictures("RS00101").empty());
  model.Text[35] = "3";
  EXPECT_TRUE(pictures("RS00101").empty());

  model.Text[35] = "4";
  const auto ops = draw();
  EXPECT_EQ(textsOf(ops, " Filtered View ").size(), 3u);
  // Lines across the picture in a pen of strength 5, none of another.
  const auto pen = [](const std::vector<TraceOp>& ops, int width) {
    return only(opsOf(ops, "line"), [&](const TraceOp& op) { return op["y1"] == op["y2"] && op["width"] == width; });
  };
  EXPECT_GT(pen(ops, 5).size(), 3 * 50u);
  // (A ".flt" beside the photograph asking for its own strength, and a
  // ".vly" asking for none: the demo runs' photographs.)

  // The photograph is sought on drive c when the folder names another.
  model.Text[35] = "";
  facility.Folders[34] = "d:\\dnv\\pics";
  EXPECT_EQ(pictures("RS00101").size(), 3u);
}

TEST_F(CardPicturesTest, APictureFileLargerThanAnyIsNamedAndLeftAsItWas) {
  for (const char* ext : {".jpg", ".asz"}) {
    SCOPED_TRACE(ext);
    const std::string path = std::string("c:\\dnv\\pics\\RS00101") + ext;
    drives.putFile(path, std::string(kMaxDataFileBytes + 1, 'J'));
    EXPECT_TRUE(pictures("RS00101").empty());
    EXPECT_TRUE(store.loads.empty()) << "nothing was decoded";
    ASSERT_FALSE(named.found.empty());
    EXPECT_NE(named.found.back().detail.find("is larger than any picture file (8 MB): not read"), std::string::npos)
        << named.found.back().detail;
    EXPECT_EQ(fs::file_size(*drives.drives().hostPath(path)), kMaxDataFileBytes + 1) << "not converted";
    fs::remove(*drives.drives().hostPath(path));
  }
}

TEST_F(CardPicturesTest, SymbolsComeInTheirSizesAndABrokenOneIsLeftOut) {
  resident.diet.Honey = 1;
  resident.diet.CalorieControl = 1;
  model.Check[15] = 1;
  model.Check[28] = 1;
  store.broken.insert("SHoney");
  for (const char* name : {"Honey", "nosugar", "SHoney", "Snosugar", "Regular"})
    picture("c:\\dnv\\pics\\vod\\" + std::string(name) + ".jpg");
  const auto large = pictures("nosugar");
  ASSERT_EQ(large.size(), 3u);
  EXPECT_EQ(pictures("Honey").size(), 3u);
  EXPECT_EQ(textsOf(draw(), "Honey Thick").size(), 3u);

  // Small pictures, from the small files.
  model.Check[26] = 1;
  model.SymbolSuffix = "S";
  const auto small = pictures("Snosugar");
  ASSERT_EQ(small.size(), 3u);
  EXPECT_LT(small[0]["w"], large[0]["w"]);
  EXPECT_EQ(textsOf(draw(), "NoSug").size(), 3u);

  // A symbol that does not decode is tried once and left off; the card and
  // the dots still say the liquids are thick.
  auto ops = draw();
  EXPECT_TRUE(only(opsOf(ops, "picture"), [](const TraceOp& op) { return contains(op.str("src"), "SHoney"); }).empty());
  EXPECT_EQ(textsOf(ops, "101-A Anderson, Mary").size(), 6u);
  EXPECT_EQ(textsOf(ops, "Honey").size(), 3u);  // the dot text
  int tries = 0;
  for (const auto& [name, n] : store.loads)
    if (contains(name, "SHoney")) tries += n;
  EXPECT_EQ(tries, 1);
  // (That it is named for the run's list of problems: the symbol-damaged
  // broken-file case.)
}

TEST_F(CardPicturesTest, ARunLooksForEachPictureOnceAndTheNextRunSeesTheFolderAnew) {
  resident.diet.CalorieControl = 1;
  picture("c:\\dnv\\pics\\vod\\nosugar.jpg");
  ASSERT_EQ(pictures("nosugar").size(), 3u);
  // Gone from the folder in the middle of the run: the run's later cards
  // keep the picture it loaded.
  ASSERT_TRUE(drives.drives().removeFile("c:\\dnv\\pics\\vod\\nosugar.asz"));
  EXPECT_EQ(pictures("nosugar").size(), 3u);
  // What one resident's card carries is not carried over to the next.
  resident.diet.CalorieControl = 0;
  EXPECT_TRUE(pictures("nosugar").empty());
  resident.diet.CalorieControl = 1;
  EXPECT_EQ(pictures("nosugar").size(), 3u);
  EXPECT_EQ(store.loads.size(), 1u);

  // The next run (or redraw of the preview) looks at the folder again.
  CardRenderer next{facility, settings, &printer, screen};
  next.usePictures(drives.drives(), store);
  printerTrace.str("");
  drawMenu(next);
  EXPECT_TRUE(only(opsOf(parseTrace(printerTrace.str()), "picture"), [](const TraceOp& op) {
                return contains(op.str("src"), "nosugar");
              }).empty());
}

TEST_F(CardPicturesTest, TheWatermarkTurnsUpsideDownOnEachCardWhenRotated) {
  picture("c:\\dnv\\pics\\vod\\wm3.jpg");
  model.Text[33] = "3";
  model.WatermarkPicture = "c:\\dnv\\pics\\vod\\wm3.jpg";
  auto marks = pictures("wm3");
  ASSERT_EQ(marks.size(), 1u);  // one over the page
  EXPECT_GT(marks[0]["h"], 0);
  model.Check[33] = 1;
  model.Check[34] = 1;
  marks = pictures("wm3");
  ASSERT_EQ(marks.size(), 3u);
  for (const auto& mark : marks) EXPECT_LT(mark["h"], 0);  // drawn from its bottom up
}

}  // namespace
}  // namespace mc::test
