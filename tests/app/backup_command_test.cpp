// print --backup on the demo facility, checked with the real tools: the
// merged backup with qpdf and pdftotext, the per-page files, the two TIF
// files with tiffinfo, the copies in the PDF folder; and the copy itself:
// any size, checked, and a copy that fails is a failed output.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "data/atomic_file.h"
#include "support/demo.h"

namespace mc::test {
namespace {

namespace fs = std::filesystem;

// Files of the cards folder by extension, and the page files by name.
struct CardsFolder {
  std::map<std::string, int> byExtension;
  std::vector<fs::path> pagePdfs;
  fs::path colourTif, blackWhiteTif;
};

CardsFolder look(const fs::path& cards) {
  CardsFolder f;
  for (const auto& entry : fs::directory_iterator(cards)) {
    const std::string name = entry.path().filename().string();
    ++f.byExtension[entry.path().extension().string()];
    if (name.size() > 13 && name.substr(name.size() - 13) == "_TIFCards.tif") f.colourTif = entry.path();
    if (name.size() > 15 && name.substr(name.size() - 15) == "_TIFBWCards.tif") f.blackWhiteTif = entry.path();
    if (entry.path().extension() == ".pdf" && name != "TC.pdf") f.pagePdfs.push_back(entry.path());
  }
  return f;
}

// tiffinfo's value of a field, once per page.
std::vector<std::string> tiffField(const fs::path& tif, const std::string& field) {
  std::vector<std::string> out;
  const std::string info = runShell("tiffinfo " + shellQuote(tif.string()) + " 2>&1").out;
  for (size_t at = info.find(field); at != std::string::npos; at = info.find(field, at + 1))
    out.push_back(info.substr(at + field.size(), info.find('\n', at) - at - field.size()));
  return out;
}

TEST(BackupCommand, ADemoRunLeavesTheBackupThePagesTheTifsAndTheCopies) {
  const Demo d;
  const fs::path cards = d.dnv("output/cards"), settings = d.dnv("setup/Mcardset.MGC");
  const auto saved = fs::last_write_time(settings) - std::chrono::hours(1);
  fs::last_write_time(settings, saved);
  const CommandResult r = d.print("--backup", "07-04-27");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_GT(fs::last_write_time(settings), saved);  // the Exit action saved the settings
  EXPECT_TRUE(hasLine(r.err, "mealcards: Confirm Card Date: 07-04-27")) << r.err;
  // The window's message box, told as the command line's own lines.
  EXPECT_TRUE(holds(r.err, "mealcards: c:\\dnv\\output\\cards\\TC.pdf\nmealcards: PDF File of Tray Cards Created "
                           "Successfully.\nmealcards: This File will now be Copied to the c:\\dnv\\PDF folder.\n"));
  std::istringstream lines(r.err);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_EQ(line.rfind("mealcards: ", 0), 0u) << line;
    EXPECT_NE(line.back(), ' ') << line;
  }

  // The backup holds every printed card, in the order printed.
  const fs::path backup = cards / "TC.pdf";
  EXPECT_TRUE(qpdfChecks(backup));
  // Which residents print, in what order and with what date, the demo runs
  // pin (tests/golden); here the PDF itself: one landscape letter page per
  // resident, no blank sheet after the last, its texts read back, the
  // symbols' small font's too.
  EXPECT_TRUE(qpdfChecks(d.pdf));
  const std::vector<std::string> printed = pdfPages(d.pdf);
  ASSERT_EQ(printed.size(), 21u);
  EXPECT_TRUE(hasLine(runShell("pdfinfo " + shellQuote(d.pdf.string())).out, "Page size:       792 x 612 pts (letter)"));
  const std::string text = std::accumulate(printed.begin(), printed.end(), std::string());
  for (const char* part : {"101-A Anderson, Mary", "REGULAR", "THIN", "Mech", "Nectar"})
    EXPECT_TRUE(holds(text, part)) << part;
  EXPECT_EQ(pdfPages(backup), printed);
  EXPECT_EQ(readFile(d.dnv("PDF/TC.PDF")), readFile(backup));

  // A JPG and a one-page PDF per page, the PDF drawn in vectors: its text
  // reads back.
  const CardsFolder f = look(cards);
  EXPECT_EQ(f.byExtension.at(".jpg"), 21);
  ASSERT_EQ(f.pagePdfs.size(), 21u);
  for (const fs::path& page : f.pagePdfs) {
    const std::vector<std::string> text = pdfPages(page);
    ASSERT_EQ(text.size(), 1u) << page;
    EXPECT_NE(std::find(printed.begin(), printed.end(), text[0]), printed.end()) << page;
    fs::path jpg = page;
    EXPECT_EQ(readFile(jpg.replace_extension(".jpg")).substr(0, 3), "\xff\xd8\xff");
  }
  EXPECT_TRUE(qpdfChecks(f.pagePdfs[0]));

