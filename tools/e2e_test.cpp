// Lumaret.exe started as a user starts it: the window is found by its title,
// photographed, and closed with Esc.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tools/driver.h"
#include "tools/screen_capture.h"

namespace lumaret {
namespace {

TEST(EndToEnd, StartsShowsTheWindowAndClosesOnEsc) {
  const std::wstring exe = ThisProgramFolder() + L"Lumaret.exe";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  std::wstring cmd = L"\"" + exe + L"\"";
  ASSERT_TRUE(CreateProcessW(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
      << "cannot start " << std::string(exe.begin(), exe.end());

  HWND w = WaitForLumaretWindow(30000);
  ASSERT_NE(w, nullptr) << "no window titled Lumaret";
  wchar_t title[64] = {};
  GetWindowTextW(w, title, 64);
  EXPECT_STREQ(title, L"Lumaret");

  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.right - r.left, 468);
  EXPECT_EQ(r.bottom - r.top, 357);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 468) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 357) / 2);
  const LONG style = GetWindowLongW(w, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);

  Sleep(1000);
  CreateDirectoryW(L"screenshots", nullptr);
  EXPECT_TRUE(SavePng(CaptureWindow(w), L"screenshots\\e2e-window.png"));

  PressEscape(w);
  EXPECT_EQ(WaitForSingleObject(pi.hProcess, 15000), WAIT_OBJECT_0) << "Esc did not close the program";
  DWORD code = 1234;
  GetExitCodeProcess(pi.hProcess, &code);
  EXPECT_EQ(code, 0u);
  if (WaitForSingleObject(pi.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

}  // namespace
}  // namespace lumaret
