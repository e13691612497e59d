// What the window tests that look at the screen share: the pictures read
// back pixel by pixel, letting the window paint, and a picture button's
// pixels compared with what its picture and the look rules say.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/picture_resources.h"
#include "common/run_directory.h"
#include "testsupport/window_test_support.h"
#include "tools/screen_capture.h"

namespace lumaret {

// A picture for a DPI, as the window loads it, read back pixel by pixel.
struct PicturePixels {
  int width = 0, height = 0;
  COLORREF key = 0;
  std::vector<COLORREF> px;
  COLORREF At(int x, int y) const { return px[static_cast<std::size_t>(y * width + x)]; }
};

inline PicturePixels ReadPicture(Picture which, int dpi = kDesignDpi) {
  const LoadedPicture p = LoadPicture(GetModuleHandleW(nullptr), which, dpi);
  PicturePixels out;
  if (!p.bitmap) return out;
  out.width = p.width;
  out.height = p.height;
  out.key = p.key;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, p.bitmap);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) out.px.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(p.bitmap);
  return out;
}

inline std::string Hex(COLORREF c) {
  char s[16];
  wsprintfA(s, "%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
  return s;
}

// Lets the window paint and the screen catch up.
inline void Settle() {
  for (int i = 0; i < 15; ++i) {
    DrainMessages();
    Sleep(10);
  }
}

// Waits (pumping) until `done` holds, at most two seconds: the pointer's
// leaving is noticed by a timer.
template <typename F>
bool SettleUntil(F done) {
  for (int i = 0; i < 200 && !done(); ++i) {
    DrainMessages();
    Sleep(10);
  }
  Settle();
  return done();
}

// The window's client area as the screen shows it, saved in
// build/win/screenshots/ as `name`.png for a person to see.
inline Screenshot ShootClientArea(HWND window, const char* name) {
  Screenshot s = CaptureWindow(window, true);
  const std::string folder = GetRunDirectory() + "\\..\\screenshots";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string path = folder + "\\" + name + ".png";
  SavePng(s, std::wstring(path.begin(), path.end()));
  return s;
}

// The screenshot's pixels of a picture button: its background colour, with
// `p` at `origin` (button coordinates), colour-keyed and clipped to the
// button. Returns the number of pixels that differ and describes the first.
inline int CompareButton(const MainWindow& w, const Screenshot& s, ControlId id, const PicturePixels& p, Point origin,
                         COLORREF fill, std::string* first) {
  const Rect r = w.GetPlace(id);
  int bad = 0;
  for (int y = 0; y < r.height; ++y)
    for (int x = 0; x < r.width; ++x) {
      const int px = x - origin.x, py = y - origin.y;
      COLORREF want = fill;
      if (px >= 0 && py >= 0 && px < p.width && py < p.height && p.At(px, py) != p.key) want = p.At(px, py);
      const COLORREF got = s.At(r.left + x, r.top + y);
      if (got != want && bad++ == 0) {
        *first = "at " + std::to_string(x) + "," + std::to_string(y) + " want " + Hex(want) + " got " + Hex(got);
      }
    }
  return bad;
}

}  // namespace lumaret
