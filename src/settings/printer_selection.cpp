#include "settings/printer_selection.h"

#include <algorithm>

#include "data/text.h"

namespace mc {

void fillPrinterList(const PrinterList& printers, SettingsModel& model) {
  model.Printers.clear();
  model.DefaultPrinterIndex = -1;
  model.CurrentPrinter = -1;
  const std::string def = printers.defaultName();
  model.NoPrinters = def.empty();
  if (model.NoPrinters) return;
  model.Printers = printers.names();
  const auto it = std::find(model.Printers.begin(), model.Printers.end(), def);
  if (it != model.Printers.end()) {
    model.DefaultPrinterIndex = static_cast<int>(it - model.Printers.begin());
  } else if (!model.Printers.empty()) {
    // A default that the collection does not list (a queue removed between
    // the two questions) would leave the program without a printer to fall
    // back on; the first installed one takes its place.
    model.DefaultPrinterIndex = 0;
  } else {
    model.NoPrinters = true;
  }
}

namespace {

void choose(SettingsModel& model, int index) {
  model.CurrentPrinter = index;
  model.PrinterName = model.Printers[index];
}

}  // namespace

void selectPrinter(std::string_view stored, SettingsModel& model) {
  const int count = static_cast<int>(model.Printers.size());
  if (model.NoPrinters || count == 0) {
    model.CurrentPrinter = -1;
    model.Combo1Text = kNoPrintersText;
    return;
  }
  const int def = std::clamp(model.DefaultPrinterIndex, 0, count - 1);
  // A stored name starting with a blank or a control character (never
  // chosen, or reset) needs no rule of its own: a matching printer would win
  // over the default anyway, and without a match the default is taken.
  const std::string key = padCut(stored, kStoredPrinterWidth);
  bool matched = false;
  for (int i = 0; i < count && !matched; ++i) {
    if (padCut(model.Printers[i], kStoredPrinterWidth) == key) {
      choose(model, i);
      matched = true;
    }
  }
  if (!matched) choose(model, def);
  model.Combo1Text = model.PrinterName;
}

}  // namespace mc
