// Pictures for a DPI that has no stored set of its own: a stored picture
// resized by area, keeping its colour key apart. Pure: no Windows header.
#pragma once

#include <cstdint>

#include "app/pictures.h"

namespace lumaret {

// `colour`, or when it is the key itself the nearest colour that is not (its
// blue moved by one), so a pixel of a picture's content never turns into a
// hole where the background shows through.
std::uint32_t AwayFromKey(std::uint32_t colour, std::uint32_t key);

// `from` resized to `width` x `height` by area: each new pixel covers a
// rectangle of the old picture. It is the key when more than half of that
// area is key; otherwise the mean of the rest, weighted by area (the key
// never bleeds into the edges of the content), kept off the key. The top-left
// pixel is always the key, since that is where the window takes the key from.
// The key is `from`'s own top-left colour. Empty for an empty picture or size.
Pixels ResamplePicture(const Pixels& from, int width, int height);

}  // namespace lumaret
