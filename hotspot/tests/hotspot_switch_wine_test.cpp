// The open and close buttons and the command runner with the real window,
// settings file and desktop shortcut, and the stand-in netsh in the test
// prefix's System32, steered through its behaviour files.
#include "hotspot/hotspot_switch.h"

#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "testsupport/system_standin.h"
#include "testsupport/window_test_support.h"
#include "common/encoding.h"
#include "common/run_directory.h"
#include "desktop/shortcut.h"
#include "desktop/tests/shortcut_reader.h"
#include "hotspot/command_runner.h"
#include "hotspot/console_output.h"
#include "hotspot/hosted_network.h"
#include "hotspot/settings_file.h"

namespace lumaret {
namespace {

const testing::Environment* const kSession = testing::AddGlobalTestEnvironment(new ShortcutSession);

// ---- the stand-in netsh ---------------------------------------------------
// System32's netsh.exe in the test prefix is the stand-in for this binary's
// run (testsupport/standins/netsh.cpp); Wine's own netsh does nothing.

const testing::Environment* const kStandIns =
    testing::AddGlobalTestEnvironment(new standin::SystemStandIns({L"netsh.exe"}));
const standin::Behaviour kNetsh("netsh");

void ResetStandIn() { kNetsh.Reset(); }
void StandInDelay(unsigned ms) { kNetsh.SetDelay(ms); }
void StandInExit(int code, const char* onlyIf = nullptr) { kNetsh.SetExitCode(code, onlyIf ? onlyIf : ""); }

using Event = standin::Event;

std::vector<Event> Begun() {
  std::vector<Event> out;
  for (const Event& e : kNetsh.Events()) {
    if (e.kind == Event::Kind::Begin) out.push_back(e);
  }
  return out;
}

// The command lines netsh was started with, in order.
std::vector<std::string> Commands() {
  std::vector<std::string> out;
  for (const Event& e : Begun()) out.push_back(e.commandLine);
  return out;
}

// The show-window values the commands were started with.
std::vector<int> ShowValues() {
  std::vector<int> out;
  for (const Event& e : Begun()) out.push_back(e.showWindow);
  return out;
}

// Every command ended before the next began.
bool RanOneAtATime() {
  const std::vector<Event> events = kNetsh.Events();
  for (std::size_t i = 0; i < events.size(); ++i) {
    if (events[i].kind != (i % 2 == 0 ? Event::Kind::Begin : Event::Kind::End)) return false;
    if (i % 2 == 1 && events[i].pid != events[i - 1].pid) return false;
  }
  return events.size() % 2 == 0;
}

int EndedCommands() {
  int n = 0;
  for (const Event& e : kNetsh.Events()) n += e.kind == Event::Kind::End;
  return n;
}

// For commands that run on past a call: waits until `n` have ended.
void WaitForEndedCommands(int n) {
  for (int i = 0; i < 100 && EndedCommands() < n; ++i) Sleep(100);
}

bool StandInRunning() {
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snap == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32 entry;
  entry.dwSize = sizeof entry;
  bool found = false;
  for (BOOL more = Process32First(snap, &entry); more && !found; more = Process32Next(snap, &entry)) {
    found = lstrcmpiW(entry.szExeFile, L"netsh.exe") == 0;
  }
  CloseHandle(snap);
  return found;
}

const std::string kConfigure = "netsh wlan set hostednetwork mode=allow ssid=";
std::string ConfigureLine(const std::string& name, const std::string& key) {
  return kConfigure + "\"" + name + "\" key=\"" + key + "\"";
}
const std::string kStart = "netsh wlan start hostednetwork";
const std::string kStop = "netsh wlan stop hostednetwork";
using Lines = std::vector<std::string>;

// ---- the command runner ---------------------------------------------------

// netsh's words on a Chinese Windows, in GBK, and as they are shown.
const std::string kGbkCannotStart = "\xCE\xDE\xB7\xA8\xC6\xF4\xB6\xAF\xB3\xD0\xD4\xD8\xCD\xF8\xC2\xE7\xA1\xA3";
const std::string kGbkWrongState =
    "\xD7\xE9\xBB\xF2\xD7\xCA\xD4\xB4\xB5\xC4\xD7\xB4\xCC\xAC\xB2\xBB\xCA\xC7\xD6\xB4\xD0\xD0\xC7\xEB\xC7\xF3\xB2\xD9"
    "\xD7\xF7\xB5\xC4\xD5\xFD\xC8\xB7\xD7\xB4\xCC\xAC\xA1\xA3";
const std::wstring kCannotStart = L"无法启动承载网络。";
const std::wstring kWrongState = L"组或资源的状态不是执行请求操作的正确状态。";

class CommandRunnerTest : public testing::Test {
 protected:
  void SetUp() override { ResetStandIn(); }
};

TEST_F(CommandRunnerTest, TellsOnlyWhetherTheProcessWasCreated) {
  EXPECT_FALSE(RunCommandLine("lumaret-no-such-program wlan", true, 1));
  StandInExit(1);
  EXPECT_TRUE(RunCommandLine("netsh wlan start hostednetwork", true, 1)) << "a failing netsh was still created";
  EXPECT_EQ(Commands(), Lines{kStart});
}

// A hidden program gets no console window at all (CREATE_NO_WINDOW). (This
// test has a console that its children share; that a child of Lumaret's
// would otherwise get a window of its own, the end-to-end test sees.)
TEST_F(CommandRunnerTest, ShowModeReachesTheStartupRecord) {
  const struct {
    std::optional<int> mode;
    int show;
  } cases[] = {{std::nullopt, SW_SHOWNORMAL}, {1, SW_HIDE}, {3, SW_SHOWMINIMIZED}, {0, SW_HIDE}, {9, SW_MINIMIZE}};
  std::vector<int> expected;
  for (const auto& c : cases) {
    ASSERT_TRUE(RunCommandLine("netsh show", true, c.mode));
    expected.push_back(c.show);
  }
  EXPECT_EQ(ShowValues(), expected);
  const std::vector<Event> begun = Begun();
  ASSERT_EQ(begun.size(), 5u);
  for (std::size_t i = 0; i < begun.size(); ++i) {
    if (expected[i] == SW_HIDE) {
      EXPECT_FALSE(begun[i].consoleWindow) << i;
    }
  }
}

std::string SystemNetsh() {
  char folder[MAX_PATH];
  GetSystemDirectoryA(folder, MAX_PATH);
  return std::string(folder) + "\\netsh.exe";
}

// A netsh.exe beside the program and another in the current directory, each
// a working copy of the stand-in: only System32's ever runs, with the
// command line as it was given.
TEST_F(CommandRunnerTest, RunsOnlySystem32sProgram) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string elsewhere = std::string(temp) + "lumaret-cwd";
  CreateDirectoryA(elsewhere.c_str(), nullptr);
  const std::wstring built = standin::BuiltStandIn(L"system32\\netsh.exe");
  const std::string beside = GetRunDirectory() + "\\netsh.exe";
  const std::string inCurrent = elsewhere + "\\netsh.exe";
  ASSERT_TRUE(CopyFileW(built.c_str(), AnsiToWide(beside).c_str(), FALSE));
  ASSERT_TRUE(CopyFileW(built.c_str(), AnsiToWide(inCurrent).c_str(), FALSE));
  char before[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, before);
  SetCurrentDirectoryA(elsewhere.c_str());

