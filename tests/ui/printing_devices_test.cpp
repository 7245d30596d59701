// Where the controller prints: the output chosen for the program run, else
// the queue the settings name, opened again only when the name changes;
// and what a finished output leaves in the report.
#include <gtest/gtest.h>

#include <filesystem>

#include "printrun/scripted_dialogs.h"
#include "render/counting_surface.h"
#include "support/fixed_clock.h"
#include "support/resident_file.h"
#include "support/test_drives.h"
#include "ui/controller.h"

namespace mc {
namespace {

// Devices that log what is opened and finished; a queue refuses as many
// jobs as `refuse` said when it was opened, refuses runs while `refusal`
// says why, and holds every job while `hold` says why.
class LoggedDevices : public Devices {
 public:
  class Paper : public Output {
   public:
    Paper(LoggedDevices& d, std::string name, bool pdf) : d_(d), name_(std::move(name)), pdf_(pdf), refuse_(d.refuse) {}
    Surface& surface() override { return surface_; }
    Outcome refusal() override { return d_.refusal.empty() ? Outcome() : Failure{d_.refusal}; }
    void nameJobs(std::function<std::string(int pages)> owner) override { owner_ = std::move(owner); }
    std::vector<std::string> takeFailedJobs() override {
      std::vector<std::string> held;
      // Each page the run ended was a job.
      for (; jobs_ < surface_.counts.docs; ++jobs_)
        if (!d_.hold.empty()) held.push_back(owner_(1) + ": " + d_.hold);
      return held;
    }
    OutputOutcome finish() override {
      d_.log.push_back("finish " + name_);
      OutputOutcome out;
      out.pdf = pdf_;
      out.written = out.ok = true;
      out.jobs = 1;
      out.refusedJobs = refuse_;
      return out;
    }

   private:
    LoggedDevices& d_;
    std::string name_;
    bool pdf_;
    int refuse_;
    CountingSurface surface_{true};
    std::function<std::string(int)> owner_;
    int jobs_ = 0;
  };

  Dialogs& dialogs() override { return shown; }
  const PrinterList& printers() const override { return printers_; }
  Surface* screen() override { return nullptr; }
  std::unique_ptr<Output> openPrinter(const std::string& name) override {
    log.push_back("open " + name);
    return std::make_unique<Paper>(*this, name, false);
  }
  Result<std::unique_ptr<Output>> openPdf(const std::string& path) override {
    log.push_back("open " + std::filesystem::path(path).filename().string());
    return std::unique_ptr<Output>(std::make_unique<Paper>(*this, path, true));
  }

  std::vector<std::string> log;
  int refuse = 0;
  std::string refusal, hold;
  ScriptedDialogs shown;

 private:
  FixedPrinterList printers_{{"Kitchen", "Office"}, "Kitchen"};
};

class PrintingDevices : public ::testing::Test {
 protected:
  test::TempDrives t;
  LoggedDevices devices;
  test::FixedClock today;
  Controller c{t.drives(), devices, today};
};

TEST_F(PrintingDevices, TheSettingsPrinterIsOpenedOnceAndAgainOnlyWhenItsNameChanges) {
  c.model.PrinterName = "Kitchen";
  EXPECT_TRUE(c.followSettingsPrinter().ok());
  EXPECT_TRUE(devices.log.empty()) << "a program run that never prints opens no queue";

  ASSERT_EQ(c.startPrinting({}).error(), "");
  devices.refuse = 1;
  ASSERT_TRUE(c.followSettingsPrinter().ok());
  devices.refuse = 0;
  ASSERT_TRUE(c.followSettingsPrinter().ok());
  EXPECT_EQ(c.outputDescription(), "the printer Kitchen");
  ASSERT_NE(c.printer, nullptr);
  c.model.PrinterName = "Office";
  ASSERT_TRUE(c.followSettingsPrinter().ok());
  EXPECT_EQ(devices.log, (std::vector<std::string>{"open Kitchen", "finish Kitchen", "open Office"}));

  // The queue that refused a job is named when the program run ends.
  RunReport report;
  c.finishOutput(report);
  EXPECT_EQ(devices.log.back(), "finish Office");
  ASSERT_EQ(report.failedOutputs.size(), 1u);
  EXPECT_EQ(report.failedOutputs[0].output, "the printer Kitchen");
  EXPECT_EQ(report.failedOutputs[0].reason, "did not take 1 of 2 jobs");

  c.model.NoPrinters = true;
  c.model.PrinterName = "Kitchen";
  ASSERT_TRUE(c.followSettingsPrinter().ok());
  EXPECT_EQ(c.printer, nullptr);
}

// (An output that is no file is refused before anything opens: FailedWrites.)
TEST_F(PrintingDevices, AChosenPdfStaysForTheProgramRun) {
  ASSERT_EQ(c.startPrinting({(t.root() / "cards.pdf").string(), std::nullopt, std::nullopt}).error(), "");
  EXPECT_TRUE(c.run.PdfDriverForced);
  c.model.PrinterName = "Office";
  ASSERT_TRUE(c.followSettingsPrinter().ok());
  EXPECT_EQ(devices.log, std::vector<std::string>{"open cards.pdf"});
}

// What the run reports of a queue that takes no jobs or holds them, page and
// resident named: PrintQueue.TheQueuesAnswerIsTheRunsARefusalOrAHeldJobIsAFailedOutputByName.
// Here: what the window is told, and that a walk-through does not ask the queue.
TEST_F(PrintingDevices, TheWindowIsToldOfAQueueThatTakesNoJobsOrDidNotTakeSome) {
  c.facility = test::testFacility();
  c.facility.units = {{10, "North"}};
  t.putFile("c:\\dnv\\set\\setup\\keep", "");
  test::putResident(t, c.facility, 1, 1, {"Alpha"});
  for (int n = 1; n <= 8; ++n) c.model.Text[n] = "1";
  c.showFailedJobs = true;  // as the window does
  ASSERT_EQ(c.startPrinting({std::nullopt, "Kitchen", std::nullopt}).error(), "");

  devices.refusal = "out of card stock";
  EXPECT_EQ(c.print().end, RunEnd::Refused);
  ASSERT_FALSE(devices.shown.shown().empty());
  EXPECT_EQ(devices.shown.shown().back().text, "The printer Kitchen cannot print: out of card stock");
  devices.shown.clear();
  c.run.PreviewFlag = 1;
  EXPECT_NE(c.print().end, RunEnd::Refused);
  c.run.PreviewFlag = 0;

  devices.refusal.clear();
  devices.hold = "held";
  devices.shown.clear();
  c.print();
  ASSERT_FALSE(devices.shown.shown().empty());
  EXPECT_EQ(devices.shown.shown().back().text,
            "Not every card reached the printer:\r\nthe printer Kitchen: page 1 (unit 1 bed 1 R101XYZ (101 Alpha, Pat)): held");
}

}  // namespace
}  // namespace mc
