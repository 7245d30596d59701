// The picture store: keeps every finished page of a run with the backup
// option, writes each as a JPG and a one-page PDF, and at the end of a run
// writes all of the run's pages as a colour and a black-and-white TIF file
// and as the backup documents (all pages, and the pages of each meal).
// Writing happens off the run's thread; the run hands pages over and goes
// on drawing, and waits only at its end.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/outcome.h"
#include "render/page_recorder.h"

namespace mc {

struct StoreFailure {
  std::string file;  // the host path
  std::string reason;
};

class PictureStore {
 public:
  virtual ~PictureStore() = default;

  // Pages written (every file of them) and pages handed over so far.
  using Progress = std::function<void(int written, int total)>;

  // A new run: forgets the pages of the last one. With runFiles the pages
  // of this run also go into the two TIF files that saveTifs writes and the
  // documents that saveDocument writes.
  virtual void clear(bool runFiles) = 0;
  // Keeps a finished page and writes it as a JPG and as a one-page PDF at
  // these host paths (each replaced whole, never left half written). meal:
  // 1..3 when every card of the page is of that meal, else 0.
  virtual void addPage(std::shared_ptr<const RecordedPage> page, const std::filesystem::path& jpg,
                       const std::filesystem::path& pdf, int meal) = 0;
  // Returns once every page handed over so far is written, telling
  // `progress` (when given) how far the writing is now and then meanwhile.
  // The run's documents are closed then: it is called at the end of a run.
  virtual void wait(const Progress& progress = {}) = 0;
  // The run's pages as one PDF document at target (meal 0), or the pages
  // of one meal (1..3), drawn in vectors as the one-page files are: the
  // fonts and pictures the pages share are stored once. Waits for the
  // pages first. Why not, when it was not written (no page went into it,
  // the disk refused it).
  virtual Outcome saveDocument(int meal, const std::filesystem::path& target) = 0;
  // The run's pages as one colour TIF and one black-and-white TIF, a page
  // per card; waits for the pages first. False when a file failed (see
  // takeFailures).
  virtual bool saveTifs(const std::filesystem::path& colour, const std::filesystem::path& blackWhite) = 0;
  // What could not be written since the last call.
  virtual std::vector<StoreFailure> takeFailures() = 0;
};

// The merge of one-page PDF files into one document.
class PdfMerger {
 public:
  virtual ~PdfMerger() = default;
  // Writes the pages of the inputs, in order, as one PDF at target; the
  // target is replaced only once the new file is complete; a failure says
  // what went wrong.
  virtual Outcome merge(const std::vector<std::filesystem::path>& inputs,
                            const std::filesystem::path& target) = 0;
};

}  // namespace mc
