// The installed printers, as the system's print service lists them.
#pragma once

#include <string>
#include <vector>

namespace mc {

class PrinterList {
 public:
  virtual ~PrinterList() = default;
  // Device names in the order of the system's printer collection.
  virtual std::vector<std::string> names() const = 0;
  // Device name of the system default printer; "" when there is none.
  virtual std::string defaultName() const = 0;
};

// A fixed list, for tests and for a machine without a print service.
class FixedPrinterList : public PrinterList {
 public:
  FixedPrinterList(std::vector<std::string> names, std::string defaultName)
      : names_(std::move(names)), default_(std::move(defaultName)) {}
  std::vector<std::string> names() const override { return names_; }
  std::string defaultName() const override { return default_; }

 private:
  std::vector<std::string> names_;
  std::string default_;
};

}  // namespace mc
