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

TEST_F(PrintQueue, EveryResidentPageIsAJobOfItsOwnAndAPdfDriverGetsOneDocument) {
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

  const CommandResult driver =
      d.run("--date 12-07-26 --pdf " + shellQuote(d.pdf.string()) + " print", environment());
  ASSERT_EQ(driver.exitCode, 0) << driver.err;
  EXPECT_TRUE(qpdfChecks(d.pdf));
  EXPECT_EQ(runShell("qpdf --show-npages " + shellQuote(d.pdf.string())).out, "3\n");
  EXPECT_EQ(waitForJobs(3).size(), 3u) << "the PDF driver sent nothing to the queue";
}

}  // namespace
}  // namespace mc::test
