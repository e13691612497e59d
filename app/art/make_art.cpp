// Draws the program's icon and pictures from code and writes them into the
// folder given as the only argument. Run on the build machine; the resource
// compiler then embeds what it wrote.
#include <cmath>
#include <cstdio>
#include <string>

#include "app/art/raster.h"

namespace lumaret::art {
namespace {

const Rgba kClear{0, 0, 0, 0};
const Rgba kBlue{30, 120, 210, 255};
const Rgba kWhite{255, 255, 255, 255};

// A blue rounded square with the three arcs and the dot of a Wi-Fi sign.
Canvas DrawIcon(int size) {
  Canvas c(size, size, kClear);
  const double s = size;
  c.Fill([&](double x, double y) { return InRoundRect(x, y, 0.5, 0.5, s - 0.5, s - 0.5, s * 0.2); }, kBlue);
  const double cx = s / 2, cy = s * 0.74;
  c.Fill([&](double x, double y) { return std::hypot(x - cx, y - cy) <= s * 0.085; }, kWhite);
  for (double r : {0.23, 0.37, 0.51}) {
    const double outer = s * r, inner = outer - s * 0.075;
    c.Fill(
        [&](double x, double y) {
          const double d = std::hypot(x - cx, y - cy);
          if (d < inner || d > outer || y > cy) return false;
          return std::fabs(x - cx) <= (cy - y);  // the upper quarter, 90 degrees wide
        },
        kWhite);
  }
  return c;
}

}  // namespace
}  // namespace lumaret::art

int main(int argc, char** argv) {
  using namespace lumaret::art;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_art OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string out = argv[1];
  bool ok = WriteFile(out + "/lumaret.ico", EncodeIco({DrawIcon(16), DrawIcon(32), DrawIcon(48)}));
  return ok ? 0 : 1;
}
