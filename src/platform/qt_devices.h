// This machine's devices through Qt: the print service's queues, PDF files
// and the screen preview, the printer list and the given dialogs (the
// window's boxes, or answers from the command line).
#pragma once

#include <memory>

#include "platform/qt_printer_list.h"
#include "platform/qt_surface.h"
#include "printrun/devices.h"

namespace mc {

class QtDevices : public Devices {
 public:
  // With `preview`, a screen page for Picture1 (needs a QGuiApplication).
  QtDevices(Dialogs& dialogs, bool preview) : dialogs_(dialogs), screen_(preview ? QtSurface::screen() : nullptr) {}

  Dialogs& dialogs() override { return dialogs_; }
  const PrinterList& printers() const override { return printers_; }
  Surface* screen() override { return screen_.get(); }
  std::unique_ptr<Output> openPrinter(const std::string& name) override;
  Result<std::unique_ptr<Output>> openPdf(const std::string& path) override;

  // The preview page as it stands; null without a preview.
  QtSurface* screenPage() { return screen_.get(); }

 private:
  Dialogs& dialogs_;
  QtPrinterList printers_;
  std::unique_ptr<QtSurface> screen_;
};

}  // namespace mc
