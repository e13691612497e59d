// lumaret_shot OUT.png [--keep-open]
// Waits for the Lumaret window, saves a screenshot of it, then closes it
// with Esc (unless --keep-open). Used by `make run` on a display nobody sees.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tools/driver.h"
#include "tools/screen_capture.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: lumaret_shot OUT.png [--keep-open]\n");
    return 2;
  }
  HWND w = lumaret::WaitForLumaretWindow(60000);
  if (!w) {
    std::fprintf(stderr, "lumaret_shot: no Lumaret window appeared\n");
    return 1;
  }
  Sleep(1500);  // let it finish painting
  const bool saved = lumaret::SavePng(lumaret::CaptureWindow(w), argv[1]);
  if (!(argc > 2 && std::wstring(argv[2]) == L"--keep-open")) lumaret::PressEscape(w);
  return saved ? 0 : 1;
}
