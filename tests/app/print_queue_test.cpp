// Printing to a real print queue: a private cupsd with a cups-pdf queue
// (tools/cups-test-queue.sh) takes the jobs as an ordinary printer would,
// one job per resident page, and turns each into a PDF file we can read.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

#include "support/demo.h"

namespace fs = std::filesystem;

namespace mc::test {
namespace {

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
