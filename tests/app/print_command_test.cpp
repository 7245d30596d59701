// print and preview as a kitchen runs them on the demo facility: the PDF is
// checked with qpdf and read back with pdftotext, page by page; and printing
// to a real print queue: a private cupsd with a cups-pdf queue
// (tools/cups-test-queue.sh) takes the jobs as an ordinary printer would,
// one job per resident page, and turns each into a PDF file we can read.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "support/demo.h"

namespace mc::test {
namespace {

namespace fs = std::filesystem;

// On a terminal (a pseudo-terminal made by script) every line the program
// tells starts on a line of its own, never after the progress bar; with
// TERM=dumb or NO_COLOR the bar is drawn without escape sequences.
TEST(PrintCommand, OnATerminalTheProgressBarMakesWayForEveryLine) {
  const Demo d;
  const auto onTerminal = [&](const std::string& environment) {
    const std::string command = "env -u MEALCARDS_DRIVES -u DISPLAY " + environment + " " +
                                shellQuote(MEALCARDS_BINARY) + " " + d.drives() + "--date 07-04-27 --pdf " +
                                shellQuote(d.pdf.string()) + " print";
    return runShell("script -qec " + shellQuote(command) + " /dev/null").out;
  };
  for (const std::string environment : {"TERM=xterm NO_COLOR=", "TERM=dumb", "TERM=xterm NO_COLOR=1"}) {
    const std::string out = onTerminal(environment);
    const bool escapes = environment == "TERM=xterm NO_COLOR=";
    EXPECT_EQ(out.find("\x1b") != std::string::npos, escapes) << environment << out;
    EXPECT_TRUE(holds(out, "] Printing Unit: 1")) << environment;
    int told = 0;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
      while (!line.empty() && line.back() == '\r') line.pop_back();
      // What stays on the screen: the text after the last carriage return.
      std::string shown = line.substr(line.rfind('\r') == std::string::npos ? 0 : line.rfind('\r') + 1);
      if (shown.rfind("\x1b[K", 0) == 0) shown.erase(0, 3);
      if (shown.empty()) continue;
      EXPECT_EQ(shown.rfind("mealcards: ", 0), 0u) << environment << ": " << shown;
      ++told;
    }
    EXPECT_GT(told, 3) << out;
    EXPECT_TRUE(holds(out, "mealcards: Confirm Card Date: 07-04-27"));
  }
}

// The residents whose cards a PDF holds (by their name lines, "101-A
// Anderson, Mary", not the abbreviated ones), one entry per run of pages.
std::vector<std::string> residentsOf(const fs::path& pdf) {
  std::vector<std::string> out;
  const std::regex nameLine(R"(\d{3}-[A-Z] ([^,\n]+, [^\s.]+)(?![.\w]))");
  for (const std::string& page : pdfPages(pdf))
    for (std::sregex_iterator m(page.begin(), page.end(), nameLine), end; m != end; ++m)
      if (out.empty() || out.back() != (*m)[1].str()) out.push_back((*m)[1].str());
  return out;
}

TEST(PrintCommand, PreviewsAndPrintsOneUnitOneDiningLocationOrJustTheShownResidentOrSaysWhyNot) {
  const Demo d;
  const fs::path png = d.file("preview.png");
  const CommandResult preview = d.run("preview --png " + shellQuote(png.string()));
  ASSERT_EQ(preview.exitCode, 0) << preview.err;
  EXPECT_EQ(readFile(png).substr(0, 4), "\x89PNG");
  EXPECT_GT(fs::file_size(png), 20000u);  // a drawn page, not a blank one

  const CommandResult queue = d.run("--printer no-such-queue print");
  EXPECT_EQ(queue.exitCode, 1);
  EXPECT_TRUE(holds(queue.err, "no printer named no-such-queue"));
  // The window refuses it the same way, before it opens.
  const CommandResult window = d.run("--printer no-such-queue gui --screenshot " + shellQuote(d.file("shots").string()));
  EXPECT_EQ(window.exitCode, 1);
  EXPECT_TRUE(holds(window.err, "no printer named no-such-queue"));
  EXPECT_EQ(d.print("--set 7").exitCode, 2);
  EXPECT_FALSE(fs::exists(d.pdf));

  // The overlay's message, then the values that would have printed: a unit
  // or location the facility lacks is data, not a wrong command line (1).
  const std::string units = "the units are 1 North Wing, 2 South Wing, 3 Memory Care, 4 ";
  const std::string locations = "the locations are MDR Main Dining Room";
  const std::tuple<const char*, const char*, std::string> cases[] = {
      {"--unit 9", "mealcards: 9 Is NOT a Nursing Unit Number.", units},
      {"--location ' xyz'", "mealcards: XYZ Dining Location ABBREVIATION NOT FOUND.", locations},
  };
  for (const auto& [args, message, valid] : cases) {
    const CommandResult r = d.print(args);
    EXPECT_EQ(r.exitCode, 1) << args;
    EXPECT_TRUE(hasLine(r.err, message)) << r.err;
    EXPECT_TRUE(holds(r.err, valid));
    EXPECT_FALSE(fs::exists(d.pdf)) << args;
  }
  // With printing by dining location off, the location range does not
  // apply: said in the window's words, with how to turn it on.
  const CommandResult all = d.print("--location mdr");
  EXPECT_EQ(all.exitCode, 0) << all.err;
  EXPECT_TRUE(holds(all.err, "\"PR by Din Loc:\" (Print by Dining Location, in the main window's Selection group) is "
                             "not ticked, so the cards of every dining location were printed"));
  EXPECT_EQ(all.err.find("Check2"), std::string::npos) << all.err;
  EXPECT_EQ(d.print("--unit 2 --just").exitCode, 2);
  EXPECT_EQ(d.print("--location").exitCode, 2);

  const fs::path settings = d.dnv("setup/Mcardset.MGC");
  // Printing by dining location on in set 1, so that the location range applies.
  patchFile(settings, 26, "1");
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
  EXPECT_TRUE(hasLine(unit.err, "mealcards: South Wing [Yes]")) << unit.err;
  EXPECT_TRUE(hasLine(unit.err, "mealcards: Print One NUnit 2 \u2014 Tray Cards, set 1")) << unit.err;
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
    const std::string stop = std::string(signal) == "INT" ? "stopped by Ctrl-C" : std::string("stopped by SIG") + signal;
    EXPECT_TRUE(holds(r.err, stop));
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
    if (!pdfs.empty()) {
      EXPECT_EQ(pdfPages(d.dnv("output/cards/" + pdfs.back() + ".pdf")).size(), 1u) << signal;
    }
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
  EXPECT_TRUE(holds(waiting.err, "stopped while waiting for another run"));
  EXPECT_FALSE(fs::exists(d.pdf));
  EXPECT_EQ(temporaryFiles(d.scratch.root()), std::vector<std::string>{});
}


const std::string kQueueScript = std::string(MEALCARDS_SOURCE_DIR) + "/tools/cups-test-queue.sh";

class PrintQueue : public ::testing::Test {
 protected:
  void SetUp() override {
    if (geteuid() != 0 || !fs::exists("/usr/sbin/cupsd") || !fs::exists("/usr/lib/cups/backend/cups-pdf"))
      GTEST_SKIP() << "needs root, cups and printer-driver-cups-pdf";
    const CommandResult r = runShell(shellQuote(kQueueScript) + " start " + shellQuote(queueDir().string()));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    server_ = r.out.substr(0, r.out.find('\n'));
    started_ = true;
  }
  void TearDown() override {
    if (started_) runShell(shellQuote(kQueueScript) + " stop " + shellQuote(queueDir().string()));
  }

