#include "hotspot/elevation.h"

#include <windows.h>

#include "common/win_handles.h"

namespace lumaret {

bool ProcessIsElevated() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return true;
  const UniqueHandle owner(token);
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  if (!GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size)) return true;
  return elevation.TokenIsElevated != 0;
}

}  // namespace lumaret
