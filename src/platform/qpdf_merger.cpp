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

Outcome QpdfMerger::merge(const std::vector<fs::path>& inputs, const fs::path& target) {
  if (inputs.empty()) return Failure{"no pages to merge"};
  AtomicFile file(target);
  if (!file.status()) return file.status();
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
    return Failure{e.what()};
  }
  return file.commit();
}

void splitPdfPages(const fs::path& document, const std::vector<fs::path>& targets,
                   const std::function<void(size_t, const Outcome&)>& done) {
  std::vector<QPDFPageObjectHelper> pages;
  QPDF in;
  std::string error;
  try {
    in.setSuppressWarnings(true);
    in.processFile(document.c_str());
    pages = QPDFPageDocumentHelper(in).getAllPages();
  } catch (const std::exception& e) {
    error = std::string("cannot read the run's document: ") + e.what();
  }
  for (size_t i = 0; i < targets.size(); ++i) {
    if (error.empty() && i >= pages.size())
      error = "the run's document has " + std::to_string(pages.size()) + " pages, not " + std::to_string(targets.size());
    if (!error.empty()) {
      done(i, Failure{error});
      continue;
    }
    AtomicFile file(targets[i]);
    Outcome written = file.status();
    if (written) {
      try {
        QPDF out;
        out.emptyPDF();
        QPDFPageDocumentHelper(out).addPage(pages[i], false);
        QPDFWriter writer(out, file.temporary().c_str());
        // The streams go over as they are: they were compressed once.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.write();
      } catch (const std::exception& e) {
        written = Failure{e.what()};
      }
    }
    if (written) written = file.commit(false);
    done(i, written);
  }
}

}  // namespace mc
