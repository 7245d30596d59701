#include "printrun/print_run.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "data/meal_order.h"
#include "data/meal_slots.h"
#include "data/resident_loader.h"
#include "data/text.h"
#include "printrun/diet_category.h"
#include "printrun/dining_locations.h"
#include "printrun/meal_order_file.h"
#include "printrun/menu_loader.h"
#include "printrun/pdf_backup.h"
#include "printrun/resident_selection.h"
#include "printrun/roster_check.h"
#include "printrun/run_paths.h"
#include "printrun/text_export.h"
#include "printrun/window_caption.h"
#include "render/card_renderer.h"
#include "render/page_recorder.h"
#include "render/user_card.h"
#include "settings/card_settings.h"
#include "settings/resident_load_options.h"

namespace mc {

const char* const kMultipleDaysMessage =
    "Meal Order is being Reset to BLS Because You are Printing More than One Menu Day.\r\n\r\n"
    "             Do You Want to Proceed ?";
const char* const kMultipleDaysTitle = "Multiple Menu Days Selected";
const char* const kByCategoryMessage =
    "By Meal Order being Reset to BLS.\r\nThis is necessary because By Diet Category is Checked.";
const char* const kConfirmDateTitle = "Confirm Card Date";

namespace {

constexpr const char* kPdfDrivers[] = {"DOCUPRINTER", "ADOBE PDF", "PDF995"};

// The "Next Res" button's place by the window layout of the setup style.
constexpr NextResPlace kNextResStyle1{5600, 8100};
constexpr NextResPlace kNextResOther{7600, 10200};

int16_t clamp16(int v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); }

// Every problem a reader meets during the run joins the run's list, and
// goes on to whoever listened before (the command line names it; a failed
// write of ours is kept there for the failed outputs).
class ProblemTap : public FileProblems {
 public:
  ProblemTap(DriveMap& drives, RunReport& report) : drives_(drives), report_(report), before_(drives.problems()) {
    drives_.setProblems(this);
  }
  ~ProblemTap() override { drives_.setProblems(before_); }
  ProblemTap(const ProblemTap&) = delete;
  ProblemTap& operator=(const ProblemTap&) = delete;
  void report(const FileProblem& problem) override {
    if (problem.fault != FileFault::WriteFailed) report_.problem(problem);
    if (before_) before_->report(problem);
  }

 private:
  DriveMap& drives_;
  RunReport& report_;
  FileProblems* const before_;
};

// What the passes of one meal order walk: the dining-location passes,
// the diet categories and the nursing units.
struct PassPlan {
  bool byMealOrder = false;
  bool byLocation = false;
  bool byCategory = false;
  int unitFirst = 1, unitLast = 1;
  CategoryRange categories{1, 1};
  std::vector<int> passNumbers;
  int catchAllPass = 0;
  // Passes whose location the dining file listed before in the range.
  std::set<int> listedBefore;
};

class PrintRun {
 public:
  explicit PrintRun(RunEnvironment& env)
      : env_(env),
        run_(env.run),
        model_(env.model),
        settings_(readCardSettings(env.model)),
        // A dry run (the pre-flight check) makes no backup: nothing of it
        // may reach the disk.
        backupOn_((settings_.Check40 || env.run.BackupForced) && !env.drives.dryRun()),
        backup_(env.drives, env.facility, env.host.tools().pictures, env.host.tools().merger, report_),
        printerPages_(recorder(env.host.printer())),
        screenPages_(recorder(&env.host.screen())),
        renderer_(env.facility, settings_, printerPages_ ? printerPages_.get() : env.host.printer(),
                  screenPages_ ? *screenPages_ : env.host.screen()),
        selection_(env, settings_, dining_, report_) {
    const CardTools tools = env.host.tools();
    renderer_.barCoder = tools.barCoder;
    if (tools.pictureLoader) renderer_.usePictures(env.drives, *tools.pictureLoader);
    renderer_.Warn = [this](const std::string& warning) { warnCard(warning); };
    if (!env_.tables) ownTables_ = InitTables(env_.drives, env_.facility);
    menus_.emplace(env_.drives, env_.facility, env_.tables ? *env_.tables : ownTables_);
  }