  fs::path queueDir() const { return t_.root() / "cups"; }
  std::string environment() const { return "CUPS_SERVER=" + shellQuote(server_); }

  // The PDF files the queue has finished, once `count` of them are there
  // and the queue is idle (or after a minute).
  std::set<fs::path> waitForJobs(size_t count) const {
    std::set<fs::path> files;
    for (int i = 0; i < 600; ++i) {
      files.clear();
      for (const auto& e : fs::directory_iterator(queueDir() / "out"))
        if (e.path().extension() == ".pdf") files.insert(e.path());
      const CommandResult pending = runShell(environment() + " lpstat -o");
      if (files.size() >= count && pending.out.empty()) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return files;
  }

  TempDrives t_;
  std::string server_;
  bool started_ = false;
};

TEST_F(PrintQueue, EveryResidentPageIsAJobOfItsOwn) {
  const Demo d("--units 1 --residents 3");
  const CommandResult printed = d.run("--date 12-07-26 --printer mealcards-test print", environment());
  ASSERT_EQ(printed.exitCode, 0) << printed.err;
  const std::set<fs::path> jobs = waitForJobs(3);
  ASSERT_EQ(jobs.size(), 3u) << printed.err;
  std::set<std::string> names;
  for (const fs::path& job : jobs) {
    EXPECT_EQ(runShell("qpdf --show-npages " + shellQuote(job.string())).out, "1\n") << job;
    const std::string text = runShell("pdftotext " + shellQuote(job.string()) + " -").out;
    for (const char* name : {"Resident1, Demo", "Resident2, Demo", "Resident3, Demo"})
      if (text.find(name) != std::string::npos) names.insert(name);
  }
  EXPECT_EQ(names.size(), 3u) << "each job holds one resident's page";
  // (A PDF chosen for the run opens no queue: PrintingDevices.AChosenPdfStaysForTheProgramRun.)
}

// Lines of text that hold `part`.
int linesWith(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t at = 0; (at = text.find(part, at)) != std::string::npos; at += part.size()) ++n;
  return n;
}

TEST_F(PrintQueue, TheQueuesAnswerIsTheRunsARefusalOrAHeldJobIsAFailedOutputByName) {
  const Demo d("--units 1 --residents 3");
  const std::string queue = " mealcards-test";
  const auto print = [&] { return d.run("--date 12-07-26 --printer mealcards-test print", environment()); };

  ASSERT_EQ(runShell(environment() + " cupsreject -r 'out of card stock'" + queue).exitCode, 0);
  const CommandResult refused = print();
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_TRUE(holds(refused.err, "the printer mealcards-test: the queue does not accept jobs (out of card stock)"));
  EXPECT_TRUE(holds(refused.err, "0 residents printed"));
  EXPECT_EQ(runShell(environment() + " lpstat -W all -o").out, "") << "no job reached the queue";

  // The scheduler takes every job but holds it: no card comes out, and
  // each is named by its page and resident.
  ASSERT_EQ(runShell(environment() + " cupsaccept" + queue + " && " + environment() + " lpadmin -p" + queue +
                     " -o job-hold-until-default=indefinite").exitCode, 0);
  const CommandResult held = print();
  EXPECT_EQ(held.exitCode, 1);
  for (const char* job : {"page 1 (unit 1 bed 1 G000001 (1-1 Resident1, Demo)): held by the print service",
                          "page 2 (unit 1 bed 2 G000002 (1-2 Resident2, Demo)): held by the print service",
                          "page 3 (unit 1 bed 3 G000003 (1-3 Resident3, Demo)): held by the print service"})
    EXPECT_EQ(linesWith(held.err, std::string("output failed: the printer mealcards-test: ") + job), 1)
        << job << "\n" << held.err;
}

TEST_F(PrintQueue, JobsAServiceStoppedMidRunNeverTookAreNamedEachAndTheRestArrive) {
  const Demo d("--units 2 --residents 30");
  const fs::path spool = queueDir() / "spool";
  // The service is stopped once it has taken three jobs of the run.
  const CommandResult r = runShell(
      environment() + " env -u MEALCARDS_DRIVES -u DISPLAY " + shellQuote(MEALCARDS_BINARY) + " " + d.drives() +
      "--date 12-07-26 --printer mealcards-test print & pid=$!; for i in $(seq 1200); do " +
      "[ $(ls " + shellQuote(spool.string()) + " | grep -c '^c') -ge 3 ] && break; sleep 0.02; done; kill $(cat " +
      shellQuote((queueDir() / "cupsd.pid").string()) + "); wait $pid");
  EXPECT_EQ(r.exitCode, 1) << r.err;
  int taken = 0;
  for (const auto& e : fs::directory_iterator(spool)) taken += e.path().filename().string()[0] == 'c';
  const int lost = linesWith(r.err, "the print service cannot be reached");
  EXPECT_GE(taken, 3);
  EXPECT_GE(lost, 1) << r.err;
  // Every page of the run is a job the scheduler took or a job named lost.
  // The one job in flight when the service died may be both: its control
  // file was written but the answer never came, so it is named lost (a card
  // printed twice rather than none).
  const size_t pages = r.err.find(" pages)");
  ASSERT_NE(pages, std::string::npos) << r.err;
  const size_t number = r.err.rfind(' ', pages - 1) + 1;
  const int printed = std::stoi(r.err.substr(number, pages - number));
  EXPECT_GE(taken + lost, printed) << r.err;
  EXPECT_LE(taken + lost, printed + 1) << r.err;
}

}  // namespace
}  // namespace mc::test
