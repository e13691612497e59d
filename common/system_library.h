// DLLs that are not among Windows' known DLLs are never imported: a DLL of
// the same name beside the program, or in the current directory, would be
// loaded into an elevated process before any line of ours runs. They are
// loaded on first use, from System32 only, through this one helper, which
// owns the module and resolves its functions by name, each with its own type.
//
//   SystemLibrary& IpHelper() { static SystemLibrary lib(L"iphlpapi.dll"); return lib; }
//   SystemFunction<decltype(::GetAdaptersInfo)> getAdaptersInfo(IpHelper(), "GetAdaptersInfo");
//   if (getAdaptersInfo) getAdaptersInfo(buffer, &length);
//
// A library or function that cannot be had is a failure of the feature that
// needs it; the helper only reports it (the bool tests) and never throws.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>

namespace lumaret {

// Restricts this process's DLL search to System32 (SetDefaultDllDirectories
// with LOAD_LIBRARY_SEARCH_SYSTEM32). The first thing the program does.
// False where the system lacks it (a Windows 7 without KB2533623; it is
// looked up at run time, so the program still starts there).
bool RestrictDllSearchToSystem32();

// Loads, from System32, the DLLs that are no known DLLs but that Windows'
// own DLLs load for the program by their bare names (msimg32, which uxtheme
// draws themed controls with under Wine), and keeps them: a later load by
// name then finds the module already there and searches nowhere. Needed
// where those loads ignore the restricted search (Wine's delay loads do);
// on Windows it only pins what would come from System32 anyway.
void KeepSystemLibrariesLoaded();

// The full path of a file in the system folder (GetSystemDirectoryW, then
// "\" and the name); empty when the system folder cannot be had.
std::wstring SystemFilePath(const std::wstring& fileName);

class SystemLibrary {
 public:
  // `fileName` is a bare file name in System32, such as L"wlanapi.dll".
  explicit SystemLibrary(const wchar_t* fileName) : fileName_(fileName) {}
  ~SystemLibrary();
  SystemLibrary(const SystemLibrary&) = delete;
  SystemLibrary& operator=(const SystemLibrary&) = delete;

  // Loaded on the first call, by its full path in System32, its own imports
  // from System32 too (LOAD_LIBRARY_SEARCH_SYSTEM32); later calls give the
  // same answer. Null when it could not be loaded.
  HMODULE Module();
  bool Available() { return Module() != nullptr; }
  // The exported function of that name; null when the library or the
  // function is missing.
  FARPROC Address(const char* name);
  const wchar_t* fileName() const { return fileName_; }

 private:
  const wchar_t* fileName_;
  std::once_flag loadOnce_;
  HMODULE module_ = nullptr;
};

template <typename Signature>
class SystemFunction;

// A function of a SystemLibrary with the signature of its declaration
// (x64 has one calling convention, so the plain function type serves).
template <typename R, typename... Args>
class SystemFunction<R(Args...)> {
 public:
  using Pointer = R (*)(Args...);
  SystemFunction(SystemLibrary& library, const char* name) : library_(&library), name_(name) {}

  // Resolved on the first use; false when it cannot be had.
  explicit operator bool() { return get() != nullptr; }
  Pointer get() {
    // Through void(*)(), the generic function pointer, which the compiler
    // accepts as a cast between function types without a warning.
    std::call_once(resolveOnce_, [this] {
      pointer_ = reinterpret_cast<Pointer>(reinterpret_cast<void (*)()>(library_->Address(name_)));
    });
    return pointer_;
  }
  // Only after the bool test said yes.
  R operator()(Args... args) { return get()(args...); }

 private:
  SystemLibrary* library_;
  const char* name_;
  std::once_flag resolveOnce_;
  Pointer pointer_ = nullptr;
};

}  // namespace lumaret
