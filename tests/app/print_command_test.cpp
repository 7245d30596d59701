// print and preview as a kitchen runs them on the demo facility: the PDF is
// checked with qpdf and read back with pdftotext, page by page.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/mealcards_command.h"
#include "support/test_drives.h"

namespace mc {
namespace {

namespace fs = std::filesystem;
using test::makeDemo;
using test::mealcards;
using test::Outcome;
using test::quoted;

std::string shell(const std::string& command) {
  std::string out;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    pclose(p);
  }
  return out;
}

// The text of each page (pdftotext ends every page with a form feed).
std::vector<std::string> pages(const fs::path& pdf) {
  std::vector<std::string> out;
  std::string page;
  for (char ch : shell("pdftotext " + quoted(pdf.string()) + " - 2>/dev/null")) {
    if (ch == '\f') {
      out.push_back(page);
      page.clear();
    } else {
      page += ch;
    }
  }
  return out;
}

TEST(PrintCommand, PrintsEveryQualifyingDemoResidentIntoOnePdfAndSaves) {
  test::TempDrives scratch;
  const fs::path demo = makeDemo(scratch);
  const fs::path settings = demo / "c" / "dnv" / "setup" / "Mcardset.MGC";
  const auto before = fs::last_write_time(settings) - std::chrono::hours(1);
  fs::last_write_time(settings, before);
  const fs::path pdf = scratch.root() / "cards.pdf";

  const Outcome r = mealcards(scratch, "--drives " + quoted(demo.string()) + " --date 07-04-27 --pdf " +
                                           quoted(pdf.string()) + " print");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.err.find("Confirm Card Date: 07-04-27"), std::string::npos) << r.err;
  EXPECT_EQ(std::system(("qpdf --check " + quoted(pdf.string()) + " >/dev/null").c_str()), 0);

  // "Print ALL" covers units 1 and 2: the last unit is a holding unit.
  const char* printed[] = {"Anderson, Mary", "Baker, Thomas",     "Castillo, Rosa", "Dubois, Henri",
                           "Eriksen, Ingrid", "Fitzgerald, Patrick", "Garcia, Luis", "Hoffmann, Greta",
                           "Jensen, Karen",  "Kowalski, Stanley", "Lambert, Claire", "Mendoza, Elena",
                           "O'Brien, Sean",  "Quinn, Abigail",    "Rossi, Marco",   "S\xc3\xa1nchez, Jos\xc3\xa9"};
  const char* left[] = {"Ito, Kenji" /* tube feeding, 98 */, "Nakamura, Yuki" /* NPO, 99 */,
                        "Petrov, Ivan" /* hospital */, "Weber, Hans" /* out on pass */};
  const std::vector<std::string> text = pages(pdf);
  ASSERT_EQ(text.size(), std::size(printed));
  for (size_t i = 0; i < text.size(); ++i) {
    EXPECT_NE(text[i].find(printed[i]), std::string::npos) << "page " << i + 1 << ": " << text[i];
    EXPECT_NE(text[i].find("07-04-27"), std::string::npos) << "page " << i + 1;
    for (const char* name : left) EXPECT_EQ(text[i].find(name), std::string::npos) << name;
  }
  EXPECT_GT(fs::last_write_time(settings), before);  // the Exit action saved the settings
  EXPECT_EQ(fs::file_size(demo / "c" / "dnv" / "output" / "cards" / "TC.txt"), std::size(printed) * 68 * 62);
}

TEST(PrintCommand, PreviewsTheDefaultResidentAndRefusesWhatItCannotDo) {
  test::TempDrives scratch;
  const fs::path demo = makeDemo(scratch);
  const std::string drives = "--drives " + quoted(demo.string()) + " ";
  const fs::path png = scratch.root() / "preview.png";
  const Outcome preview = mealcards(scratch, drives + "preview --png " + quoted(png.string()));
  ASSERT_EQ(preview.exitCode, 0) << preview.err;
  EXPECT_EQ(test::slurp(png).substr(0, 4), "\x89PNG");
  EXPECT_GT(fs::file_size(png), 20000u);  // a drawn page, not a blank one

  const Outcome queue = mealcards(scratch, drives + "--printer no-such-queue print");
  EXPECT_EQ(queue.exitCode, 1);
  EXPECT_NE(queue.err.find("no printer named no-such-queue"), std::string::npos) << queue.err;
  EXPECT_EQ(mealcards(scratch, drives + "--pdf x.pdf print --set 7").exitCode, 2);
  EXPECT_EQ(mealcards(scratch, drives + "--date 13-45-07 --pdf x.pdf print").exitCode, 2);
  EXPECT_FALSE(fs::exists("x.pdf"));
}

}  // namespace
}  // namespace mc
