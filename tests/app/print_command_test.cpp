// print and preview as a kitchen runs them on the demo facility: the PDF is
// checked with qpdf and read back with pdftotext, page by page.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "support/demo.h"

namespace mc::test {
namespace {

namespace fs = std::filesystem;

TEST(PrintCommand, PrintsEveryQualifyingDemoResidentIntoOnePdfAndSaves) {
  const Demo d;
  const fs::path settings = d.dnv("setup/Mcardset.MGC");
  const auto before = fs::last_write_time(settings) - std::chrono::hours(1);
  fs::last_write_time(settings, before);

  const CommandResult r = d.print("", "07-04-27");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.err.find("Confirm Card Date: 07-04-27"), std::string::npos) << r.err;
  EXPECT_TRUE(qpdfChecks(d.pdf));
  // Which residents print, in what order and with what date, is pinned byte
  // for byte by the demo runs' trace (tests/golden); here the PDF itself.
  EXPECT_EQ(pdfPages(d.pdf).size(), 21u);
  EXPECT_GT(fs::last_write_time(settings), before);  // the Exit action saved the settings
}

TEST(PrintCommand, PreviewsTheDefaultResidentAndRefusesWhatItCannotDo) {
  const Demo d;
  const fs::path png = d.file("preview.png");
  const CommandResult preview = d.run("preview --png " + shellQuote(png.string()));
  ASSERT_EQ(preview.exitCode, 0) << preview.err;
  EXPECT_EQ(readFile(png).substr(0, 4), "\x89PNG");
  EXPECT_GT(fs::file_size(png), 20000u);  // a drawn page, not a blank one

  const CommandResult queue = d.run("--printer no-such-queue print");
  EXPECT_EQ(queue.exitCode, 1);
  EXPECT_NE(queue.err.find("no printer named no-such-queue"), std::string::npos) << queue.err;
  EXPECT_EQ(d.print("--set 7").exitCode, 2);
  EXPECT_EQ(d.print("", "13-45-07").exitCode, 2);
  EXPECT_FALSE(fs::exists(d.pdf));
}

// The demo residents whose cards a PDF holds, one entry per run of pages.
std::vector<std::string> residentsOf(const fs::path& pdf) {
  static const char* const demoResidents[] = {
      "Anderson, Mary", "Baker, Thomas",   "Castillo, Rosa",   "Dubois, Henri",     "Eriksen, Ingrid",
      "Fitzgerald, Patrick", "Garcia, Luis", "Hoffmann, Greta", "Ito, Kenji",      "Jensen, Karen",
      "Kowalski, Stanley", "Lambert, Claire", "Mendoza, Elena", "Nakamura, Yuki",  "O'Brien, Sean",
      "Petrov, Ivan",    "Quinn, Abigail",  "Rossi, Marco",     "S\xc3\xa1nchez, Jos\xc3\xa9", "Thompson, Walter",
      "Underwood, Ada",  "Vasquez, Maria",  "Weber, Hans",      "Xu, Li",            "Young, Betty"};
  std::vector<std::string> out;
  for (const std::string& page : pdfPages(pdf))
    for (const char* name : demoResidents)
      if (page.find(name) != std::string::npos && (out.empty() || out.back() != name)) out.push_back(name);
  return out;
}

TEST(PrintCommand, PrintsOneUnitOneDiningLocationOrJustTheShownResident) {
  const Demo d;
  const fs::path settings = d.dnv("setup/Mcardset.MGC");
  // Printing by dining location on in set 1, so that the location range applies.
  runShell("printf 1 | dd of=" + shellQuote(settings.string()) + " bs=1 seek=26 conv=notrunc 2>/dev/null");
  const fs::path& pdf = d.pdf;
  const auto print = [&](const std::string& args) {
    const CommandResult r = d.print(args, "07-04-27");
    // Rossi's lunch location (PAT) is in no pass by dining location: the
    // card says "Missing Dining Location", a card printed with a problem.
    const bool missingLocation = r.err.find("Missing Dining Location") != std::string::npos;
    EXPECT_EQ(r.exitCode, missingLocation ? 4 : 0) << args << ": " << r.err;
    return r;
  };

  const CommandResult unit = print("--unit 2abc");
  EXPECT_TRUE(hasLine(unit.err, "South Wing [Yes]")) << unit.err;
  // By dining location: the unit's residents pass by pass (Main Dining
  // Room, then Restorative Dining ...).
  EXPECT_EQ(residentsOf(pdf), (std::vector<std::string>{"Kowalski, Stanley", "S\xc3\xa1nchez, Jos\xc3\xa9",
                                                        "Mendoza, Elena", "O'Brien, Sean", "Quinn, Abigail",
                                                        "Lambert, Claire", "Rossi, Marco"}));
  print("--location ' mdr '");
  EXPECT_EQ(residentsOf(pdf), (std::vector<std::string>{"Anderson, Mary", "Baker, Thomas", "Eriksen, Ingrid",
                                                        "Fitzgerald, Patrick", "Jensen, Karen", "Kowalski, Stanley",
                                                        "S\xc3\xa1nchez, Jos\xc3\xa9"}));
  // The fields the run was given are what the Exit action saved.
  const std::string set1 = readFile(settings).substr(0, 21);
  EXPECT_EQ(set1.substr(0, 4), "1 4 ");
  EXPECT_EQ(set1.substr(15, 6), "1  1  ");

  // Print Just prints what the window's ranges hold: start-up's sample resident.
  print("--just");
  EXPECT_EQ(residentsOf(pdf), std::vector<std::string>{"Castillo, Rosa"});
}

TEST(PrintCommand, OneUnitOrLocationAnsweredWronglySaysWhyAndPrintsNothing) {
  const Demo d;
  const std::pair<const char*, const char*> cases[] = {
      {"--unit 0", "0 Is NOT a Nursing Unit Number."},
      {"--unit 5", "5 Is NOT a Nursing Unit Number."},
      {"--location ' xyz'", "XYZ Dining Location ABBREVIATION NOT FOUND."},
  };
  for (const auto& [args, message] : cases) {
    const CommandResult r = d.print(args);
    EXPECT_EQ(r.exitCode, 1) << args;
    EXPECT_TRUE(hasLine(r.err, message)) << r.err;
    EXPECT_FALSE(fs::exists(d.pdf)) << args;
  }
  EXPECT_EQ(d.print("--unit 2 --just").exitCode, 2);
  EXPECT_EQ(d.print("--location").exitCode, 2);
}

// Files the program keeps under a temporary name until they are complete:
// hidden names beside the file, ".part" names, and the print jobs' files.
std::vector<std::string> temporaryFiles(const fs::path& root) {
  const CommandResult found = runShell("find " + shellQuote(root.string()) +
                                       " \\( -name '.*' -o -name '*.part' -o -name 'mealcards-job-*' \\) -print");
  std::vector<std::string> files;
  for (size_t at = 0, end; (end = found.out.find('\n', at)) != std::string::npos; at = end + 1)
    files.push_back(found.out.substr(at, end - at));
  return files;
}

TEST(PrintCommand, CtrlCSigtermAndSighupStopAfterThePageInProgressAndLeaveNoTemporaryFile) {
  const Demo d("--units 4 --residents 60");
  const fs::path trace = d.file("trace.jsonl");
  const std::pair<const char*, int> stops[] = {{"INT", 130}, {"TERM", 143}, {"HUP", 129}};
  for (const auto& [signal, status] : stops) {
    fs::remove(d.pdf);
    fs::remove_all(d.dnv("output/cards"));
    // The signal goes out once the trace, still under its temporary name,
    // shows the run drawing; the backup's page pictures and TIF files are
    // being written beside it.
    const CommandResult r = runShell(
        "env -u MEALCARDS_DRIVES -u DISPLAY TMPDIR=" + shellQuote(d.scratch.root().string()) + " " +
        shellQuote(MEALCARDS_BINARY) + " " + d.drives() + "--pdf " + shellQuote(d.pdf.string()) + " --trace " +
        shellQuote(trace.string()) + " print --backup & pid=$!; for i in $(seq 600); do [ -n \"$(find " +
        shellQuote(d.scratch.root().string()) +
        " -maxdepth 1 -name '.trace.jsonl.*' -size +0)\" ] && break; sleep 0.05; done; kill -" + signal +
        " $pid; wait $pid");
    EXPECT_EQ(r.exitCode, status) << signal << ": " << r.err;
    EXPECT_NE(r.err.find(signal == std::string("INT") ? "stopped by Ctrl-C" : std::string("stopped by SIG") + signal),
              std::string::npos)
        << r.err;
    EXPECT_TRUE(qpdfChecks(d.pdf)) << signal;
    const size_t printed = pdfPages(d.pdf).size();
    EXPECT_GE(printed, 1u) << signal;
    EXPECT_LT(printed, 150u) << signal;  // far from the whole facility
    EXPECT_EQ(temporaryFiles(d.scratch.root()), std::vector<std::string>{}) << signal;
    // Every page handed to the backup before the stop is written whole:
    // its picture and its one-page PDF.
    std::vector<std::string> jpgs, pdfs;
    for (const auto& entry : fs::directory_iterator(d.dnv("output/cards"))) {
      auto& list = entry.path().extension() == ".jpg" ? jpgs : pdfs;
      if (entry.path().extension() == ".jpg" || entry.path().extension() == ".pdf")
        list.push_back(entry.path().stem().string());
    }
    std::sort(jpgs.begin(), jpgs.end());
    std::sort(pdfs.begin(), pdfs.end());
    EXPECT_FALSE(jpgs.empty()) << signal;
    EXPECT_EQ(pdfs, jpgs) << signal;
    if (!pdfs.empty()) EXPECT_EQ(pdfPages(d.dnv("output/cards/" + pdfs.back() + ".pdf")).size(), 1u) << signal;
  }

  // A run waiting for another to let the facility go stops at once too,
  // printing nothing.
  const fs::path lock = d.dnv("setup/Mcardset.MGC.lock");
  fs::remove(d.pdf);
  const auto started = std::chrono::steady_clock::now();
  // The shell holds the lock as another run would; the signal goes out
  // once the run has the lock file open and waits.
  const CommandResult waiting = runShell(
      "exec 9>" + shellQuote(lock.string()) + "; flock 9; env -u MEALCARDS_DRIVES -u DISPLAY MEALCARDS_LOCK_WAIT=20 " +
      shellQuote(MEALCARDS_BINARY) + " " + d.drives() + "--pdf " + shellQuote(d.pdf.string()) +
      " print 9>&- & pid=$!; for i in $(seq 600); do ls -l /proc/$pid/fd 2>/dev/null | grep -q 'MGC.lock' && break; " +
      "sleep 0.05; done; kill -TERM $pid; wait $pid");
  EXPECT_EQ(waiting.exitCode, 143) << waiting.err;
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
  EXPECT_NE(waiting.err.find("stopped while waiting for another run"), std::string::npos) << waiting.err;
  EXPECT_FALSE(fs::exists(d.pdf));
  EXPECT_EQ(temporaryFiles(d.scratch.root()), std::vector<std::string>{});
}

}  // namespace
}  // namespace mc::test
