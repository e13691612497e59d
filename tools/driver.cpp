#include "tools/driver.h"

namespace lumaret {

HWND WaitForLumaretWindow(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND w = FindWindowW(L"LumaretMainWindow", L"Lumaret");
    if (w && IsWindowVisible(w)) return w;
    if (GetTickCount() - start > timeoutMs) return nullptr;
    Sleep(50);
  }
}

void PressEscape(HWND window) {
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  HWND target = window;
  if (GetGUIThreadInfo(thread, &info) && info.hwndFocus) target = info.hwndFocus;
  const UINT scan = MapVirtualKeyW(VK_ESCAPE, MAPVK_VK_TO_VSC);
  PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 1 | (scan << 16));
  PostMessageW(target, WM_KEYUP, VK_ESCAPE, 1 | (scan << 16) | (1u << 30) | (1u << 31));
}

std::wstring ThisProgramFolder() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

}  // namespace lumaret