  RunReport go();

 private:
  // The report handed back: nobody listens to it any more.
  RunReport done() {
    report_.onProblem = nullptr;
    return std::move(report_);
  }
  // With the backup on, the surfaces the cards go to are recorded, so that
  // each finished page can be stored: the pages sent to the printer as well
  // as those printed to the screen, since a backup of the blank preview
  // would be worthless. Walk-throughs and user cards store nothing.
  std::unique_ptr<RecordingSurface> recorder(Surface* surface) const {
    if (!surface || !backupOn_ || run_.PreviewFlag != 0 || settings_.Option3) return nullptr;
    return std::make_unique<RecordingSurface>(*surface);
  }
  void storePage();
  int pageMeal() const;
  bool start();
  void sharedFiles();
  void fileProblem(const std::string& path, const std::string& why, const std::string& effect);
  bool confirmCardDate();
  void passes();
  void passLoops(int residentFirst, int residentLast);
  PassPlan planPasses(int residentFirst, int residentLast);
  void planProgress(const PassPlan& plan, int residentFirst, int residentLast);
  // The residents of one unit; false when the run was stopped.
  bool unitLoop(int unit, const PassRules& rules, int residentFirst, int residentLast);
  void residentStep(const PassRules& rules);
  void dayLoop();
  void drawCard();
  void printUserCard();
  void endOpenPage();
  void jobBreak();
  void finish();
  // The tally's unit: a tray line is one line through every unit.
  int reportUnit() const { return run_.MealOrder.empty() ? run_.UnitNo : 0; }
  void countCard();
  void countPage();
  void warnCard(const std::string& warning);

  Date cardDateFromWindow() const;
  bool onScreen() const { return run_.PreviewFlag != 0 || settings_.Check5; }
  bool walkThrough() const { return run_.PreviewFlag != 0; }
  bool userCards() const { return settings_.Option3; }
  // The user-defined cards' meal box of meal 1..3 ticked.
  bool userMealTicked(int meal) const {
    return meal == 1 ? settings_.Check7 : meal == 2 ? settings_.Check8 : meal == 3 && settings_.Check9;
  }
  bool stopped() {
    if (!cancelled_ && hooks().cancelRequested()) cancelled_ = true;
    return cancelled_;
  }
  RunHooks& hooks() { return env_.host.hooks(); }

  RunEnvironment& env_;
  RunReport report_;
  RunState& run_;
  SettingsModel& model_;
  // The settings as the run reads them; read again where the run or the
  // window writes into the model.
  CardSettings settings_;
  const bool backupOn_;
  PdfBackup backup_;
  std::unique_ptr<RecordingSurface> printerPages_;
  std::unique_ptr<RecordingSurface> screenPages_;
  DiningLocations dining_;
  CardRenderer renderer_;
  ResidentSelection selection_;
  FixedTables ownTables_;
  // The menu and item files, read once for the run's cards.
  std::optional<MenuLoader> menus_;
  TextCardWriter textCards_;

