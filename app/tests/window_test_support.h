// What the in-process window tests share: handling the messages a test
// leaves waiting, and a clean settings folder beside the test binary.
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

// Removes Config\Config.ini and the folder Config beside this binary, so the
// window starts as on a first run.
inline void RemoveSettingsBesideProgram() {
  const std::string folder = GetRunDirectory() + "\\Config";
  DeleteFileA((folder + "\\Config.ini").c_str());
  RemoveDirectoryA(folder.c_str());
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
