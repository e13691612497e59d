// The hotspot's real state on the status line, with the stand-in
// wlanapi.dll in the test prefix's System32 (its state, adapter and devices
// chosen by each test) and the stand-in netsh, whose successful start and
// stop change that state as on Windows. The window is made as at start-up.
#include "hotspot/hotspot_switch.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "testsupport/system_standin.h"
#include "testsupport/window_test_support.h"
#include "hotspot/hosted_network.h"
#include "hotspot/hotspot_watch.h"

namespace lumaret {
namespace {

const testing::Environment* const kStandIns =
    testing::AddGlobalTestEnvironment(new standin::SystemStandIns({L"netsh.exe", L"wlanapi.dll"}));
const standin::Behaviour kNetsh("netsh");
const standin::Behaviour kWlan("wlanapi");

const wchar_t kNotice[] = L"为了防止开启蓝屏，请升级无线网卡驱动。";
const char kDeviceA[] = "00-1A-2B-03-04-FF";
const char kDeviceB[] = "02-11-22-33-44-55";
const char kDeviceC[] = "0A-0B-0C-0D-0E-0F";

// Counts the texts set on the status line (every WM_SETTEXT it gets).
LRESULT CALLBACK CountTexts(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR counter) {
  if (msg == WM_SETTEXT) ++*reinterpret_cast<int*>(counter);
  return DefSubclassProc(hwnd, msg, wp, lp);
}

class HotspotStateTest : public testing::Test {
 protected:
  void SetUp() override {
    kNetsh.Reset();
    kWlan.Reset();
    kWlan.Set("interfaces", "1");
    kWlan.Set("guid", "{4C554D41-5245-5400-0000-000000000001}");
    ASSERT_TRUE(WriteSettingsBesideProgram("[Wifi]\r\nSSID=Net\r\nCODE=12345678\r\n"));
  }
  void TearDown() override {
    CloseMainWindow();
    ReleaseHotspot();
    RemoveSettingsBesideProgram();
    // Whatever the test did, no handle is left open and all memory is back.
    EXPECT_EQ(kWlan.Calls("WlanOpenHandle", ERROR_SUCCESS), kWlan.Calls("WlanCloseHandle", ERROR_SUCCESS));
    EXPECT_EQ(kWlan.Calls("WlanFreeMemory", ERROR_SUCCESS),
              kWlan.Calls("WlanHostedNetworkQueryStatus", ERROR_SUCCESS) +
                  kWlan.Calls("WlanEnumInterfaces", ERROR_SUCCESS));
    EXPECT_EQ(kWlan.Calls("WlanFreeMemory", ERROR_INVALID_PARAMETER), 0);
    kNetsh.Reset();
    kWlan.Reset();
  }
  void Hosted(const char* state, const std::string& peers = std::string()) {
    kWlan.Set("peers", peers);
    kWlan.Set("state", state);
  }
  void Open() {
    ASSERT_TRUE(OpenMainWindow());
    SetWindowSubclass(w.Control(ControlId::透明标签_tip), CountTexts, 77, reinterpret_cast<DWORD_PTR>(&textsSet_));
  }
  void Click(ControlId id) {
    SendMessageW(w.Control(id), BM_CLICK, 0, 0);
    DrainMessages();
  }
  // Handles the window's messages (timers and notifications among them)
  // until `done` or `ms` have passed; whether it came true.
  bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
      DrainMessages();
      if (done()) return true;
      if (GetTickCount() - start >= ms) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
  }
  void Pump(DWORD ms) {
    PumpUntil([] { return false; }, ms);
  }
  std::wstring Tip() { return w.GetTextW(ControlId::透明标签_tip); }
  std::wstring Tooltip() { return w.TooltipW(ControlId::透明标签_tip); }

