// Painting the card's pictures: the watermark behind the columns, the
// resident colour tint and a pasted scanned card under a column's items,
// the resident's picture with its tray indicator, adaptive equipment and
// diet symbols with their captions, and the assisted-living banner and
// border.
#pragma once

#include <cstdint>

#include "render/card_page.h"
#include "render/card_pictures.h"

namespace mc {

// The paint rectangle, in twips; a negative height paints the picture
// upside down into the rectangle from (X, Y) up to (X, Y + Height).
struct PaintRect {
  int32_t X = 0;
  int32_t Y = 0;
  int32_t Width = 0;
  int32_t Height = 0;
};

// pap1 .. Pap18: paints image control `imageNo` into the rectangle.
// Image1 brings its special tray indicator behind it (Image16 in column 1,
// Image17 in columns 2 and 3), larger on every side; Image13 goes 920
// lower on assisted-living menus.
void pap(const CardPage& page, const CardPictures& pictures, int imageNo, PaintRect r, int k = 1);

void PaintWatermarks(const CardPage& page, const CardPictures& pictures);
// The tint is drawn also where no pictures are loaded (null).
void PaintColumnBackground(const CardPage& page, const CardPictures* pictures, int k);
void PaintColumnPictures(const CardPage& page, const CardPictures& pictures, int k);
void PaintAlfPictures(const CardPage& page, const CardPictures& pictures);

// The tint of a resident colour code -1 .. -5; 0 for none.
int32_t ReColor(int colorCode);

}  // namespace mc
