// mealcards check [--set N] [--json]: the pre-flight check. Start-up and
// then Print ALL (or settings button N and Print) walked with nothing
// printed and nothing written, and what it found: text for people, JSON
// for programs; exit 3 when anything was found.
#include <iostream>
#include <string>

#include "app_context.h"
#include "data/json_writer.h"
#include "data/text.h"
#include "offscreen_application.h"
#include "printrun/print_run.h"
#include "ui/preflight.h"
#include "ui/program_startup_steps.h"

namespace mc::app {

namespace {

inline constexpr int kExitFound = 3;

// Start-up as the program runs it, but without its preview run and without
// acting on the auto-print marker: the check is about the print to come.
class CheckSteps : public ProgramStartupSteps {
 public:
  void PrintRun(Controller&) override {}
  bool ActsOnAutoPrint() const override { return false; }
};

class StartupFindings : public FileProblems {
 public:
  void report(const FileProblem& problem) override { found.push_back(problem); }
  std::vector<FileProblem> found;
};

std::string utf8(std::string_view cp1252) { return cp1252ToUtf8(cp1252); }

std::string jsonArray(const std::vector<std::string>& items) {
  std::string out = "[";
  for (const std::string& item : items) out += (out.size() > 1 ? "," : "") + item;
  return out + "]";
}

std::string compact(const JsonObject& o) {
  std::string s = o.str();
  std::string out;
  for (char ch : s)
    if (ch != '\n') out += ch;
  return out;
}

std::string toJson(const PreflightReport& r) {
  JsonObject settings;
  for (const auto& [label, value] : r.settings) settings.text(label, utf8(value));

  std::vector<std::string> units;
  for (const UnitTally& t : r.run.units) {
    std::vector<std::string> files;
    for (const std::string& f : r.residentsOf(t.unit)) files.push_back(jsonQuote(utf8(f)));
    units.push_back(compact(JsonObject()
                                .number("unit", t.unit)
                                .raw("residents", jsonArray(files))
                                .number("cards", t.cards)
                                .number("pages", t.pages)));
  }
  std::vector<std::string> leftOut;
  for (const LeftOutResident& l : r.run.leftOut)
    leftOut.push_back(compact(JsonObject()
                                  .number("unit", l.unit)
                                  .number("place", l.place)
                                  .text("file", utf8(l.file))
                                  .text("name", utf8(l.name))
                                  .text("reason", reasonText(l.reason))
                                  .boolean("fault", isFault(l.reason))
                                  .text("detail", utf8(l.detail))));
  std::vector<std::string> warnings;
  for (const CardWarning& w : r.run.warnings)
    warnings.push_back(compact(JsonObject()
                                   .number("unit", w.unit)
                                   .number("place", w.place)
                                   .text("file", utf8(w.file))
                                   .text("name", utf8(w.name))
                                   .text("warning", utf8(w.warning))));
  std::vector<std::string> files;
  for (const FileProblem& p : r.files)
    files.push_back(compact(
        JsonObject().text("path", utf8(p.path)).text("problem", faultText(p.fault)).text("detail", utf8(p.detail))));

  return JsonObject()
      .text("action", utf8(r.action))
      .number("findings", r.findings())
      .raw("settings", compact(settings))
      .raw("units", jsonArray(units))
      .number("cards", r.run.cards())
      .number("pages", r.run.pages())
      .raw("leftOut", jsonArray(leftOut))
      .raw("warnings", jsonArray(warnings))
      .raw("files", jsonArray(files))
      .str();
}

int runCheck(const GlobalOptions& options, const std::vector<std::string>& args) {
  int setNo = 0;
  bool json = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--json") {
      json = true;
    } else if (args[i] == "--set" && i + 1 < args.size()) {
      const std::string& value = args[++i];
      const double n = leadingNumber(value);
      if (n < 1 || n > 6 || n != static_cast<int>(n) || trim(value) != bareNumber(n))
        return usageError("--set takes a settings button number 1 to 6");
      setNo = static_cast<int>(n);
    } else {
      return usageError("check takes --set N and --json");
    }
  }
  if (options.pdf || options.printer || options.trace)
    return usageError("check prints nothing: --pdf, --printer and --trace do not go with it");

  const auto gui = offscreenApplication();
  auto context = AppContext::create(options);
  if (!context) return kExitFailed;
  Controller& c = context->controller;
  // From the first step on, nothing reaches the disk.
  c.drives.setDryRun(true);
  StartupFindings startup;
  c.drives.setProblems(&startup);
  if (options.date) context->dialogs.answerInput(kConfirmDateTitle, utf8ToCp1252(*options.date));

  CheckSteps steps;
  const StartupOutcome outcome = context->startUp(steps);
  if (outcome == StartupOutcome::NoSetupFile || outcome == StartupOutcome::NoDefaultRoster)
    return context->reportStop(outcome);

  PreflightReport report = Preflight(c, setNo, context->dialogs);
  for (const FileProblem& p : startup.found) {
    bool seen = false;
    for (const FileProblem& q : report.files) seen = seen || (q.path == p.path && q.fault == p.fault);
    if (!seen) report.files.push_back(p);
  }
  if (json) {
    std::cout << toJson(report);
  } else {
    for (const std::string& line : report.text()) std::cout << utf8(line) << '\n';
  }
  return report.findings() > 0 ? kExitFound : kExitOk;
}

const CommandRegistration check("check",
                                "check [--set N] [--json]\n"
                                "                       what Print ALL (or settings button N, then Print) would\n"
                                "                       print, leave out and warn about; nothing is printed or\n"
                                "                       written; exit 3 when anything was found",
                                &runCheck);

}  // namespace

}  // namespace mc::app
