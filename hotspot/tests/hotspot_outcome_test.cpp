// What the status line says after a step and after a look at the hotspot.
#include "hotspot/hotspot_outcome.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumaret {
namespace {

using S = HotspotState;
using Step = HotspotStep;

const std::wstring kLine = L"组或资源的状态不是执行请求操作的正确状态。";

// How the command went.
struct Command {
  bool started, ended, timedOut;
  unsigned long exitCode;
  std::wstring lastLine;
};
const Command kDone{true, true, false, 0, L"已启动承载网络。"};
const Command kFailedSaying{true, true, false, 1, kLine};
const Command kFailedSilent{true, true, false, 5, L""};
const Command kTimedOut{true, false, true, 1, L""};
const Command kTimedOutSaying{true, false, true, 1, kLine};
const Command kNotStarted{false, false, false, 0, L""};

// Elevated or not × interfaces × state × output × exit code × timed out,
// for each step: done, or the first cause that matches.
TEST(JudgeStep, OneTableOfCauses) {
  const struct {
    const char* label;
    Step step;
    bool elevated;
    int interfaces;
    S state;
    Command command;
    bool done;
    std::wstring cause;
  } cases[] = {
      // Windows cannot tell the state: netsh's exit code alone decides.
      {"unknown state, exit 0: started", Step::Start, true, -1, S::Unknown, kDone, true, L""},
      {"unknown state, exit 0: stopped", Step::Stop, true, -1, S::Unknown, kDone, true, L""},
      {"unknown state, exit 0: configured", Step::Configure, true, -1, S::Unknown, kDone, true, L""},
      {"unknown state: the last line", Step::Start, true, -1, S::Unknown, kFailedSaying, false, kLine},
      {"unknown state: the exit code", Step::Stop, true, -1, S::Unknown, kFailedSilent, false, L"netsh 返回 5"},
      {"unknown state: timed out", Step::Start, true, -1, S::Unknown, kTimedOut, false, L"netsh 超时"},
      {"the output goes before the time limit", Step::Start, true, -1, S::Unknown, kTimedOutSaying, false, kLine},
      {"netsh could not be started", Step::Start, true, -1, S::Unknown, kNotStarted, false, L"无法运行 netsh"},

      // The state agrees, or not.
      {"active after a start", Step::Start, true, 1, S::Active, kDone, true, L""},
      {"idle after a stop", Step::Stop, true, 1, S::Idle, kDone, true, L""},
      {"unavailable after a stop", Step::Stop, true, 1, S::Unavailable, kDone, true, L""},
      {"configured while idle", Step::Configure, true, 1, S::Idle, kDone, true, L""},
      {"configured while active", Step::Configure, true, 1, S::Active, kDone, true, L""},
      {"start said done, still idle", Step::Start, true, 1, S::Idle, kDone, false, L"承载网络未启动"},
      {"stop said done, still active", Step::Stop, true, 2, S::Active, kDone, false, L"承载网络仍在运行"},
      {"a failed start, yet active: netsh's word counts", Step::Start, true, 1, S::Active, kFailedSaying, false,
       kLine},

      // The causes, first match wins.
      {"not elevated before everything", Step::Start, false, 0, S::Unavailable, kFailedSaying, false,
       L"请以管理员身份运行"},
      {"not elevated, state unknown", Step::Stop, false, -1, S::Unknown, kTimedOut, false, L"请以管理员身份运行"},
      {"not elevated, netsh missing", Step::Start, false, -1, S::Unknown, kNotStarted, false,
       L"请以管理员身份运行"},
      {"not elevated, exit 0 but idle", Step::Start, false, 1, S::Idle, kDone, false, L"请以管理员身份运行"},
      {"no interface before unavailable", Step::Start, true, 0, S::Unavailable, kFailedSaying, false,
       L"未找到无线网卡"},
      {"no interface, configuration", Step::Configure, true, 0, S::Unavailable, kFailedSilent, false,
       L"未找到无线网卡"},
      {"unavailable before the output", Step::Start, true, 1, S::Unavailable, kFailedSaying, false,
       L"无线网卡不支持承载网络或未开启"},
      {"unavailable before the time limit", Step::Start, true, 2, S::Unavailable, kTimedOut, false,
       L"无线网卡不支持承载网络或未开启"},
      {"unavailable, start said done", Step::Start, true, 1, S::Unavailable, kDone, false,
       L"无线网卡不支持承载网络或未开启"},
      {"interfaces unknown, unavailable", Step::Start, true, -1, S::Unavailable, kFailedSilent, false,
       L"无线网卡不支持承载网络或未开启"},
      {"interfaces there, idle: the output", Step::Start, true, 1, S::Idle, kFailedSaying, false, kLine},
      {"idle: the exit code", Step::Start, true, 1, S::Idle, kFailedSilent, false, L"netsh 返回 5"},
      {"active, the stop failed: timed out", Step::Stop, true, 1, S::Active, kTimedOut, false, L"netsh 超时"},
      {"netsh missing, state known", Step::Stop, true, 1, S::Active, kNotStarted, false, L"无法运行 netsh"},
      {"exit 0 that did not end by itself", Step::Start, true, -1, S::Unknown, {true, false, false, 0, L""}, false,
       L"netsh 返回 0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    StepReport report;
    report.started = c.command.started;
    report.ended = c.command.ended;
    report.timedOut = c.command.timedOut;
    report.exitCode = c.command.exitCode;
    report.lastLine = c.command.lastLine;
    HotspotStatus status;
    status.state = c.state;
    status.interfaces = c.interfaces;
    const StepVerdict v = JudgeStep(c.step, c.elevated, report, status);
    EXPECT_EQ(v.done, c.done);
    EXPECT_EQ(v.cause, c.cause);
  }
}

// The Mobile Hotspot needs no elevation and has no netsh: Windows' words
// come first, then the time limit, then a state that disagrees.
TEST(JudgeStep, TheMobileHotspotsCauses) {
  struct Operation {
    bool started, ended, timedOut;
    unsigned long status;
    std::wstring words;
  };
  const Operation kSucceeded{true, true, false, 0, L""};
  const Operation kRefused{false, false, false, 0, L"没有可共享的网络连接"};
  const Operation kFailed{true, true, false, 3, L"无线网卡已关闭"};
  const Operation kTimedOutOp{true, false, true, 0x800705B4, L""};
  const Operation kSilent{true, true, false, 9, L""};
  const struct {
    const char* label;
    Step step;
    bool elevated;
    S state;
    Operation operation;
    bool done;
    std::wstring cause;
  } cases[] = {
      {"started, on", Step::Start, false, S::Active, kSucceeded, true, L""},
      {"started, state unknown", Step::Start, true, S::Unknown, kSucceeded, true, L""},
      {"stopped, off", Step::Stop, false, S::Idle, kSucceeded, true, L""},
      {"configured while off", Step::Configure, true, S::Idle, kSucceeded, true, L""},
      {"no connection, not elevated: no word of elevation", Step::Start, false, S::Unknown, kRefused, false,
       L"没有可共享的网络连接"},
      {"Windows' status", Step::Start, true, S::Idle, kFailed, false, L"无线网卡已关闭"},
      {"the time limit", Step::Stop, false, S::Active, kTimedOutOp, false, L"移动热点超时"},
      {"started, yet off", Step::Start, false, S::Idle, kSucceeded, false, L"移动热点未开启"},
      {"stopped, yet on", Step::Stop, true, S::Active, kSucceeded, false, L"移动热点仍在运行"},
      {"a status without words", Step::Start, true, S::Idle, kSilent, false, L"移动热点返回 9"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    StepReport report;
    report.way = HotspotWay::MobileHotspot;
    report.started = c.operation.started;
    report.ended = c.operation.ended;
    report.timedOut = c.operation.timedOut;
    report.exitCode = c.operation.status;
    report.lastLine = c.operation.words;
    HotspotStatus status;
    status.state = c.state;
    const StepVerdict v = JudgeStep(c.step, c.elevated, report, status);
    EXPECT_EQ(v.done, c.done);
    EXPECT_EQ(v.cause, c.cause);
  }
}

TEST(StatusTexts, WithTheDeviceCountAndTheCause) {
  EXPECT_EQ(ActiveText(0), L"WIFI热点已开启，0台设备已连接");
  EXPECT_EQ(ActiveText(2), L"WIFI热点已开启，2台设备已连接");
  EXPECT_EQ(ActiveText(12), L"WIFI热点已开启，12台设备已连接");
  EXPECT_EQ(FailureText(Step::Start, L"netsh 超时"), L"WIFI热点开启失败：netsh 超时");
  EXPECT_EQ(FailureText(Step::Configure, L"请以管理员身份运行"), L"WIFI热点开启失败：请以管理员身份运行");
  EXPECT_EQ(FailureText(Step::Stop, L"netsh 返回 1"), L"WIFI热点关闭失败：netsh 返回 1");

  HotspotStatus active;
  active.state = S::Active;
  active.deviceCount = 2;
  active.devices = {"00-1A-2B-03-04-FF", "00-1A-2B-03-04-EE"};
  HotspotStatus countOnly;  // the Mobile Hotspot tells no addresses
  countOnly.state = S::Active;
  countOnly.deviceCount = 3;
  HotspotStatus unknown;
  const StepVerdict done{true, L""};
  const StepVerdict failed{false, L"未找到无线网卡"};
  EXPECT_EQ(StepOutcomeText(Step::Start, done, active), L"WIFI热点已开启，2台设备已连接");
  EXPECT_EQ(StepOutcomeText(Step::Start, done, countOnly), L"WIFI热点已开启，3台设备已连接");
  EXPECT_EQ(StepOutcomeText(Step::Start, done, unknown), L"WIFI热点已开启");
  EXPECT_EQ(StepOutcomeText(Step::Stop, done, unknown), L"WIFI热点已关闭");
  EXPECT_EQ(StepOutcomeText(Step::Start, failed, unknown), L"WIFI热点开启失败：未找到无线网卡");
  EXPECT_EQ(StepOutcomeText(Step::Configure, failed, unknown), L"WIFI热点开启失败：未找到无线网卡");
  EXPECT_EQ(StepOutcomeText(Step::Stop, failed, active), L"WIFI热点关闭失败：未找到无线网卡");
}

// The line changes only when the state or the number of devices does.
TEST(RefreshedLine, ChangesOnlyWithTheStateOrTheCount) {
  const struct {
    const char* label;
    S shownState;
    std::size_t shownDevices;
    S state;
    std::size_t devices;
    std::optional<std::wstring> line;
  } cases[] = {
      {"still active, same count", S::Active, 2, S::Active, 2, std::nullopt},
      {"a device joins", S::Active, 1, S::Active, 2, L"WIFI热点已开启，2台设备已连接"},
      {"the last device leaves", S::Active, 1, S::Active, 0, L"WIFI热点已开启，0台设备已连接"},
      {"started from outside", S::Idle, 0, S::Active, 1, L"WIFI热点已开启，1台设备已连接"},
      {"seen active for the first time", S::Unknown, 0, S::Active, 0, L"WIFI热点已开启，0台设备已连接"},
      {"stopped from outside", S::Active, 3, S::Idle, 0, L"WIFI热点已关闭"},
      {"gone unavailable", S::Active, 0, S::Unavailable, 0, L"WIFI热点已关闭"},
      {"still idle", S::Idle, 0, S::Idle, 0, std::nullopt},
      {"idle to unavailable", S::Idle, 0, S::Unavailable, 0, std::nullopt},
      {"the state cannot be told", S::Active, 2, S::Unknown, 0, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(RefreshedLine({c.shownState, c.shownDevices}, c.state, c.devices), c.line);
  }
}

TEST(StatusTooltip, TheMessageTheWayTheDevicesAndTheOutput) {
  const HotspotWay hosted = HotspotWay::HostedNetwork;
  const HotspotWay mobile = HotspotWay::MobileHotspot;
  EXPECT_EQ(StatusTooltip(L"WIFI热点已关闭", hosted, {}, L""), L"WIFI热点已关闭\r\n方式：承载网络");
  EXPECT_EQ(StatusTooltip(L"WIFI热点已开启，2台设备已连接", hosted, {"00-1A-2B-03-04-FF", "02-00-00-00-00-01"}, L""),
            L"WIFI热点已开启，2台设备已连接\r\n方式：承载网络\r\n已连接的设备：\r\n00-1A-2B-03-04-FF\r\n02-00-00-00-00-01");
  EXPECT_EQ(StatusTooltip(L"WIFI热点开启失败：" + kLine, hosted, {}, L"无法启动承载网络。\r\n" + kLine),
            L"WIFI热点开启失败：" + kLine + L"\r\n方式：承载网络\r\n\r\nnetsh:\r\n无法启动承载网络。\r\n" + kLine);
  EXPECT_EQ(StatusTooltip(L"WIFI热点已开启，1台设备已连接", hosted, {"00-1A-2B-03-04-FF"}, L"已启动承载网络。"),
            L"WIFI热点已开启，1台设备已连接\r\n方式：承载网络\r\n已连接的设备：\r\n00-1A-2B-03-04-FF\r\n\r\nnetsh:\r\n"
            L"已启动承载网络。");
  EXPECT_EQ(StatusTooltip(L"WIFI热点已开启，3台设备已连接", mobile, {}, L""),
            L"WIFI热点已开启，3台设备已连接\r\n方式：移动热点");
  EXPECT_EQ(StatusTooltip(L"WIFI热点开启失败：无线网卡已关闭", mobile, {}, L"The Wi-Fi radio is off."),
            L"WIFI热点开启失败：无线网卡已关闭\r\n方式：移动热点\r\n\r\nWindows:\r\nThe Wi-Fi radio is off.");
}

}  // namespace
}  // namespace lumaret
