// The settings a print run, its resident selection and the card renderer
// work with, read once from the settings model into one typed value. Each
// field keeps the name of the main window's control it comes from, with the
// control's caption or meaning beside it: a check box is true when ticked,
// a number box holds its number as the cards have always read it, a text
// box its text.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/meal_order.h"
#include "settings/settings_model.h"

namespace mc {

struct CardSettings {
  // ---- Ranges (leading number, 16 bits; 0 when it does not fit) ----
  int16_t Text1 = 0;  // first nursing unit
  int16_t Text2 = 0;  // last nursing unit
  int16_t Text3 = 0;  // first resident number
  int16_t Text4 = 0;  // last resident number
  int16_t Text5 = 0;  // first menu day
  int16_t Text6 = 0;  // last menu day
  int16_t Text7 = 0;  // first dining location
  int16_t Text8 = 0;  // last dining location
  // The menu day the preview shows until a run sets one: the first menu
  // day read as the card layout reads a number, at least 1.
  int PreviewMenuDay = 1;

  // ---- User-defined cards ("User", Option3) ----
  bool Option3 = false;                        // "User": user-defined cards
  bool Check7 = false, Check8 = false, Check9 = false;  // breakfast, lunch, supper cards
  int16_t Text9 = 0;                           // left margin in spaces
  int16_t Text10 = 0;                          // total lines per card
  int16_t Text11 = 0;                          // line spacing in twips
  int16_t Text12 = 0;                          // cards per page, 0 = continuous feed
  int16_t Text13 = 0;                          // start line (blank lines at top of page)
  int16_t Text14 = 0;                          // font size in points

  // ---- The run ----
  bool Check1 = false;   // "By Diet Catetory"
  bool Check2 = false;   // "PR by Din Loc:"
  bool Check3 = false;   // "Force Option": the dining location on every card
  bool Check5 = false;   // "Print to Screen"
  bool Check6 = false;   // "Exclude " W" "
  bool Check21 = false;  // "Select": only residents marked for select menus
  bool Check22 = false;  // "NonSelct": only residents not marked for select menus
  bool Check29 = false;  // ALF breakfast menus
  bool Check30 = false;  // ALF lunch menus
  bool Check31 = false;  // ALF supper menus
  bool Check40 = false;  // "Make PDF Backup"
  std::string Text15;    // date on card, as typed
  MealOrder Text20;      // order of meals, as the run takes it

  // ---- The card ----
  // Assisted-living menus hold Check13, Check14, Check15 and Check16 off
  // for the run while the boxes keep their state.
  bool Check4 = false;   // hydration box on fluid-restricted residents regardless
  bool Check10 = false;  // "Grey": hiliting and isolation in grey
  bool Check12 = false;  // "Date On Cd"
  bool Check13 = false;  // "Color Codes"
  bool Check14 = false;  // "HYD Box"
  bool Check15 = false;  // "Symbols"
  bool Check16 = false;  // "Pictures": resident pictures on the tray card
  bool Check17 = false;  // "Number Pages"
  bool Check19 = false;  // "Ink Jet Printing"
  bool Check20 = false;  // "Put Bar Codes"
  bool Check23 = false;  // "Paste": paste scanned cards into the tray card
  bool Check24 = false;  // "Small": small pictures
  bool Check25 = false;  // use the font "CB1"
  bool Check26 = false;  // second small-pictures switch
  bool Check28 = false;  // "Shapes"
  bool Check32 = false;  // "legl": legal size paper
  bool Check33 = false;  // watermark on each breakfast, lunch and supper tray card
  bool Check34 = false;  // rotate the triple watermark
  bool Check35 = false;  // use the font "Arial Narrow"
  bool Check36 = false;  // watermark on the bottom half of the card
  bool Check37 = false;  // remove the hydration box title
  bool Check38 = false;  // hydration box on residents with thickened liquids regardless
  bool Check39 = false;  // "Print Feeding Skill"
  bool Check41 = false;  // hilite the resident's name
  // Positions and sizes (leading number, rounded half to even).
  double Text16 = 0;  // top margin in twips
  double Text17 = 0;  // left margin in twips
  double Text18 = 0;  // twips added between breakfast and lunch
  double Text19 = 0;  // twips added between lunch and supper
  double Text21 = 0;  // barcode XY division factor (a fraction: not rounded)
  double Text22 = 0;  // barcode left shift
  double Text23 = 0;  // barcode down shift
  double Text24 = 0;  // barcode height
  double Text25 = 0;  // barcode width
  double Text26 = 0;  // barcode type, 3 = code 39, 6 = code 128A
  double Text32 = 0;  // twips to move the title up or down
  double Text33 = 0;  // watermark number
  double Text34 = 0;  // points added to the title font size
  int Text35 = 0;     // privacy (HIPAA) setting 0..5
  std::string Text28;  // clipart file that replaces the resident picture
  std::string Text29;  // text printed under the clipart
  std::string Text36;  // note printed at the bottom of the tray card

  // ---- What the settings load made of the controls ----
  bool AlfMenus = false;      // "ALF" (Option5)
  int16_t CardKind = 0;       // 3 Tray Cards, 2 Meal Cards or ALF, 1 Select Menus or Pseudo Select
  bool PseudoSelect = false;  // "Pseudo Select" (Option4)
  bool NoLeg = false;         // legal paper does not switch ALF pages
  int AlfMealNo = 0;          // after the last ticked ALF meal box
  std::string SymbolSuffix;   // "S" with the small symbol files (Check27)
  int SelectWatermarkMode = 0;  // Check42, or 2 with Check43
  std::string BannerPicture, BorderPicture, WatermarkPicture;
  std::array<int32_t, 5> StripColor{};  // the strips of Label13..Label16, 1..4
  std::array<LabelState, 22> Label{};   // the dot labels' texts and colours
};

// The settings as the model holds them now.
CardSettings readCardSettings(const SettingsModel& model);

}  // namespace mc
