// Finding and driving a running Lumaret window from another process.
#pragma once

#include <windows.h>

#include <string>

namespace lumaret {

// The visible top-level window titled "Lumaret" of the program's window
// class, waited for up to `timeoutMs`; nullptr when none appeared.
HWND WaitForLumaretWindow(DWORD timeoutMs);

// Presses Esc in the window: the key goes to the control that has the
// focus, as it would from the keyboard.
void PressEscape(HWND window);

// The folder of this program, with a trailing backslash.
std::wstring ThisProgramFolder();

}  // namespace lumaret
