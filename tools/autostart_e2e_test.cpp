// 自动开启热点 from end to end, with Lumaret.exe started as Windows starts
// it from the Run value: the button writes the value, and the program that
// value starts turns the hotspot on once with the saved name and password;
// started without the argument, or with another one, it runs nothing.
// Started without elevation, as the Run key starts programs, the status
// line says that elevation is missing. System32's netsh is the stand-in,
// which refuses the hosted network to a process that is not elevated, as
// the real one does.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testsupport/system_standin.h"
#include "tools/driver.h"

namespace lumaret {
namespace {

// The stand-in netsh is installed for the whole binary by trust_e2e_test.cpp.
const standin::Behaviour kNetsh("netsh");

const wchar_t kFolder[] = L"C:\\lumaret-autostart";
const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kNotice[] = L"为了防止开启蓝屏，请升级无线网卡驱动。";

std::vector<std::string> NetshCommands() {
  std::vector<std::string> out;
  for (const standin::Event& e : kNetsh.Events()) {
    if (e.kind == standin::Event::Kind::Begin) out.push_back(e.commandLine);
  }
  return out;
}

std::wstring RunValue(HKEY root) {
  wchar_t data[1024] = {};
  DWORD size = sizeof data - sizeof(wchar_t);
  if (RegGetValueW(root, kRunKey, L"orvinelwifi", RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) return L"";
  return data;
}

void DeleteRunValue() {
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    HKEY key;
    if (RegOpenKeyExW(root, kRunKey, 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
      RegDeleteValueW(key, L"orvinelwifi");
      RegCloseKey(key);
    }
  }
}

class Autostart : public testing::Test {
 protected:
  void SetUp() override {
    kNetsh.Reset();
    DeleteRunValue();
    CreateDirectoryW(kFolder, nullptr);
    CreateDirectoryW((std::wstring(kFolder) + L"\\Config").c_str(), nullptr);
    ASSERT_TRUE(CopyFileW((ThisProgramFolder() + L"Lumaret.exe").c_str(), exe_.c_str(), FALSE));
    const char settings[] = "[Wifi]\r\nSSID=Home Net\r\nCODE=12345678\r\n";
    HANDLE f = CreateFileW(settingsFile_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(f, settings, sizeof settings - 1, &written, nullptr);
    CloseHandle(f);
  }
  void TearDown() override {
    End();
    DeleteRunValue();
    DeleteFileW(settingsFile_.c_str());
    RemoveDirectoryW((std::wstring(kFolder) + L"\\Config").c_str());
    DeleteFileW(exe_.c_str());
    kNetsh.Reset();
  }

  // Starts the command line as Windows starts a Run value's (the program is
  // the command line's first word), with `token` when given; the window.
  HWND Start(const std::wstring& commandLine, HANDLE token = nullptr) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring writable = commandLine;
    const BOOL started = token ? CreateProcessAsUserW(token, nullptr, &writable[0], nullptr, nullptr, FALSE, 0, nullptr,
                                                      nullptr, &si, &pi)
                               : CreateProcessW(nullptr, &writable[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                                &si, &pi);
    if (!started) return nullptr;
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    return WaitForLumaretWindow(30000);
  }
  // Closes the program with Esc, as a user would.
  void End() {
    if (!process_) return;
    if (HWND w = FindWindowW(L"LumaretMainWindow", L"Lumaret")) PressEscape(w);
    if (WaitForSingleObject(process_, 15000) != WAIT_OBJECT_0) {
      ADD_FAILURE() << "Esc did not close the program";
      TerminateProcess(process_, 1);
    }
    CloseHandle(process_);
    process_ = nullptr;
  }
  // The status line once it shows `text`, or what it shows after `ms`.
  std::wstring StatusOnceIs(HWND w, const std::wstring& text, DWORD ms = 15000) {
    const DWORD start = GetTickCount();
    std::wstring now = ControlText(w, ControlId::透明标签_tip);
    while (now != text && GetTickCount() - start < ms) {
      Sleep(100);
      now = ControlText(w, ControlId::透明标签_tip);
    }
    return now;
  }

  const std::wstring exe_ = std::wstring(kFolder) + L"\\Lumaret.exe";
  const std::wstring settingsFile_ = std::wstring(kFolder) + L"\\Config\\Config.ini";
  HANDLE process_ = nullptr;
};

// The button writes the value; what it holds starts Lumaret, which turns
// the hotspot on once, with the saved name and password and no more.
TEST_F(Autostart, TheRunValueTurnsTheHotspotOnOnce) {
  HWND w = Start(L"\"" + exe_ + L"\"");
  ASSERT_NE(w, nullptr);
  ClickControl(w, ControlId::超级按钮);
  const std::wstring value = RunValue(HKEY_LOCAL_MACHINE);
  EXPECT_EQ(value, L"\"" + exe_ + L"\" /autostart");
  End();
  EXPECT_TRUE(NetshCommands().empty()) << "a start without the argument ran netsh";
  ASSERT_FALSE(value.empty());

  w = Start(value);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(StatusOnceIs(w, L"WIFI热点已开启"), L"WIFI热点已开启");
  Sleep(1000);
  EXPECT_EQ(NetshCommands(), std::vector<std::string>{"netsh wlan start hostednetwork"});
  End();
}

TEST_F(Autostart, WithoutTheArgumentNothingRuns) {
  for (const wchar_t* arguments : {L"", L" /other", L" autostart"}) {
    SCOPED_TRACE(std::string(arguments, arguments + wcslen(arguments)));
    kNetsh.Reset();
    HWND w = Start(L"\"" + exe_ + L"\"" + arguments);
    ASSERT_NE(w, nullptr);
    Sleep(1500);
    EXPECT_EQ(ControlText(w, ControlId::透明标签_tip), kNotice);
    End();
    EXPECT_TRUE(NetshCommands().empty());
  }
}

// The Run key starts a program with the user's filtered token, without
// elevation: netsh refuses, and the status line says why.
TEST_F(Autostart, WithoutElevationTheStatusLineSaysSo) {
  HANDLE own = nullptr;
  ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &own));
  TOKEN_LINKED_TOKEN linked{};
  DWORD size = 0;
  const BOOL got = GetTokenInformation(own, TokenLinkedToken, &linked, sizeof linked, &size);
  CloseHandle(own);
  ASSERT_TRUE(got) << "no filtered token to start the program with";
  TOKEN_ELEVATION elevation{};
  GetTokenInformation(linked.LinkedToken, TokenElevation, &elevation, sizeof elevation, &size);
  ASSERT_EQ(elevation.TokenIsElevated, 0u) << "the linked token is the elevated one";

  HWND w = Start(L"\"" + exe_ + L"\" /autostart", linked.LinkedToken);
  CloseHandle(linked.LinkedToken);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(StatusOnceIs(w, L"WIFI热点开启失败：请以管理员身份运行"), L"WIFI热点开启失败：请以管理员身份运行");
  EXPECT_EQ(NetshCommands(), std::vector<std::string>{"netsh wlan start hostednetwork"});
  End();
}

}  // namespace
}  // namespace lumaret
