// lumaret_dll_bench DLL...
// Loads the DLLs named on the command line from System32, one after the
// other, in a fresh process that imports none of them, and prints the time
// that took: with Lumaret.exe's import list, what the loader spends on them
// before WinMain; with the DLLs Lumaret now loads on first use, what start-
// up no longer pays. The manifest of Lumaret.exe is embedded, so COMCTL32 is
// version 6 as there.
#include <windows.h>

#include <cstdio>

#include "tools/bench/timing.h"

int wmain(int argc, wchar_t** argv) {
  // By bare name, searched in System32 only: COMCTL32 still goes to the
  // side-by-side store, as the manifest asks.
  const double t = lumaret::Now();
  int loaded = 0;
  for (int i = 1; i < argc; ++i) loaded += LoadLibraryExW(argv[i], nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32) != nullptr;
  std::printf("%.2f %d\n", (lumaret::Now() - t) * 1000, loaded);
  return loaded == argc - 1 ? 0 : 1;
}
