// The open and close buttons on a Wi-Fi adapter without the hosted network:
// the Mobile Hotspot through the Windows Runtime. Wine has none of its
// classes; the tests' stand-in classes (testsupport/standins/
// mobile_hotspot.cpp) are registered in the test prefix as Windows
// registers its own, beside the stand-in wlanapi.dll (which tells whether
// the hosted network is available) and the stand-in netsh. The window is
// made as at start-up.
#include "mobile_hotspot/mobile_hotspot.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "desktop/shortcut.h"
#include "desktop/tests/shortcut_reader.h"
#include "hotspot/hotspot_switch.h"
#include "hotspot/settings_file.h"
#include "testsupport/system_standin.h"
#include "testsupport/window_test_support.h"

namespace lumaret {
namespace {

// OLE on the test thread, as the program has it at start-up (the Windows
// Runtime's classes are activated on it).
const testing::Environment* const kSession = testing::AddGlobalTestEnvironment(new ShortcutSession);
const testing::Environment* const kStandIns =
    testing::AddGlobalTestEnvironment(new standin::SystemStandIns({L"netsh.exe", L"wlanapi.dll"}));
const standin::Behaviour kNetsh("netsh");
const standin::Behaviour kWlan("wlanapi");
const standin::Behaviour kMobile("mobilehotspot");

const wchar_t* const kClasses[] = {
    tethering::kNetworkInformationClass,
    tethering::kTetheringManagerClass,
    tethering::kAccessPointConfigurationClass,
};
const wchar_t kStandInDll[] = L"winrt\\lumaret_mobile_hotspot.dll";

const wchar_t kNotice[] = L"为了防止开启蓝屏，请升级无线网卡驱动。";

using Event = standin::Event;

// The command lines netsh was started with.
std::vector<std::string> NetshCommands() {
  std::vector<std::string> out;
  for (const Event& e : kNetsh.Events()) {
    if (e.kind == Event::Kind::Begin) out.push_back(e.commandLine);
  }
  return out;
}

// The calls of one method of the stand-in classes, in order.
std::vector<Event> MobileCalls(const std::string& function) {
  std::vector<Event> out;
  for (const Event& e : kMobile.Events()) {
    if (e.kind == Event::Kind::Call && e.program == function) out.push_back(e);
  }
  return out;
}

// Where the first call of `function` is in the record; -1 when never.
int FirstCall(const std::string& function) {
  const std::vector<Event> events = kMobile.Events();
  for (std::size_t i = 0; i < events.size(); ++i) {
    if (events[i].program == function) return static_cast<int>(i);
  }
  return -1;
}

class MobileHotspotTest : public testing::Test {
 protected:
  void SetUp() override {
    kNetsh.Reset();
    kWlan.Reset();
    kMobile.Reset();
    kWlan.Set("interfaces", "1");
    kWlan.Set("state", "unavailable");  // a Wi-Fi 6 driver: no hosted network
    for (const wchar_t* name : kClasses) {
      classes_.push_back(std::make_unique<standin::ActivatableClassStandIn>(name, kStandInDll));
      ASSERT_TRUE(classes_.back()->registered()) << "cannot register the stand-in classes";
    }
    desktopLink_ = GetSpecialFolder(3) + "Lumaret.lnk";
    DeleteFileA(desktopLink_.c_str());
    RemoveSettingsBesideProgram();
  }
  void TearDown() override {
    CloseMainWindow();
    ReleaseHotspot();
    classes_.clear();
    RemoveSettingsBesideProgram();
    DeleteFileA(desktopLink_.c_str());
    kNetsh.Reset();
    kWlan.Reset();
    kMobile.Reset();
  }
  // A run: the settings file as given (none when empty), the window made as
  // at start-up.
  void StartRun(const std::string& settings = std::string()) {
    CloseMainWindow();
    RemoveSettingsBesideProgram();
    if (!settings.empty()) {
      ASSERT_TRUE(WriteSettingsBesideProgram(settings));
    }
    ASSERT_TRUE(OpenMainWindow());
  }
  // The access point as Windows holds it (UTF-8).
  void HeldAccessPoint(const std::string& ssid, const std::string& passphrase) {
    kMobile.Set("ssid", ssid);
    kMobile.Set("passphrase", passphrase);
  }
  void Boxes(const std::string& name, const std::string& key) {
    w.SetText(ControlId::编辑框_ssid, name);
    w.SetText(ControlId::编辑框_pw, key);
  }
  void Click(ControlId id) {
    SendMessageW(w.Control(id), BM_CLICK, 0, 0);
    DrainMessages();
  }
  bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
      DrainMessages();
      if (done()) return true;
      if (GetTickCount() - start >= ms) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
  }
  std::wstring Tip() { return w.GetTextW(ControlId::透明标签_tip); }
  std::wstring Tooltip() { return w.TooltipW(ControlId::透明标签_tip); }
  bool ButtonsEnabled() { return w.IsEnabled(ControlId::超级按钮_ope) && w.IsEnabled(ControlId::超级按钮_off); }
  std::string Saved(const char* key) { return ReadSettingsValue(SettingsFileBesideProgram(), "Wifi", key); }

