// The DPI a window is drawn at, and what Windows measures at a DPI. The
// calls that take a DPI came with Windows 10 (1607); they are looked up in
// user32 by name, so that Lumaret still starts on Windows 7 and 8.1, which
// lack them and draw every window at one DPI, the system's.
#pragma once

#include <windows.h>

#include "app/window_description.h"

namespace lumaret {

// The system DPI: the screen's logical pixels per inch, the DPI Windows
// makes its stock fonts for.
int SystemDpi();

// The DPI of the monitor the window is on (GetDpiForWindow), else the
// system DPI.
int WindowDpi(HWND window);

// What the frame of a top-level window of this style (borders, title bar)
// adds to its client area at `dpi`: AdjustWindowRectExForDpi, else the
// frame at the system DPI scaled to `dpi`.
Size FrameSizeAt(DWORD style, DWORD exStyle, int dpi);

// A system metric (SM_CXSMICON, ...) at `dpi`: GetSystemMetricsForDpi, else
// the metric at the system DPI scaled to `dpi`.
int SystemMetricAt(int index, int dpi);

}  // namespace lumaret
