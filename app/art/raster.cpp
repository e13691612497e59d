#include "app/art/raster.h"

#include <cmath>
#include <algorithm>
#include <fstream>

namespace lumaret::art {

Canvas::Canvas(int width, int height, Rgba fill)
    : w_(width), h_(height), px_(static_cast<std::size_t>(width * height), fill) {}

Rgba Mix(Rgba a, Rgba b, double t) {
  auto m = [t](std::uint8_t x, std::uint8_t y) { return static_cast<std::uint8_t>(std::lround(x + (y - x) * t)); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b), m(a.a, b.a)};
}

void Canvas::Blend(int x, int y, Rgba colour, double k) {
  if (k <= 0) return;
  if (k > 1) k = 1;
  Rgba& p = at(x, y);
  auto mix = [k](std::uint8_t under, std::uint8_t over) {
    return static_cast<std::uint8_t>(std::lround(under + (over - under) * k));
  };
  p.r = mix(p.r, colour.r);
  p.g = mix(p.g, colour.g);
  p.b = mix(p.b, colour.b);
  p.a = static_cast<std::uint8_t>(std::lround(p.a + (255 - p.a) * k));
}

void Canvas::Fill(const std::function<bool(double, double)>& inside, Rgba colour) {
  Fill(Box{0, 0, double(w_), double(h_)}, inside, [colour](double, double) { return colour; });
}

void Canvas::Fill(const Box& bounds, const std::function<bool(double, double)>& inside,
                  const std::function<Rgba(double, double)>& colourAt) {
  constexpr int kSub = 4;
  const int x0 = std::max(0, int(std::floor(bounds.left))), x1 = std::min(w_, int(std::ceil(bounds.right)));
  const int y0 = std::max(0, int(std::floor(bounds.top))), y1 = std::min(h_, int(std::ceil(bounds.bottom)));
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSub; ++sy)
        for (int sx = 0; sx < kSub; ++sx)
          if (inside(x + (sx + 0.5) / kSub, y + (sy + 0.5) / kSub)) ++hits;
      if (!hits) continue;
      const Rgba colour = colourAt(x + 0.5, y + 0.5);
      Blend(x, y, colour, hits / double(kSub * kSub) * (colour.a / 255.0));
    }
  }
}

void Canvas::Glow(const Box& bounds, const std::function<Rgba(double, double)>& colourAt) {
  const int x0 = std::max(0, int(std::floor(bounds.left))), x1 = std::min(w_, int(std::ceil(bounds.right)));
  const int y0 = std::max(0, int(std::floor(bounds.top))), y1 = std::min(h_, int(std::ceil(bounds.bottom)));
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const Rgba colour = colourAt(x + 0.5, y + 0.5);
      Blend(x, y, colour, colour.a / 255.0);
    }
}

bool InRoundRect(double x, double y, double left, double top, double right, double bottom, double radius) {
  if (x < left || x > right || y < top || y > bottom) return false;
  const double cx = x < left + radius ? left + radius : (x > right - radius ? right - radius : x);
  const double cy = y < top + radius ? top + radius : (y > bottom - radius ? bottom - radius : y);
  const double dx = x - cx, dy = y - cy;
  return dx * dx + dy * dy <= radius * radius;
}

double RoundRectDistance(double x, double y, double left, double top, double right, double bottom, double radius) {
  const double cx = (left + right) / 2, cy = (top + bottom) / 2;
  const double hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
  const double qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
  const double ox = std::max(qx, 0.0), oy = std::max(qy, 0.0);
  return std::hypot(ox, oy) + std::min(std::max(qx, qy), 0.0) - radius;
}

double Smoothstep(double edge0, double edge1, double x) {
  double t = (x - edge0) / (edge1 - edge0);
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  return t * t * (3 - 2 * t);
}

Polyline Arc(double cx, double cy, double rx, double ry, double from, double to, int steps) {
  Polyline out;
  constexpr double kPi = 3.14159265358979323846;
  for (int i = 0; i <= steps; ++i) {
    const double a = (from + (to - from) * i / steps) * kPi / 180;
    out.push_back({cx + rx * std::cos(a), cy - ry * std::sin(a)});
  }
  return out;
}

Polyline Join(std::initializer_list<Polyline> parts) {
  Polyline out;
  for (const Polyline& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

namespace {

double SegmentDistance2(Pt p, Pt a, Pt b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
  return ex * ex + ey * ey;
}

}  // namespace

bool NearStrokes(const std::vector<Polyline>& strokes, double halfWidth, double x, double y) {
  const double limit = halfWidth * halfWidth;
  for (const Polyline& s : strokes) {
    if (s.size() == 1 && SegmentDistance2({x, y}, s[0], s[0]) <= limit) return true;
    for (std::size_t i = 1; i < s.size(); ++i)
      if (SegmentDistance2({x, y}, s[i - 1], s[i]) <= limit) return true;
  }
  return false;
}

Box StrokeBounds(const std::vector<Polyline>& strokes, double margin) {
  Box b{1e9, 1e9, -1e9, -1e9};
  for (const Polyline& s : strokes)
    for (const Pt& p : s) {
      b.left = std::min(b.left, p.x);
      b.top = std::min(b.top, p.y);
      b.right = std::max(b.right, p.x);
      b.bottom = std::max(b.bottom, p.y);
    }
  return {b.left - margin, b.top - margin, b.right + margin, b.bottom + margin};
}

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

void PutInfoHeader(std::vector<std::uint8_t>& out, int w, int h, int bits, std::uint32_t imageSize) {
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(w));
  Put32(out, static_cast<std::uint32_t>(h));
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(bits));
  Put32(out, 0);  // BI_RGB
  Put32(out, imageSize);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const std::vector<Canvas>& images) {
  std::vector<std::vector<std::uint8_t>> blobs;
  for (const Canvas& c : images) {
    std::vector<std::uint8_t> b;
    const int maskStride = ((c.width() + 31) / 32) * 4;
    const std::uint32_t size = static_cast<std::uint32_t>(c.width() * c.height() * 4 + maskStride * c.height());
    PutInfoHeader(b, c.width(), c.height() * 2, 32, size);
    for (int y = c.height() - 1; y >= 0; --y)
      for (int x = 0; x < c.width(); ++x) {
        const Rgba& p = c.at(x, y);
        b.push_back(p.b);
        b.push_back(p.g);
        b.push_back(p.r);
        b.push_back(p.a);
      }
    b.insert(b.end(), static_cast<std::size_t>(maskStride * c.height()), 0);  // alpha decides
    blobs.push_back(std::move(b));
  }
  std::vector<std::uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(images.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<std::uint8_t>(images[i].width() >= 256 ? 0 : images[i].width()));
    out.push_back(static_cast<std::uint8_t>(images[i].height() >= 256 ? 0 : images[i].height()));
    out.push_back(0);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, static_cast<std::uint32_t>(blobs[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(blobs[i].size());
  }
  for (const auto& b : blobs) out.insert(out.end(), b.begin(), b.end());
  return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(f);
}

}  // namespace lumaret::art
