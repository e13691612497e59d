// A tiny RGBA canvas with anti-aliased shapes, and writers for the picture
// formats the program embeds. Used only by the art generator, which runs on
// the build machine; no Windows header.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lumaret::art {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

class Canvas {
 public:
  Canvas(int width, int height, Rgba fill);
  int width() const { return w_; }
  int height() const { return h_; }
  Rgba& at(int x, int y) { return px_[static_cast<std::size_t>(y * w_ + x)]; }
  const Rgba& at(int x, int y) const { return px_[static_cast<std::size_t>(y * w_ + x)]; }

  // Blends `colour` over every pixel in proportion to how much of the pixel
  // (sampled 4 x 4) lies inside the shape; `inside(x, y)` takes pixel
  // coordinates with pixel centres at .5.
  void Fill(const std::function<bool(double, double)>& inside, Rgba colour);

 private:
  int w_, h_;
  std::vector<Rgba> px_;
};

// True when (x, y) lies in the rounded rectangle.
bool InRoundRect(double x, double y, double left, double top, double right, double bottom, double radius);

// A 24-bit bottom-up BMP file (alpha dropped: the pictures use a colour key).
std::vector<std::uint8_t> EncodeBmp24(const Canvas& c);
// An ICO file with one 32-bit image per canvas.
std::vector<std::uint8_t> EncodeIco(const std::vector<Canvas>& images);

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace lumaret::art