  RunRanges read_;
  bool singleResident_ = false;  // one unit and one resident
  // The run ends with the merged backup and the TIF files: it covers more
  // than one resident and more than one unit.
  bool runFiles_ = false;
  bool byDiningLocation_ = false;
  int workingResidentFirst_ = 1, workingResidentLast_ = 1;
  // A page on the printer that a card was drawn on and no DrawMenu ended.
  bool pageOpen_ = false;
  bool cancelled_ = false;
  double planned_ = 1, visited_ = 0;
};

RunReport PrintRun::go() {
  report_.walkThrough = walkThrough();
  report_.onProblem = [this](const RunProblem& p) { hooks().problem(p); };
  const ProblemTap tap(env_.drives, report_);
  if (!start()) {
    report_.end = RunEnd::NotStarted;
    return done();
  }
  dining_.read(env_.drives, env_.facility);
  sharedFiles();
  byDiningLocation_ = model_.ByDiningLocation;
  for (;;) {
    passes();
    if (stopped()) {
      report_.end = RunEnd::Cancelled;
      // The pages stored so far are written, and their failures named.
      backup_.finishPages();
      textCards_.close();
      return done();
    }
    const std::string rest = run_.MealOrderRest;
    run_.MealOrder = rest.substr(0, std::min<size_t>(3, rest.size()));
    run_.MealOrderRest = rest.size() > 3 ? rest.substr(3) : std::string();
    if (trim(run_.MealOrder).empty()) break;
    jobBreak();
  }
  finish();
  return done();
}

void PrintRun::fileProblem(const std::string& path, const std::string& why, const std::string& effect) {
  const auto host = env_.drives.hostPath(path);
  report_.problem({path, (why.empty() ? std::string("could not be read") : why) + ": " + effect,
                   host && host->string() != path ? host->string() : std::string()});
}

// The shared files every card draws on, looked at before the first card:
// a file the cards need and cannot have is named once, with what the
// cards go without, not left to show as silently incomplete cards.
void PrintRun::sharedFiles() {
  const Facility& f = env_.facility;
  const NameTable& names = f.names;
  if (!names.loaded)
    fileProblem(nameTablePath(f), env_.drives.absence(nameTablePath(f)),
                "the cards print without likes, dislikes, allergies, isolation and exclusions");
  report_.fileDamaged(names.path, names.damage);
  if (!dining_.exists())
    fileProblem(dining_.path(), env_.drives.absence(dining_.path()),
                "the cards print without dining locations and hydration lines");
  report_.fileDamaged(dining_.path(), dining_.damage());
  const DietFileCandidates diet = dietFilePaths(f, model_.AltFacCode);
  if (!env_.drives.fileExists(diet.preferred) && !env_.drives.fileExists(diet.facility) &&
      !env_.drives.fileExists(diet.fallback)) {
    std::string why = env_.drives.absence(diet.preferred);
    if (upper(diet.facility) != upper(diet.preferred)) why += ", and so is " + diet.facility;
    fileProblem(diet.preferred, why + " (" + diet.fallback + " " + env_.drives.absence(diet.fallback) + ")",
                "the cards print without meal patterns and portions");
  }
  const std::string pictures = f.folder(35) + "\\vod";
  if (!env_.drives.folderExists(pictures))
    fileProblem(pictures, env_.drives.exists(pictures) ? "is not a folder" : "is missing",
                "the cards print without symbols, watermark and photographs");
}

bool PrintRun::start() {
  run_.MealOrder = settings_.Text20.text();
  run_.TextCardFile = textCardFilePath(env_.facility);
  if (env_.facility.MakeTextFile) PrepareTextCardFolder(env_.drives, run_.TextCardFile);
  if (userCards() && env_.host.printer()) {
    env_.host.printer()->CurrentX = 0;
    env_.host.printer()->CurrentY = 0;
    env_.host.printer()->SetPaper(kPaperLetter, kPortrait);
  }
  run_.CardsInJob = 0;
  run_.UserMealNo = 1;
  run_.PdfDriver = run_.PdfDriverForced ||
                   isPdfDriverName(run_.PrinterOverride.empty() ? model_.PrinterName : run_.PrinterOverride);

  const CardSettings& s = settings_;
  read_ = {s.Text1, s.Text2, s.Text3, s.Text4, s.Text5, s.Text6, s.Text7, s.Text8};
  singleResident_ = read_.unitFirst == read_.unitLast && read_.residentFirst == read_.residentLast;
  const bool severalDays = read_.dayFirst != read_.dayLast;
  runFiles_ = !singleResident_ && read_.unitFirst != read_.unitLast;
  if (backupOn_) backup_.PrepareTIF(model_.CardKind, model_.CallMode == callmode::QuickRun, runFiles_);

  if (model_.CallMode == callmode::QuickRun) {
    model_.CallMode = callmode::None;
    // A quick run asks nothing; over several menu days it prints without
    // the meal order, as the question would have made it.
    if (severalDays) run_.MealOrder.clear();
  } else {
    model_.CurrentSet = 1;
    env_.settingsFile.SaveSet(model_);
    model_.CallMode = callmode::None;
    hooks().rangesRead(read_);
    settings_ = readCardSettings(model_);

    if (!run_.MealOrder.empty() && severalDays) {
      const Answer answer = env_.host.dialogs().message(kMultipleDaysMessage, Buttons::YesNoCancel, kMultipleDaysTitle);
      run_.MealOrder.clear();
      if (answer != Answer::Yes) return false;
    }
    if (settings_.Check12 && !confirmCardDate()) return false;
  }

  // "By meal" is the three one-meal orders in turn; a quick run splits it
  // too, so that no order reaches the tray line that names no meal.
  if (MealOrder::parse(run_.MealOrder).byMeal()) {
    run_.MealOrder = "BBB";
    run_.MealOrderRest = "LLLSSS";
  } else {
    run_.MealOrderRest.clear();
  }
  return true;
}

Date PrintRun::cardDateFromWindow() const {
  std::string text = settings_.Text15;
  // The check reads numbers the way people type them and lets through
  // text such as "06-26-\n6" that is no date: the setup date serves then.
  if (!CheckDate(text) || !parseMmDdYy(text)) text = env_.facility.SetupValues[1];
  if (auto date = parseMmDdYy(text)) return *date;
  // A setup date that is no date at all: the cards carry today's.
  return env_.host.clock().now().date;
}

bool PrintRun::confirmCardDate() {
  run_.CardDate = cardDateFromWindow();
  computeWeekday(run_);
  const std::string shown = formatMmDdYy(run_.CardDate);
  const auto answer = env_.host.dialogs().input(
      "Start Date on Cards will be " + std::string(kWeekdayNames[run_.WeekdayNo]) + " " + shown,
      kConfirmDateTitle, shown);
  // An answer that is no date ends the run like a cancel: a card must
  // never carry a date the user did not confirm.
  if (!answer || !SetDt(run_, *answer)) return false;
  model_.Text[15] = formatMmDdYy(run_.CardDate);
  settings_ = readCardSettings(model_);
  computeWeekday(run_);
  return true;
}

void PrintRun::passes() {
  run_.Step = model_.LoopStep < 0 ? -1 : 1;
  int residentFirst = read_.residentFirst, residentLast = read_.residentLast;
  if (singleResident_) {
    run_.MealOrder.clear();
    run_.MealOrderRest.clear();
    run_.Step = 1;
  }
  if (!run_.MealOrder.empty() && settings_.Check1) {
    env_.host.dialogs().message(kByCategoryMessage, Buttons::Ok);
    run_.MealOrder.clear();
    run_.MealOrderRest.clear();
  }
  if (!run_.MealOrder.empty()) {
    MealOrderRequest request;
    request.MealOrder = run_.MealOrder;
    request.firstLocation = read_.locationFirst;
    request.lastLocation = read_.locationLast;
    request.firstUnit = read_.unitFirst;
    request.lastUnit = read_.unitLast;
    request.firstResident = read_.residentFirst;
    request.lastResident = read_.residentLast;
    request.showCaption = [this](const std::string& caption) { hooks().progress({caption, 0, 0, 0, 0}); };
    const ResidentRange range = MakeDLF(env_.drives, env_.facility, request);
    // A tray line that could not be written whole would print the old one,
    // or a short one: nothing is printed (the drive map named the file).
    if (!range.written) {
      cancelled_ = true;
      return;
    }
    for (const ListedAgain& l : range.listedAgain)
      report_.leaveOut({l.unit, l.bed, l.file, "", LeftOutReason::DamagedFile,
                        rosterPath(env_.facility, l.unit) + listedAgainText(l.firstUnit, l.firstBed)});
    // The assembly's range ends one past the last tray; the run stops at
    // the last one, so that back to front the first page is a full one.
    residentFirst = range.first;
    residentLast = range.last - 1;
  }

  for (run_.UserMealNo = 1;; ++run_.UserMealNo) {
    if (!userCards() || userMealTicked(run_.UserMealNo)) passLoops(residentFirst, residentLast);
    if (stopped()) return;
    if (userCards() && run_.CardsInJob > 0) {
      jobBreak();
      run_.CardsInJob = 0;
      countPage();
    }
    if (!userCards() || run_.UserMealNo >= 3) break;
  }
  model_.CallMode = 1;
}

PassPlan PrintRun::planPasses(int residentFirst, int residentLast) {
  PassPlan plan;
  plan.byMealOrder = !run_.MealOrder.empty();
  plan.byLocation = byDiningLocation_ && !singleResident_;
  plan.byCategory = settings_.Check1 && !singleResident_;
  int locationFirst = 1, locationLast = 1;
  if (plan.byLocation && !plan.byMealOrder) {
    locationFirst = read_.locationFirst;
    locationLast = read_.locationLast;
  }
  if (plan.byCategory && !plan.byMealOrder) plan.categories = categoryRange(model_.List2);
  if (!plan.byMealOrder) {
    plan.unitFirst = read_.unitFirst;
    plan.unitLast = std::min(read_.unitLast, env_.facility.unitCount());
  }

  // Over several locations a last pass takes the residents whose location
  // the dining file does not list. Back to front it comes first, as the
  // reverse of the forward order.
  for (int p = locationFirst; p <= locationLast; ++p) plan.passNumbers.push_back(p);
  if (plan.byLocation && !plan.byMealOrder && locationLast > locationFirst) {
    plan.catchAllPass = locationLast + 1;
    plan.passNumbers.push_back(plan.catchAllPass);
  }
  const bool oneDay = settings_.Text5 >= settings_.Text6;
  if (run_.Step < 0 && locationFirst == locationLast && oneDay && residentFirst == residentLast) run_.Step = 1;
  if (run_.Step < 0) std::reverse(plan.passNumbers.begin(), plan.passNumbers.end());

  // A location the dining file lists again, like a second blank record,
  // would print its residents twice: only its first record makes a pass,
  // whichever way the run goes.
  if (plan.byLocation) {
    std::set<std::string> abbreviations;
    for (int p = locationFirst; p <= locationLast; ++p) {
      const std::string abbr = dining_.abbreviation(p);
      if (!abbreviations.insert(trim(abbr).empty() ? std::string() : abbr).second) plan.listedBefore.insert(p);
    }
  }
  return plan;
}

// How many resident visits the plan makes, for the progress shown.
void PrintRun::planProgress(const PassPlan& plan, int residentFirst, int residentLast) {
  planned_ = 0;
  visited_ = 0;
  for (int u = plan.unitFirst; u <= plan.unitLast; ++u) {
    const NursingUnit* unit = env_.facility.unit(u);
    const int last = plan.byMealOrder || !unit ? residentLast : std::min(residentLast, unit->maxBeds);
    planned_ += std::max(0, last - residentFirst + 1);
  }
  planned_ *= static_cast<double>(plan.passNumbers.size()) * (plan.categories.last - plan.categories.first + 1);
}

void PrintRun::passLoops(int residentFirst, int residentLast) {
  PassPlan plan = planPasses(residentFirst, residentLast);
  workingResidentFirst_ = residentFirst;
  workingResidentLast_ = residentLast;
  planProgress(plan, residentFirst, residentLast);

  run_.CardCount = 1;
  for (const int pass : plan.passNumbers) {
    run_.PassNo = clamp16(pass);
    const bool catchAll = pass == plan.catchAllPass;
    bool onlyPass = false;
    if (plan.byLocation || settings_.Check3) {
      run_.PassAbbr = singleResident_ && pass == plan.passNumbers.back() ? "UKN" : dining_.abbreviation(pass);
      if (plan.byLocation && !dining_.exists()) {
        // Without a dining file no resident can be placed by location:
        // one pass prints everyone, once.
        byDiningLocation_ = plan.byLocation = false;
        onlyPass = true;
      }
      // The catch-all pass has no location of its own and always runs.
      if (!catchAll && plan.listedBefore.count(pass)) continue;
    }
    const PassRules rules{plan.byLocation && !plan.byMealOrder, catchAll && plan.byLocation, plan.byCategory,
                          singleResident_};
    for (int category = plan.categories.first; category <= plan.categories.last; ++category) {
      run_.CategoryNo = clamp16(category);
      for (int u = plan.unitFirst; u <= plan.unitLast; ++u)
        if (!unitLoop(u, rules, residentFirst, residentLast)) return;
    }
    if (onlyPass) break;
  }
}

bool PrintRun::unitLoop(int u, const PassRules& rules, int residentFirst, int residentLast) {
  run_.UnitNo = clamp16(u);
  if (!selection_.openUnit(u)) {
    const NursingUnit* unit = env_.facility.unit(u);
    const std::string& why = selection_.unitReadError();
    const LeftOutReason reason = why.empty() ? LeftOutReason::NoRoster : LeftOutReason::UnreadableRoster;
    const std::string detail = why.empty() ? selection_.unitPath() : selection_.unitPath() + " " + why;
    if (run_.MealOrder.empty() && (!unit || unit->maxBeds > 0))
      report_.leaveOut({u, 0, "", "", reason, detail});
    else if (!run_.MealOrder.empty())
      report_.leaveOut({0, 0, "", "", reason, detail});
    return true;
  }
  const int last = selection_.lastResident(residentLast);
  const int from = run_.Step > 0 ? residentFirst : last;
  const int to = run_.Step > 0 ? last : residentFirst;
  for (int r = from; run_.Step > 0 ? r <= to : r >= to; r = run_.ResidentNo + run_.Step) {
    run_.ResidentNo = clamp16(r);
    residentStep(rules);
    ++visited_;
    hooks().processEvents();
    if (stopped()) return false;
  }
  return true;
}

void PrintRun::residentStep(const PassRules& rules) {
  const bool alf = settings_.AlfMenus;
  run_.AlfMeals = "    ";
  if (alf) {
    const bool ticked[] = {settings_.Check29, settings_.Check30, settings_.Check31};
    for (int k = 1; k <= 3; ++k)
      if (ticked[k - 1]) run_.AlfMeals[k - 1] = 'x';
  }

  for (;;) {
    int meal = 0;
    for (int k = 3; k >= 1 && meal == 0; --k)
      if (run_.AlfMeals[k - 1] == 'x') meal = k;
    if (alf && meal == 0) return;
    run_.AlfMealNo = meal;
    run_.AlfMealName = kMealNames[meal];

    run_.CardDate = cardDateFromWindow();
    run_.WeekdayNo = static_cast<int16_t>(weekday(run_.CardDate));
    hooks().progress({printingCaption(!run_.MealOrder.empty(), run_.UnitNo, run_.ResidentNo, run_.PassNo),
                      run_.UnitNo, run_.ResidentNo, run_.PassNo,
                      planned_ > 0 ? std::min(1.0, visited_ / planned_) : 1.0});

    const std::vector<int16_t> positions = selection_.readResident();
    for (const int16_t position : positions) {
      run_.MealToDraw = position;
      if (selection_.selectCard(rules)) {
        if (userCards())
          printUserCard();
        else
          dayLoop();
      }
      if (stopped()) return;
    }
    if (positions.size() > 1) endOpenPage();
    if (!alf || walkThrough()) return;
    run_.AlfMeals[meal - 1] = ' ';
  }
}

void PrintRun::dayLoop() {
  int first = settings_.Text5;
  int last = settings_.Text6;
  if (settings_.Check5) first = last;
  if (settings_.AlfMenus) last = first;
  if (last < first) last = first;
  const int step = first == last ? 1 : run_.Step;
  if (step < 0) {
    run_.CardDate = addDays(run_.CardDate, last - first);
    run_.WeekdayNo = static_cast<int16_t>(weekday(run_.CardDate));
  }
  for (int day = step > 0 ? first : last; step > 0 ? day <= last : day >= first; day += step) {
    run_.MenuDay = clamp16(day);
    env_.host.screen().Cls();
    drawCard();
    if (env_.facility.AutoPrint) {
      // The automatic run prints one card; the job goes out as the
      // program ends.
      report_.afterRun = AfterRun::Ends;
      cancelled_ = true;
      return;
    }
    if (run_.MealToDraw == 3 || run_.MealToDraw == 4) {
      if (run_.CardCount < 32767) ++run_.CardCount;
      run_.CardDate = addDays(run_.CardDate, run_.Step);
      // The weekday always names the card date, back to front as well.
      run_.WeekdayNo = static_cast<int16_t>(weekday(run_.CardDate));
    }
    if (stopped()) return;
  }
}

void PrintRun::drawCard() {
  const DrawContext ctx = run_.drawContext();
  ResidentRecord& resident = env_.resident;
  if (!resident.Loaded)
    loadResidentAsSet(resident, env_.dietFile, env_.drives, env_.facility, model_, run_.MealOrder);
  const std::vector<MealLines> menus = menus_->load(renderer_.menusFor(ctx, resident), resident, env_.dietFile);
  const bool endedPage = renderer_.DrawMenu(ctx, resident, menus);
  if (!env_.resident.ResidentPath.empty()) {
    countCard();
    if (endedPage) countPage();
    if (!env_.resident.Damage.empty())
      warnCard(trim(kReviewMark) + " the data file " + env_.resident.ResidentPath + " " + env_.resident.Damage);
    else if (!env_.resident.SharedDamage.empty())
      warnCard(trim(kReviewMark) + " drawn with a shared file that is damaged or unreadable: " +
               env_.resident.SharedDamage);
    else if (startsWith(env_.resident.Diet, kReviewMark))
      warnCard(trim(kReviewMark));
    if (run_.LocationLabel == kMissingDiningLocation) warnCard(kMissingDiningLocation);
    for (int k = 1; k <= 4; ++k)
      if (env_.resident.DietCodeNotInFile[k])
        warnCard("diet code " + std::to_string(env_.resident.DietCode[k]) + " not in the diet file " +
                 env_.dietFile.path());
  }
  if (!renderer_.drawsOnScreen(ctx) && env_.host.printer()) pageOpen_ = !endedPage;
  if (endedPage) storePage();
  if (endedPage && !walkThrough())
    MakeTxt(env_.drives, env_.facility, run_.TextCardFile, env_.resident, run_.MealLocations, &textCards_);
  if (walkThrough() && workingResidentLast_ > workingResidentFirst_)
    hooks().waitNextRes(env_.facility.SetupStyle == 1 ? kNextResStyle1 : kNextResOther);
}

void PrintRun::printUserCard() {
  Surface* surface = onScreen() ? &env_.host.screen() : env_.host.printer();
  if (!surface) return;
  UserCard card;
  card.UserMealNo = run_.UserMealNo;
  card.NameLine = env_.resident.NameLine;
  card.DietLine = env_.resident.Diet;
  card.LocationLabel = run_.LocationLabel;
  const int slot = MealOrder::parse(run_.MealOrder).slotOf(run_.UserMealNo);
  for (int i = 1; i <= 7; ++i) card.Lines[i] = env_.resident.SpecialInstructions[slot][i];
  card.PdfDriver = run_.PdfDriver;
  PrBM(*surface, card, UserCardSettings::fromSettings(settings_), run_.CardsInJob);
  countCard();
  // Several user cards share a page: it counts when it ends (here, after
  // Cards Per Page cards, or at the break after each meal).
  if (run_.CardsInJob == 0) countPage();
  if (walkThrough() && workingResidentLast_ > workingResidentFirst_)
    hooks().waitNextRes(env_.facility.SetupStyle == 1 ? kNextResStyle1 : kNextResOther);
}

// A tray-line page whose last place printed nothing (the line ran out, or
// the resident there did not qualify) is ended here: the next page must
// not be drawn over it.
void PrintRun::endOpenPage() {
  if (!pageOpen_) return;
  pageOpen_ = false;
  storePage();
  countPage();
  jobBreak();
  if (run_.CardCount < 32767) ++run_.CardCount;
}

// MakeTIF for the page just finished, under the name of the resident
// drawn last on it.
void PrintRun::storePage() {
  for (RecordingSurface* pages : {printerPages_.get(), screenPages_.get()}) {
    if (!pages || !pages->hasDrawing()) continue;
    backup_.MakeTIF(pages->takePage(), env_.resident.ResidentFile, pageMeal());
  }
}

// The meal every card of the page is of: the one-meal orders and the
// assisted-living meals; 0 for pages that carry several meals.
int PrintRun::pageMeal() const {
  if (settings_.AlfMenus) return run_.AlfMealNo;
  return MealOrder::parse(run_.MealOrder).oneMealThrice();
}

void PrintRun::jobBreak() {
  if (!env_.host.printer() || onScreen()) return;
  if (run_.PdfDriver)
    env_.host.printer()->NewPage();
  else
    env_.host.printer()->EndDoc();
}

void PrintRun::countCard() {
  // A page of three columns is three cards; a column, a menu or a user card is one.
  const int cards = !userCards() && run_.MealToDraw == 4 && !settings_.AlfMenus ? 3 : 1;
  for (int n = 0; n < cards; ++n) report_.countCard(reportUnit());
  report_.printed(reportUnit(), trim(env_.resident.ResidentFile));
}

void PrintRun::countPage() { report_.countPage(reportUnit()); }

void PrintRun::warnCard(const std::string& warning) {
  const std::string file = trim(env_.resident.ResidentFile);
  const std::string name = trim(env_.resident.NameLine);
  // Several columns or days of one resident carry one warning once.
  for (const CardWarning& w : report_.warnings)
    if (w.unit == reportUnit() && w.file == file && w.warning == warning) return;
  report_.warn({reportUnit(), run_.ResidentNo, file, name, warning});
}

void PrintRun::finish() {
  const bool severalResidents = !singleResident_;
  // The text cards are on the disk before the program may end.
  textCards_.close();
  // The pages the store still writes are the rest of the run: the bar goes
  // on with them.
  const auto progress = [this](int written, int total) {
    const std::string caption = "Writing the PDF backup: " + std::to_string(written) + " of " +
                                std::to_string(total) + " pages";
    env_.host.hooks().progress({caption, run_.UnitNo, run_.ResidentNo, run_.PassNo,
                                total > 0 ? static_cast<double>(written) / total : 1.0});
  };
  if (backupOn_ && runFiles_) backup_.FinishBackup(env_.host.dialogs(), progress);
  // Every page handed to the store is written before the run ends.
  backup_.finishPages(progress);
  // The document of a PDF driver is ended before the program may end, so
  // that it is complete however the program goes on.
  if (run_.PdfDriver && env_.host.printer() && !onScreen()) env_.host.printer()->EndDoc();
  // A run over several residents ends the program through the Exit
  // action. A walk-through only showed cards on the screen and leaves the
  // window open.
  if (severalResidents && !walkThrough())
    report_.afterRun = AfterRun::ExitAction;
  else if (env_.facility.AutoPrint)
    report_.afterRun = AfterRun::Ends;
}

}  // namespace

RunReport Command1_Click(RunEnvironment& env) { return PrintRun(env).go(); }

bool isPdfDriverName(std::string_view printerName) {
  const std::string name = upper(printerName);
  return std::any_of(std::begin(kPdfDrivers), std::end(kPdfDrivers),
                     [&](const char* driver) { return contains(name, driver); });
}

bool SetDt(RunState& run, std::string_view typed) {
  std::string text(typed);
  if (!CheckDate(text)) return false;
  const auto date = parseMmDdYy(text);
  if (!date) return false;
  run.CardDate = *date;
  return true;
}

}  // namespace mc
