// The settings model: the value of every control of the main window that the
// settings file stores, and the program-wide values that a settings load
// fills for the print run and the renderer. The window and the command line
// both work on this one model; the Qt window only mirrors it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace mc {

// The program's title: the main window's caption until the settings name
// the facility, and the end of it afterwards.
inline constexpr const char* kProgramTitle = "Meal Card & Select Menu Printing Program";

struct LabelState {
  std::string Caption;
  int32_t BackColor = 0;  // 0x00BBGGRR
  bool Visible = true;
};

// The Easy overlay's fields, which mirror fields of the main window.
struct EasyOverlayState {
  std::string Caption;
  std::string Text1;   // meal pattern (mirrors Text20)
  std::string Text15;  // date on card
  std::string Text2;   // first menu day (mirrors Text5)
  std::string Text3;   // last menu day (mirrors Text6)
  bool DateVisible = false;
  bool MealOrderVisible = false;
  bool DaysVisible = false;
  std::string Command3Caption;  // " Print JUST " & the current resident
  int32_t LabelBackColor = 0;
  int32_t FieldBackColor = 0;
  bool Visible = false;
  // "&Advanced" was pressed: clicks on the preview no longer bring the
  // overlay back.
  bool Advanced = false;
};

// Call modes by which callers tell the settings load and the print run how
// they are called.
namespace callmode {
inline constexpr int16_t None = 0;
inline constexpr int16_t QuickRun = -101;
inline constexpr int16_t Reload = -202;
inline constexpr int16_t ControlKey = -1001;
inline constexpr int16_t Startup = -1111;
inline constexpr int16_t Ending = -2222;
}  // namespace callmode

struct SettingsModel {
  SettingsModel();

  // ---- Controls (index = the control's number; index 0 unused) ----
  std::array<std::string, 37> Text{};  // Text1..Text36, as the boxes show them
  std::array<int, 44> Check{};         // Check1..Check43
  std::array<bool, 7> Option{};        // Option1..Option6
  int List2 = 0;                       // list index of the diet category, -1 none
  // Label1..Label21: the dot labels (2, 4, 5, 7, 9, 17..20) carry the dot
  // texts and colours, 13..16 the strip colours.
  std::array<LabelState, 22> Label{};
  std::array<std::string, 7> SetButtonCaption{};  // captions of Command4, Command7..11 (sets 1..6)
  int32_t FormBackColor = 0;       // record 8, columns 1-10
  int32_t FirstControlColor = 0;   // background of Text28 (ChgColor)
  int32_t SecondControlColor = 0;  // background of Label11 (ChgColor2)
  std::string Caption;             // the main window caption

  // Printer list (Combo1).
  std::vector<std::string> Printers;  // device names, in the system's order
  int DefaultPrinterIndex = -1;
  bool NoPrinters = false;
  int CurrentPrinter = -1;  // index into Printers
  std::string Combo1Text;

  EasyOverlayState Overlay;

  // ---- Program-wide values ----
  int16_t CurrentSet = 1;
  std::array<std::string, 8> SetButtonName{};  // 1..6 (7 dimensioned, unused)
  int16_t SaveRanges = 0;
  int16_t ResetPending = 0;
  int16_t CallMode = 0;
  int16_t LoadingGuard = 0;
  std::string PrinterName;
  int16_t CardKind = 0;  // 3 Tray Cards, 2 Meal Cards or ALF, 1 Select Menus or Pseudo Select
  bool PseudoSelect = false;
  bool UserCards = false;
  bool AlfMenus = false;
  int AlfMealNo = 0;  // 1..3, after the last ticked ALF meal box
  std::string AlfMealName;
  std::string AltFacCode;
  // The meal order the print run uses: "" or one of "BLS", "LSB", "SBL",
  // "BBB", "LLL", "SSS", or "BBBLLLSSS" for "BYM".
  std::string MealOrder;
  std::array<int, 5> StripChoice{};      // 1..4
  std::array<int32_t, 5> StripColor{};   // 1..4
  int16_t LoopStep = 1;                  // -1 printing back to front
  bool ByDiningLocation = false;
  bool DiningLabelMarker = false;
  std::string SymbolSuffix;  // "S" with the small symbol files
  int SelectWatermarkMode = 0;
  bool NoLeg = false;  // marker "\setup\NoLeg": legal paper does not switch ALF pages
  // Pictures found by the load ("" when none): banner, border, watermark.
  std::string BannerPicture;
  std::string BorderPicture;
  std::string WatermarkPicture;

  // A card feature switch as the renderer must read it: assisted-living
  // menus hold Check11, Check13, Check14, Check15 and Check16 at 0 for the
  // run while the boxes keep their state.
  int feature(int checkNo) const;
};

// Colour of a strip choice 1..4.
int32_t stripColor(int choice);

}  // namespace mc
