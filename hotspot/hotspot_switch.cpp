#include "hotspot/hotspot_switch.h"

#include <windows.h>

#include <string>

#include "common/encoding.h"
#include "common/run_directory.h"
#include "common/window_toolkit.h"
#include "desktop/shortcut.h"
#include "hotspot/command_runner.h"
#include "hotspot/hotspot_commands.h"
#include "hotspot/settings_file.h"
#include "hotspot/settings_path.h"

namespace lumaret {

namespace {

const wchar_t kOpening[] = L"正在开启WIFI热点...";
const wchar_t kOpened[] = L"WIFI热点已开启";
const wchar_t kOpenFailed[] = L"WIFI热点开启失败";
const wchar_t kClosing[] = L"正在关闭WIFI热点...";
const wchar_t kClosed[] = L"WIFI热点已关闭";
const wchar_t kCloseFailed[] = L"WIFI热点关闭失败";

// While a netsh command of either button runs, both buttons are disabled:
// the wait handles window messages, so without this a second click could
// start a command beside the first. A disabled button also keeps no
// keyboard focus, and Esc must still reach the window, so the focus moves to
// the name box for the time and comes back afterwards.
class SwitchButtonsBusy {
 public:
  SwitchButtonsBusy() {
    WindowToolkit& w = TheWindow();
    ControlId focus;
    if (w.FocusedControl(&focus) && (focus == ControlId::超级按钮_ope || focus == ControlId::超级按钮_off)) {
      hadFocus_ = true;
      focusBefore_ = focus;
      w.FocusControl(ControlId::编辑框_ssid);
    }
    w.SetEnabled(ControlId::超级按钮_ope, false);
    w.SetEnabled(ControlId::超级按钮_off, false);
  }
  ~SwitchButtonsBusy() {
    WindowToolkit& w = TheWindow();
    if (!w.IsOpen()) return;  // closed while the command ran
    w.SetEnabled(ControlId::超级按钮_ope, true);
    w.SetEnabled(ControlId::超级按钮_off, true);
    ControlId now;
    if (hadFocus_ && w.FocusedControl(&now) && now == ControlId::编辑框_ssid) w.FocusControl(focusBefore_);
  }
  SwitchButtonsBusy(const SwitchButtonsBusy&) = delete;
  SwitchButtonsBusy& operator=(const SwitchButtonsBusy&) = delete;

 private:
  bool hadFocus_ = false;
  ControlId focusBefore_ = ControlId::超级按钮_ope;
};

bool CommandRunning() {
  const WindowToolkit& w = TheWindow();
  return !w.IsEnabled(ControlId::超级按钮_ope) || !w.IsEnabled(ControlId::超级按钮_off);
}

bool WindowClosed() { return !TheWindow().IsOpen(); }

// Whether this click configures: always in a run that started without a
// saved name; otherwise when the boxes no longer hold what was last saved
// (the settings file is read again, so a save of this run counts).
bool ClickConfigures(const std::string& trimmedName, const std::string& trimmedKey) {
  if (SavedSsid.empty()) return true;
  return NeedsConfiguration(SavedSsid, ReadSettingsValue(SettingsPath, kSettingsSection, kSsidKey),
                            ReadSettingsValue(SettingsPath, kSettingsSection, kCodeKey), trimmedName, trimmedKey,
                            AnsiCodePage());
}

}  // namespace

void OnOpenHotspotClicked() {
  if (CommandRunning()) return;
  WindowToolkit& w = TheWindow();
  const std::string name = w.GetText(ControlId::编辑框_ssid);
  const std::string key = w.GetText(ControlId::编辑框_pw);
  const std::string trimmedName = TrimSpaces(name, AnsiCodePage());
  const std::string trimmedKey = TrimSpaces(key, AnsiCodePage());
  const bool configure = ClickConfigures(trimmedName, trimmedKey);
  if (configure) {
    const InputProblem problem = CheckHotspotInput(trimmedName, trimmedKey, AnsiCodePage());
    if (problem != InputProblem::None) {
      w.SetTextW(ControlId::透明标签_tip, InputProblemText(problem));
      return;
    }
  }

  w.SetTextW(ControlId::透明标签_tip, kOpening);
  SwitchButtonsBusy busy;
  bool ready = true;
  if (configure) {
    if (SavedSsid.empty()) {
      std::string shortcut = "Lumaret";
      CreateDesktopShortcut(shortcut, GetRunDirectory() + "\\" + GetExecutableName(), std::nullopt, std::nullopt, 1,
                            std::string("Lumaret"));
    }
    // The network is started only once it holds the name and password
    // asked for: a failed configuration would start the old one.
    ready = RunCommandLineToEnd(ConfigurationCommandLine(trimmedName, trimmedKey, AnsiCodePage())).Succeeded();
    if (ready) SaveSettingsValues(name, key);
  }
  const bool started = ready && !WindowClosed() && RunCommandLineToEnd(kStartCommandLine).Succeeded();
  w.SetTextW(ControlId::透明标签_tip, started ? kOpened : kOpenFailed);
}

void OnCloseHotspotClicked() {
  if (CommandRunning()) return;
  WindowToolkit& w = TheWindow();
  SwitchButtonsBusy busy;
  w.SetTextW(ControlId::透明标签_tip, kClosing);
  const bool stopped = RunCommandLineToEnd(kStopCommandLine).Succeeded();
  w.SetTextW(ControlId::透明标签_tip, stopped ? kClosed : kCloseFailed);
}

}  // namespace lumaret
