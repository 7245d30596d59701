#include "platform/qt_printer_list.h"

#include <QPrinterInfo>

#include "data/text.h"

namespace mc {

// Device names are held as Windows-1252 like every other text of the
// program; a name with characters outside the code page keeps a "?" there.
std::vector<std::string> QtPrinterList::names() const {
  std::vector<std::string> out;
  for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
    out.push_back(utf8ToCp1252(info.printerName().toStdString()));
  return out;
}

std::string QtPrinterList::defaultName() const {
  return utf8ToCp1252(QPrinterInfo::defaultPrinter().printerName().toStdString());
}

}  // namespace mc
