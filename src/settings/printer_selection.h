// The printer list of the main window (Combo1): filled once at start-up from
// the system's printers, and matched against the printer name a settings
// set stores.
#pragma once

#include <string_view>

#include "settings/printer_list.h"
#include "settings/settings_model.h"

namespace mc {

inline constexpr const char* kNoPrintersText = "No Printers Installed";
inline constexpr int kStoredPrinterWidth = 30;

// Start-up: with a default printer, every installed printer's device name
// in the system's order and the default's position; without one, NoPrinters.
void fillPrinterList(const PrinterList& printers, SettingsModel& model);

// Chooses the current printer for the 30 stored characters of a set record
// and shows it in Combo1: the first printer whose name, padded and cut to
// 30 characters, equals them, else the system default printer.
void selectPrinter(std::string_view stored, SettingsModel& model);

}  // namespace mc
