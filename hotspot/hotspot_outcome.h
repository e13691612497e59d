// What the status line says about the hotspot: the texts, the judgement of
// a step (configure, start, stop) from everything Lumaret knows afterwards,
// and the cause named when it failed. Decisions only, as tables: no Windows
// header, tested natively.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lumaret {

// The hotspot's state as Windows reports it; Unknown when it cannot be
// told (no WLAN API, or one that answers with an error).
enum class HotspotState { Unknown, Unavailable, Idle, Active };

// The two ways Lumaret runs a hotspot: the hosted network through netsh,
// and the Windows Mobile Hotspot (Windows 10 1607 and later), for Wi-Fi
// adapters whose drivers have no hosted network.
enum class HotspotWay { HostedNetwork, MobileHotspot };

enum class HotspotStep { Configure, Start, Stop };

extern const wchar_t kOpeningText[];      // "正在开启WIFI热点..."
extern const wchar_t kOpenedText[];       // "WIFI热点已开启"
extern const wchar_t kOpenFailedText[];   // "WIFI热点开启失败"
extern const wchar_t kClosingText[];      // "正在关闭WIFI热点..."
extern const wchar_t kClosedText[];       // "WIFI热点已关闭"
extern const wchar_t kCloseFailedText[];  // "WIFI热点关闭失败"

// The causes, in the order they are looked for.
extern const wchar_t kNotElevatedCause[];     // "请以管理员身份运行"
extern const wchar_t kNoInterfaceCause[];     // "未找到无线网卡"
extern const wchar_t kUnavailableCause[];     // "无线网卡不支持承载网络或未开启"
extern const wchar_t kNotStartedCause[];      // "无法运行 netsh"
extern const wchar_t kStayedIdleCause[];      // "承载网络未启动"
extern const wchar_t kStayedActiveCause[];    // "承载网络仍在运行"
extern const wchar_t kTimedOutCause[];        // "netsh 超时"
// The Mobile Hotspot's own, after Windows' words for what went wrong.
extern const wchar_t kMobileTimedOutCause[];       // "移动热点超时"
extern const wchar_t kMobileStayedOffCause[];      // "移动热点未开启"
extern const wchar_t kMobileStayedOnCause[];       // "移动热点仍在运行"

// How a step's command went, as the mechanism that ran it reports it. For
// the Mobile Hotspot the command is Windows' asynchronous operation: begun,
// completed, cancelled at the time limit; its exit code is the operation's
// status (0 for success) or the error code of a call that failed, and its
// last line the reason in words (empty when it succeeded).
struct StepReport {
  HotspotWay way = HotspotWay::HostedNetwork;  // the way that ran it
  bool started = false;      // its process was created
  bool ended = false;        // it ended by itself
  bool timedOut = false;     // it ran past its time limit and was ended
  unsigned long exitCode = 0;
  std::wstring output;       // what it printed, for display
  std::wstring lastLine;     // its last non-empty line of output
};

// What Windows tells of the hotspot.
struct HotspotStatus {
  HotspotState state = HotspotState::Unknown;
  int interfaces = -1;               // wireless interfaces; -1 when unknown
  std::size_t deviceCount = 0;       // connected devices, while active
  std::vector<std::string> devices;  // their addresses where Windows tells them: 00-1A-2B-03-04-FF
};

// The command ended by itself with 0: it says it did what it was asked.
bool CommandSaidDone(const StepReport& report);

struct StepVerdict {
  bool done = false;
  std::wstring cause;  // why not, when not done
};

// A step is done when its command ended with 0 and, where Windows tells
// the state, the state agrees: active after a start, no longer active after
// a stop. Otherwise the cause is the first that matches: the process is not
// elevated; no wireless interface; the hosted network unavailable; the
// command could not be started; the command said done but the state
// disagrees; the command's last line of output; the time limit; else
// "netsh 返回 N" with its exit code. `status` is what Windows reports after
// the step.
// A step of the Mobile Hotspot, where Windows itself says what went wrong
// (no netsh, and no elevation is named): Windows' words; the time limit
// ("移动热点超时"); done, but the state disagrees ("移动热点未开启" /
// "移动热点仍在运行").
StepVerdict JudgeStep(HotspotStep step, bool elevated, const StepReport& report, const HotspotStatus& status);

// "WIFI热点已开启，N台设备已连接".
std::wstring ActiveText(std::size_t devices);

// "WIFI热点开启失败：" + cause for the configuration and the start,
// "WIFI热点关闭失败：" + cause for the stop.
std::wstring FailureText(HotspotStep step, const std::wstring& cause);

// The status line after a step has been judged, with what Windows reports
// after it: the active line with its device count when the state is known,
// "WIFI热点已开启" when not, "WIFI热点已关闭", or the failure text.
std::wstring StepOutcomeText(HotspotStep step, const StepVerdict& verdict, const HotspotStatus& status);

// What the status line last showed of the hotspot's real state.
struct ShownHotspot {
  HotspotState state = HotspotState::Unknown;
  std::size_t devices = 0;
};

// The status line after another look at the hotspot, or nothing when it
// stays as it is: the active line when the hotspot is active and was not,
// or its device count changed; "WIFI热点已关闭" when it was active and is
// no longer; nothing when the state cannot be told or nothing changed.
std::optional<std::wstring> RefreshedLine(const ShownHotspot& shown, HotspotState state, std::size_t devices);

// The way's name, as the tooltip gives it: "承载网络" / "移动热点".
const wchar_t* WayName(HotspotWay way);

// The status line's tooltip: the whole message, the way in use
// ("方式：承载网络"), the connected devices' addresses (each on its own
// line), then what the last command printed ("netsh:") or what Windows
// added to the Mobile Hotspot's answer ("Windows:").
std::wstring StatusTooltip(const std::wstring& message, HotspotWay way, const std::vector<std::string>& devices,
                           const std::wstring& output);

}  // namespace lumaret
