// A DLL that must never be loaded: built under the names of DLLs that are
// not among Windows' known DLLs (IPHLPAPI.DLL, bcrypt.dll, MSIMG32.dll) and
// put beside a program, where Windows' search would find it first. When it
// is loaded anyway it records that it was ("loaded" in refused.log, see
// standin_files.h) and refuses to load.
#include <windows.h>

#include "testsupport/standin_files.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  using namespace lumaret::standin;
  AppendLine(FilePath("refused", "log"),
             "loaded\t" + std::to_string(GetCurrentProcessId()) + "\t" + ModulePath(instance));
  return FALSE;
}
