// What the in-process window tests share: the real MainWindow made and
// closed as at start-up, handling the messages a test leaves waiting, and a
// clean settings folder beside the test binary. The feature tests reach the
// window through here.
#pragma once

#include <windows.h>

#include <string>

#include "app/main_window.h"
#include "app/startup.h"
#include "common/run_directory.h"

namespace lumaret {

// Handles every message waiting for this thread as the main loop would; a
// quit message (posted when a test destroys the window) is taken out.
inline void DrainMessages() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (m.message != WM_QUIT) DispatchWindowMessage(m);
  }
}

// The whole content of a file; empty when it cannot be read. Others may go
// on writing it meanwhile.
inline std::string ReadWholeFile(const std::string& path) {
  std::string out;
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                         nullptr);
  if (f == INVALID_HANDLE_VALUE) return out;
  char buf[4096];
  DWORD got = 0;
  while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got) out.append(buf, got);
  CloseHandle(f);
  return out;
}

// Config\Config.ini beside this binary; it is where the program looks.
inline std::string SettingsFileBesideProgram() { return GetRunDirectory() + "\\Config\\Config.ini"; }

// Writes `bytes` as Config\Config.ini beside this binary, the folder made
// first; false when the file could not be written.
inline bool WriteSettingsBesideProgram(const std::string& bytes) {
  CreateDirectoryA((GetRunDirectory() + "\\Config").c_str(), nullptr);
  HANDLE f = CreateFileA(SettingsFileBesideProgram().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
  return ok && written == bytes.size();
}

// Removes Config\Config.ini and the folder Config beside this binary, so the
// window starts as on a first run.
inline void RemoveSettingsBesideProgram() {
  DeleteFileA(SettingsFileBesideProgram().c_str());
  RemoveDirectoryA((GetRunDirectory() + "\\Config").c_str());
}

// MainWindow made and shown as at start-up (settings loaded, panel laid
// out, clicks going to their handlers), with the messages that brings
// handled; false when it could not be made.
inline bool OpenMainWindow() {
  MainWindow& w = TheMainWindow();
  if (!w.Create(GetModuleHandleW(nullptr), OnMainWindowCreated, DispatchClick)) return false;
  w.Show();
  DrainMessages();
  return true;
}

// Destroys the window and takes out the quit message that brings.
inline void CloseMainWindow() {
  TheMainWindow().Destroy();
  DrainMessages();
}

}  // namespace lumaret
