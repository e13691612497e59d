#include "hotspot/hotspot_switch.h"

#include <windows.h>

#include <optional>
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
#include "hotspot/mechanism_choice.h"
#include "hotspot/settings_file.h"
#include "hotspot/settings_path.h"
#include "mobile_hotspot/mobile_hotspot.h"

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

HotspotMechanism& MechanismFor(HotspotWay way) {
  if (way == HotspotWay::MobileHotspot) return TheMobileHotspot();
  return TheHostedNetwork();
}

// The way a click (or the start-up) takes, from what Windows tells now
// (mechanism_choice.h). The Mobile Hotspot is asked about only where the
// hosted network may not serve.
MechanismChoice ChosenMechanism() {
  const HotspotStatus hosted = TheHostedNetwork().Status();
  const bool mobileExists = ChoiceAsksForMobileHotspot(hosted.state) && TheMobileHotspot().Exists();
  const HotspotState mobile = mobileExists && ChoiceAsksForMobileState(hosted.state) ? TheMobileHotspot().Status().state
                                                                                     : HotspotState::Unknown;
  return ChooseMechanism(hosted.state, hosted.interfaces, mobileExists, mobile);
}

// Whether this click configures: always in a run that started without a
// saved name; otherwise when the boxes no longer hold what was last saved
// (the settings file is read again, so a save of this run counts).
bool ClickConfigures(const std::string& trimmedName, const std::string& trimmedKey) {
  if (SavedSsid.empty()) return true;
  return NeedsConfiguration(SavedSsid, ReadSettingsValue(SettingsPath, kSettingsSection, kSsidKey),
                            ReadSettingsValue(SettingsPath, kSettingsSection, kCodeKey), trimmedName, trimmedKey,
                            AnsiCodePage());
}

// A step judged with what Windows tells of the hotspot after it.
struct JudgedStep {
  HotspotStep step = HotspotStep::Start;
  StepReport report;
  HotspotStatus status;
  StepVerdict verdict;
};

JudgedStep Judge(HotspotMechanism& mechanism, HotspotStep step, const StepReport& report) {
  JudgedStep judged{step, report, mechanism.Status(), StepVerdict()};
  judged.verdict = JudgeStep(step, ProcessIsElevated(), report, judged.status);
  return judged;
}

// The last step's outcome on the status line; the watch follows the way
// that ran it from now on.
void ShowStepOutcome(HotspotMechanism& mechanism, const JudgedStep& judged) {
  const std::wstring line = StepOutcomeText(judged.step, judged.verdict, judged.status);
  ShowStatus(line, StatusTooltip(line, mechanism.Way(), judged.status.devices, judged.report.output));
  FollowHotspot(mechanism);
  NoteHotspotShown(judged.status, judged.report.output);
}

void ShowStepOutcome(HotspotMechanism& mechanism, HotspotStep step, const StepReport& report) {
  ShowStepOutcome(mechanism, Judge(mechanism, step, report));
}

// Configures (when asked) and starts the hotspot one way; the untrimmed box
// texts are saved once a configuration has succeeded, when `save`. The
// network is started only once it holds the name and password asked for:
// a failed configuration would start the old one. Nothing when the window
// was closed meanwhile.
std::optional<JudgedStep> OpenHotspot(HotspotMechanism& mechanism, bool configure, bool save, const std::string& name,
                                      const std::string& key, const std::string& trimmedName,
                                      const std::string& trimmedKey) {
  if (configure) {
    const StepReport configured = mechanism.Configure(trimmedName, trimmedKey);
    if (WindowClosed()) return std::nullopt;
    if (!CommandSaidDone(configured)) return Judge(mechanism, HotspotStep::Configure, configured);
    if (save) SaveSettingsValues(name, key);
  }
  const StepReport started = mechanism.Start();
  if (WindowClosed()) return std::nullopt;
  return Judge(mechanism, HotspotStep::Start, started);
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
  const MechanismChoice choice = ChosenMechanism();
  // The Mobile Hotspot is configured on every click (it changes nothing
  // when it holds the name and password already): Windows' own settings may
  // have given it another name.
  const bool mobileMayServe = choice.way == HotspotWay::MobileHotspot || choice.fallBack;
  if (configure || mobileMayServe) {
    const InputProblem problem = CheckHotspotInput(trimmedName, trimmedKey, AnsiCodePage());
    if (problem != InputProblem::None) {
      ShowStatus(InputProblemText(problem));
      return;
    }
  }

  ShowStatus(kOpeningText);
  SwitchButtonsBusy busy;
  if (configure && SavedSsid.empty()) {
    std::string shortcut = "Lumaret";
    CreateDesktopShortcut(shortcut, GetRunDirectory() + "\\" + GetExecutableName(), std::nullopt, std::nullopt, 1,
                          std::string("Lumaret"));
  }
  HotspotMechanism* mechanism = &MechanismFor(choice.way);
  std::optional<JudgedStep> opened =
      OpenHotspot(*mechanism, configure || choice.way == HotspotWay::MobileHotspot, configure, name, key,
                  trimmedName, trimmedKey);
  if (opened && !opened->verdict.done && choice.fallBack) {
    mechanism = &TheMobileHotspot();
    opened = OpenHotspot(*mechanism, true, configure, name, key, trimmedName, trimmedKey);
  }
  if (!opened) return;  // the window has gone
  ShowStepOutcome(*mechanism, *opened);
}

void OnCloseHotspotClicked() {
  if (CommandRunning()) return;
  SwitchButtonsBusy busy;
  ShowStatus(kClosingText);
  HotspotMechanism& mechanism = MechanismFor(ChosenMechanism().way);
  const StepReport stopped = mechanism.Stop();
  if (WindowClosed()) return;
  ShowStepOutcome(mechanism, HotspotStep::Stop, stopped);
}

void ShowHotspotState() { WatchHotspot(MechanismFor(ChosenMechanism().way)); }

void ReleaseHotspot() {
  StopWatchingHotspot();
  // The choice asks both ways, whichever the watch looks at.
  TheHostedNetwork().Release();
  TheMobileHotspot().Release();
}

}  // namespace lumaret
