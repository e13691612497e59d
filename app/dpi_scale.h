// Places and sizes are given in pixels at 96 DPI (100 %); at another DPI
// each one is scaled on its own, as Windows' MulDiv(value, dpi, 96) does it:
// to the nearest whole pixel, halves away from zero. Pure: no Windows header.
#pragma once

#include "app/window_description.h"

namespace lumaret {

constexpr int kDesignDpi = 96;

constexpr int ScaleToDpi(int value, int dpi) {
  const long long product = static_cast<long long>(value) * dpi;
  // Round half away from zero, as MulDiv does, whichever sign the value has.
  return static_cast<int>(product >= 0 ? (product + kDesignDpi / 2) / kDesignDpi
                                       : (product - kDesignDpi / 2) / kDesignDpi);
}

// Left, top, width and height each scaled, so a control's size does not
// depend on where it sits.
constexpr Rect ScaleToDpi(const Rect& r, int dpi) {
  return {ScaleToDpi(r.left, dpi), ScaleToDpi(r.top, dpi), ScaleToDpi(r.width, dpi), ScaleToDpi(r.height, dpi)};
}

}  // namespace lumaret
