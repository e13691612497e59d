// Start-up and shut-down of the program, and the handlers of this window's
// own buttons.
#pragma once

#include <windows.h>

namespace lumaret {

// Runs the program: OLE on this thread, the executable's folder as current
// directory, ExitCleanup registered, MainWindow made and shown, System32's
// msimg32 kept loaded (KeepSystemLibrariesLoaded), the message loop until
// the window is closed, then ExitCleanup once and OLE released.
// `afterShow`, when given, runs once the window is visible (test drivers).
// (WinMain restricts the DLL search to System32 before it.)
int StartProgram(HINSTANCE instance, void (*afterShow)() = nullptr);

// Handler of MainWindow's created event: settings loaded, panel laid out,
// the start-with-Windows button and the hotspot's state shown.
void OnMainWindowCreated();

// The start-up steps, in the order StartProgram takes them; the start-up
// benchmark (tools/bench/startup_bench.cpp) times them one by one.
// OLE initialised on this thread, the executable's folder made current.
HRESULT StartPlatform();
// MainWindow made with all its controls, hidden, its created event raised
// (onCreated); false when it could not be made.
bool CreateMainWindow(HINSTANCE instance, void (*onCreated)() = OnMainWindowCreated);
// The window shown, centred and active; its first paint follows.
void ShowMainWindow();

// Started by the Run value (the argument /autostart): the window shows as
// usual, then the hotspot is turned on once, as by a click of the open
// button (TurnOnHotspot, run by StartProgram once the window is visible).
bool StartedToTurnOnHotspot();
void TurnOnHotspot();

// Sizes the hidden panel to the window's outer size and arranges its children.
void LayOutAdapterPanel();
void ShowAdapterPanel();   // 超级按钮3
void HideAdapterPanel();   // 按钮1
void OpenHomePage();       // 超级按钮1
void OpenFaqPage();        // 超级按钮4
// Asks the shell to open the address in the default web browser.
void OpenWebAddress(const char* address);

// Lets go of what the hotspot holds from Windows, then releases SettingsPath
// and SavedSsid. Registered by StartProgram and run once at a normal end;
// ExitCleanupRuns tells how often it ran in this process.
void ExitCleanup();
int ExitCleanupRuns();

// Where every click of MainWindow goes.
enum class ControlId : int;
void DispatchClick(ControlId id);

}  // namespace lumaret
