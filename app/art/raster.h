// A tiny RGBA canvas with anti-aliased shapes and strokes, and the writer of
// the icon file. Used by the art generator, which runs on the build machine,
// and its tests; no Windows header.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lumaret::art {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

// Linear mix of two colours, t = 0 gives `a`, t = 1 gives `b`.
Rgba Mix(Rgba a, Rgba b, double t);

struct Box {
  double left, top, right, bottom;
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
  // The same within `bounds` only, with a colour that may vary over the
  // shape (gradients); its alpha scales the coverage.
  void Fill(const Box& bounds, const std::function<bool(double, double)>& inside,
            const std::function<Rgba(double, double)>& colourAt);
  // Blends a colour whose alpha alone says how much of it lands (soft
  // shadows and glows), sampled once at each pixel centre.
  void Glow(const Box& bounds, const std::function<Rgba(double, double)>& colourAt);

 private:
  void Blend(int x, int y, Rgba colour, double k);
  int w_, h_;
  std::vector<Rgba> px_;
};

// True when (x, y) lies in the rounded rectangle.
bool InRoundRect(double x, double y, double left, double top, double right, double bottom, double radius);
// Distance from (x, y) to the rounded rectangle: negative inside, 0 on its edge.
double RoundRectDistance(double x, double y, double left, double top, double right, double bottom, double radius);

double Smoothstep(double edge0, double edge1, double x);

// Strokes: polylines drawn with round ends and joins.
struct Pt {
  double x, y;
};
using Polyline = std::vector<Pt>;

// Points of an elliptic arc, angles in degrees, counter-clockwise as seen on
// screen (y grows downward), from `from` to `to`.
Polyline Arc(double cx, double cy, double rx, double ry, double from, double to, int steps = 16);
// Joins polylines end to start (for strokes made of lines and arcs).
Polyline Join(std::initializer_list<Polyline> parts);

// True when (x, y) lies within `halfWidth` of any of the strokes.
bool NearStrokes(const std::vector<Polyline>& strokes, double halfWidth, double x, double y);
// The box around the strokes, grown by `margin`.
Box StrokeBounds(const std::vector<Polyline>& strokes, double margin);

// An ICO file with one 32-bit image per canvas.
std::vector<std::uint8_t> EncodeIco(const std::vector<Canvas>& images);

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace lumaret::art
