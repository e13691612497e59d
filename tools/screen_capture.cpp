#include "tools/screen_capture.h"

#include "tools/png.h"

namespace lumaret {

Screenshot CaptureWindow(HWND window, bool clientOnly) {
  Screenshot shot;
  RECT r{};
  if (clientOnly) {
    GetClientRect(window, &r);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
  } else {
    GetWindowRect(window, &r);
  }
  shot.width = r.right - r.left;
  shot.height = r.bottom - r.top;
  if (shot.width <= 0 || shot.height <= 0) return Screenshot{};

  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = shot.width;
  bi.bmiHeader.biHeight = -shot.height;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, shot.width, shot.height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  shot.rgb.resize(static_cast<std::size_t>(shot.width) * shot.height * 3);
  const auto* px = static_cast<const std::uint8_t*>(bits);
  for (std::size_t i = 0, n = static_cast<std::size_t>(shot.width) * shot.height; i < n; ++i) {
    shot.rgb[i * 3 + 0] = px[i * 4 + 2];
    shot.rgb[i * 3 + 1] = px[i * 4 + 1];
    shot.rgb[i * 3 + 2] = px[i * 4 + 0];
  }
  SelectObject(mem, old);
  DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return shot;
}

bool SavePng(const Screenshot& shot, const std::wstring& path) {
  if (shot.width <= 0) return false;
  const std::vector<std::uint8_t> png = EncodePng(shot.width, shot.height, shot.rgb);
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(f, png.data(), static_cast<DWORD>(png.size()), &written, nullptr);
  CloseHandle(f);
  return ok && written == png.size();
}

}  // namespace lumaret
