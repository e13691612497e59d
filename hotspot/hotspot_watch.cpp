#include "hotspot/hotspot_watch.h"

#include <windows.h>

#include <vector>

#include "common/window_toolkit.h"

namespace lumaret {

namespace {

const wchar_t kWatchClass[] = L"LumaretHotspotWatch";
constexpr UINT kChangedMessage = WM_APP + 1;  // posted on Windows' notifications
constexpr UINT_PTR kLookTimer = 1;

struct Watch {
  HWND window = nullptr;  // message-only, on the GUI thread
  HotspotMechanism* mechanism = nullptr;
  ShownHotspot shown;                // what the line last showed of the real state
  std::vector<std::string> devices;  // the devices its tooltip lists
  std::wstring output;               // the last command's, while its line stays
  int stepsRunning = 0;
  bool timing = false;
};

Watch watch;

void Remember(const HotspotStatus& status) {
  if (status.state != HotspotState::Unknown) {
    watch.shown = {status.state, status.deviceCount};
    watch.devices = status.devices;
  }
  // Only an active hotspot is looked at by the clock: its devices come and
  // go. Any other change is one Windows reports.
  const bool active = watch.shown.state == HotspotState::Active;
  if (active && !watch.timing && watch.window) {
    watch.timing = SetTimer(watch.window, kLookTimer, kHotspotLookEveryMs, nullptr) != 0;
  } else if (!active && watch.timing) {
    KillTimer(watch.window, kLookTimer);
    watch.timing = false;
  }
}

void Look() {
  if (!TheWindow().IsOpen()) {  // the window is gone: so is the watch
    StopWatchingHotspot();
    return;
  }
  if (watch.stepsRunning > 0 || !watch.mechanism) return;
  const HotspotStatus status = watch.mechanism->Status();
  const HotspotWay way = watch.mechanism->Way();
  if (const std::optional<std::wstring> line = RefreshedLine(watch.shown, status.state, status.deviceCount)) {
    watch.output.clear();  // the line no longer tells of that command
    ShowStatus(*line, StatusTooltip(*line, way, status.devices, std::wstring()));
  } else if (status.state == HotspotState::Active && status.devices != watch.devices) {
    // The same number, other devices: only the tooltip changes.
    const std::wstring line = TheWindow().GetTextW(ControlId::透明标签_tip);
    TheWindow().SetTooltipW(ControlId::透明标签_tip, StatusTooltip(line, way, status.devices, watch.output));
  }
  Remember(status);
}

LRESULT CALLBACK WatchProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if ((msg == WM_TIMER && wp == kLookTimer) || msg == kChangedMessage) {
    Look();
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND CreateWatchWindow() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(instance, kWatchClass, &wc)) {
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WatchProc;
    wc.hInstance = instance;
    wc.lpszClassName = kWatchClass;
    if (!RegisterClassExW(&wc)) return nullptr;
  }
  return CreateWindowExW(0, kWatchClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
}

}  // namespace

void ShowStatus(const std::wstring& line, const std::wstring& tooltip) {
  WindowToolkit& w = TheWindow();
  w.SetTextW(ControlId::透明标签_tip, line);
  w.SetTooltipW(ControlId::透明标签_tip, tooltip.empty() ? line : tooltip);
}

void WatchHotspot(HotspotMechanism& mechanism) {
  StopWatchingHotspot();
  watch.mechanism = &mechanism;
  watch.window = CreateWatchWindow();
  if (watch.window) mechanism.PostChanges(watch.window, kChangedMessage);
  const HotspotStatus status = mechanism.Status();
  if (status.state == HotspotState::Active) {
    const std::wstring line = ActiveText(status.deviceCount);
    ShowStatus(line, StatusTooltip(line, mechanism.Way(), status.devices, std::wstring()));
  }
  Remember(status);
}

void StopWatchingHotspot() {
  if (watch.timing) KillTimer(watch.window, kLookTimer);
  // First Windows' side: no notification is posted after this.
  if (watch.mechanism) watch.mechanism->Release();
  if (watch.window) DestroyWindow(watch.window);
  const int stepsRunning = watch.stepsRunning;
  watch = Watch{};
  watch.stepsRunning = stepsRunning;
}

void FollowHotspot(HotspotMechanism& mechanism) {
  if (watch.mechanism == &mechanism) return;
  if (watch.mechanism) watch.mechanism->Release();  // no notification of the other way comes any more
  watch.mechanism = &mechanism;
  if (watch.window) mechanism.PostChanges(watch.window, kChangedMessage);
}

void NoteHotspotShown(const HotspotStatus& status, const std::wstring& output) {
  watch.output = output;
  Remember(status);
}

HotspotStepRunning::HotspotStepRunning() { ++watch.stepsRunning; }
HotspotStepRunning::~HotspotStepRunning() { --watch.stepsRunning; }

}  // namespace lumaret