  EXPECT_TRUE(RunCommandLine(kStart, true, 1));
  EXPECT_TRUE(RunCommandLineToEnd("netsh.exe wlan stop hostednetwork").Succeeded());
  EXPECT_TRUE(RunCommandLineToEnd("\"netsh\" wlan show drivers").Succeeded());
  // A path is no name to look for: nothing outside System32 ever starts.
  EXPECT_FALSE(RunCommandLine(beside + " wlan", true, 1));
  EXPECT_FALSE(RunCommandLine(".\\netsh wlan", true, 1));
  EXPECT_FALSE(RunCommandLineToEnd(SystemNetsh() + " wlan").started);

  SetCurrentDirectoryA(before);
  DeleteFileA(beside.c_str());
  DeleteFileA(inCurrent.c_str());
  RemoveDirectoryA(elsewhere.c_str());
  const std::vector<Event> begun = Begun();
  ASSERT_EQ(begun.size(), 3u);
  for (const Event& e : begun) EXPECT_EQ(lstrcmpiA(e.program.c_str(), SystemNetsh().c_str()), 0) << e.program;
  EXPECT_EQ(Commands(), (Lines{kStart, "netsh.exe wlan stop hostednetwork", "\"netsh\" wlan show drivers"}));
}

TEST_F(CommandRunnerTest, WaitsOnlyWhenAsked) {
  StandInDelay(3000);
  EXPECT_TRUE(RunCommandLine("netsh no-wait", false, 1));
  EXPECT_EQ(EndedCommands(), 0) << "returned only after the command ended";
  WaitForEndedCommands(1);
  StandInDelay(500);
  EXPECT_TRUE(RunCommandLine("netsh wait", true, 1));
  EXPECT_EQ(EndedCommands(), 2);
}

TEST_F(CommandRunnerTest, RunToEndJudgesTheExitCode) {
  const struct {
    int code;
    bool succeeded;
  } cases[] = {{0, true}, {1, false}, {5, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    StandInExit(c.code);
    const CommandOutcome o = RunCommandLineToEnd("netsh x");
    EXPECT_TRUE(o.started);
    EXPECT_TRUE(o.ended);
    EXPECT_EQ(o.exitCode, static_cast<unsigned long>(c.code));
    EXPECT_EQ(o.Succeeded(), c.succeeded);
  }
  EXPECT_EQ(ShowValues(), (std::vector<int>{SW_HIDE, SW_HIDE, SW_HIDE}));
  const CommandOutcome missing = RunCommandLineToEnd("lumaret-no-such-program x");
  EXPECT_FALSE(missing.started);
  EXPECT_FALSE(missing.Succeeded());
}

TEST_F(CommandRunnerTest, CommandOverTheLimitIsEndedAndFails) {
  StandInDelay(20000);
  const CommandOutcome o = RunCommandLineToEnd("netsh slow", 500);
  EXPECT_TRUE(o.started);
  EXPECT_FALSE(o.ended);
  EXPECT_FALSE(o.Succeeded());
  EXPECT_FALSE(StandInRunning()) << "the command was left running";
  EXPECT_EQ(EndedCommands(), 0);
  EXPECT_TRUE(o.timedOut);
}

TEST_F(CommandRunnerTest, StandardOutputAndErrorComeThroughOnePipeInOrder) {
  kNetsh.SetOutput("out 1\r\nout 2\r\n", "err 1\r\n");
  StandInExit(3);
  const CommandOutcome o = RunCommandLineToEnd("netsh x");
  EXPECT_TRUE(o.ended);
  EXPECT_FALSE(o.timedOut);
  EXPECT_EQ(o.exitCode, 3u);
  EXPECT_EQ(o.output, "out 1\r\nout 2\r\nerr 1\r\n");
  ResetStandIn();
  EXPECT_EQ(RunCommandLineToEnd("netsh quiet").output, "");
}

// 200 KB: netsh is never held up, and the last 64 KB are kept.
TEST_F(CommandRunnerTest, LongOutputNeitherBlocksTheCommandNorGrowsWithoutEnd) {
  std::string big;
  for (int i = 0; big.size() < 200 * 1024; ++i) big += "line " + std::to_string(i) + "\r\n";
  kNetsh.SetOutput(big);
  const DWORD t0 = GetTickCount();
  const CommandOutcome o = RunCommandLineToEnd("netsh x", 20000);
  EXPECT_LT(GetTickCount() - t0, 10000u);
  EXPECT_TRUE(o.Succeeded());
  EXPECT_FALSE(o.timedOut);
  EXPECT_EQ(o.output.size(), kKeptOutputBytes);
  EXPECT_EQ(o.output, big.substr(big.size() - kKeptOutputBytes));
}

// netsh leaves a process behind that holds its end of the pipe: the wait
// ends with netsh all the same, with what netsh wrote.
TEST_F(CommandRunnerTest, AProcessLeftHoldingThePipeIsNotWaitedFor) {
  kNetsh.SetOutput("started a helper\r\n");
  kNetsh.Set("linger", "20000");
  const DWORD t0 = GetTickCount();
  const CommandOutcome o = RunCommandLineToEnd("netsh x");
  const DWORD took = GetTickCount() - t0;
  const std::string lingering = kNetsh.Get("lingering");
  EXPECT_FALSE(lingering.empty()) << "no process was left behind";
  for (std::size_t at = 0; at < lingering.size();) {
    const std::size_t nl = lingering.find('\n', at);
    const DWORD pid = static_cast<DWORD>(std::stoul(lingering.substr(at, nl - at)));
    if (HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
      EXPECT_EQ(WaitForSingleObject(p, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the helper did not linger";
      TerminateProcess(p, 0);
      WaitForSingleObject(p, 5000);
      CloseHandle(p);
    }
    at = nl == std::string::npos ? lingering.size() : nl + 1;
  }
  EXPECT_LT(took, 5000u) << "the wait was held up by the pipe";
  EXPECT_TRUE(o.Succeeded());
  EXPECT_EQ(o.output, "started a helper\r\n");
}

TEST(ConsoleOutputText, ConvertsFromTheConsoleCodePage) {
  ASSERT_EQ(GetOEMCP(), 936u) << "the tests run with the Chinese code pages";
  EXPECT_TRUE(ConsoleCodePage().IsLeadByte(0x81));
  EXPECT_EQ(ConsoleOutputText("\r\n" + kGbkCannotStart + "\r\r\n" + kGbkWrongState + "\r\n\r\n"),
            kCannotStart + L"\r\n" + kWrongState);
  EXPECT_EQ(ConsoleOutputText("\r\n \r\n"), L"");
}

// ---- the two buttons ------------------------------------------------------

void SwitchClick(ControlId id) {
  if (id == ControlId::超级按钮_ope) OnOpenHotspotClicked();
  if (id == ControlId::超级按钮_off) OnCloseHotspotClicked();
}

class HotspotSwitchTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetStandIn();
    desktopLink_ = GetSpecialFolder(3) + "Lumaret.lnk";
    DeleteFileA(desktopLink_.c_str());
    RemoveSettingsBesideProgram();
  }
  void TearDown() override {
    CloseMainWindow();
    RemoveSettingsBesideProgram();
    DeleteFileA(desktopLink_.c_str());
  }
  // A new run: the settings file as given (none when empty), the window made
  // and its settings loaded.
  void StartRun(const std::string& settings = std::string()) {
    CloseMainWindow();
    RemoveSettingsBesideProgram();
    if (!settings.empty()) {
      ASSERT_TRUE(WriteSettingsBesideProgram(settings));
    }
    ASSERT_TRUE(w.Create(GetModuleHandleW(nullptr), LoadSettings, SwitchClick));
    w.Show();
    DrainMessages();
  }
  void Boxes(const std::string& name, const std::string& key) {
    w.SetText(ControlId::编辑框_ssid, name);
    w.SetText(ControlId::编辑框_pw, key);
  }
  void Click(ControlId id) {
    SendMessageW(w.Control(id), BM_CLICK, 0, 0);
    DrainMessages();
  }
  std::wstring Tip() { return w.GetTextW(ControlId::透明标签_tip); }
  bool ButtonsEnabled() { return w.IsEnabled(ControlId::超级按钮_ope) && w.IsEnabled(ControlId::超级按钮_off); }
  std::string Saved(const char* key) {
    return ReadSettingsValue(SettingsFileBesideProgram(), "Wifi", key);
  }
  bool SettingsFileExists() { return FileExists(SettingsFileBesideProgram()); }

  MainWindow& w = TheMainWindow();
  std::string desktopLink_;
};

// GBK full-width space: kept by the settings file, trimmed for netsh.
const std::string kWide = "\xA1\xA1";

TEST_F(HotspotSwitchTest, FirstClickWithoutSavedSettingsConfiguresSavesAndMakesTheShortcut) {
  StartRun();
  Boxes(kWide + "My Net" + kWide, kWide + "pass word1");
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(Commands(), (Lines{ConfigureLine("My Net", "pass word1"), kStart}));
  EXPECT_TRUE(RanOneAtATime());
  EXPECT_EQ(ShowValues(), (std::vector<int>{SW_HIDE, SW_HIDE}));
  EXPECT_EQ(Tip(), L"WIFI热点已开启");
  EXPECT_TRUE(ButtonsEnabled());
  EXPECT_EQ(Saved("SSID"), kWide + "My Net" + kWide) << "the untrimmed texts are saved";
  EXPECT_EQ(Saved("CODE"), kWide + "pass word1");

  const ShortcutFile s = ReadShortcut(desktopLink_);
  ASSERT_TRUE(s.loaded) << desktopLink_;
  EXPECT_EQ(s.target, GetExecutableFullPath());
  EXPECT_EQ(s.workingDirectory, GetRunDirectory() + "\\");
  EXPECT_EQ(s.iconPath, GetExecutableFullPath());
  EXPECT_EQ(s.iconIndex, 0);
  EXPECT_EQ(s.description, "Lumaret");
  EXPECT_EQ(s.showCommand, SW_SHOWNORMAL);
  EXPECT_EQ(s.storedShowCommand, SW_SHOWNORMAL);

  // The run started without a saved name: the next click repeats it all,
  // with the boxes' new texts.
  ResetStandIn();
  DeleteFileA(desktopLink_.c_str());
  Boxes("My Net", "\xCE\xD2\xB5\xC4pass1234");  // 我的pass1234
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(Commands(), (Lines{ConfigureLine("My Net", "\xCE\xD2\xB5\xC4pass1234"), kStart}));
  EXPECT_TRUE(FileExists(desktopLink_));
  EXPECT_EQ(Saved("SSID"), "My Net");
  EXPECT_EQ(Saved("CODE"), "\xCE\xD2\xB5\xC4pass1234");
  EXPECT_EQ(Tip(), L"WIFI热点已开启");
}

// The words netsh gets, split as Windows programs split their command line.
std::vector<std::string> NetshWords(const std::string& commandLine) {
  std::vector<std::string> words;
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(AnsiToWide(commandLine).c_str(), &count);
  for (int i = 0; argv && i < count; ++i) words.push_back(WideToAnsi(argv[i]));
  LocalFree(argv);
  return words;
}

// Backslashes at the end of the name and key: each reaches netsh whole,
// trimmed, and the untrimmed texts are saved.
TEST_F(HotspotSwitchTest, BackslashesReachNetshAsTyped) {
  StartRun();
  Boxes(kWide + "Home\\", "abcdefgh\\\\" + kWide);
  Click(ControlId::超级按钮_ope);
  ASSERT_EQ(Commands().size(), 2u);
  EXPECT_EQ(NetshWords(Commands()[0]), (Lines{"netsh", "wlan", "set", "hostednetwork", "mode=allow", "ssid=Home\\",
                                              "key=abcdefgh\\\\"}));
  EXPECT_EQ(Tip(), L"WIFI热点已开启");
  EXPECT_EQ(Saved("SSID"), kWide + "Home\\");
  EXPECT_EQ(Saved("CODE"), "abcdefgh\\\\" + kWide);
}

TEST_F(HotspotSwitchTest, SavedSettingsOnlyStartUntilTheBoxesChange) {
  StartRun("[Wifi]\r\nSSID=HomeNet\r\nCODE=secret123\r\n");
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(Commands(), Lines{kStart});
  EXPECT_EQ(Tip(), L"WIFI热点已开启");
  EXPECT_FALSE(FileExists(desktopLink_));

  ResetStandIn();
  w.SetText(ControlId::编辑框_pw, "secret456");
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(Commands(), (Lines{ConfigureLine("HomeNet", "secret456"), kStart})) << "a changed password configures";
  EXPECT_TRUE(RanOneAtATime());
  EXPECT_EQ(Saved("CODE"), "secret456");
  EXPECT_FALSE(FileExists(desktopLink_)) << "the shortcut belongs to a run without saved settings";

  // What was just saved is the new reference; spaces around it change nothing.
  ResetStandIn();
  Boxes(kWide + "HomeNet", "secret456" + kWide);
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(Commands(), Lines{kStart});
  EXPECT_EQ(Tip(), L"WIFI热点已开启");
}

TEST_F(HotspotSwitchTest, NetshFailuresAreReportedAndNothingIsSaved) {
  const struct {
    const char* label;
    std::string settings;
    int code;
    const char* onlyIf;
    Lines commands;
    bool saved;
    const wchar_t* tip;  // netsh printed nothing: its exit code is the cause
  } cases[] = {
      {"configuration fails: no save, no start", "", 1, "set hostednetwork",
       {ConfigureLine("Net", "12345678")}, false, L"WIFI热点开启失败：netsh 返回 1"},
      {"every command fails", "", 2, nullptr, {ConfigureLine("Net", "12345678")}, false,
       L"WIFI热点开启失败：netsh 返回 2"},
      {"start fails after a good configuration", "", 1, "start", {ConfigureLine("Net", "12345678"), kStart}, true,
       L"WIFI热点开启失败：netsh 返回 1"},
      {"changed password not taken", "[Wifi]\r\nSSID=Net\r\nCODE=oldpass1\r\n", 1, "set hostednetwork",
       {ConfigureLine("Net", "12345678")}, false, L"WIFI热点开启失败：netsh 返回 1"},
      {"start alone fails", "[Wifi]\r\nSSID=Net\r\nCODE=12345678\r\n", 1, nullptr, {kStart}, false,
       L"WIFI热点开启失败：netsh 返回 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    ResetStandIn();
    StartRun(c.settings);
    const std::string codeBefore = Saved("CODE");
    Boxes("Net", "12345678");
    StandInExit(c.code, c.onlyIf);
    Click(ControlId::超级按钮_ope);
    EXPECT_EQ(Commands(), c.commands);
    EXPECT_EQ(Tip(), c.tip);
    EXPECT_TRUE(ButtonsEnabled());
    EXPECT_EQ(Saved("CODE"), c.saved ? "12345678" : codeBefore);
  }
}

TEST_F(HotspotSwitchTest, CloseButtonJudgesTheStopCommand) {
  const struct {
    int code;
    const wchar_t* tip;
  } cases[] = {{0, L"WIFI热点已关闭"}, {1, L"WIFI热点关闭失败：netsh 返回 1"}};
  StartRun();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    ResetStandIn();
    StandInExit(c.code);
    Click(ControlId::超级按钮_off);
    EXPECT_EQ(Commands(), Lines{kStop});
    EXPECT_EQ(Tip(), c.tip);
    EXPECT_TRUE(ButtonsEnabled());
  }
  EXPECT_FALSE(SettingsFileExists()) << "the close button touches no settings";
}

TEST_F(HotspotSwitchTest, BadInputRunsNothing) {
  const struct {
    std::string name, key;
    const wchar_t* tip;
  } cases[] = {
      {"   " + kWide, "12345678", L"请填写WIFI名称"},
      {std::string(33, 'n'), "12345678", L"WIFI名称太长，最多32个字节"},
      {"My\"Net", "12345678", L"WIFI名称不能包含双引号"},
      {"Net", " 1234567 ", L"WIFI密码须为8到63个字符"},
      {"Net", std::string(64, 'k'), L"WIFI密码须为8到63个字符"},
      {"Net", "1234\"5678", L"WIFI密码不能包含双引号"},
  };
  StartRun();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name + " / " + c.key);
    Boxes(c.name, c.key);
    Click(ControlId::超级按钮_ope);
    EXPECT_EQ(Tip(), c.tip);
    EXPECT_TRUE(Commands().empty());
    EXPECT_FALSE(SettingsFileExists());
    EXPECT_FALSE(FileExists(desktopLink_));
    EXPECT_TRUE(ButtonsEnabled());
  }
}

