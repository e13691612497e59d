// Test helpers: a shortcut file read back through the shell's link
// interface, and the Wine session set up for making shortcuts.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "common/encoding.h"
#include "common/win_handles.h"

namespace lumaret {

struct ShortcutFile {
  bool loaded = false;
  std::string target, workingDirectory, arguments, description, iconPath;
  int iconIndex = -1;
  int showCommand = -1;        // as the link interface reports it
  int storedShowCommand = -1;  // as the file holds it (Wine's reader turns all but 1, 3, 7 into 1)
};

inline ShortcutFile ReadShortcut(const std::string& path) {
  ShortcutFile s;
  ComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put_void()))) {
    return s;
  }
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.put_void()))) return s;
  if (FAILED(file->Load(AnsiToWide(path).c_str(), STGM_READ))) return s;
  s.loaded = true;
  wchar_t buffer[1024];
  if (SUCCEEDED(link->GetPath(buffer, 1024, nullptr, SLGP_RAWPATH))) s.target = WideToAnsi(buffer);
  if (SUCCEEDED(link->GetWorkingDirectory(buffer, 1024))) s.workingDirectory = WideToAnsi(buffer);
  if (SUCCEEDED(link->GetArguments(buffer, 1024))) s.arguments = WideToAnsi(buffer);
  if (SUCCEEDED(link->GetDescription(buffer, 1024))) s.description = WideToAnsi(buffer);
  if (SUCCEEDED(link->GetIconLocation(buffer, 1024, &s.iconIndex))) s.iconPath = WideToAnsi(buffer);
  link->GetShowCmd(&s.showCommand);
  // The file header: 76 bytes, the show command a 32-bit value at offset 60.
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f != INVALID_HANDLE_VALUE) {
    unsigned char header[76];
    DWORD got = 0;
    if (ReadFile(f, header, sizeof header, &got, nullptr) && got == sizeof header) {
      s.storedShowCommand = header[60] | header[61] << 8 | header[62] << 16 | header[63] << 24;
    }
    CloseHandle(f);
  }
  return s;
}

inline bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

inline void WriteJunkFile(const std::string& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(f, "not a link", 10, &written, nullptr);
  CloseHandle(f);
}

// For a test binary that makes shortcuts, registered with
// testing::AddGlobalTestEnvironment: OLE on the test thread, as the program
// has it. Wine hands every shortcut saved on the desktop to its menu
// builder, which would write a launcher into the Unix user's home: switched
// off for the test prefix.
class ShortcutSession : public testing::Environment {
 public:
  void SetUp() override {
    OleInitialize(nullptr);
    HKEY key;
    if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", &key) == ERROR_SUCCESS) {
      RegSetValueExA(key, "winemenubuilder.exe", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
      RegCloseKey(key);
    }
  }
  void TearDown() override { OleUninitialize(); }
};

}  // namespace lumaret
