// The installed printers as the system's print service (CUPS) lists them.
#pragma once

#include "settings/printer_list.h"

namespace mc {

class QtPrinterList : public PrinterList {
 public:
  std::vector<std::string> names() const override;
  std::string defaultName() const override;
};

}  // namespace mc