// System32's netsh (the stand-in) is moved aside for the case, so that no
// "netsh" can be started at all.
class NetshHidden {
 public:
  NetshHidden() : moved_(MoveFileA(SystemNetsh().c_str(), (SystemNetsh() + ".hidden").c_str()) != FALSE) {}
  ~NetshHidden() {
    if (moved_) MoveFileA((SystemNetsh() + ".hidden").c_str(), SystemNetsh().c_str());
  }

 private:
  bool moved_;
};

TEST_F(HotspotSwitchTest, NetshMissing) {
  StartRun();
  Boxes("Net", "12345678");
  {
    NetshHidden hidden;
    ASSERT_FALSE(RunCommandLine("netsh wlan show drivers", true, 1)) << "some netsh could still be started";
    Click(ControlId::超级按钮_ope);
    EXPECT_EQ(Tip(), L"WIFI热点开启失败：无法运行 netsh");
    EXPECT_FALSE(SettingsFileExists());
    EXPECT_TRUE(FileExists(desktopLink_)) << "the shortcut comes before the commands";
    EXPECT_TRUE(ButtonsEnabled());
    Click(ControlId::超级按钮_off);
    EXPECT_EQ(Tip(), L"WIFI热点关闭失败：无法运行 netsh");
    EXPECT_TRUE(ButtonsEnabled());
  }
  ASSERT_TRUE(FileExists(SystemNetsh())) << "stand-in not restored";
}

