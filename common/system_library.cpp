#include "common/system_library.h"

namespace lumaret {

bool RestrictDllSearchToSystem32() {
  return SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE;
}

SystemLibrary::~SystemLibrary() {
  if (module_) FreeLibrary(module_);
}

HMODULE SystemLibrary::Module() {
  std::call_once(loadOnce_, [this] { module_ = LoadLibraryExW(fileName_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32); });
  return module_;
}

FARPROC SystemLibrary::Address(const char* name) {
  HMODULE m = Module();
  return m ? GetProcAddress(m, name) : nullptr;
}

}  // namespace lumaret
