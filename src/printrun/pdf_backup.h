// The PDF backup of a print run ("Make PDF Backup", Check40): every
// finished page goes to the picture store, which writes it as a JPG and a
// one-page PDF named after the resident; at the end of a run over several
// units the pages are merged into one backup document by card kind (and
// one per meal), the run's pages written as two TIF files, and the
// documents copied into the PDF folder where other programs and people
// pick them up. When the printer breaks, the backup is what the kitchen
// prints from.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <vector>

#include "data/drive_map.h"
#include "data/facility.h"
#include "printrun/dialogs.h"
#include "printrun/picture_store.h"
#include "printrun/run_report.h"
#include "render/page_recorder.h"

namespace mc {

inline constexpr const char* kPdfFolder = "c:\\dnv\\PDF";
inline constexpr const char* kBackupCreated = "PDF File of Tray Cards Created Successfully.";
inline constexpr const char* kBackupCopied = "This File will now be Copied to the c:\\dnv\\PDF folder.";

// "TC" Tray Cards (3), "MC" Meal Cards and assisted living (2), "SM"
// Select Menus and Pseudo Select (1).
std::string backupPrefix(int cardKind);
// Folder 42 & "\cards\TC.pdf" (MC.pdf, SM.pdf), and its copy "c:\dnv\PDF\TC.PDF".
std::string backupFileName(const Facility& facility, int cardKind);
std::string backupCopyName(int cardKind);
// The per-meal documents, meal 1..3: "\cards\TCB.pdf" ... and "c:\dnv\PDF\TCB.PDF".
std::string perMealFileName(const Facility& facility, int cardKind, int meal);
std::string perMealCopyName(int cardKind, int meal);
// Folder 42 & "\cards\" & SiteCode & "_" & ResidentFile, without extension.
std::string pictureBaseName(const Facility& facility, const std::string& residentFile);
// Folder 42 & "\CARDS\" & SiteCode & "_TIFCards.tif" and "_TIFBWCards.tif".
std::string colourTifName(const Facility& facility);
std::string blackWhiteTifName(const Facility& facility);

// KillPDFs: deletes every file matching folder 42 & "\cards\*.pdf".
void KillPDFs(const DriveMap& drives, const Facility& facility);

class PdfBackup {
 public:
  // `store` and `merger` may be null (nothing to store with): the backup
  // then fails by name instead of silently leaving no file.
  // Files that cannot be written go into the report.
  PdfBackup(const DriveMap& drives, const Facility& facility, PictureStore* store, PdfMerger* merger,
            RunReport& report);
  ~PdfBackup();
  PdfBackup(const PdfBackup&) = delete;
  PdfBackup& operator=(const PdfBackup&) = delete;

  // PrepareTIF, at the start of a run: clears the store, names the backup
  // by card kind and, unless the run is a quick run, deletes the old pages.
  // runFiles: the run covers more than one resident and more than one unit
  // and so ends with the merge and the TIF files.
  void PrepareTIF(int cardKind, bool quickRun, bool runFiles);
  // MakeTIF: a finished page of the resident file; meal 1..3 when every
  // card on the page is of that meal, else 0.
  void MakeTIF(RecordedPage page, const std::string& residentFile, int meal);
  // The end of a run over several units: the backup documents (merged
  // with the pages a quick run kept), the TIF files, the message and the
  // copies. `progress` hears how many of the pages are written while the
  // run waits for them.
  void FinishBackup(Dialogs& dialogs, const PictureStore::Progress& progress = {});
  // Waits until every page is written; a run always ends with its pages.
  void finishPages(const PictureStore::Progress& progress = {});

  int pagesStored() const { return static_cast<int>(pages_.size()); }

 private:
  struct Page {
    std::filesystem::path pdf;
    int meal = 0;
  };
  // The backup merged and the TIF files written; the success message when
  // the backup is complete.
  std::optional<std::string> mergeAndSave();
  void copyToPdfFolder();
  void copy(const std::string& from, const std::string& to);
  // Pages in the cards folder that this run did not write (a quick run
  // keeps the last run's), in name order; merged documents are not pages.
  std::vector<std::filesystem::path> earlierPages() const;
  bool mergeInto(const std::vector<std::filesystem::path>& pages, const std::string& target);
  // The store's document of the meal (0: all pages) at target; where it
  // went on this machine, or nothing (and the failure kept).
  std::optional<std::filesystem::path> saveDocument(int meal, const std::string& target);
  void failed(const std::string& file, const std::string& reason);
  void takeStoreFailures();

  const DriveMap& drives_;
  const Facility& facility_;
  PictureStore* store_;
  PdfMerger* merger_;
  RunReport& report_;
  int cardKind_ = 3;
  bool active_ = false;
  std::vector<Page> pages_;
  std::map<std::string, int> pagesByName_;
};

}  // namespace mc
