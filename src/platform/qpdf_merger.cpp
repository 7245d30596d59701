#include "platform/qpdf_merger.h"

#include "data/atomic_file.h"

#include <qpdf/ClosedFileInputSource.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <memory>

namespace mc {

namespace fs = std::filesystem;

std::string QpdfMerger::merge(const std::vector<fs::path>& inputs, const fs::path& target) {
  if (inputs.empty()) return "no pages to merge";
  AtomicFile file(target);
  if (file.failed()) return file.error();
  try {
    QPDF out;
    out.emptyPDF();
    QPDFPageDocumentHelper outPages(out);
    // Every source stays open (as a closed file, reopened on demand) until
    // the writer has copied what it needs from it.
    std::vector<std::shared_ptr<QPDF>> sources;
    sources.reserve(inputs.size());
    for (const fs::path& input : inputs) {
      auto source = std::make_shared<ClosedFileInputSource>(input.c_str());
      auto pdf = std::make_shared<QPDF>();
      pdf->setSuppressWarnings(true);
      pdf->processInputSource(source);
      for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(*pdf).getAllPages()) outPages.addPage(page, false);
      sources.push_back(std::move(pdf));
    }
    QPDFWriter writer(out, file.temporary().c_str());
    writer.setStaticID(false);
    writer.write();
  } catch (const std::exception& e) {
    return e.what();
  }
  if (!file.commit()) return file.error();
  return {};
}

}  // namespace mc
