// What a print run did, for whoever started it: the command line prints
// its summary and takes its exit code from it, the window shows it, and a
// pre-flight check fills the same shape without printing. The run says
// here everything it would otherwise leave to silence: residents it left
// out and why, cards it drew with a warning, outputs that failed.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "data/file_problems.h"

namespace mc {

// Why a resident got no card. The rules are the facility's printing policy;
// the faults are the files'.
enum class LeftOutReason {
  // ---- by rule ----
  Hospital,        // marked H (hospital) or O (out on pass)
  SelectFilter,    // select / non-select filter of the settings
  NoTray,          // diet code 98 or 99, or a meal marked "X" where no page may lack one
  NotInPasses,     // no dining-location pass or diet category of the run took them
  // ---- by fault ----
  NoDataFile,      // the roster names a resident file that is not there
  UnreadableFile,  // the resident file is there and cannot be read
  NoFileName,      // a roster row with a name and no file name, or one no file can have
  NoRoster,        // the unit has no roster (or meal-order file): nobody of it was visited
  UnreadableRoster,  // the roster (or meal-order file) is there and cannot be read
  DamagedFile,     // a data file whose shape is wrong
};

bool isFault(LeftOutReason reason);
// "hospital or out on pass", "no data file" ...
const char* reasonText(LeftOutReason reason);
// "unit 2 bed 4 RS00204 (202-B Nakamura, Yuki)"; unit 0 is the tray line.
std::string residentPlace(int unit, int place, const std::string& file, const std::string& name);

// Unit 0 stands for the tray line of a run by meal order, which runs
// through every unit; its places are places in the line, not beds.
struct LeftOutResident {
  int unit = 0;
  int place = 0;          // bed, or place in the tray line; 0 for a whole unit
  std::string file;       // resident file name (Windows-1252), "" for a whole unit
  std::string name;       // name line when the file was read, else ""
  LeftOutReason reason = LeftOutReason::NoDataFile;
  std::string detail;     // the path concerned, or what was wrong
};

struct CardWarning {
  int unit = 0;
  int place = 0;
  std::string file;
  std::string name;
  std::string warning;    // ">>Review<<", "Missing Dining Location", "ERROR Printing Tray Card" ...
};

struct OutputFailure {
  std::string output;     // "out.pdf", "the printer Kitchen", a file path
  std::string reason;
};

// A file the run needed and could not use as it should: a shared file
// (name table, diet file, dining location file, menu and item files,
// settings, pictures folder) missing, unreadable or damaged, a picture that
// could not be drawn, a resident file that could not be read. The cards
// drawn without what it held are incomplete; a damaged file's cards carry
// ">>Review<<".
struct RunProblem {
  std::string file;   // the Windows path as the data names it, or the output
  std::string what;   // "is missing: no card lists likes ...", "is cut short inside record 3"
  std::string where;  // its place on this machine, "" when it is the path itself
  std::string shown() const { return where.empty() ? file : file + " (" + where + ")"; }
};

struct UnitTally {
  int unit = 0;
  int cards = 0;          // cards drawn for the unit's residents
  int pages = 0;          // pages finished (user cards share theirs)
};

enum class RunEnd {
  Finished,      // the run went through
  NotStarted,    // a question before the first card was answered No, or the date not confirmed
  Cancelled,     // stopped on request (Exit answered Yes, Ctrl-C, Cancel)
  Refused,       // another run was going on
};

// What becomes of the program once the run is over; the run only says so,
// whoever started it acts on it.
enum class AfterRun {
  StaysOpen,
  // A run over several residents that printed: the Exit button's action,
  // which saves the settings and ends the program without a question.
  ExitAction,
  // An automatic run (the auto-print marker) once its card is out: the
  // program ends and the job goes out as it does.
  Ends,
};

class RunReport {
 public:
  RunEnd end = RunEnd::Finished;
  AfterRun afterRun = AfterRun::StaysOpen;
  bool walkThrough = false;  // drawn on the screen only
  std::vector<UnitTally> units;
  std::vector<LeftOutResident> leftOut;
  std::vector<CardWarning> warnings;
  std::vector<OutputFailure> failedOutputs;
  // The run's one list of problems: each file once, in the order met.
  std::vector<RunProblem> problems;
  // Told of each problem as it joins the list (the command line names it
  // on stderr at once); set by whoever watches the run.
  std::function<void(const RunProblem&)> onProblem;

  // ---- filled by the run ----
  void countCard(int unit);
  void countPage(int unit);
  // A resident refused by a rule or a fault. A resident refused by one
  // pass and taken by another is not left out: printed() forgets them.
  void leaveOut(LeftOutResident resident);
  // The resident file got a card; an earlier refusal of it is dropped.
  void printed(int unit, const std::string& file);
  void warn(CardWarning warning);
  void outputFailed(std::string output, std::string reason);
  // Named once however often the run reads it: a file already on the list
  // is not added again. False when it was there.
  bool problem(RunProblem problem);
  bool problem(const FileProblem& problem) { return this->problem({problem.path, problem.detail, problem.where}); }
  // Problems met before the run (at start-up) lead the list, those of
  // them the run met too in their place.
  void problemsMetBefore(const std::vector<RunProblem>& before);
  void fileDamaged(const std::string& path, const std::string& damage) {
    if (!damage.empty()) problem({path, damage, ""});
  }

  // ---- read by whoever started the run ----
  int cards() const;
  int pages() const;
  int faults() const;  // residents left out by fault
  // The residents that got cards, unit and file, in the order of the run.
  const std::vector<std::pair<int, std::string>>& printedResidents() const { return printed_; }
  // Anything that made the run less than complete: residents left out by
  // fault, cards with a warning, failed outputs, problems.
  bool hasProblems() const;
  // The exit status the run calls for on the command line: 1 for an output
  // not written completely, 4 for a run with problems, else 0 (the caller
  // decides about runs that printed nothing or were stopped).
  int exitStatus() const;
  // Lines for people: one per unit, per resident left out, per warning,
  // per failed output, then a last line with the totals.
  std::vector<std::string> summary() const;

 private:
  UnitTally& tally(int unit);
  std::vector<std::pair<int, std::string>> printed_;
};

}  // namespace mc
