// The compressed form in which the exe stores its pictures: each row of
// pixels filtered as in PNG (the difference to the pixel on the left, above,
// their mean or the Paeth guess, whichever gives the smallest numbers), the
// rows packed with a small LZ77 (runs of literal bytes and copies of earlier
// bytes, up to 64 KiB back), and a CRC-32 of the pixels to tell a damaged
// picture from a whole one. Decoding needs no DLL and no table; it is one
// pass over the data. Pure: no Windows header.
//
//   offset  size  what
//   0       4     "LPIC"
//   4       2     width, 1..kMaxPictureSide, little-endian
//   6       2     height, the same
//   8       4     CRC-32 of the pixels as B, G, R bytes, top row first
//   12      ...   the packed rows: each row a filter byte (0 none, 1 left,
//                 2 above, 3 mean, 4 Paeth) and the row's B, G, R bytes
//
// The packed rows are sequences of: a token byte (high half the number of
// literal bytes, low half the copy length less 4; 15 in either half means
// that more length follows in bytes of which 255 says "and more"), the
// literal bytes, then, unless the rows are complete, the distance back
// (2 bytes, little-endian) and the copy's extra length bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/pictures.h"

namespace lumaret {

constexpr int kMaxPictureSide = 4096;

// The stored form of `p`; empty when `p` has no pixels or a side beyond
// kMaxPictureSide.
std::vector<std::uint8_t> EncodePicture(const Pixels& p);

// The pixels of a stored picture. False, with `out` left empty, for anything
// that is not one whole, undamaged picture: a wrong header, a stream that
// ends early, reaches outside what it has written, runs past the picture or
// goes on after it, an unknown row filter, or pixels whose checksum differs.
bool DecodePicture(const std::uint8_t* data, std::size_t size, Pixels* out);

}  // namespace lumaret
