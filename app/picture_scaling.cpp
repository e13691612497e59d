#include "app/picture_scaling.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace lumaret {

namespace {

// The old pixels one new pixel covers along one axis, and how much of each.
struct Span {
  int first = 0;
  std::vector<double> weights;  // in old pixels; they add up to old/new
};

std::vector<Span> Spans(int oldSize, int newSize) {
  std::vector<Span> spans(static_cast<std::size_t>(newSize));
  const double step = static_cast<double>(oldSize) / newSize;
  for (int i = 0; i < newSize; ++i) {
    const double from = i * step, to = std::min<double>(oldSize, (i + 1) * step);
    Span& s = spans[static_cast<std::size_t>(i)];
    s.first = std::min(oldSize - 1, static_cast<int>(std::floor(from)));
    for (int k = s.first; k < oldSize && k < to; ++k) {
      const double w = std::min<double>(k + 1, to) - std::max<double>(k, from);
      s.weights.push_back(std::max(0.0, w));
    }
  }
  return spans;
}

int Channel(std::uint32_t c, int shift) { return static_cast<int>(c >> shift & 0xFF); }

}  // namespace

std::uint32_t AwayFromKey(std::uint32_t colour, std::uint32_t key) {
  if (colour != key) return colour;
  const int blue = Channel(colour, 0);
  return (colour & 0xFFFF00u) | static_cast<std::uint32_t>(blue < 255 ? blue + 1 : blue - 1);
}

Pixels ResamplePicture(const Pixels& from, int width, int height) {
  Pixels out;
  if (from.empty() || width < 1 || height < 1) return out;
  const std::uint32_t key = from.At(0, 0);
  const std::vector<Span> across = Spans(from.width, width), down = Spans(from.height, height);
  out.width = width;
  out.height = height;
  out.px.resize(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const Span& sy = down[static_cast<std::size_t>(y)];
    for (int x = 0; x < width; ++x) {
      const Span& sx = across[static_cast<std::size_t>(x)];
      double keyArea = 0, area = 0, r = 0, g = 0, b = 0;
      for (std::size_t j = 0; j < sy.weights.size(); ++j) {
        for (std::size_t i = 0; i < sx.weights.size(); ++i) {
          const double w = sy.weights[j] * sx.weights[i];
          const std::uint32_t c = from.At(sx.first + static_cast<int>(i), sy.first + static_cast<int>(j));
          if (c == key) {
            keyArea += w;
            continue;
          }
          area += w;
          r += w * Channel(c, 16);
          g += w * Channel(c, 8);
          b += w * Channel(c, 0);
        }
      }
      std::uint32_t& p = out.At(x, y);
      if (keyArea > area) {
        p = key;
      } else {
        auto mean = [area](double sum) { return std::clamp(static_cast<int>(std::lround(sum / area)), 0, 255); };
        p = AwayFromKey(PackRgb(mean(r), mean(g), mean(b)), key);
      }
    }
  }
  out.At(0, 0) = key;
  return out;
}

}  // namespace lumaret
