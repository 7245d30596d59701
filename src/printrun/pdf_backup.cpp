#include "printrun/pdf_backup.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "data/atomic_file.h"
#include "data/text.h"
#include "printrun/text_export.h"

namespace mc {

namespace fs = std::filesystem;

namespace {

constexpr const char* kMealLetters = " BLS";

std::string cardsFolder(const Facility& facility) { return facility.folder(42) + "\\cards"; }

}  // namespace

std::string backupPrefix(int cardKind) {
  switch (cardKind) {
    case 2:
      return "MC";
    case 1:
      return "SM";
    default:
      // Any other kind is printed as tray cards.
      return "TC";
  }
}

std::string backupFileName(const Facility& facility, int cardKind) {
  return cardsFolder(facility) + "\\" + backupPrefix(cardKind) + ".pdf";
}

std::string backupCopyName(int cardKind) { return std::string(kPdfFolder) + "\\" + backupPrefix(cardKind) + ".PDF"; }

// The per-meal documents take the card kind's letters, as their copies do,
// so that what the run writes is what the copy step looks for.
std::string perMealFileName(const Facility& facility, int cardKind, int meal) {
  return cardsFolder(facility) + "\\" + backupPrefix(cardKind) + kMealLetters[meal] + ".pdf";
}

std::string perMealCopyName(int cardKind, int meal) {
  return std::string(kPdfFolder) + "\\" + backupPrefix(cardKind) + kMealLetters[meal] + ".PDF";
}

std::string pictureBaseName(const Facility& facility, const std::string& residentFile) {
  return cardsFolder(facility) + "\\" + facility.SiteCode + "_" + trim(residentFile);
}

std::string colourTifName(const Facility& facility) {
  return facility.folder(42) + "\\CARDS\\" + facility.SiteCode + "_TIFCards.tif";
}

std::string blackWhiteTifName(const Facility& facility) {
  return facility.folder(42) + "\\CARDS\\" + facility.SiteCode + "_TIFBWCards.tif";
}

void KillPDFs(const DriveMap& drives, const Facility& facility) {
  drives.removeFiles(cardsFolder(facility) + "\\*.pdf");
}

PdfBackup::PdfBackup(const DriveMap& drives, const Facility& facility, PictureStore* store, PdfMerger* merger,
                     RunReport& report)
    : drives_(drives), facility_(facility), store_(store), merger_(merger), report_(report) {}

PdfBackup::~PdfBackup() {
  // Whatever way the run ended, no page is left half written.
  if (store_ && active_) store_->wait();
}

void PdfBackup::failed(const std::string& file, const std::string& reason) { report_.outputFailed(file, reason); }

void PdfBackup::takeStoreFailures() {
  if (!store_) return;
  for (StoreFailure& f : store_->takeFailures()) report_.outputFailed(std::move(f.file), std::move(f.reason));
}

void PdfBackup::PrepareTIF(int cardKind, bool quickRun, bool runFiles) {
  active_ = true;
  cardKind_ = cardKind;
  pages_.clear();
  pagesByName_.clear();
  if (store_) store_->clear(runFiles);
  if (!quickRun) KillPDFs(drives_, facility_);
  // The pages need their folder; it is made inside an output folder that
  // exists, as the text export makes it.
  PrepareTextCardFolder(drives_, backupFileName(facility_, cardKind));
}

void PdfBackup::MakeTIF(RecordedPage page, const std::string& residentFile, int meal) {
  if (!active_ || page.empty()) return;
  std::string base = pictureBaseName(facility_, residentFile);
  // A resident with several pages in one run (several menu days, the
  // assisted-living meals) keeps each of them: the backup must hold every
  // card, so later pages of the same name are numbered.
  const int sameName = ++pagesByName_[upper(base)];
  if (sameName > 1) base += "_" + std::to_string(sameName);
  if (!drives_.folderExists(cardsFolder(facility_))) {
    failed(base + ".pdf", "the cards folder " + cardsFolder(facility_) + " does not exist");
    return;
  }
  const auto jpg = drives_.outputPath(base + ".jpg");
  if (!jpg) {
    failed(base + ".jpg", jpg.error());
    return;
  }
  const auto pdf = drives_.outputPath(base + ".pdf");
  if (!pdf) {
    failed(base + ".pdf", pdf.error());
    return;
  }
  if (!store_) {
    failed(base + ".pdf", "this program has no picture store");
    return;
  }
  store_->addPage(std::make_shared<const RecordedPage>(std::move(page)), *jpg, *pdf, meal);
  pages_.push_back({*pdf, meal});
}

void PdfBackup::FinishBackup(Dialogs& dialogs, const PictureStore::Progress& progress) {
  finishPages(progress);
  if (const auto message = mergeAndSave()) dialogs.message(*message, Buttons::Ok);
  copyToPdfFolder();
}

void PdfBackup::finishPages(const PictureStore::Progress& progress) {
  if (!store_ || !active_) return;
  store_->wait(progress);
  takeStoreFailures();
}

std::vector<fs::path> PdfBackup::earlierPages() const {
  std::vector<fs::path> found;
  const auto dir = drives_.hostPath(cardsFolder(facility_));
  if (!dir) return found;
  // Merged documents lie beside the pages and match the same wildcard;
  // taken in as pages they would put every card into the backup twice, so
  // they are left out, for every card kind.
  std::set<std::string> merged;
  for (int kind = 1; kind <= 3; ++kind) {
    merged.insert(upper(backupPrefix(kind) + ".PDF"));
    for (int meal = 1; meal <= 3; ++meal) merged.insert(upper(backupPrefix(kind) + kMealLetters[meal] + ".PDF"));
  }
  std::set<fs::path> ours;
  for (const Page& p : pages_) ours.insert(p.pdf);
  std::error_code ec;
  for (fs::directory_iterator it(*dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = upper(it->path().filename().string());
    // Hidden names are files of ours being written, not pages.
    if (name.size() < 4 || name.substr(name.size() - 4) != ".PDF" || merged.count(name) || name[0] == '.') continue;
    if (!it->is_regular_file(ec) || ours.count(it->path())) continue;
    found.push_back(it->path());
  }
  std::sort(found.begin(), found.end());
  return found;
}

bool PdfBackup::mergeInto(const std::vector<fs::path>& pages, const std::string& target) {
  const auto host = drives_.outputPath(target);
  if (!host) {
    failed(target, host.error());
    return false;
  }
  if (!merger_) {
    failed(target, "this program cannot merge PDF files");
    return false;
  }
  const Outcome merged = merger_->merge(pages, *host);
  if (!merged) failed(target, merged.error());
  return merged.ok();
}

std::optional<fs::path> PdfBackup::saveDocument(int meal, const std::string& target) {
  const auto host = drives_.outputPath(target);
  if (!host) {
    failed(target, host.error());
    return std::nullopt;
  }
  const Outcome saved = store_ ? store_->saveDocument(meal, *host) : Failure{"this program has no picture store"};
  if (!saved) {
    failed(target, saved.error());
    return std::nullopt;
  }
  return *host;
}

std::optional<std::string> PdfBackup::mergeAndSave() {
  // The run's pages in the order they were printed, after the pages a
  // quick run kept from the run before. The store draws this run's pages
  // as one document, in which the fonts and pictures every page shares are
  // stored once; only pages kept from before are merged in as files.
  const std::vector<fs::path> earlier = earlierPages();
  const std::string backup = backupFileName(facility_, cardKind_);
  drives_.removeFile(backup);
  bool merged = false;
  if (pages_.empty() && earlier.empty()) {
    failed(backup, "no page was stored");
  } else if (earlier.empty()) {
    merged = saveDocument(0, backup).has_value();
  } else if (pages_.empty()) {
    merged = mergeInto(earlier, backup);
  } else {
    const std::string runDocument = cardsFolder(facility_) + "\\." + backupPrefix(cardKind_) + "-run.pdf";
    std::vector<fs::path> all = earlier;
    if (const auto host = saveDocument(0, runDocument)) {
      all.push_back(*host);
      merged = mergeInto(all, backup);
    }
    drives_.removeFile(runDocument);
  }

  // A document per meal, for the runs whose pages each carry one meal
  // (by meal, one-meal orders, assisted-living meals).
  for (int meal = 1; meal <= 3; ++meal) {
    const std::string file = perMealFileName(facility_, cardKind_, meal);
    drives_.removeFile(file);
    if (std::any_of(pages_.begin(), pages_.end(), [&](const Page& p) { return p.meal == meal; }))
      saveDocument(meal, file);
  }

  if (store_) {
    const auto colour = drives_.outputPath(colourTifName(facility_));
    if (!colour) failed(colourTifName(facility_), colour.error());
    const auto blackWhite = drives_.outputPath(blackWhiteTifName(facility_));
    if (!blackWhite) failed(blackWhiteTifName(facility_), blackWhite.error());
    if (colour && blackWhite) store_->saveTifs(*colour, *blackWhite);
    takeStoreFailures();
  }
  if (!merged) return std::nullopt;
  return backup + "\r\n" + kBackupCreated + "\r\n\r\n" + kBackupCopied;
}

void PdfBackup::copy(const std::string& from, const std::string& to) {
  if (!drives_.fileExists(from)) return;
  const auto dst = drives_.outputPath(to);
  if (!dst) {
    failed(to, dst.error());
    return;
  }
  const auto src = drives_.hostPath(from);
  const auto folder = drives_.driveFolderOf(to);
  // Readers pick the copy up at any time: it appears whole and checked
  // against the original, or not at all. Our own documents are copied
  // whatever their size: the size limit guards against input files only.
  if (const Outcome copied = src && folder ? copyFileVerified(*src, *dst, *folder) : Failure{"no such drive"}; !copied)
    failed(to, "cannot copy " + cp1252ToUtf8(from) + ": " + copied.error());
}

void PdfBackup::copyToPdfFolder() {
  if (!drives_.folderExists(kPdfFolder) && !drives_.createFolder(kPdfFolder)) {
    failed(kPdfFolder, "cannot create the folder");
    return;
  }
  copy(backupFileName(facility_, cardKind_), backupCopyName(cardKind_));
  for (int meal = 1; meal <= 3; ++meal)
    copy(perMealFileName(facility_, cardKind_, meal), perMealCopyName(cardKind_, meal));
}

}  // namespace mc
