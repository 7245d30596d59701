// The PDF merge in this process with libqpdf: no outside tool, no shell
// wildcard, and the inputs opened one at a time so that a run of any
// length stays under the open-file limit.
#pragma once

#include <functional>

#include "printrun/picture_store.h"

namespace mc {

class QpdfMerger final : public PdfMerger {
 public:
  Outcome merge(const std::vector<std::filesystem::path>& inputs, const std::filesystem::path& target) override;
};

// Writes page i of the PDF `document` as a one-page PDF at targets[i], each
// whole or not at all (an AtomicFile), copying what the page uses, fonts
// and pictures, without decoding it again. The files are left to the
// system's write-back: the caller flushes the batch. `done` hears, in page
// order, each target's outcome.
void splitPdfPages(const std::filesystem::path& document, const std::vector<std::filesystem::path>& targets,
                   const std::function<void(size_t index, const Outcome& written)>& done);

}  // namespace mc
