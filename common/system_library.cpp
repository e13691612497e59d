#include "common/system_library.h"

namespace lumaret {

bool RestrictDllSearchToSystem32() {
  // Looked up, not imported: kernel32 is always loaded, and an import the
  // system lacks would keep the program from starting at all.
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  const auto set = reinterpret_cast<SetDirectories>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  return set && set(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE;
}

void KeepSystemLibrariesLoaded() {
  static SystemLibrary msimg32(L"msimg32.dll");
  msimg32.Module();
}

std::wstring SystemFilePath(const std::wstring& fileName) {
  wchar_t folder[MAX_PATH];
  const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::wstring();
  return std::wstring(folder, n) + L"\\" + fileName;
}

SystemLibrary::~SystemLibrary() {
  if (module_) FreeLibrary(module_);
}

HMODULE SystemLibrary::Module() {
  std::call_once(loadOnce_, [this] {
    const std::wstring path = SystemFilePath(fileName_);
    if (path.empty()) return;
    module_ = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module_ && GetLastError() == ERROR_INVALID_PARAMETER) {
      // A system without the search flags: the full path still names the
      // file, and its own imports are looked for beside it, in System32.
      module_ = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
  });
  return module_;
}

FARPROC SystemLibrary::Address(const char* name) {
  HMODULE m = Module();
  return m ? GetProcAddress(m, name) : nullptr;
}

}  // namespace lumaret
