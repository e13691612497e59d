#include "app/startup.h"

#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "adapters/adapter_report.h"
#include "app/current_directory.h"
#include "app/main_window.h"
#include "app/web_address.h"
#include "common/run_directory.h"
#include "common/system_library.h"
#include "credentials/password_generator.h"
#include "desktop/startup_entry.h"
#include "desktop/startup_entry_path.h"
#include "hotspot/hotspot_switch.h"
#include "hotspot/settings_file.h"

namespace lumaret {

namespace {

// The exit clean-up registered by StartProgram; it runs at most once.
struct ExitRegistration {
  void (*cleanup)() = nullptr;
  void Run() {
    if (auto fn = cleanup) {
      cleanup = nullptr;
      fn();
    }
  }
};

int exitCleanupRuns = 0;

}  // namespace

void DispatchClick(ControlId id) {
  switch (id) {
    case ControlId::超级按钮_ope: OnOpenHotspotClicked(); break;
    case ControlId::超级按钮_off: OnCloseHotspotClicked(); break;
    case ControlId::超级按钮_mmsj: OnGeneratePasswordClicked(); break;
    case ControlId::超级按钮_id: OnResetNameClicked(); break;
    case ControlId::超级按钮: OnStartupToggleClicked(); break;
    case ControlId::按钮2: OnRefreshAdaptersClicked(); break;
    case ControlId::超级按钮3: ShowAdapterPanel(); break;
    case ControlId::按钮1: HideAdapterPanel(); break;
    case ControlId::超级按钮1: OpenHomePage(); break;
    case ControlId::超级按钮4: OpenFaqPage(); break;
    default: break;
  }
}

void OnMainWindowCreated() {
  LoadSettings();
  LayOutAdapterPanel();
  ShowStartupEntryState();
  ShowHotspotState();
}

bool StartedToTurnOnHotspot() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!words) return false;
  std::vector<std::wstring> arguments(words + (count > 0 ? 1 : 0), words + count);
  LocalFree(words);
  return AsksToTurnOnHotspot(arguments);
}

void TurnOnHotspot() { DispatchClick(ControlId::超级按钮_ope); }

void LayOutAdapterPanel() { TheMainWindow().LayOutAdapterPanel(); }

void ShowAdapterPanel() { TheMainWindow().SetVisible(ControlId::分组框1, true); }
void HideAdapterPanel() { TheMainWindow().SetVisible(ControlId::分组框1, false); }

void OpenWebAddress(const char* address) {
  const std::string target = WebAddressForShell(address);
  ShellExecuteA(TheMainWindow().hwnd(), "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void OpenHomePage() { OpenWebAddress(kHomePageAddress); }
void OpenFaqPage() { OpenWebAddress(kFaqPageAddress); }

void ExitCleanup() {
  ++exitCleanupRuns;
  ReleaseHotspot();
  if (!SettingsPath.empty()) std::string().swap(SettingsPath);
  if (!SavedSsid.empty()) std::string().swap(SavedSsid);
}

int ExitCleanupRuns() { return exitCleanupRuns; }

HRESULT StartPlatform() {
  const HRESULT ole = OleInitialize(nullptr);
  const std::string currentDirectory = CurrentDirectoryFor(GetRunDirectory());
  if (!currentDirectory.empty()) SetCurrentDirectoryA(currentDirectory.c_str());
  return ole;
}

bool CreateMainWindow(HINSTANCE instance, void (*onCreated)()) {
  return TheMainWindow().Create(instance, onCreated, DispatchClick);
}

void ShowMainWindow() { TheMainWindow().Show(); }

int StartProgram(HINSTANCE instance, void (*afterShow)()) {
  // 1. Platform start.
  const HRESULT ole = StartPlatform();

  // 2. The exit clean-up.
  ExitRegistration exit;
  exit.cleanup = ExitCleanup;

  // 3. The window, hidden until its created handler has run.
  if (!CreateMainWindow(instance)) {
    FatalAppExitW(0, L"Lumaret: 无法创建主窗口。");
    return 1;
  }
  ShowMainWindow();
  // Not needed for the first paint, so after it, before any click.
  KeepSystemLibrariesLoaded();
  if (afterShow) afterShow();

  // 4. The message loop, until the window is gone.
  const int code = RunMessageLoop();

  // 5. The end: clean-up first, then OLE.
  exit.Run();
  if (SUCCEEDED(ole)) OleUninitialize();
  return code;
}

}  // namespace lumaret