// While netsh runs the window keeps answering, shows its progress, and a
// click of the other button starts nothing beside it; so too when netsh
// prints 200 KB before it waits (a pipe nobody reads would stop it at the
// first 64 KB, and the command would end only at its time limit).
TEST_F(HotspotSwitchTest, WindowAnswersWhileNetshRuns) {
  std::string big;
  while (big.size() < 200 * 1024) big += "hosted network line " + std::to_string(big.size()) + "\r\n";
  for (const std::string& output : {std::string(), big}) {
    SCOPED_TRACE(output.size());
    ResetStandIn();
    StartRun("[Wifi]\r\nSSID=Net\r\nCODE=12345678\r\n");
    StandInDelay(3000);
    kNetsh.SetOutput(output);
    HWND window = w.hwnd();
    HWND tip = w.Control(ControlId::透明标签_tip);
    HWND ope = w.Control(ControlId::超级按钮_ope);
    HWND off = w.Control(ControlId::超级按钮_off);
    bool answered = false;
    DWORD answerMs = 0;
    std::wstring tipMeanwhile;
    bool opeEnabled = true, offEnabled = true;
    HWND focusMeanwhile = nullptr;
    const DWORD guiThread = GetCurrentThreadId();
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
      GUITHREADINFO gui{};
      gui.cbSize = sizeof gui;
      if (GetGUIThreadInfo(guiThread, &gui)) focusMeanwhile = gui.hwndFocus;
      PostMessageW(off, BM_CLICK, 0, 0);
    });
    SetFocus(ope);
    const DWORD clicked = GetTickCount();
    Click(ControlId::超级按钮_ope);
    const DWORD clickMs = GetTickCount() - clicked;
    watcher.join();
    EXPECT_TRUE(answered) << "no answer within 1 s";
    EXPECT_LT(answerMs, 1000u);
    EXPECT_EQ(tipMeanwhile, L"正在开启WIFI热点...");
    EXPECT_FALSE(opeEnabled);
    EXPECT_FALSE(offEnabled);
    // A disabled button loses the focus; Esc must still find the window.
    EXPECT_EQ(focusMeanwhile, w.Control(ControlId::编辑框_ssid));
    EXPECT_EQ(Commands(), Lines{kStart}) << "the close click ran a command beside the open one";
    EXPECT_EQ(Tip(), L"WIFI热点已开启");
    EXPECT_LT(clickMs, 15000u) << "netsh was held up by its output";
    EXPECT_TRUE(ButtonsEnabled());
    EXPECT_EQ(GetFocus(), ope) << "the focus did not come back to the button";
  }
}

