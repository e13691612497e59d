// The program's icon and the window's pictures, drawn from code at any DPI.
// Used by the art generator on the build machine and by its tests; no
// Windows header.
//
// Every picture's top-left pixel is its colour key: the window leaves out
// the pixels of that colour when it draws the picture. The background and
// the two large faces stand on the button-face grey (240, 240, 240), the
// rings on white, so the anti-aliased edges blend into what shows through.
// The ground is drawn transparent, so the canvas's alpha says how much of
// each pixel the drawing covered.
#pragma once

#include <array>

#include "app/art/raster.h"
#include "app/pictures.h"

namespace lumaret::art {

// The icon's sizes: what Windows asks for at 100 % to 200 % (small icons
// 16 to 32, large ones 32 to 64).
constexpr std::array<int, 7> kIconSizes = {16, 20, 24, 32, 40, 48, 64};

Canvas DrawIcon(int size);

// A picture at `dpi`, PictureSizeAt(p, dpi) in size, with its elements
// where the window's controls are at that DPI.
Canvas DrawPicture(Picture p, int dpi);

// The colours of a drawn picture as the exe stores them. A pixel the drawing
// covered at least half of is content, and content never takes the key's
// colour (it would turn into a hole).
Pixels ToPixels(const Canvas& c);

}  // namespace lumaret::art
