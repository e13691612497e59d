#include <windows.h>

#include "app/startup.h"
#include "common/system_library.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Before anything else: every DLL loaded from here on, also by Windows'
  // own DLLs on our behalf, comes from System32, never from beside the
  // program or the current directory.
  lumaret::RestrictDllSearchToSystem32();
  return lumaret::StartProgram(instance, lumaret::StartedToTurnOnHotspot() ? lumaret::TurnOnHotspot : nullptr);
}