  MainWindow& w = TheMainWindow();
  std::vector<std::unique_ptr<standin::ActivatableClassStandIn>> classes_;
  std::string desktopLink_;
};

// "咖啡 Net" in GBK, as the box gives it, and in UTF-8, as Windows gets it;
// the GBK full-width space, kept by the settings file, trimmed for Windows.
const std::string kGbkName = "\xBF\xA7\xB7\xC8 Net";
const std::string kUtf8Name = "\xE5\x92\x96\xE5\x95\xA1 Net";
const std::string kWide = "\xA1\xA1";

TEST_F(MobileHotspotTest, OpenConfiguresTheNameAndPasswordAndStartsTethering) {
  StartRun();
  Boxes(kWide + kGbkName + " " + kWide, "12345678" + kWide);
  Click(ControlId::超级按钮_ope);

  EXPECT_EQ(NetshCommands(), std::vector<std::string>{}) << "netsh ran on an adapter without the hosted network";
  const std::vector<Event> configured = MobileCalls("ConfigureAccessPointAsync");
  ASSERT_EQ(configured.size(), 1u);
  EXPECT_EQ(configured[0].detail, kUtf8Name + "\t12345678") << "the trimmed name and password";
  EXPECT_EQ(kMobile.Get("ssid"), kUtf8Name);
  EXPECT_EQ(kMobile.Get("passphrase"), "12345678");
  ASSERT_EQ(MobileCalls("StartTetheringAsync").size(), 1u);
  EXPECT_LT(FirstCall("ConfigureAccessPointAsync:completed"), FirstCall("StartTetheringAsync"))
      << "tethering started before the access point was configured";
  EXPECT_EQ(kMobile.Get("state"), "on");

  EXPECT_EQ(Tip(), L"WIFI热点已开启，0台设备已连接");
  EXPECT_EQ(Tooltip(), L"WIFI热点已开启，0台设备已连接\r\n方式：移动热点");
  EXPECT_TRUE(ButtonsEnabled());
  // The same rules as the hosted network: the untrimmed texts saved, the
  // shortcut made in a run that started without settings.
  EXPECT_EQ(Saved("SSID"), kWide + kGbkName + " " + kWide);
  EXPECT_EQ(Saved("CODE"), "12345678" + kWide);
  EXPECT_TRUE(FileExists(desktopLink_));

  // Windows calls the Completed handler on a thread of its own; the wait
  // took it in on the window's.
  const std::vector<Event> handled = MobileCalls("StartTetheringAsync:Completed");
  ASSERT_EQ(handled.size(), 1u);
  EXPECT_NE(handled[0].detail, "thread " + std::to_string(GetCurrentThreadId()));

  // Again with the same boxes: the access point holds them already.
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(MobileCalls("ConfigureAccessPointAsync").size(), 1u) << "configured again for nothing";
  EXPECT_EQ(MobileCalls("StartTetheringAsync").size(), 2u);
  EXPECT_EQ(Tip(), L"WIFI热点已开启，0台设备已连接");
  EXPECT_EQ(NetshCommands(), std::vector<std::string>{});
}

// A name set in Windows' own settings is replaced by the saved one, though
// the boxes still hold what was saved (no configuration of the hosted
// network would run).
TEST_F(MobileHotspotTest, SavedSettingsStillReachTheAccessPoint) {
  HeldAccessPoint("DESKTOP-1234 5678", "windows-own");
  StartRun("[Wifi]\r\nSSID=Net\r\nCODE=12345678\r\n");
  Click(ControlId::超级按钮_ope);
  const std::vector<Event> configured = MobileCalls("ConfigureAccessPointAsync");
  ASSERT_EQ(configured.size(), 1u);
  EXPECT_EQ(configured[0].detail, "Net\t12345678");
  EXPECT_EQ(Tip(), L"WIFI热点已开启，0台设备已连接");

  // Bad input is caught before the access point is touched.
  Boxes("Net", "short");
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(Tip(), L"WIFI密码须为8到63个字符");
  EXPECT_EQ(MobileCalls("ConfigureAccessPointAsync").size(), 1u);
  EXPECT_EQ(MobileCalls("StartTetheringAsync").size(), 1u);
  EXPECT_EQ(Saved("CODE"), "12345678");
}

TEST_F(MobileHotspotTest, TheWindowAnswersWhileAnOperationTakesThreeSeconds) {
  HeldAccessPoint("Net", "12345678");
  StartRun("[Wifi]\r\nSSID=Net\r\nCODE=12345678\r\n");
  kMobile.Set("delay", "3000");
  HWND window = w.hwnd();
  HWND tip = w.Control(ControlId::透明标签_tip);
  HWND ope = w.Control(ControlId::超级按钮_ope);
  HWND off = w.Control(ControlId::超级按钮_off);
  bool answered = false;
  DWORD answerMs = 0;
  std::wstring tipMeanwhile;
  bool opeEnabled = true, offEnabled = true;
  std::thread watcher([&] {
    Sleep(800);
    const DWORD t0 = GetTickCount();
    DWORD_PTR result = 0;
    answered = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
    answerMs = GetTickCount() - t0;
    wchar_t text[64] = {};
    SendMessageTimeoutW(tip, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 1000, &result);
    tipMeanwhile = text;
    opeEnabled = IsWindowEnabled(ope) != FALSE;
    offEnabled = IsWindowEnabled(off) != FALSE;
    PostMessageW(off, BM_CLICK, 0, 0);
  });
  const DWORD clicked = GetTickCount();
  Click(ControlId::超级按钮_ope);
  const DWORD clickMs = GetTickCount() - clicked;
  watcher.join();
  EXPECT_TRUE(answered) << "no answer within 1 s";
  EXPECT_LT(answerMs, 1000u);
  EXPECT_EQ(tipMeanwhile, L"正在开启WIFI热点...");
  EXPECT_FALSE(opeEnabled);
  EXPECT_FALSE(offEnabled);
  EXPECT_GE(clickMs, 2900u) << "the operation was not waited for";
  EXPECT_EQ(MobileCalls("StopTetheringAsync").size(), 0u) << "the close click ran beside the start";
  EXPECT_EQ(Tip(), L"WIFI热点已开启，0台设备已连接");
  EXPECT_TRUE(ButtonsEnabled());
}

// The state at start-up comes from the Mobile Hotspot, the device count
// follows it, and the close button stops it.
TEST_F(MobileHotspotTest, CloseStopsTethering) {
  kMobile.Set("state", "on");
  kMobile.Set("clients", "2");
  StartRun("[Wifi]\r\nSSID=Net\r\nCODE=12345678\r\n");
  EXPECT_EQ(Tip(), L"WIFI热点已开启，2台设备已连接");
  EXPECT_EQ(Tooltip(), L"WIFI热点已开启，2台设备已连接\r\n方式：移动热点");

  kMobile.Set("clients", "3");
  EXPECT_TRUE(PumpUntil([&] { return Tip() == L"WIFI热点已开启，3台设备已连接"; }, 5000))
      << "the device that joined did not show";

  Click(ControlId::超级按钮_off);
  EXPECT_EQ(MobileCalls("StopTetheringAsync").size(), 1u);
  EXPECT_EQ(kMobile.Get("state"), "off");
  EXPECT_EQ(Tip(), L"WIFI热点已关闭");
  EXPECT_EQ(Tooltip(), L"WIFI热点已关闭\r\n方式：移动热点");
  EXPECT_EQ(NetshCommands(), std::vector<std::string>{});

  // Stopped from outside: the line follows.
  kMobile.Set("state", "on");
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(Tip(), L"WIFI热点已开启，3台设备已连接");
  kMobile.Set("state", "off");
  EXPECT_TRUE(PumpUntil([&] { return Tip() == L"WIFI热点已关闭"; }, 5000));
}

TEST_F(MobileHotspotTest, NoInternetConnection) {
  kMobile.Set("offline", "");
  StartRun();
  Boxes("Net", "12345678");
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(Tip(), L"WIFI热点开启失败：没有可共享的网络连接");
  EXPECT_EQ(Tooltip(), L"WIFI热点开启失败：没有可共享的网络连接\r\n方式：移动热点");
  EXPECT_EQ(MobileCalls("CreateFromConnectionProfile").size(), 0u);
  EXPECT_EQ(MobileCalls("StartTetheringAsync").size(), 0u);
  EXPECT_EQ(NetshCommands(), std::vector<std::string>{});
  EXPECT_FALSE(FileExists(SettingsFileBesideProgram())) << "saved without a configuration";
  EXPECT_TRUE(ButtonsEnabled());

  Click(ControlId::超级按钮_off);
  EXPECT_EQ(Tip(), L"WIFI热点关闭失败：没有可共享的网络连接");
}

// A hotspot started while there was a connection is still stopped when the
// connection has gone since.
TEST_F(MobileHotspotTest, StopAfterTheConnectionHasGone) {
  StartRun("[Wifi]\r\nSSID=Net\r\nCODE=12345678\r\n");
  Click(ControlId::超级按钮_ope);
  ASSERT_EQ(kMobile.Get("state"), "on");
  kMobile.Set("offline", "");
  Click(ControlId::超级按钮_off);
  EXPECT_EQ(MobileCalls("StopTetheringAsync").size(), 1u);
  EXPECT_EQ(Tip(), L"WIFI热点已关闭");
}

// Windows says no: the start's result, the connection's capability, or an
// error of the configuration. The reason in Chinese on the line, Windows'
// own message in the tooltip; nothing saved where the configuration failed.
TEST_F(MobileHotspotTest, FailuresNameWhatWindowsSaid) {
  const struct {
    const char* label;
    const char* file;
    const char* value;
    const wchar_t* tip;
    std::size_t starts;
    bool saved;
  } cases[] = {
      {"Wi-Fi off", "start-status", "3", L"WIFI热点开启失败：无线网卡已关闭", 1, true},
      {"in progress", "start-status", "6", L"WIFI热点开启失败：移动热点正忙，请稍后再试", 1, true},
      {"group policy", "capability", "1", L"WIFI热点开启失败：移动热点已被组策略禁用", 0, false},
      {"configuration error", "configure-error", "0x80070057", L"WIFI热点开启失败：移动热点出错（0x80070057）", 0,
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    kMobile.Reset();
    kMobile.Set(c.file, c.value);
    kMobile.Set("message", "The Wi-Fi radio is off.");
    StartRun();
    Boxes("Net", "12345678");
    Click(ControlId::超级按钮_ope);
    EXPECT_EQ(Tip(), c.tip);
    if (std::string(c.file) == "start-status") {
      EXPECT_EQ(Tooltip(), std::wstring(c.tip) + L"\r\n方式：移动热点\r\n\r\nWindows:\r\nThe Wi-Fi radio is off.");
    } else {
      EXPECT_EQ(Tooltip().find(std::wstring(c.tip) + L"\r\n方式：移动热点"), 0u);
    }
    EXPECT_EQ(MobileCalls("StartTetheringAsync").size(), c.starts);
    EXPECT_EQ(FileExists(SettingsFileBesideProgram()), c.saved);
    EXPECT_NE(kMobile.Get("state"), "on");
    EXPECT_TRUE(ButtonsEnabled());
    CloseMainWindow();
  }
}

// A driver with the hosted network: netsh as always, and the Mobile
// Hotspot's classes are not even asked for.
TEST_F(MobileHotspotTest, TheHostedNetworkAvailableLeavesTetheringUntouched) {
  kWlan.Set("state", "idle");
  StartRun("[Wifi]\r\nSSID=Net\r\nCODE=12345678\r\n");
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(NetshCommands(), std::vector<std::string>{"netsh wlan start hostednetwork"});
  EXPECT_EQ(Tip(), L"WIFI热点已开启，0台设备已连接");
  EXPECT_EQ(Tooltip(), L"WIFI热点已开启，0台设备已连接\r\n方式：承载网络");
  Click(ControlId::超级按钮_off);
  EXPECT_EQ(NetshCommands(),
            (std::vector<std::string>{"netsh wlan start hostednetwork", "netsh wlan stop hostednetwork"}));
  EXPECT_EQ(Tip(), L"WIFI热点已关闭");
  EXPECT_EQ(kMobile.Events().size(), 0u) << "the Mobile Hotspot was asked";
}

// Windows before 10 (and plain Wine): no classes, today's path and its
// failure with the reason.
TEST_F(MobileHotspotTest, WithoutTheClassesTodaysPath) {
  classes_.clear();
  StartRun("[Wifi]\r\nSSID=Net\r\nCODE=12345678\r\n");
  EXPECT_EQ(Tip(), kNotice);
  kNetsh.SetExitCode(1);
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(NetshCommands(), std::vector<std::string>{"netsh wlan start hostednetwork"});
  EXPECT_EQ(Tip(), L"WIFI热点开启失败：无线网卡不支持承载网络或未开启");
  EXPECT_EQ(kMobile.Events().size(), 0u);
}

// The WLAN API cannot tell (it answers with an error): the hosted network
// first; when its start fails, the Mobile Hotspot. Once that is on, it is
// the one in use: the close button stops it.
TEST_F(MobileHotspotTest, WhereTheWlanApiCannotTellAFailedStartFallsBack) {
  kWlan.Set("error", "1062");  // ERROR_SERVICE_NOT_ACTIVE
  StartRun("[Wifi]\r\nSSID=Net\r\nCODE=12345678\r\n");
  kNetsh.SetExitCode(1, "start");
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(NetshCommands(), std::vector<std::string>{"netsh wlan start hostednetwork"});
  EXPECT_EQ(MobileCalls("ConfigureAccessPointAsync").size(), 1u);
  EXPECT_EQ(MobileCalls("StartTetheringAsync").size(), 1u);
  EXPECT_EQ(Tip(), L"WIFI热点已开启，0台设备已连接");
  EXPECT_EQ(Tooltip(), L"WIFI热点已开启，0台设备已连接\r\n方式：移动热点");

  Click(ControlId::超级按钮_off);
  EXPECT_EQ(MobileCalls("StopTetheringAsync").size(), 1u);
  EXPECT_EQ(NetshCommands(), std::vector<std::string>{"netsh wlan start hostednetwork"}) << "netsh stopped instead";
  EXPECT_EQ(Tip(), L"WIFI热点已关闭");

  // netsh's start succeeds: the Mobile Hotspot stays off.
  kNetsh.Reset();
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(NetshCommands(), std::vector<std::string>{"netsh wlan start hostednetwork"});
  EXPECT_EQ(MobileCalls("StartTetheringAsync").size(), 1u);
  EXPECT_EQ(Tip(), L"WIFI热点已开启");
  EXPECT_EQ(Tooltip(), L"WIFI热点已开启\r\n方式：承载网络");
}

// An operation past the time limit is cancelled and named.
TEST_F(MobileHotspotTest, AnOperationPastTheLimitIsCancelled) {
  kMobile.Set("delay", "3000");
  MobileHotspot hotspot(500);
  const DWORD start = GetTickCount();
  const StepReport report = hotspot.Start();
  EXPECT_LT(GetTickCount() - start, 2500u);
  EXPECT_TRUE(report.started);
  EXPECT_TRUE(report.timedOut);
  EXPECT_FALSE(CommandSaidDone(report));
  const std::vector<Event> cancelled = MobileCalls("StartTetheringAsync:Cancel");
  ASSERT_EQ(cancelled.size(), 1u);
  EXPECT_EQ(cancelled[0].detail, "cancelled");
  EXPECT_EQ(JudgeStep(HotspotStep::Start, true, report, HotspotStatus()).cause, L"移动热点超时");
  hotspot.Release();
  Sleep(3000);  // the stand-in's thread sees the cancel
  EXPECT_NE(kMobile.Get("state"), "on") << "a cancelled start still took effect";
}

// Esc while the configuration runs: the window goes at once, tethering never
// starts, nothing is saved, and the main loop still gets its WM_QUIT.
TEST_F(MobileHotspotTest, ClosingTheWindowWhileAnOperationRuns) {
  StartRun();
  Boxes("Net", "12345678");
  kMobile.Set("delay", "2000");
  HWND box = w.Control(ControlId::编辑框_ssid);
  std::thread closer([&] {
    Sleep(500);
    PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 1);
  });
  const DWORD start = GetTickCount();
  SendMessageW(w.Control(ControlId::超级按钮_ope), BM_CLICK, 0, 0);
  closer.join();
  EXPECT_LT(GetTickCount() - start, 1800u) << "the close waited for the operation";
  EXPECT_EQ(w.hwnd(), nullptr) << "Esc did not close the window";
  MSG m;
  EXPECT_TRUE(PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "WM_QUIT lost";
  if (PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) {
    EXPECT_EQ(RunMessageLoop(), 0);
  }
  Sleep(2000);  // the configuration ends by itself
  EXPECT_EQ(MobileCalls("ConfigureAccessPointAsync:completed").size(), 1u);
  EXPECT_EQ(MobileCalls("StartTetheringAsync").size(), 0u);
  EXPECT_FALSE(FileExists(SettingsFileBesideProgram()));
}

}  // namespace
}  // namespace lumaret
