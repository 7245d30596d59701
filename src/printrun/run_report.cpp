#include "printrun/run_report.h"

#include <algorithm>

namespace mc {

bool isFault(LeftOutReason reason) {
  switch (reason) {
    case LeftOutReason::Hospital:
    case LeftOutReason::SelectFilter:
    case LeftOutReason::NoTray:
    case LeftOutReason::NotInPasses:
      return false;
    case LeftOutReason::NoDataFile:
    case LeftOutReason::UnreadableFile:
    case LeftOutReason::NoFileName:
    case LeftOutReason::NoRoster:
    case LeftOutReason::UnreadableRoster:
    case LeftOutReason::DamagedFile:
      return true;
  }
  return true;
}

const char* reasonText(LeftOutReason reason) {
  switch (reason) {
    case LeftOutReason::Hospital: return "hospital or out on pass";
    case LeftOutReason::SelectFilter: return "select filter";
    case LeftOutReason::NoTray: return "no tray";
    case LeftOutReason::NotInPasses: return "in none of the run's dining locations or diet categories";
    case LeftOutReason::NoDataFile: return "no data file";
    case LeftOutReason::UnreadableFile: return "data file cannot be read";
    case LeftOutReason::NoFileName: return "roster row without a usable file name";
    case LeftOutReason::NoRoster: return "no roster";
    case LeftOutReason::UnreadableRoster: return "roster cannot be read";
    case LeftOutReason::DamagedFile: return "damaged file";
  }
  return "";
}

std::string residentPlace(int unit, int place, const std::string& file, const std::string& name) {
  // Unit 0 is the tray line, which runs through every unit.
  std::string text = unit == 0 ? "tray line" : "unit " + std::to_string(unit);
  if (place > 0) text += (unit == 0 ? " place " : " bed ") + std::to_string(place);
  if (!file.empty()) text += " " + file;
  if (!name.empty()) text += " (" + name + ")";
  return text;
}

UnitTally& RunReport::tally(int unit) {
  auto it = std::find_if(units.begin(), units.end(), [&](const UnitTally& t) { return t.unit == unit; });
  if (it != units.end()) return *it;
  units.push_back({unit, 0, 0});
  return units.back();
}

void RunReport::countCard(int unit) { ++tally(unit).cards; }
void RunReport::countPage(int unit) { ++tally(unit).pages; }

void RunReport::leaveOut(LeftOutResident resident) {
  const auto same = [&](const LeftOutResident& r) {
    return r.unit == resident.unit && r.file == resident.file && r.place == resident.place;
  };
  // A whole unit, or a resident, is named once however many passes refuse it.
  if (std::any_of(leftOut.begin(), leftOut.end(), same)) return;
  if (!resident.file.empty() &&
      std::find(printed_.begin(), printed_.end(), std::pair{resident.unit, resident.file}) != printed_.end())
    return;
  leftOut.push_back(std::move(resident));
}

void RunReport::printed(int unit, const std::string& file) {
  const std::pair key{unit, file};
  if (std::find(printed_.begin(), printed_.end(), key) == printed_.end()) printed_.push_back(key);
  // Only a refusal by rule is undone by a later card: a fault stays named.
  std::erase_if(leftOut, [&](const LeftOutResident& r) {
    return r.unit == unit && r.file == file && !isFault(r.reason);
  });
}

void RunReport::warn(CardWarning warning) { warnings.push_back(std::move(warning)); }

void RunReport::outputFailed(std::string output, std::string reason) {
  failedOutputs.push_back({std::move(output), std::move(reason)});
}

bool RunReport::problem(RunProblem p) {
  if (p.what.empty()) return false;
  // The list is per file: the same file met again by the next card, or
  // reported again with other words, is the same problem.
  for (const RunProblem& q : problems)
    if (q.file == p.file) return false;
  problems.push_back(std::move(p));
  if (onProblem) onProblem(problems.back());
  return true;
}

void RunReport::problemsMetBefore(const std::vector<RunProblem>& before) {
  std::vector<RunProblem> all;
  for (const RunProblem& p : before) {
    if (p.what.empty()) continue;
    const auto same = [&](const RunProblem& q) { return q.file == p.file; };
    if (std::none_of(all.begin(), all.end(), same) && std::none_of(problems.begin(), problems.end(), same))
      all.push_back(p);
  }
  for (RunProblem& p : problems) all.push_back(std::move(p));
  problems = std::move(all);
}

int RunReport::cards() const {
  int n = 0;
  for (const UnitTally& t : units) n += t.cards;
  return n;
}

int RunReport::pages() const {
  int n = 0;
  for (const UnitTally& t : units) n += t.pages;
  return n;
}

int RunReport::faults() const {
  return static_cast<int>(std::count_if(leftOut.begin(), leftOut.end(),
                                        [](const LeftOutResident& r) { return isFault(r.reason); }));
}

bool RunReport::hasProblems() const {
  return faults() > 0 || !warnings.empty() || !failedOutputs.empty() || !problems.empty();
}

int RunReport::exitStatus() const {
  if (!failedOutputs.empty()) return 1;
  return hasProblems() ? 4 : 0;
}

namespace {


std::string plural(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::vector<std::string> RunReport::summary() const {
  std::vector<std::string> lines;
  for (const UnitTally& t : units)
    lines.push_back((t.unit == 0 ? std::string("tray line") : "unit " + std::to_string(t.unit)) + ": " + plural(t.cards, "card", "cards") + ", " +
                    plural(t.pages, "page", "pages"));
  for (const LeftOutResident& r : leftOut) {
    std::string line = std::string(isFault(r.reason) ? "left out by fault: " : "left out: ") +
                       residentPlace(r.unit, r.place, r.file, r.name) + ": " + reasonText(r.reason);
    if (!r.detail.empty()) line += " " + r.detail;
    lines.push_back(line);
  }
  for (const CardWarning& w : warnings)
    lines.push_back("card with a warning: " + residentPlace(w.unit, w.place, w.file, w.name) + ": " + w.warning);
  for (const OutputFailure& f : failedOutputs) lines.push_back("output failed: " + f.output + ": " + f.reason);
  for (const RunProblem& p : problems) lines.push_back("problem: " + p.shown() + " " + p.what);

  std::string total = plural(static_cast<int>(printed_.size()), "resident", "residents") + " printed (" +
                      plural(cards(), "card", "cards") + ", " + plural(pages(), "page", "pages") + ")";
  if (!leftOut.empty())
    total += "; " + std::to_string(leftOut.size()) + " left out (" + std::to_string(faults()) + " by fault)";
  if (!warnings.empty()) total += "; " + plural(static_cast<int>(warnings.size()), "card", "cards") + " with a warning";
  if (!failedOutputs.empty())
    total += "; " + plural(static_cast<int>(failedOutputs.size()), "output", "outputs") + " failed";
  if (!problems.empty())
    total += "; " + plural(static_cast<int>(problems.size()), "problem", "problems") + " with files";
  if (end == RunEnd::Cancelled) total += "; stopped before the end";
  lines.push_back(total);
  return lines;
}

}  // namespace mc
