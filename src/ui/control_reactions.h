// What the main window's settings controls do when the user works them: the
// fixed sequences (store, save, save and redraw, save-reload-redraw, redraw,
// preview run), which control runs which, and the controls with extra steps
// (messages, the select filters' exclusion, strips, dot labels, colour
// handles, the printer list, the up-downs, the picture file). The window
// puts the control's new value into the settings model and calls these; the
// command line and the tests call them the same way.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>

#include "ui/controller.h"

namespace mc {

enum class Reaction { Stored, Save, SaveRedraw, SaveReloadRedraw, Redraw, PreviewRun };

// Runs a reaction's sequence; every one leaves CallMode 0 and CurrentSet 1.
void React(Controller& c, Reaction reaction);

// The reaction of check box n (mouse released), option button n and Enter
// in text field n.
Reaction checkReaction(int n);
Reaction optionReaction(int n);
Reaction textEnterReaction(int n);

// Check box n released with the left button; Check[n] already holds the
// box's new value.
void Check_Click(Controller& c, int n);
// Check3 released with the right button: the yellow hilite of the dining
// location, asked and kept as the NoYel marker file.
void Check3_RightClick(Controller& c);
// Option button n chosen (the card kind, one of the six).
void Option_Click(Controller& c, int n);
// Enter in text field n, and leaving it; Text[n] holds what is typed.
void Text_KeyEnter(Controller& c, int n);
void Text_LostFocus(Controller& c, int n);
// Any change of Text36 (the bottom note) outside a settings load.
void Text36_Change(Controller& c);
// UpDown1..3 moved to value: into Text30, Text31 or Text33.
void UpDown_Change(Controller& c, int n, int value);
inline constexpr int kUpDownMax[4] = {0, 99, 99, 599};

// Double click on a colour strip, Label13..Label16.
void Strip_DblClick(Controller& c, int label);
// A dot label (2, 4, 5, 7, 9, 17..20): left button, the colour dialog;
// right button, its caption.
void DotLabel_Click(Controller& c, int label);
void DotLabel_RightClick(Controller& c, int label);
bool isDotLabel(int label);

// The three colour handles and the colours they step: the window
// background, Label11 (the second control colour) and Text28 (the first).
enum class ColorHandle { Form, Label11, Text28 };
void ColorHandle_MouseDown(Controller& c, ColorHandle handle, bool rightButton);
// The colour a handle stands at; a value never loaded (0 or below) is the
// window's own colour.
int32_t handleColor(const SettingsModel& m, ColorHandle handle);
inline constexpr int32_t kFormColor = 0xC0C0C0;     // grey
inline constexpr int32_t kFirstColor = 0xFFFFFF;    // white fields and boxes
inline constexpr int32_t kSecondColor = 0x80C0FF;   // orange labels

// Combo1: the printer at list position index becomes the current printer.
void Combo1_Click(Controller& c, int index);

// Command6 "BMP": saves Picture1's image (through saveBitmap, given the host
// path) as the first free Menu<n>.BMP of the card output folder's "menu"
// folder, and says so in the caption. False when it could not be written.
bool Command6_Click(Controller& c,
                    const std::function<bool(const std::filesystem::path&)>& saveBitmap);

extern const char* const kCheckMessages[44];

}  // namespace mc

namespace mc {
// The window lost the focus to another program: the settings are saved.
void Form_LostFocus(Controller& c);
}  // namespace mc
