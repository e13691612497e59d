#include "hotspot/hotspot_switch.h"

#include <windows.h>

#include <string>

#include "common/encoding.h"
#include "common/run_directory.h"
#include "common/window_toolkit.h"
#include "desktop/shortcut.h"
#include "hotspot/elevation.h"
#include "hotspot/hosted_network.h"
#include "hotspot/hotspot_commands.h"
#include "hotspot/hotspot_outcome.h"
#include "hotspot/hotspot_watch.h"
#include "hotspot/settings_file.h"
#include "hotspot/settings_path.h"

namespace lumaret {

namespace {

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
    // The outcome is on the status line before the buttons come back.
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
  HotspotStepRunning running_;  // the watch leaves the line to the step
  bool hadFocus_ = false;
  ControlId focusBefore_ = ControlId::超级按钮_ope;
};

bool CommandRunning() {
  const WindowToolkit& w = TheWindow();
  return !w.IsEnabled(ControlId::超级按钮_ope) || !w.IsEnabled(ControlId::超级按钮_off);
}

bool WindowClosed() { return !TheWindow().IsOpen(); }

// The way this click runs the hotspot: the hosted network, the one there is.
HotspotMechanism& ChosenMechanism() { return TheHostedNetwork(); }

// Whether this click configures: always in a run that started without a
// saved name; otherwise when the boxes no longer hold what was last saved
// (the settings file is read again, so a save of this run counts).
bool ClickConfigures(const std::string& trimmedName, const std::string& trimmedKey) {
  if (SavedSsid.empty()) return true;
  return NeedsConfiguration(SavedSsid, ReadSettingsValue(SettingsPath, kSettingsSection, kSsidKey),
                            ReadSettingsValue(SettingsPath, kSettingsSection, kCodeKey), trimmedName, trimmedKey,
                            AnsiCodePage());
}

// The last step's outcome on the status line, judged with what Windows
// tells of the hotspot after it.
void ShowStepOutcome(HotspotMechanism& mechanism, HotspotStep step, const StepReport& report) {
  const HotspotStatus status = mechanism.Status();
  const StepVerdict verdict = JudgeStep(step, ProcessIsElevated(), report, status);
  const std::wstring line = StepOutcomeText(step, verdict, status);
  ShowStatus(line, StatusTooltip(line, mechanism.Way(), status.devices, report.output));
  NoteHotspotShown(status, report.output);
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
      ShowStatus(InputProblemText(problem));
      return;
    }
  }

  ShowStatus(kOpeningText);
  SwitchButtonsBusy busy;
  HotspotMechanism& mechanism = ChosenMechanism();
  if (configure) {
    if (SavedSsid.empty()) {
      std::string shortcut = "Lumaret";
      CreateDesktopShortcut(shortcut, GetRunDirectory() + "\\" + GetExecutableName(), std::nullopt, std::nullopt, 1,
                            std::string("Lumaret"));
    }
    // The network is started only once it holds the name and password
    // asked for: a failed configuration would start the old one.
    const StepReport configured = mechanism.Configure(trimmedName, trimmedKey);
    if (WindowClosed()) return;
    if (!CommandSaidDone(configured)) {
      ShowStepOutcome(mechanism, HotspotStep::Configure, configured);
      return;
    }
    SaveSettingsValues(name, key);
  }
  const StepReport started = mechanism.Start();
  if (WindowClosed()) return;
  ShowStepOutcome(mechanism, HotspotStep::Start, started);
}

void OnCloseHotspotClicked() {
  if (CommandRunning()) return;
  SwitchButtonsBusy busy;
  ShowStatus(kClosingText);
  HotspotMechanism& mechanism = ChosenMechanism();
  const StepReport stopped = mechanism.Stop();
  if (WindowClosed()) return;
  ShowStepOutcome(mechanism, HotspotStep::Stop, stopped);
}

void ShowHotspotState() { WatchHotspot(ChosenMechanism()); }

void ReleaseHotspot() {
  StopWatchingHotspot();
  // A click may have used a way the watch does not look at.
  TheHostedNetwork().Release();
}

}  // namespace lumaret
