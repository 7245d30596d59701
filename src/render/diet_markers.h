// Diet markers, by which the tray line sees a resident's diet at a glance:
// coloured dots for texture, thick liquids and special diets, colour strips
// for diet groups, the hydration box and the hilite bar behind the name.
// Marker boxes inside text lines are drawn with the lines (marked_line.h).
#pragma once

#include "render/card_page.h"

namespace mc {

// Colour strips down the left of column k (Check13).
void DrawStrips(const CardPage& page, int k);
// The hydration box of column k, when the resident or the settings ask for
// it: the box, and its title and lines (drawn after the dots, so that the
// dots show on the box and its text over them).
bool hydrationWanted(const CardPage& page, int k);
void DrawHydrationBox(const CardPage& page, int k);
void DrawHydrationText(const CardPage& page, int k);
// The dots of column k (Check28).
void DrawDots(const CardPage& page, int k);
// The orange bar behind the name line of column k (Check41).
void DrawNameHilite(const CardPage& page, int k);

// Whether the resident's liquids are thickened: a thick-liquid flag of -1
// marks a missing symbol picture and counts as not thick.
bool thickLiquids(const DietFlags& diet);

}  // namespace mc
