// The demo facility's settings file, six named sets for the everyday jobs,
// and the menu-set file that carries the alternate facility code. Written
// column by column here rather than through the program's own writer, so
// that the demo also checks the program's reader against the file layout.
#include <string>

#include "data/record_file.h"
#include "demo.h"

namespace mc::demo {

namespace {

constexpr int kLength = 300;
constexpr const char* kButtonNames[6] = {"Set For All", "Meal Cards", "Select Menu",
                                         "Pseudo Sel", "ALF Lunch", "User Cards"};

// What every demo set shares: all units and residents, menu day 1, one
// dining location, the usual page and barcode geometry, the three default
// strip colours, the default printer (a blank name). Every field holds what
// the program itself would write, so a load and a save change nothing.
Rec baseSet(int units) {
  Rec r(kLength);
  r.field(1, 2, "1").field(3, 4, std::to_string(units)).field(7, 9, "999").field(293, 295, "1");
  r.field(10, 12, "1").field(13, 15, "1").field(16, 18, "1").field(19, 21, "1");
  r.at(22, "    ").at(26, "0000").field(30, 31, "0").at(32, "00 000");
  r.field(38, 41, "0").field(42, 43, "0").field(44, 47, "0").field(48, 49, "0").field(50, 51, "0");
  r.field(52, 53, "12").at(54, "0").field(55, 58, "0").at(59, "0").at(90, "0000000");
  r.field(97, 100, "700").field(101, 104, "10").at(105, "0").field(106, 109, "0").field(110, 113, "0");
  r.at(117, "0000").field(121, 125, "4.8").field(126, 129, "290").field(130, 133, "170");
  r.field(134, 137, "80").field(138, 141, "460").field(142, 143, "3").at(144, "0");
  r.field(145, 146, "1");
  for (int i = 0; i < 6; ++i) r.field(147 + 12 * i, 158 + 12 * i, kButtonNames[i]);
  r.field(220, 221, "0").field(222, 223, "0").field(224, 227, " 0").field(228, 230, "0");
  r.at(231, "00").at(233, "1231").at(237, "000").at(291, "00").at(296, " 0000");
  return r;
}

void writeSettings(const DriveMap& drives, const DemoOptions& options) {
  const std::string path = folder(23) + "\\setup\\Mcardset." + kFacCode;
  const int unitCount = static_cast<int>(units(options).size());

  Rec all = baseSet(unitCount);
  all.at(22, "X");          // Tray Cards
  all.at(29, "1");          // hydration box for fluid restrictions
  all.at(93, "1");          // date on the card
  all.at(94, "1");          // colour strips
  all.at(117, "1");         // number the pages
  all.at(292, "1");         // diet dots as shapes
  all.at(96, "1");          // diet symbols
  all.at(105, "1");         // resident pictures
  all.field(228, 230, "1"); // watermark 1 over the page
  putRecord(drives, path, kLength, 1, all);

  // Meal cards, with the meal letter and file name as a Code 39 bar code
  // under every card, for the tray line's scanner.
  // Clip art in place of the photographs, and watermark 2 upside down on
  // each card's lower half.
  putRecord(drives, path, kLength, 2,
            baseSet(unitCount).at(23, "X").at(120, "1").field(228, 230, "2").at(90, "1").at(231, "1")
                .field(240, 259, "Birthday").field(260, 289, "Happy Birthday!"));

  // Select menus (traditional and pseudo) for the residents marked for
  // them, and the assisted-living weekly lunch menu.
  putRecord(drives, path, kLength, 3, baseSet(unitCount).at(24, "X").at(144, "1"));
  putRecord(drives, path, kLength, 4, baseSet(unitCount).at(25, "X").at(144, "1"));
  putRecord(drives, path, kLength, 5,
            baseSet(unitCount).at(296, "X010").field(220, 221, "1").field(222, 223, "1"));  // banner, border
  // Plain-text cards on continuous stock: 4 spaces in, 12 lines 120 twips
  // apart from line 2, three cards to a page, 12 point: three cards of
  // about 4,500 twips fit the portrait letter sheet.
  putRecord(drives, path, kLength, 6,
            baseSet(unitCount).at(34, "X").at(35, "111").field(38, 41, "4").field(42, 43, "12")
                .field(44, 47, "120").field(48, 49, "2").field(50, 51, "3").field(52, 53, "12"));

  // Shared options: the window's own colours, feeding skill printed, the
  // select menus' watermark label.
  putRecord(drives, path, kLength, 8, Rec(kLength).field(1, 10, " 0").field(11, 20, " 0").field(21, 30, " 0")
                                           .at(31, "00100010"));
  struct Dot {
    const char* text;
    int color;  // 0x00BBGGRR
  };
  const Dot dots[9] = {{"Regular", 0x00C000}, {"Mech", 0xFF8000},  {"Puree", 0x0080FF},
                       {"NCS", 0xFF00FF},     {"NAS", 0xFFFF00},   {"Nectar", 0x8080FF},
                       {"Honey", 0x0080C0},   {"Pudng", 0x800080}, {"RENAL", 0x808080}};
  for (int i = 0; i < 9; ++i)
    putRecord(drives, path, kLength, 9 + i,
              Rec(kLength).field(1, 20, dots[i].text).field(21, 30, " " + std::to_string(dots[i].color)));
  putRecord(drives, path, kLength, 20, Rec(kLength).field(1, 3, " 0").at(4, "0"));
  putRecord(drives, path, kLength, 21, Rec(kLength).field(1, 60, "Demo facility - check diet before serving"));

  // Only record 4 is ours: a new file gets records 1 to 3 blank (so the
  // menu code of record 1, column 64, stays the facility code), and a
  // record 1 that another part of the demo wrote is left as it is.
  const std::string menuSet = folder(23) + "\\setup\\MenuSet." + kFacCode;
  putRecord(drives, menuSet, 100, 4, Rec(100).field(86, 88, kFacCode));
}

const DemoPart settingsPart(30, "settings sets", &writeSettings);

}  // namespace

}  // namespace mc::demo
