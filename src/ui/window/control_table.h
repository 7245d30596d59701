// The main window's controls as data: each control's name, caption, help
// text (tooltip), the group a person finds it in, and which of the two
// control colours paints it. The window is built from this table, so a
// control is named, captioned and placed in one line.
#pragma once

#include <span>

namespace mc::window {

enum class Kind { Text, Check, Option, Label, Command, Combo, List, UpDown };

enum class Group {
  Ranges,
  CardKind,
  Selection,
  DatesAndOrder,
  Output,
  SettingsButtons,
  CardFeatures,
  PageGeometry,
  TrayByMeal,
  AlfMenus,
  BarCode,
  Fonts,
  DotsAndStrips,
  Buttons,   // the row of buttons above the preview
  Programs,  // resets and the family's other programs
};

// The colour group a control is painted with (ChgColor, ChgColor2).
enum class Paint { None, First, Second };

struct ControlSpec {
  Kind kind;
  int number;
  const char* caption;  // "" for text fields; a short label is shown beside them
  const char* tooltip;
  Group group;
  Paint paint = Paint::None;
};

std::span<const ControlSpec> controls();
const char* groupTitle(Group group);
// "Text16", "Check21", "Label13" ...
const char* kindName(Kind kind);

}  // namespace mc::window
