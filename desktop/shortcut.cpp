#include "desktop/shortcut.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "common/encoding.h"
#include "common/text.h"
#include "common/win_handles.h"
#include "desktop/shortcut_automation.h"
#include "desktop/shortcut_paths.h"

namespace lumaret {

namespace {

// How each folder kind is asked for.
enum class FolderSource { Shell, Windows, System, Temp };
struct FolderKind {
  FolderSource source;
  int csidl;
};

const FolderKind kFolderKinds[] = {
    {FolderSource::Shell, CSIDL_DESKTOPDIRECTORY},  // 0: as 3
    {FolderSource::Shell, CSIDL_PERSONAL},          // 1
    {FolderSource::Shell, CSIDL_FAVORITES},         // 2
    {FolderSource::Shell, CSIDL_DESKTOPDIRECTORY},  // 3
    {FolderSource::Shell, CSIDL_FONTS},             // 4
    {FolderSource::Shell, CSIDL_STARTMENU},         // 5
    {FolderSource::Shell, CSIDL_PROGRAMS},          // 6
    {FolderSource::Shell, CSIDL_STARTUP},           // 7
    {FolderSource::Shell, CSIDL_APPDATA},           // 8
    {FolderSource::Windows, 0},                     // 9
    {FolderSource::System, 0},                      // 10
    {FolderSource::Temp, 0},                        // 11
    {FolderSource::Shell, CSIDL_INTERNET_CACHE},    // 12
};

bool ExistsAt(const std::string& path) {
  WIN32_FIND_DATAA data;
  FindHandle found(FindFirstFileA(path.c_str(), &data));
  return static_cast<bool>(found);
}

}  // namespace

std::string GetSpecialFolder(std::optional<int> kind) {
  constexpr int kBufferSize = 260;
  char buffer[kBufferSize + 1];
  for (int i = 0; i < kBufferSize; ++i) buffer[i] = ' ';
  buffer[kBufferSize] = '\0';

  const int k = kind.value_or(0);
  if (k < 0 || k >= static_cast<int>(sizeof kFolderKinds / sizeof kFolderKinds[0])) return std::string();
  const FolderKind& f = kFolderKinds[k];
  bool ok = false;
  switch (f.source) {
    case FolderSource::Shell: ok = SHGetSpecialFolderPathA(nullptr, buffer, f.csidl, FALSE) != FALSE; break;
    case FolderSource::Windows: ok = GetWindowsDirectoryA(buffer, kBufferSize) > 0; break;
    case FolderSource::System: ok = GetSystemDirectoryA(buffer, kBufferSize) > 0; break;
    case FolderSource::Temp: ok = GetTempPathA(kBufferSize, buffer) > 0; break;
  }
  if (!ok) return std::string();
  std::string path(buffer);  // up to the first zero byte
  if (path.empty() || FindLastBackslash(path, AnsiCodePage()) != path.size() - 1) path += '\\';
  return path;
}

std::string GetFileTitle(const std::string& path, std::optional<bool> withExtension) {
  const char* start = PathFindFileNameA(path.c_str());
  const std::string title = start ? std::string(start) : std::string();
  if (withExtension.value_or(false)) return title;
  return title.substr(0, title.size() - GetFileExtension(title).size());
}

std::string GetFileExtension(const std::string& path) {
  const char* extension = PathFindExtensionA(path.c_str());
  return extension ? std::string(extension) : std::string();
}

bool CreateDesktopShortcut(std::string& name, const std::string& target, const std::optional<std::string>& arguments,
                           const std::optional<std::string>& icon, std::optional<int> windowStyle,
                           const std::optional<std::string>& description, const std::optional<std::string>& hotkey) {
  name = ShortcutPathFor(GetSpecialFolder(), name, [](const std::string& n) { return GetFileTitle(n, false); },
                         AnsiCodePage());

  // An older file of that name goes first, whatever happens next.
  if (ExistsAt(name)) DeleteFileA(name.c_str());

  const std::optional<std::string> workingDirectory = ShortcutWorkingDirectory(target, AnsiCodePage());
  if (!workingDirectory) return false;

  ComPtr<IDispatch> shortcut;
  {
    ComPtr<IDispatch> shell = CreateAutomationObject(L"wshom.ocx", L"WshShell");
    if (!shell) return false;
    shortcut = CallMethod(shell.get(), L"CreateShortcut", &name);
  }
  if (!shortcut) return false;

  if (!PutProperty(shortcut.get(), L"TargetPath", target)) return false;
  PutProperty(shortcut.get(), L"WorkingDirectory", *workingDirectory);
  PutProperty(shortcut.get(), L"IconLocation", ShortcutIconLocation(icon, target, GetFileExtension(target)));
  PutProperty(shortcut.get(), L"WindowStyle", windowStyle.value_or(0));
  PutProperty(shortcut.get(), L"Description", description.value_or(std::string()));
  PutProperty(shortcut.get(), L"Arguments", arguments.value_or(std::string()));
  PutProperty(shortcut.get(), L"Hotkey", hotkey.value_or(std::string()));
  CallMethod(shortcut.get(), L"Save");  // what it returns is released at once
  return true;
}

}  // namespace lumaret
