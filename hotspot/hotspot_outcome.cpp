#include "hotspot/hotspot_outcome.h"

namespace lumaret {

const wchar_t kOpeningText[] = L"正在开启WIFI热点...";
const wchar_t kOpenedText[] = L"WIFI热点已开启";
const wchar_t kOpenFailedText[] = L"WIFI热点开启失败";
const wchar_t kClosingText[] = L"正在关闭WIFI热点...";
const wchar_t kClosedText[] = L"WIFI热点已关闭";
const wchar_t kCloseFailedText[] = L"WIFI热点关闭失败";

const wchar_t kNotElevatedCause[] = L"请以管理员身份运行";
const wchar_t kNoInterfaceCause[] = L"未找到无线网卡";
const wchar_t kUnavailableCause[] = L"无线网卡不支持承载网络或未开启";
const wchar_t kNotStartedCause[] = L"无法运行 netsh";
const wchar_t kStayedIdleCause[] = L"承载网络未启动";
const wchar_t kStayedActiveCause[] = L"承载网络仍在运行";
const wchar_t kTimedOutCause[] = L"netsh 超时";
const wchar_t kMobileTimedOutCause[] = L"移动热点超时";
const wchar_t kMobileStayedOffCause[] = L"移动热点未开启";
const wchar_t kMobileStayedOnCause[] = L"移动热点仍在运行";

namespace {

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

}  // namespace

bool CommandSaidDone(const StepReport& report) {
  return report.started && report.ended && !report.timedOut && report.exitCode == 0;
}

StepVerdict JudgeStep(HotspotStep step, bool elevated, const StepReport& report, const HotspotStatus& status) {
  const bool commandSaidDone = CommandSaidDone(report);
  bool stateAgrees = true;
  if (status.state != HotspotState::Unknown) {
    if (step == HotspotStep::Start) stateAgrees = status.state == HotspotState::Active;
    if (step == HotspotStep::Stop) stateAgrees = status.state != HotspotState::Active;
  }
  if (commandSaidDone && stateAgrees) return {true, std::wstring()};

  if (report.way == HotspotWay::MobileHotspot) {
    if (!commandSaidDone && !report.lastLine.empty()) return {false, report.lastLine};
    if (report.timedOut) return {false, kMobileTimedOutCause};
    if (commandSaidDone) return {false, step == HotspotStep::Stop ? kMobileStayedOnCause : kMobileStayedOffCause};
    return {false, L"移动热点返回 " + std::to_wstring(report.exitCode)};
  }
  if (!elevated) return {false, kNotElevatedCause};
  if (status.interfaces == 0) return {false, kNoInterfaceCause};
  if (status.state == HotspotState::Unavailable) return {false, kUnavailableCause};
  if (!report.started) return {false, kNotStartedCause};
  // The command's words would say it was done: the state says otherwise.
  if (commandSaidDone) return {false, step == HotspotStep::Stop ? kStayedActiveCause : kStayedIdleCause};
  if (!report.lastLine.empty()) return {false, report.lastLine};
  if (report.timedOut) return {false, kTimedOutCause};
  return {false, L"netsh 返回 " + std::to_wstring(report.exitCode)};
}

std::wstring ActiveText(std::size_t devices) {
  return L"WIFI热点已开启，" + std::to_wstring(devices) + L"台设备已连接";
}

std::wstring FailureText(HotspotStep step, const std::wstring& cause) {
  return std::wstring(step == HotspotStep::Stop ? kCloseFailedText : kOpenFailedText) + L"：" + cause;
}

std::wstring StepOutcomeText(HotspotStep step, const StepVerdict& verdict, const HotspotStatus& status) {
  if (!verdict.done) return FailureText(step, verdict.cause);
  if (step == HotspotStep::Stop) return kClosedText;
  return status.state == HotspotState::Active ? ActiveText(status.deviceCount) : std::wstring(kOpenedText);
}

std::optional<std::wstring> RefreshedLine(const ShownHotspot& shown, HotspotState state, std::size_t devices) {
  if (state == HotspotState::Unknown) return std::nullopt;
  if (state == HotspotState::Active) {
    if (shown.state == HotspotState::Active && shown.devices == devices) return std::nullopt;
    return ActiveText(devices);
  }
  if (shown.state == HotspotState::Active) return std::wstring(kClosedText);
  return std::nullopt;
}

const wchar_t* WayName(HotspotWay way) {
  return way == HotspotWay::MobileHotspot ? L"移动热点" : L"承载网络";
}

std::wstring StatusTooltip(const std::wstring& message, HotspotWay way, const std::vector<std::string>& devices,
                           const std::wstring& output) {
  std::wstring tip = message + L"\r\n方式：" + WayName(way);
  if (!devices.empty()) {
    tip += L"\r\n已连接的设备：";
    for (const std::string& mac : devices) tip += L"\r\n" + Widen(mac);
  }
  if (!output.empty()) {
    tip += way == HotspotWay::MobileHotspot ? L"\r\n\r\nWindows:\r\n" : L"\r\n\r\nnetsh:\r\n";
    tip += output;
  }
  return tip;
}

}  // namespace lumaret
