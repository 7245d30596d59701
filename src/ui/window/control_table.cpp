#include "ui/window/control_table.h"

namespace mc::window {

namespace {

using enum Kind;
using enum Group;
constexpr Paint F = Paint::First, S = Paint::Second, N = Paint::None;

// Texts with a leading or trailing blank are the help texts as the
// facility's users know them; they stay as they stand.
constexpr ControlSpec kControls[] = {
    // ---- Ranges ----
    {Label, 1, "Nursing Units", " Right Click to Save Current Settings Under an Orange Button ", Ranges, S},
    {Text, 1, "", " First Nursing Unit Number to Print ", Ranges, N},
    {Text, 2, "", " Last Nursing Unit Number to Print ", Ranges, N},
    {Label, 3, "&Residents", "", Ranges, S},
    {Text, 3, "", " First Resident Number (Bed Number in the Unit's Roster) ", Ranges, N},
    {Text, 4, "", " Last Resident Number (Bed Number in the Unit's Roster) ", Ranges, N},
    {Label, 6, "Menu &Days", "", Ranges, S},
    {Text, 5, "", " First Menu Cycle Day to Print.  Enter to Preview ", Ranges, N},
    {Text, 6, "", " Last Menu Cycle Day to Print.  Enter to Preview ", Ranges, N},
    {Label, 8, "Dinin&g Loc", "", Ranges, S},
    {Text, 7, "", " First Dining Location Number ", Ranges, N},
    {Text, 8, "", " Last Dining Location Number ", Ranges, N},

    // ---- Card kind ----
    {Option, 1, "&Tray Cards", " Tray Cards: Name, Diet, Likes, Dislikes and Instructions ", CardKind, F},
    {Option, 2, "&Meal Cards", " Same as Tray Cards, But the Actual Menu is Printed on the Card ", CardKind, F},
    {Option, 6, "&Select Menus", " Traditional Fancy Select Menu ", CardKind, F},
    {Option, 4, "Pseud&o Select", " Select Menu Built from the House Menu Plus Alternates ", CardKind, F},
    {Option, 5, "AL&F", " Assisted Living Weekly Menus ", CardKind, F},
    {Option, 3, "User", "User Defined Tray Cards Printed Like Tray Card Programs from Food Vendors", CardKind, S},

    // ---- Selection switches ----
    {Check, 1, "By Diet &Catetory", " Print Only the Diet Category Chosen in the List ", Selection, F},
    {List, 2, "", " Diet Category to Print ", Selection, S},
    {Check, 2, "PR by Din &Loc:", " Print by Dining Location ", Selection, F},
    {Check, 3, "Force Option", " Dining Location on Every Card.  Right Click for the Yellow Hilite ", Selection, F},
    {Check, 21, "Select", " Only Residents Marked for Select Menus ", Selection, F},
    {Check, 22, "NonSelct", " Only Residents NOT Marked for Select Menus ", Selection, F},
    {Check, 6, "Exclude \" W\" ", " Exclude \" W\" ", Selection, F},

    // ---- Dates and order ----
    {Text, 15, "Date", " Date Printed on the Tray Card  MM-DD-YY ", DatesAndOrder, F},
    {Text, 20, "Meals", " Order of Meals to Print (BLS, LSB, SBL, BBB, LLL, SSS,  or BYM for By Meal=BBBLLLSSS) ", DatesAndOrder, F},
    {Text, 27, "Stretch", " Picture Stretch Setting ", DatesAndOrder, F},

    // ---- Output ----
    {Label, 21, "Printer Driver", "", Output, N},
    {Combo, 1, "", " Printer to Print the Cards On ", Output, N},
    {Check, 40, "Make PDF Backup", " Check to Make a PDF Multipage File of All Cards in Color ", Output, F},
    {Check, 5, "Print to Scree&n", " Print to the Screen Only ", Output, F},

    // ---- Settings buttons ----
    {Command, 4, "Set For &ALL", " Load the Settings Saved Under This Button ", SettingsButtons, N},
    {Command, 7, "Option 2", " Load the Settings Saved Under This Button ", SettingsButtons, N},
    {Command, 8, "Option 3", " Load the Settings Saved Under This Button ", SettingsButtons, N},
    {Command, 9, "Option 4", " Load the Settings Saved Under This Button ", SettingsButtons, N},
    {Command, 10, "Option 5", " Load the Settings Saved Under This Button ", SettingsButtons, N},
    {Command, 11, "Option 6", " Load the Settings Saved Under This Button ", SettingsButtons, N},
    {Command, 14, "Save Settings &Z", " Save the Current Settings Under an Orange Button ", SettingsButtons, N},

    // ---- Card features ----
    {Check, 10, "Grey", " Hiliting and Isolation in Grey ", CardFeatures, F},
    {Check, 11, "ADE Pictures on Card", " Adaptive Equipment Pictures on the Card ", CardFeatures, F},
    {Check, 12, "Date On Cd", " Print the Date on the Card ", CardFeatures, F},
    {Check, 13, "Color Codes", " Colour Dots and Strips for the Diet ", CardFeatures, F},
    {Check, 14, "HYD Box", " Hydration Box ", CardFeatures, F},
    {Check, 15, "Symbols", " Diet Symbol Pictures ", CardFeatures, F},
    {Check, 16, "Pictures", " Resident Pictures on the Tray Card ", CardFeatures, F},
    {Check, 4, "HYD Fluid R", " Hydration Box on Fluid Restricted Residents Regardless ", CardFeatures, F},
    {Check, 38, "HYD Thick", " Hydration Box on Residents with Thickened Liquids Regardless ", CardFeatures, F},
    {Check, 37, "No HYD Title", " Remove the Hydration Box Title ", CardFeatures, F},
    {Check, 23, "Paste", " Paste Scanned Cards into the Tray Card ", CardFeatures, F},
    {Check, 24, "Small", " Small Pictures ", CardFeatures, F},
    {Check, 26, "Small 2", " Second Small Pictures Switch ", CardFeatures, F},
    {Check, 27, "Small Sym", " Small File Size Version of the Symbols ", CardFeatures, F},
    {Check, 28, "Shapes", " Diet Markers as Shapes ", CardFeatures, F},
    {Check, 33, "WM B/L/S", " Watermark on Each Breakfast, Lunch and Supper Tray Card ", CardFeatures, F},
    {Check, 34, "Rotate WM", " Rotate the Triple Watermark ", CardFeatures, F},
    {Check, 36, "WM Bottom", " Watermark on the Bottom Half of the Card ", CardFeatures, F},
    {Check, 39, "Print Feeding Skill", " Print the Resident's Feeding Skill ", CardFeatures, F},
    {Check, 41, "Hilite Name", " Hilite the Resident's Name ", CardFeatures, F},
    {Check, 42, "Sel WM Label", " Select Menu Watermark Label ", CardFeatures, F},
    {Check, 43, "Light Label", " Lighter Version of the Select Menu Watermark Label ", CardFeatures, F},
    {Text, 33, "Watermark", " Watermark Number 1-599 ", CardFeatures, N},
    {UpDown, 3, "", " Watermark Number Up or Down ", CardFeatures, N},
    {Text, 28, "Clipart", " Clipart File Printed Instead of the Resident Picture.  Click to Change the Colours ", CardFeatures, F},
    {Text, 29, "Clip Text", " Text Printed Under the Clipart ", CardFeatures, F},
    {Text, 35, "HIPAA", "  HIPAA Settings: 0=None  1=Abrv Nm  2= No Picture  3=Abv Nm, No Pic   4=Abv.Nm, Filtered Pic  5=Filtered Pic Only   Rt Click to Print  ", CardFeatures, N},
    {Text, 36, "Note", " Note Printed at the Bottom of the Tray Card ", CardFeatures, S},

    // ---- Page geometry ----
    {Label, 11, "Top/Left/Lch/Sup", " Click to Change the Colours ", PageGeometry, S},
    {Text, 16, "Top", " Top Margin in Twips ", PageGeometry, N},
    {Text, 17, "Left", " Left Margin in Twips ", PageGeometry, N},
    {Text, 18, "Lch", " Twips Added Between Breakfast and Lunch ", PageGeometry, N},
    {Text, 19, "Sup", " Twips Added Between Lunch and Supper ", PageGeometry, N},
    {Text, 32, "Title", " Twips to Move the Title Up or Down ", PageGeometry, N},
    {Text, 10, "Lines", " Total Lines per Card ", PageGeometry, S},
    {Text, 11, "Spacing", " Line Spacing in Twips ", PageGeometry, S},
    {Text, 13, "Start", " Start Line (Blank Lines at the Top of the Page) ", PageGeometry, S},
    {Text, 12, "Per Page", " Cards per Page,  0 = Continuous Feed ", PageGeometry, S},
    {Check, 17, "Number Pages", " Number the Pages ", PageGeometry, F},
    {Check, 18, "Print Back to Front", " Print the Last Card First ", PageGeometry, F},
    {Check, 19, "Ink Jet Printing", " Ink Jet Printing ", PageGeometry, F},
    {Check, 32, "legl", " Legal Size Paper ", PageGeometry, F},

    // ---- Tray cards by meal ----
    {Check, 7, "Bkfst", " Breakfast Cards ", TrayByMeal, S},
    {Check, 8, "Lunch", " Lunch Cards ", TrayByMeal, S},
    {Check, 9, "Supper", " Supper Cards ", TrayByMeal, S},
    {Text, 9, "Margin", " Left Margin in Spaces ", TrayByMeal, S},

    // ---- ALF menus ----
    {Check, 29, "Bkfst", " Assisted Living Breakfast Menus ", AlfMenus, F},
    {Check, 30, "Lunch", " Assisted Living Lunch Menus ", AlfMenus, F},
    {Check, 31, "Supper", " Assisted Living Supper Menus ", AlfMenus, F},
    {Text, 30, "Banner", " Banner Number 1-99 ", AlfMenus, N},
    {UpDown, 1, "", " Banner Number Up or Down ", AlfMenus, N},
    {Text, 31, "Border", " Border Number 1-99 ", AlfMenus, N},
    {UpDown, 2, "", " Border Number Up or Down ", AlfMenus, N},

    // ---- Bar code ----
    {Label, 12, "Bar Code", "", BarCode, S},
    {Check, 20, "Put Bar Codes", "Click to Check and Print Barcodes at Bottom of Tray Cards", BarCode, F},
    {Text, 21, "XY", " XY Division Factor - Usually 4.8", BarCode, S},
    {Text, 22, "Left", " Left Shift. Usually 290 ", BarCode, S},
    {Text, 23, "Down", " Down Shift.  Usually 170 ", BarCode, S},
    {Text, 24, "Height", " Height of Barcode.  Usually 80 ", BarCode, S},
    {Text, 25, "Width", " Width of Barcode.  Usually 400", BarCode, S},
    {Text, 26, "Type", " Barcode Type  3=39  6=128a", BarCode, S},

    // ---- Fonts ----
    {Check, 25, "CB1", " Use the Font CB1 ", Fonts, F},
    {Check, 35, "Arial Narrow", " Use the Font Arial Narrow ", Fonts, F},
    {Text, 14, "Size", " Font Size in Points ", Fonts, S},
    {Text, 34, "Title +", " Points Added to the Title Font Size (-2 Reduces by 2) ", Fonts, N},

    // ---- Dots and strips ----
    {Label, 2, "", " Click to Change the Dot Colour.  Right Click to Change Its Text ", DotsAndStrips, N},
    {Label, 4, "", " Click to Change the Dot Colour.  Right Click to Change Its Text ", DotsAndStrips, N},
    {Label, 5, "", " Click to Change the Dot Colour.  Right Click to Change Its Text ", DotsAndStrips, N},
    {Label, 7, "", " Click to Change the Dot Colour.  Right Click to Change Its Text ", DotsAndStrips, N},
    {Label, 9, "", " Click to Change the Dot Colour.  Right Click to Change Its Text ", DotsAndStrips, N},
    {Label, 20, "", " Click to Change the Dot Colour.  Right Click to Change Its Text ", DotsAndStrips, N},
    {Label, 17, "", " Click to Change the Dot Colour.  Right Click to Change Its Text ", DotsAndStrips, N},
    {Label, 18, "", " Click to Change the Dot Colour.  Right Click to Change Its Text ", DotsAndStrips, N},
    {Label, 19, "", " Click to Change the Dot Colour.  Right Click to Change Its Text ", DotsAndStrips, N},
    {Label, 13, "", " Double Click to Change the Strip Colour ", DotsAndStrips, N},
    {Label, 14, "", " Double Click to Change the Strip Colour ", DotsAndStrips, N},
    {Label, 15, "", " Double Click to Change the Strip Colour ", DotsAndStrips, N},
    {Label, 16, "", " Double Click to Change the Strip Colour ", DotsAndStrips, N},

    // ---- Buttons above the preview ----
    {Label, 10, "", " The Resident Shown ", Buttons, N},
    {Command, 1, "&Print", " Print with the Settings Shown ", Buttons, N},
    {Command, 5, "Next Res", " Go On to the Next Resident ", Buttons, N},
    {Command, 19, "Return", " Back to the Easy Screen ", Buttons, N},
    {Command, 6, "BMP", " Save the Picture Shown as a Bitmap File ", Buttons, N},
    {Command, 3, "Legend", " Click to Print Dot Color Legend or Watermark Legend  ", Buttons, N},
    {Command, 2, "E&xit", " Save the Settings and Leave ", Buttons, N},

    // ---- Resets and the other programs ----
    {Command, 17, "R&eset to Defaults", " Reset ALL Settings to the Built-in Defaults ", Programs, N},
    {Command, 18, "RESET", " Click to Reset to a Choice of 3 Default Settings ", Programs, N},
    {Command, 12, "Labels", " Click to Load Nourishment Label Printing Program ", Programs, N},
    {Command, 13, "Traycds", " Click to Load Simple Tray Card Program ", Programs, N},
    {Command, 15, "Setup", " Click to Load the Page Layout, Roster and Setup Program ", Programs, N},
    {Command, 16, "Inet", " Click to Load Internet UpLoad and Download Utility/Monitor ", Programs, N},
};

}  // namespace

std::span<const ControlSpec> controls() { return kControls; }

const char* groupTitle(Group group) {
  switch (group) {
    case Ranges: return "Ranges";
    case CardKind: return "Card Kind";
    case Selection: return "Selection";
    case DatesAndOrder: return "Date and Meal Order";
    case Output: return "Output";
    case SettingsButtons: return "Settings";
    case CardFeatures: return "Card Features";
    case PageGeometry: return "Page";
    case TrayByMeal: return "Tray Cards by Meal";
    case AlfMenus: return "ALF Menus";
    case BarCode: return "";  // Label12 names the group
    case Fonts: return "Fonts";
    case DotsAndStrips: return "Dots and Strips";
    case Buttons: return "";
    case Programs: return "Reset and Programs";
  }
  return "";
}

const char* kindName(Kind kind) {
  switch (kind) {
    case Text: return "Text";
    case Check: return "Check";
    case Option: return "Option";
    case Label: return "Label";
    case Command: return "Command";
    case Combo: return "Combo";
    case List: return "List";
    case UpDown: return "UpDown";
  }
  return "";
}

}  // namespace mc::window
