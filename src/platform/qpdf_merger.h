// The PDF merge in this process with libqpdf: no outside tool, no shell
// wildcard, and the inputs opened one at a time so that a run of any
// length stays under the open-file limit.
#pragma once

#include "printrun/picture_store.h"

namespace mc {

class QpdfMerger final : public PdfMerger {
 public:
  std::string merge(const std::vector<std::filesystem::path>& inputs,
                    const std::filesystem::path& target) override;
};

}  // namespace mc
