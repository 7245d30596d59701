// The picture store: keeps every finished page of a run with the backup
// option, writes each as a JPG and a one-page PDF, and at the end of a run
// writes all of the run's pages as a colour and a black-and-white TIF file.
// Writing happens off the run's thread; the run hands pages over and goes
// on drawing, and waits only at its end.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "render/page_recorder.h"

namespace mc {

struct StoreFailure {
  std::string file;  // the host path
  std::string reason;
};

class PictureStore {
 public:
  virtual ~PictureStore() = default;

  // A new run: forgets the pages of the last one. With runFiles the pages
  // of this run also go into the two TIF files that saveTifs writes.
  virtual void clear(bool runFiles) = 0;
  // Keeps a finished page and writes it as a JPG and as a one-page PDF at
  // these host paths (each replaced whole, never left half written).
  virtual void addPage(std::shared_ptr<const RecordedPage> page, const std::filesystem::path& jpg,
                       const std::filesystem::path& pdf) = 0;
  // Returns once every page handed over so far is written.
  virtual void wait() = 0;
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
  // target is replaced only once the new file is complete. "" when it
  // worked, else what went wrong.
  virtual std::string merge(const std::vector<std::filesystem::path>& inputs,
                            const std::filesystem::path& target) = 0;
};

}  // namespace mc
