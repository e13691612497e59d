// A minimal PNG encoder (stored deflate blocks, no compression) for the
// screenshots that the test drivers save. No Windows header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumaret {

// `rgb` holds width * height pixels, three bytes each, top row first.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace lumaret
