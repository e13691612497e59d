#include "common/message_pump.h"

#include <algorithm>

#include "common/window_toolkit.h"

namespace lumaret {

void PumpPendingEvents() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
    // Take out the message just looked at (the first one of its kind).
    if (!PeekMessageW(&msg, nullptr, msg.message, msg.message, PM_REMOVE)) break;
    TheWindow().RouteMessage(msg);
  }
}

namespace {

// Handles every waiting message; false when WM_QUIT came (posted again, so
// that the main loop sees it too).
bool HandleWaitingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    TheWindow().RouteMessage(msg);
  }
  return true;
}

}  // namespace

WaitEnd WaitPumpingMessages(const HANDLE* handles, DWORD count, DWORD limitMs, DWORD* signalled) {
  const DWORD start = GetTickCount();
  for (;;) {
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= limitMs) {
      // One last look: a handle signalled right at the limit still counts.
      if (count > 0) {
        const DWORD r = WaitForMultipleObjects(count, handles, FALSE, 0);
        if (r < WAIT_OBJECT_0 + count) {
          if (signalled) *signalled = r - WAIT_OBJECT_0;
          return WaitEnd::Signalled;
        }
      }
      return WaitEnd::TimedOut;
    }
    const DWORD r = MsgWaitForMultipleObjectsEx(count, handles, limitMs - elapsed, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (r < WAIT_OBJECT_0 + count) {
      if (signalled) *signalled = r - WAIT_OBJECT_0;
      return WaitEnd::Signalled;
    }
    if (r == WAIT_TIMEOUT) continue;  // judged at the top
    if (r != WAIT_OBJECT_0 + count) return WaitEnd::Failed;
    if (!HandleWaitingMessages()) return WaitEnd::Quit;
  }
}

WaitEnd WaitPumpingUntil(const std::function<bool()>& done, DWORD limitMs, DWORD pollMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done()) return WaitEnd::Signalled;
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= limitMs) return WaitEnd::TimedOut;
    const DWORD slice = std::min<DWORD>(pollMs, limitMs - elapsed);
    const DWORD r = MsgWaitForMultipleObjectsEx(0, nullptr, slice, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (r == WAIT_OBJECT_0 && !HandleWaitingMessages()) return WaitEnd::Quit;
    if (r == WAIT_FAILED) return WaitEnd::Failed;
  }
}

}  // namespace lumaret
