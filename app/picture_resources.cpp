#include "app/picture_resources.h"

#include <string>

#include "app/picture_codec.h"
#include "app/picture_scaling.h"

namespace lumaret {

namespace {

// The pixels of a stored picture; empty when the resource is missing or
// does not decode.
Pixels ReadPictureResource(HINSTANCE instance, const std::string& name) {
  const std::wstring wide(name.begin(), name.end());  // the names are ASCII
  HRSRC found = FindResourceW(instance, wide.c_str(), RT_RCDATA);
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  Pixels p;
  if (data) DecodePicture(static_cast<const std::uint8_t*>(data), SizeofResource(instance, found), &p);
  return p;
}

// A 24-bit bottom-up DIB section with the pixels, as a bitmap file loaded
// with LR_CREATEDIBSECTION would be; its key is its top-left pixel.
LoadedPicture ToDibSection(const Pixels& p) {
  LoadedPicture out;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = p.width;
  info.bmiHeader.biHeight = p.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) {
    if (bitmap) DeleteObject(bitmap);
    return out;
  }
  const std::size_t stride = (static_cast<std::size_t>(p.width) * 3 + 3) & ~std::size_t{3};
  for (int y = 0; y < p.height; ++y) {
    std::uint8_t* row = static_cast<std::uint8_t*>(bits) + stride * static_cast<std::size_t>(p.height - 1 - y);
    for (int x = 0; x < p.width; ++x) {
      const std::uint32_t c = p.At(x, y);
      row[3 * x] = static_cast<std::uint8_t>(c);
      row[3 * x + 1] = static_cast<std::uint8_t>(c >> 8);
      row[3 * x + 2] = static_cast<std::uint8_t>(c >> 16);
    }
  }
  out.bitmap = bitmap;
  out.width = p.width;
  out.height = p.height;
  const std::uint32_t key = p.At(0, 0);
  out.key = RGB(key >> 16 & 0xFF, key >> 8 & 0xFF, key & 0xFF);
  return out;
}

}  // namespace

LoadedPicture LoadPicture(HINSTANCE instance, Picture which, int dpi) {
  if (dpi <= 0) dpi = kDesignDpi;
  Pixels p = ReadPictureResource(instance, PictureResourceName(which, PictureSetFor(dpi)));
  if (p.empty()) return {};
  const PictureSize size = PictureSizeAt(which, dpi);
  if (p.width != size.width || p.height != size.height) p = ResamplePicture(p, size.width, size.height);
  return p.empty() ? LoadedPicture{} : ToDibSection(p);
}

}  // namespace lumaret
