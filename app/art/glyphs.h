// The letters the pictures carry, as strokes: the Chinese characters on a
// 16 x 16 grid (a plain boldface style, strokes of even width), the Latin
// letters on a grid with the capitals 12 high and the baseline at 12.
#pragma once

#include <string>

#include "app/art/raster.h"

namespace lumaret::art {

struct TextStyle {
  double scale;        // pixels per grid unit
  double strokeWidth;  // in pixels
  double tracking;     // extra pixels between letters
};

// Width in pixels of the text set in `style`.
double TextWidth(const std::u32string& text, const TextStyle& style);

// Draws the text with its grid's top-left corner at (left, top).
void DrawText(Canvas& c, const std::u32string& text, double left, double top, const TextStyle& style,
              const std::function<Rgba(double, double)>& colourAt);

}  // namespace lumaret::art
