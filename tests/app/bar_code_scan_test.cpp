// Bar codes as the tray line's scanner reads them: the demo's meal-card set
// printed to a PDF, by meal and as whole pages, every column rendered at a
// printer's 300 dpi and read by zbarimg.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <regex>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "data/drive_map.h"
#include "render/page_geometry.h"
#include "settings/printer_selection.h"
#include "settings/settings_file.h"
#include "support/demo.h"
#include "support/trace_ops.h"

namespace mc::test {
namespace {

namespace fs = std::filesystem;

struct Case {
  std::string type;       // the settings' bar-code type field
  std::string symbology;  // as zbarimg names it
  std::string mealOrder;  // "   ": whole pages, breakfast, lunch and supper
};

// Sets the bar-code type and meal order of the demo's meal-card set (2),
// makes it the active set and returns its page as it lays it out.
PageGeometry setBarCodes(const fs::path& demo, const Case& c) {
  const DriveMap drives(demo);
  Facility facility;
  facility.FacCode = "MGC";
  facility.Folders.assign(45, "c:\\dnv");
  const SettingsFile file(drives, facility);
  std::string record = drives.readRecords(file.path(), 300).record(2);
  EXPECT_EQ(record[119], '1');  // the set prints bar codes
  record.replace(141, 2, c.type);
  record.replace(113, 3, c.mealOrder);
  EXPECT_TRUE(drives.writeRecord(file.path(), 300, 2, record));
  SettingsModel model;
  fillPrinterList(FixedPrinterList({}, ""), model);
  model.CurrentSet = 2;
  file.SetSetNo(model);
  file.GetSet(model);
  const CardSettings settings = readCardSettings(model);
  return pageGeometry(settings, cardType(settings));
}

// The bar codes zbarimg finds in each picture, by file name.
std::map<std::string, std::vector<std::string>> scan(const std::vector<fs::path>& pictures) {
  std::string files;
  for (const fs::path& p : pictures) files += " " + shellQuote(p.string());
  const std::string xml = runShell("zbarimg -q --nodbus --xml" + files).out;
  std::map<std::string, std::vector<std::string>> found;
  const std::regex source("<source href='([^']*)'>"), symbol("<symbol type='([^']*)'[^>]*><data><!\\[CDATA\\[([^\\]]*)\\]\\]>");
  std::string current;
  std::istringstream lines(xml);
  for (std::string line; std::getline(lines, line);) {
    std::smatch m;
    if (std::regex_search(line, m, source)) current = fs::path(m[1].str()).filename().string();
    if (std::regex_search(line, m, symbol)) found[current].push_back(m[1].str() + ":" + m[2].str());
  }
  return found;
}

// The name line printed in each column of each page, from the trace.
std::vector<std::array<std::string, 4>> nameLines(const std::string& trace, const PageGeometry& page) {
  std::vector<std::array<std::string, 4>> pages(1);
  for (const TraceOp& op : parseTrace(trace)) {
    if (op.op == "newpage") pages.emplace_back();
    if (op.op != "text" || op["y"] != page.Bottom) continue;
    const int column = op["x"] < page.C[2] ? 1 : op["x"] < page.C[3] ? 2 : 3;
    pages.back()[column] = op.text();
  }
  // The document ends with a page that nothing was drawn on.
  while (!pages.empty() && pages.back() == std::array<std::string, 4>{}) pages.pop_back();
  return pages;
}

class BarCodeScan : public ::testing::TestWithParam<Case> {};

// A page by meal holds the residents of each meal's tray line, so its
// columns may belong to different residents: each column's bar code must
// name its own.
TEST_P(BarCodeScan, EachColumnCarriesItsMealLetterAndTheFileNameOfTheResidentPrintedInIt) {
  const std::string& symbology = GetParam().symbology;
  const Demo d;
  const PageGeometry page = setBarCodes(d.root, GetParam());
  const fs::path trace = d.file("cards.jsonl");
  const auto r = d.run("--date 07-04-27 --pdf " + shellQuote(d.pdf.string()) + " --trace " +
                       shellQuote(trace.string()) + " print --set 2");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const auto names = nameLines(readFile(trace), page);
  ASSERT_GE(names.size(), 10u);

  // The strip of each column from the frame's bottom to the paper's edge
  // (8.5 inches), on every page, at 300 dpi.
  const auto pixels = [](double twips) { return std::to_string(std::lround(twips * 300 / 1440)); };
  std::vector<fs::path> strips;
  for (int k = 1; k <= 3; ++k) {
    const std::string stem = d.file("col" + std::to_string(k)).string();
    ASSERT_EQ(runShell("pdftoppm -png -r 300 -x " + pixels(page.C[k]) + " -y " + pixels(page.Bottom) + " -W " +
                       pixels(page.width(k)) + " -H " + pixels(8.5 * 1440 - page.Bottom) + " " +
                       shellQuote(d.pdf.string()) + " " + shellQuote(stem))
                  .exitCode,
              0);
  }
  for (const auto& entry : fs::directory_iterator(d.scratch.root()))
    if (entry.path().extension() == ".png") strips.push_back(entry.path());
  ASSERT_EQ(strips.size(), 3 * names.size());
  const auto codes = scan(strips);

  std::map<std::string, std::string> nameOf;  // resident file -> name line
  for (const fs::path& strip : strips) {
    const std::string file = strip.filename().string();  // colK-NN.png
    const int k = file[3] - '0';
    const size_t page = std::stoul(file.substr(5, file.find('.') - 5));
    SCOPED_TRACE(file);
    // A meal without a tray leaves its column empty, bar code and all.
    if (names.at(page - 1)[k].empty()) {
      EXPECT_FALSE(codes.count(file));
      continue;
    }
    ASSERT_TRUE(codes.count(file));
    ASSERT_EQ(codes.at(file).size(), 1u);
    const std::string code = codes.at(file)[0];
    ASSERT_EQ(code.rfind(symbology + ":" + "BLS"[k - 1], 0), 0u) << code;
    const std::string resident = code.substr(symbology.size() + 2);
    if (!nameOf.count(resident)) {
      const auto shown = d.run("show-resident " + resident);
      ASSERT_EQ(shown.exitCode, 0) << resident << ": " << shown.err;
      std::smatch m;
      ASSERT_TRUE(std::regex_search(shown.out, m, std::regex("\"NameLine\": \"([^\"]*)\"")));
      nameOf[resident] = m[1].str();
    }
    EXPECT_EQ(nameOf[resident], names.at(page - 1)[k]) << code;
  }
}

INSTANTIATE_TEST_SUITE_P(Types, BarCodeScan,
                         ::testing::Values(Case{"3 ", "CODE-39", "   "}, Case{"6 ", "CODE-128", "BLS"}),
                         [](const auto& info) {
                           return info.param.symbology == "CODE-39" ? "Code39WholePages" : "Code128AByMeal";
                         });

}  // namespace
}  // namespace mc::test
