// The Easy overlay's four fields, which mirror fields of the main window,
// its "&Advanced" button, and the main-window clicks that bring the
// overlay back.
#pragma once

#include "ui/controller.h"

namespace mc::easy {

// Enter in overlay field n (1 meal pattern, 15 date, 2 and 3 menu days),
// or leaving it: the main window's field takes the text (the meal pattern
// upper-cased first; leaving a day field copies both days).
void Text_Commit(Controller& c, int n, bool leaving);

// "&Advanced": the main window comes to the front and stays there.
void Command4_Click(Controller& c);

}  // namespace mc::easy

namespace mc {

// A click on the preview or a move of its scroll bars: the overlay comes
// back unless "&Advanced" sent it away.
void Preview_Click(Controller& c);
// "Return" (Command19).
void Command19_Click(Controller& c);

}  // namespace mc