  // Two TIF files with a page per card: colour JPEG (the page's JPG
  // itself), black and white G4; every page decodes.
  ASSERT_FALSE(f.colourTif.empty());
  ASSERT_FALSE(f.blackWhiteTif.empty());
  EXPECT_EQ(tiffField(f.colourTif, "Compression Scheme: "), std::vector<std::string>(21, "JPEG"));
  EXPECT_EQ(tiffField(f.colourTif, "Bits/Sample: "), std::vector<std::string>(21, "8"));
  for (const fs::path& tif : {f.colourTif, f.blackWhiteTif}) {
    const CommandResult decoded = runShell("tiffcp -c none " + shellQuote(tif.string()) + " " +
                                           shellQuote(d.file("decoded.tif").string()) + " 2>&1");
    EXPECT_EQ(decoded.exitCode, 0) << decoded.out;
    EXPECT_EQ(decoded.out, "") << tif;
  }
  EXPECT_EQ(tiffField(f.blackWhiteTif, "Compression Scheme: "), std::vector<std::string>(21, "CCITT Group 4"));
  EXPECT_EQ(tiffField(f.blackWhiteTif, "Bits/Sample: "), std::vector<std::string>(21, "1"));
  EXPECT_EQ(f.byExtension.count(".part"), 0u);  // nothing left half written

  // A second run writes over the same page files and merges only its own
  // pages, not the backup the first run left beside them.
  const auto firstWritten = fs::last_write_time(f.pagePdfs[0]);
  const CommandResult again = d.print("--backup", "07-04-27");
  ASSERT_EQ(again.exitCode, 0) << again.err;
  const CardsFolder g = look(cards);
  EXPECT_EQ(g.pagePdfs, f.pagePdfs);
  EXPECT_GT(fs::last_write_time(g.pagePdfs[0]), firstWritten);
  EXPECT_EQ(pdfPages(backup).size(), 21u);
  EXPECT_EQ(tiffField(g.colourTif, "Compression Scheme: ").size(), 21u);
}

TEST(BackupCommand, AnOutputThatCannotBeWrittenIsNamedAndFailsTheRun) {
  const Demo d;
  // A file where the copy should go: the PDF folder cannot be made.
  std::ofstream(d.dnv("PDF")) << "in the way";
  const CommandResult r = d.print("--backup", "07-04-27");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(holds(r.err, "mealcards: output failed: c:\\dnv\\PDF: cannot create the folder"));
  EXPECT_TRUE(fs::exists(d.dnv("output/cards/TC.pdf")));

  // A folder where the copy itself should go: the copy fails by name, and
  // the run with it.
  fs::remove(d.dnv("PDF"));
  fs::create_directories(d.dnv("PDF/TC.PDF"));
  const CommandResult copy = d.print("--backup", "07-04-27");
  EXPECT_EQ(copy.exitCode, 1);
  EXPECT_TRUE(holds(copy.err, "mealcards: output failed: c:\\dnv\\PDF\\TC.PDF: it is a folder, not a regular file"));
}

// The copy of a backup document: larger than any data file and still
// copied whole; one that comes out short is refused and leaves the old copy.
TEST(BackupCommand, ACopyIsWholeAndCheckedWhateverItsSize) {
  const fs::path dir = fs::temp_directory_path() / ("mealcards-copy-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string big(9u << 20, '\0');  // over the 8 MB limit of data files
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>((i * 2654435761u) >> 13);
  std::ofstream(dir / "TC.pdf", std::ios::binary) << big;
  EXPECT_EQ(copyFileVerified(dir / "TC.pdf", dir / "TC.PDF").error(), "");
  EXPECT_EQ(readFile(dir / "TC.PDF"), big);

  // A disk that takes only 1 MB more: the copy fails, the old one stays,
  // and no temporary file is left.
  std::ofstream(dir / "TC.PDF", std::ios::binary) << "the copy before";
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 1u << 20;
  setrlimit(RLIMIT_FSIZE, &small);
  const Outcome copied = copyFileVerified(dir / "TC.pdf", dir / "TC.PDF");
  const std::string& error = copied.error();
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldSignal);
  EXPECT_TRUE(holds(error, "cannot write"));
  EXPECT_EQ(readFile(dir / "TC.PDF"), "the copy before");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);

  // Nothing to copy from is named, not copied as empty.
  EXPECT_FALSE(copyFileVerified(dir / "MC.pdf", dir / "MC.PDF").ok());
  EXPECT_FALSE(fs::exists(dir / "MC.PDF"));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace mc::test
