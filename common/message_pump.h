// Waiting on the GUI thread without freezing the window: every wait here
// keeps handling the thread's window messages exactly as the main loop does
// (through the installed window toolkit), so the window paints and answers.
#pragma once

#include <windows.h>

#include <functional>

namespace lumaret {

// Handles the window messages already waiting for this thread, then returns.
// A quit message stays in the queue for the main loop.
void PumpPendingEvents();

enum class WaitEnd {
  Signalled,  // a handle was signalled, or the condition came true
  TimedOut,   // the limit passed first
  Quit,       // the window's WM_QUIT arrived; it has been posted again
  Failed,     // the wait itself failed
};

// Waits until one of `handles` is signalled (its index in `signalled`), the
// limit passes, or WM_QUIT arrives, handling messages meanwhile. With no
// handles it only waits out the limit (or the quit).
WaitEnd WaitPumpingMessages(const HANDLE* handles, DWORD count, DWORD limitMs, DWORD* signalled = nullptr);
inline WaitEnd WaitPumpingMessages(HANDLE handle, DWORD limitMs) {
  return WaitPumpingMessages(&handle, 1, limitMs);
}

// Waits until `done` returns true, looking every `pollMs` and whenever a
// message was handled, at most `limitMs`; the same ends as above.
WaitEnd WaitPumpingUntil(const std::function<bool()>& done, DWORD limitMs, DWORD pollMs = 50);

}  // namespace lumaret
