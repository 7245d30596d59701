#include "printrun/run_report_json.h"

#include <string>
#include <vector>

#include "data/text.h"

namespace mc {

namespace {

std::string utf8(std::string_view cp1252) { return cp1252ToUtf8(cp1252); }

std::string array(const std::vector<std::string>& items) {
  std::string out = "[";
  for (const std::string& item : items) out += (out.size() > 1 ? "," : "") + item;
  return out + "]";
}

// One member per line reads well at the top level; the items of a list
// stay on one line each.
std::string oneLine(const JsonObject& o) {
  std::string out;
  for (char ch : o.str())
    if (ch != '\n') out += ch;
  return out;
}

}  // namespace

JsonObject runReportJson(const RunReport& report, int exitStatus) {
  std::vector<std::string> units;
  for (const UnitTally& t : report.units) {
    std::vector<std::string> files;
    for (const auto& [unit, file] : report.printedResidents())
      if (unit == t.unit) files.push_back(jsonQuote(utf8(file)));
    units.push_back(oneLine(JsonObject()
                                .number("unit", t.unit)
                                .number("residents", static_cast<long long>(files.size()))
                                .number("cards", t.cards)
                                .number("pages", t.pages)
                                .raw("files", array(files))));
  }
  std::vector<std::string> leftOut;
  for (const LeftOutResident& l : report.leftOut)
    leftOut.push_back(oneLine(JsonObject()
                                  .number("unit", l.unit)
                                  .number("bed", l.place)
                                  .text("file", utf8(l.file))
                                  .text("name", utf8(l.name))
                                  .text("reason", reasonText(l.reason))
                                  .text("by", isFault(l.reason) ? "fault" : "rule")
                                  .text("detail", utf8(l.detail))));
  std::vector<std::string> warnings;
  for (const CardWarning& w : report.warnings)
    warnings.push_back(oneLine(JsonObject()
                                   .number("unit", w.unit)
                                   .number("bed", w.place)
                                   .text("file", utf8(w.file))
                                   .text("name", utf8(w.name))
                                   .text("warning", utf8(w.warning))));
  std::vector<std::string> problems;
  for (const RunProblem& p : report.problems)
    problems.push_back(
        oneLine(JsonObject().text("file", utf8(p.file)).text("what", utf8(p.what)).text("where", utf8(p.where))));
  std::vector<std::string> failed;
  for (const OutputFailure& f : report.failedOutputs)
    failed.push_back(oneLine(JsonObject().text("file", utf8(f.output)).text("what", utf8(f.reason))));

  JsonObject out;
  out.raw("printed", oneLine(JsonObject()
                                 .number("residents", static_cast<long long>(report.printedResidents().size()))
                                 .number("cards", report.cards())
                                 .number("pages", report.pages())))
      .raw("units", array(units))
      .raw("left_out", array(leftOut))
      .raw("warnings", array(warnings))
      .raw("problems", array(problems))
      .raw("failed_outputs", array(failed))
      .number("exit", exitStatus);
  return out;
}

}  // namespace mc
