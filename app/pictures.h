// The window's pictures: their roles, their sizes at any DPI, the DPIs for
// which they are drawn and shipped, and the pixels of one picture. Shared by
// the art generator, which draws them on the build machine, and the window,
// which loads them. Pure: no Windows header.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lumaret {

// The pictures by role.
enum class Picture { Background, RingBlue, RingOrange, Close, CloseLit, CloseGrey, Open, OpenLit, OpenGrey };
constexpr std::size_t kPictureCount = 9;
constexpr std::array<Picture, kPictureCount> kAllPictures = {
    Picture::Background, Picture::RingBlue, Picture::RingOrange, Picture::Close,   Picture::CloseLit,
    Picture::CloseGrey,  Picture::Open,     Picture::OpenLit,    Picture::OpenGrey};

struct PictureSize {
  int width = 0;
  int height = 0;
};

// The size of a picture at `dpi`: its size at 96 DPI scaled like every place
// of the window (see dpi_scale.h).
PictureSize PictureSizeAt(Picture p, int dpi);

// The DPIs whose pictures are drawn by the generator and stored in the exe:
// 100, 125, 150, 200 and 300 %, ascending. Every scale up to 300 % thus has
// its own set or a larger one to scale down from.
constexpr std::array<int, 5> kPictureSetDpis = {96, 120, 144, 192, 288};

// The stored set a window at `dpi` draws from: that DPI's own set, else the
// next larger one (scaled down), else the largest (scaled up). A DPI that
// makes no sense (0 or less) counts as 96.
int PictureSetFor(int dpi);

// Name of the resource that holds a picture of a stored set, "BACKGROUND_144".
std::string PictureResourceName(Picture p, int setDpi);

// The pixels of one picture, top row first, each 0x00RRGGBB.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> px;

  bool empty() const { return px.empty(); }
  std::uint32_t At(int x, int y) const { return px[static_cast<std::size_t>(y) * width + x]; }
  std::uint32_t& At(int x, int y) { return px[static_cast<std::size_t>(y) * width + x]; }
};

constexpr std::uint32_t PackRgb(int r, int g, int b) {
  return static_cast<std::uint32_t>((r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF));
}

}  // namespace lumaret