// netsh's own words, in the console code page (GBK here), written to its
// standard output and error: the last line is the cause, and the tooltip of
// the status line holds the whole message and everything netsh printed.
TEST_F(HotspotSwitchTest, NetshsOwnWordsReachTheStatusLineAndItsTooltip) {
  StartRun("[Wifi]\r\nSSID=Net\r\nCODE=12345678\r\n");
  HWND label = w.Control(ControlId::透明标签_tip);
  // The tooltip the pointer would show, as the tooltip control holds it.
  auto shownTip = [&] {
    std::vector<wchar_t> text(8192, L'\0');
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = w.hwnd();
    ti.uId = reinterpret_cast<UINT_PTR>(label);
    ti.lpszText = text.data();
    SendMessageW(w.tooltip(), TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&ti));
    return std::wstring(text.data());
  };

  kNetsh.SetOutput("\r\n" + kGbkCannotStart + "\r\n", kGbkWrongState + "\r\n\r\n");
  StandInExit(1);
  Click(ControlId::超级按钮_ope);
  const std::wstring failed = L"WIFI热点开启失败：" + kWrongState;
  EXPECT_EQ(Tip(), failed) << "the label holds the whole message";
  const std::wstring whole = failed + L"\r\n方式：承载网络\r\n\r\nnetsh:\r\n" + kCannotStart + L"\r\n" + kWrongState;
  EXPECT_EQ(w.TooltipW(ControlId::透明标签_tip), whole);
  EXPECT_EQ(shownTip(), whole);
  EXPECT_NE(GetWindowLongW(label, GWL_STYLE) & SS_NOTIFY, 0) << "the label lets the pointer through";

  // A success keeps netsh's words in the tooltip only.
  ResetStandIn();
  kNetsh.SetOutput("\xD2\xD1\xC6\xF4\xB6\xAF\xB3\xD0\xD4\xD8\xCD\xF8\xC2\xE7\xA1\xA3\r\n");  // 已启动承载网络。
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(Tip(), L"WIFI热点已开启");
  EXPECT_EQ(shownTip(), L"WIFI热点已开启\r\n方式：承载网络\r\n\r\nnetsh:\r\n已启动承载网络。");

  // A stop that fails on standard error alone.
  ResetStandIn();
  kNetsh.SetOutput("", "The hosted network couldn't be stopped.\r\n");
  StandInExit(1);
  Click(ControlId::超级按钮_off);
  EXPECT_EQ(Tip(), L"WIFI热点关闭失败：The hosted network couldn't be stopped.");

  // The progress text has no output to show.
  ResetStandIn();
  StandInDelay(1500);
  std::wstring tipMeanwhile;
  std::thread watcher([&] {
    Sleep(700);
    tipMeanwhile = w.TooltipW(ControlId::透明标签_tip);
  });
  Click(ControlId::超级按钮_off);
  watcher.join();
  EXPECT_EQ(tipMeanwhile, L"正在关闭WIFI热点...");
  EXPECT_EQ(shownTip(), L"WIFI热点已关闭\r\n方式：承载网络");
}

