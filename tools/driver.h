// Finding and driving a running Lumaret window from another process.
#pragma once

#include <windows.h>

#include <string>

#include "common/control_id.h"

namespace lumaret {

// The visible top-level window titled "Lumaret" of the program's window
// class, waited for up to `timeoutMs`; nullptr when none appeared.
HWND WaitForLumaretWindow(DWORD timeoutMs);

// Presses a key in the window: it goes to the control that has the focus,
// as it would from the keyboard.
void PressKey(HWND window, UINT key);
// Presses Esc in the window.
void PressEscape(HWND window);

// The child window of a control of a running Lumaret's main window (also
// inside the adapter panel); nullptr when there is none.
HWND ControlOf(HWND main, ControlId id);

// Clicks the control as BM_CLICK does and waits for the click handler to
// return (at most `timeoutMs`).
void ClickControl(HWND main, ControlId id, DWORD timeoutMs = 30000);

// The control's text, as UTF-16.
std::wstring ControlText(HWND main, ControlId id);

// The folder of this program, with a trailing backslash.
std::wstring ThisProgramFolder();

}  // namespace lumaret
