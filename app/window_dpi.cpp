#include "app/window_dpi.h"

#include "common/system_library.h"

namespace lumaret {

namespace {

// user32 is one of Windows' known DLLs: the System32 copy is the one
// already loaded.
SystemLibrary& User32() {
  static SystemLibrary library(L"user32.dll");
  return library;
}

// The declarations need a newer WINVER than the program is built for, so
// that nothing imports them by accident; the signatures are Microsoft's.
SystemFunction<UINT(HWND)>& GetDpiForWindowCall() {
  static SystemFunction<UINT(HWND)> call(User32(), "GetDpiForWindow");
  return call;
}
SystemFunction<BOOL(LPRECT, DWORD, BOOL, DWORD, UINT)>& AdjustWindowRectExForDpiCall() {
  static SystemFunction<BOOL(LPRECT, DWORD, BOOL, DWORD, UINT)> call(User32(), "AdjustWindowRectExForDpi");
  return call;
}
SystemFunction<int(int, UINT)>& GetSystemMetricsForDpiCall() {
  static SystemFunction<int(int, UINT)> call(User32(), "GetSystemMetricsForDpi");
  return call;
}

}  // namespace

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

int WindowDpi(HWND window) {
  auto& call = GetDpiForWindowCall();
  const UINT dpi = call && window ? call(window) : 0;
  return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

Size FrameSizeAt(DWORD style, DWORD exStyle, int dpi) {
  RECT r{0, 0, 0, 0};
  auto& call = AdjustWindowRectExForDpiCall();
  if (call && call(&r, style, FALSE, exStyle, static_cast<UINT>(dpi))) return {r.right - r.left, r.bottom - r.top};
  r = RECT{0, 0, 0, 0};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  const int system = SystemDpi();
  return {MulDiv(r.right - r.left, dpi, system), MulDiv(r.bottom - r.top, dpi, system)};
}

int SystemMetricAt(int index, int dpi) {
  auto& call = GetSystemMetricsForDpiCall();
  if (call) return call(index, static_cast<UINT>(dpi));
  return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

}  // namespace lumaret
