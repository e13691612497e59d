// Screenshots of a window as the screen shows it, for the test drivers.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lumaret {

struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // top row first, three bytes a pixel
  COLORREF At(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return RGB(rgb[i], rgb[i + 1], rgb[i + 2]);
  }
};

// The pixels of the window's outer rectangle (client area only when
// `clientOnly`), read from the screen.
Screenshot CaptureWindow(HWND window, bool clientOnly = false);

// Writes the shot as a PNG file; false when the file could not be written.
bool SavePng(const Screenshot& shot, const std::wstring& path);

}  // namespace lumaret