  MainWindow& w = TheMainWindow();
  int textsSet_ = 0;
};

TEST_F(HotspotStateTest, ActiveAtStartIsShownWithItsDevices) {
  Hosted("active", std::string(kDeviceA) + "\r\n" + kDeviceB + "\r\n");
  Open();
  EXPECT_EQ(Tip(), L"WIFI热点已开启，2台设备已连接");
  EXPECT_EQ(Tooltip(), L"WIFI热点已开启，2台设备已连接\r\n方式：承载网络\r\n已连接的设备：\r\n00-1A-2B-03-04-FF\r\n"
                        L"02-11-22-33-44-55");
}

TEST_F(HotspotStateTest, NotActiveAtStartLeavesTheNotice) {
  for (const char* state : {"idle", "unavailable"}) {
    SCOPED_TRACE(state);
    Hosted(state, std::string(kDeviceA) + "\r\n");
    Open();
    EXPECT_EQ(Tip(), kNotice);
    EXPECT_EQ(Tooltip(), L"");
    CloseMainWindow();
  }
}

// A device joins, another takes the place of one, the hotspot is stopped
// from outside: the line changes with the count and the state only, the
// tooltip with the devices.
TEST_F(HotspotStateTest, DevicesComingAndGoingWhileTheWindowIsOpen) {
  Hosted("active", std::string(kDeviceA) + "\r\n");
  Open();
  EXPECT_EQ(Tip(), L"WIFI热点已开启，1台设备已连接");

  Pump(kHotspotLookEveryMs + 500);
  EXPECT_EQ(textsSet_, 0) << "the line was set again without a change";

  kWlan.Set("peers", std::string(kDeviceA) + "\r\n" + kDeviceB + "\r\n");
  EXPECT_TRUE(PumpUntil([&] { return Tip() == L"WIFI热点已开启，2台设备已连接"; }, 5000)) << "the device did not show";
  EXPECT_EQ(Tooltip(), L"WIFI热点已开启，2台设备已连接\r\n方式：承载网络\r\n已连接的设备：\r\n00-1A-2B-03-04-FF\r\n"
                        L"02-11-22-33-44-55");
  EXPECT_EQ(textsSet_, 1);

  kWlan.Set("peers", std::string(kDeviceA) + "\r\n" + kDeviceC + "\r\n");
  EXPECT_TRUE(PumpUntil([&] { return Tooltip().find(L"0A-0B-0C-0D-0E-0F") != std::wstring::npos; }, 5000));
  EXPECT_EQ(Tooltip().find(L"02-11-22-33-44-55"), std::wstring::npos);
  EXPECT_EQ(textsSet_, 1) << "the count stayed: so does the line";

  Hosted("idle", std::string(kDeviceA) + "\r\n");
  EXPECT_TRUE(PumpUntil([&] { return Tip() == L"WIFI热点已关闭"; }, 5000)) << "the stop from outside did not show";
  EXPECT_EQ(Tooltip(), L"WIFI热点已关闭\r\n方式：承载网络");
}

// Without notifications the clock alone brings a change in.
TEST_F(HotspotStateTest, EveryThreeSecondsWithoutNotifications) {
  kWlan.Set("quiet", "");
  Hosted("active");
  Open();
  EXPECT_EQ(Tip(), L"WIFI热点已开启，0台设备已连接");
  kWlan.Set("peers", std::string(kDeviceB) + "\r\n");
  EXPECT_TRUE(PumpUntil([&] { return Tip() == L"WIFI热点已开启，1台设备已连接"; }, kHotspotLookEveryMs + 2000));
  EXPECT_EQ(kWlan.Calls("notification"), 0);
}

TEST_F(HotspotStateTest, StartAndStopCountWhenTheStateFollows) {
  Hosted("idle");
  Open();
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(kWlan.Get("state"), "active") << "netsh's start did not reach the hosted network";
  EXPECT_EQ(Tip(), L"WIFI热点已开启，0台设备已连接");

  kWlan.Set("peers", std::string(kDeviceA) + "\r\n");
  EXPECT_TRUE(PumpUntil([&] { return Tip() == L"WIFI热点已开启，1台设备已连接"; }, 5000));

  Click(ControlId::超级按钮_off);
  EXPECT_EQ(kWlan.Get("state"), "idle");
  EXPECT_EQ(Tip(), L"WIFI热点已关闭");
  const int texts = textsSet_;
  Pump(kHotspotLookEveryMs + 500);
  EXPECT_EQ(textsSet_, texts) << "an idle hotspot changed the line";
}

// netsh says it is done, but the hosted network stays as it was.
TEST_F(HotspotStateTest, ACommandThatSaysDoneButChangesNothingFails) {
  kWlan.Set("hold", "");
  Hosted("idle");
  Open();
  kNetsh.SetOutput("\xD2\xD1\xC6\xF4\xB6\xAF\xB3\xD0\xD4\xD8\xCD\xF8\xC2\xE7\xA1\xA3\r\n");  // 已启动承载网络。
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(Tip(), L"WIFI热点开启失败：承载网络未启动");
  EXPECT_EQ(Tooltip(), L"WIFI热点开启失败：承载网络未启动\r\n方式：承载网络\r\n\r\nnetsh:\r\n已启动承载网络。");

  CloseMainWindow();
  kNetsh.Reset();
  Hosted("active", std::string(kDeviceA) + "\r\n");
  Open();
  Click(ControlId::超级按钮_off);
  EXPECT_EQ(Tip(), L"WIFI热点关闭失败：承载网络仍在运行");
  EXPECT_EQ(kWlan.Get("state"), "active");
}

TEST_F(HotspotStateTest, FailuresNameWhatWindowsSays) {
  // 无法启动承载网络。 / 组或资源的状态不是执行请求操作的正确状态。
  const std::string netshSays =
      "\xCE\xDE\xB7\xA8\xC6\xF4\xB6\xAF\xB3\xD0\xD4\xD8\xCD\xF8\xC2\xE7\xA1\xA3\r\n"
      "\xD7\xE9\xBB\xF2\xD7\xCA\xD4\xB4\xB5\xC4\xD7\xB4\xCC\xAC\xB2\xBB\xCA\xC7\xD6\xB4\xD0\xD0\xC7\xEB\xC7\xF3\xB2\xD9"
      "\xD7\xF7\xB5\xC4\xD5\xFD\xC8\xB7\xD7\xB4\xCC\xAC\xA1\xA3\r\n\r\n";
  const struct {
    const char* label;
    const char* state;
    const char* interfaces;
    const wchar_t* tip;
  } cases[] = {
      {"unavailable", "unavailable", "1", L"WIFI热点开启失败：无线网卡不支持承载网络或未开启"},
      {"no wireless interface", "unavailable", "0", L"WIFI热点开启失败：未找到无线网卡"},
      {"idle: netsh's last line", "idle", "1", L"WIFI热点开启失败：组或资源的状态不是执行请求操作的正确状态。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    kNetsh.Reset();
    kNetsh.SetOutput(netshSays);
    kNetsh.SetExitCode(1);
    kWlan.Set("interfaces", c.interfaces);
    Hosted(c.state);
    Open();
    Click(ControlId::超级按钮_ope);
    EXPECT_EQ(Tip(), c.tip);
    EXPECT_EQ(Tooltip(), std::wstring(c.tip) +
                             L"\r\n方式：承载网络\r\n\r\nnetsh:\r\n无法启动承载网络。\r\n组或资源的状态不是执行请求操作的正确状态。");
    CloseMainWindow();
  }
}

// An API that answers with an error tells nothing: Lumaret goes by netsh's
// exit code alone, as without the API.
TEST_F(HotspotStateTest, AnApiThatAnswersWithAnErrorChangesNothing) {
  kWlan.Set("error", "1062");  // ERROR_SERVICE_NOT_ACTIVE
  kWlan.Set("interfaces", "0");
  Hosted("active", std::string(kDeviceA) + "\r\n");
  Open();
  EXPECT_EQ(Tip(), kNotice);
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(Tip(), L"WIFI热点已开启");
  kNetsh.SetExitCode(1);
  Click(ControlId::超级按钮_off);
  EXPECT_EQ(Tip(), L"WIFI热点关闭失败：netsh 返回 1");
  EXPECT_EQ(TheHostedNetwork().Status().state, HotspotState::Unknown);
}

TEST_F(HotspotStateTest, TheHostedAdapterIsKnown) {
  Hosted("active");
  const std::optional<GUID> id = TheHostedNetwork().AdapterId();
  ASSERT_TRUE(id.has_value());
  const GUID expected = {0x4C554D41, 0x5245, 0x5400, {0, 0, 0, 0, 0, 0, 0, 1}};
  EXPECT_EQ(memcmp(&*id, &expected, sizeof expected), 0);
}

}  // namespace
}  // namespace lumaret
