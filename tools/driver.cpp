#include "tools/driver.h"

#include "app/window_description.h"

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

void PressKey(HWND window, UINT key) {
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  HWND target = window;
  if (GetGUIThreadInfo(thread, &info) && info.hwndFocus) target = info.hwndFocus;
  const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  PostMessageW(target, WM_KEYDOWN, key, 1 | (scan << 16));
  PostMessageW(target, WM_KEYUP, key, 1 | (scan << 16) | (1u << 30) | (1u << 31));
}

void PressEscape(HWND window) { PressKey(window, VK_ESCAPE); }

HWND ControlOf(HWND main, ControlId id) {
  HWND h = GetDlgItem(main, CommandIdOf(id));
  if (!h) h = GetDlgItem(GetDlgItem(main, CommandIdOf(ControlId::分组框1)), CommandIdOf(id));
  return h;
}

void ClickControl(HWND main, ControlId id, DWORD timeoutMs) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(ControlOf(main, id), BM_CLICK, 0, 0, SMTO_NORMAL, timeoutMs, &result);
}

std::wstring ControlText(HWND main, ControlId id) {
  HWND h = ControlOf(main, id);
  DWORD_PTR length = 0;
  if (!h || !SendMessageTimeoutW(h, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length)) return std::wstring();
  std::wstring text(length + 1, L'\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutW(h, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_NORMAL, 5000, &got);
  text.resize(got);
  return text;
}

std::wstring ThisProgramFolder() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

}  // namespace lumaret