// Wine's own wlanapi does not implement the hosted network: the state
// cannot be told, and the status line goes by netsh alone, as it always did.
TEST_F(HotspotSwitchTest, WithoutAnAnswerFromTheWlanApiNetshAloneDecides) {
  ASSERT_EQ(TheHostedNetwork().Status().state, HotspotState::Unknown);
  ASSERT_TRUE(WriteSettingsBesideProgram("[Wifi]\r\nSSID=Net\r\nCODE=12345678\r\n"));
  ASSERT_TRUE(OpenMainWindow());  // as at start-up, the state shown if there is one
  EXPECT_EQ(Tip(), L"为了防止开启蓝屏，请升级无线网卡驱动。");
  Click(ControlId::超级按钮_ope);
  EXPECT_EQ(Tip(), L"WIFI热点已开启");
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 3500) {
    DrainMessages();
    Sleep(20);
  }
  EXPECT_EQ(Tip(), L"WIFI热点已开启") << "a look at the unknown state changed the line";
  Click(ControlId::超级按钮_off);
  EXPECT_EQ(Tip(), L"WIFI热点已关闭");
  CloseMainWindow();
  ReleaseHotspot();
}

// Esc while the configuration runs: the window goes, the start command never
// begins, nothing is saved, and the main loop still gets its WM_QUIT.
TEST_F(HotspotSwitchTest, ClosingTheWindowWhileNetshRuns) {
  StartRun();
  Boxes("Net", "12345678");
  StandInDelay(2000);
  HWND box = w.Control(ControlId::编辑框_ssid);
  std::thread closer([&] {
    Sleep(500);
    PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 1);
  });
  SendMessageW(w.Control(ControlId::超级按钮_ope), BM_CLICK, 0, 0);
  closer.join();
  EXPECT_EQ(w.hwnd(), nullptr) << "Esc did not close the window";
  MSG m;
  EXPECT_TRUE(PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "WM_QUIT lost";
  if (PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) {
    EXPECT_EQ(RunMessageLoop(), 0);
  }
  WaitForEndedCommands(1);  // the configuration was left to finish by itself
  EXPECT_EQ(Commands(), Lines{ConfigureLine("Net", "12345678")});
  EXPECT_FALSE(SettingsFileExists());
}

}  // namespace
}  // namespace lumaret
