// The menu-day file the menu-day picker leaves ("\setup\PutMD", records of
// 14 characters): first and last menu day, and the card date. Whatever it
// holds, the fields it fills must read back as the same numbers, and the
// card date goes through the date check without harm.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/card_date.h"
#include "data/record_file.h"
#include "data/text.h"
#include "ui/easy_overlay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const mc::RecordFile file(std::string(reinterpret_cast<const char*>(data), size), 14, true);
  mc::SettingsModel m;
  mc::easy::takeMenuDayPick(m, file.view(1));
  for (int field : {5, 6}) {
    const std::string& day = m.Text[field];
    if (day.empty() || mc::bareNumber(mc::leadingNumber(day)) != day) __builtin_trap();
    mc::int16Field(day);
  }
  if (m.Overlay.Text2 != m.Text[5] || m.Overlay.Text3 != m.Text[6] || m.Text[15].size() != 8) __builtin_trap();
  // The check lets through some text that is no date ("06-26-\n6"); the
  // run then takes the setup date.
  std::string date = m.Text[15];
  if (mc::CheckDate(date))
    if (const auto parsed = mc::parseMmDdYy(date)) mc::weekday(*parsed);
  return 0;
}
