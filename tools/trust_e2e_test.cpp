// Lumaret.exe run as a user keeps it, in a folder where anyone may drop
// files: beside it a netsh.exe and DLLs named IPHLPAPI.DLL, bcrypt.dll and
// MSIMG32.dll, and another netsh.exe in the current directory it is started
// in. The netsh.exe copies are working stand-ins and the DLLs record that
// they were loaded (then refuse to load); Wine is told to look for those
// DLLs beside the program first ("n,b"), as Windows does. None of them may
// ever run: the window starts, the password button makes a password, the
// adapter report lists the adapters, and the open and close buttons run
// System32's netsh (the stand-in there) with the command lines of today,
// without a console window.
#include <windows.h>
#include <iphlpapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "adapters/adapter_entry.h"
#include "testsupport/system_standin.h"
#include "tools/driver.h"

namespace lumaret {
namespace {

const testing::Environment* const kStandIns =
    testing::AddGlobalTestEnvironment(new standin::SystemStandIns({L"netsh.exe"}));
const standin::Behaviour kNetsh("netsh");
const standin::Behaviour kRefused("refused");

const wchar_t kFolder[] = L"C:\\lumaret-trust\\Downloads";
const wchar_t kElsewhere[] = L"C:\\lumaret-trust\\elsewhere";

std::wstring SystemNetsh() {
  wchar_t folder[MAX_PATH];
  GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\netsh.exe";
}

std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// How many adapters this process is told of.
int AdaptersSeenHere() {
  ULONG length = 0;
  GetAdaptersInfo(nullptr, &length);
  std::vector<unsigned char> buffer(length ? length : 1);
  if (GetAdaptersInfo(reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data()), &length) != ERROR_SUCCESS) return 0;
  int n = 0;
  for (auto* a = reinterpret_cast<const IP_ADAPTER_INFO*>(buffer.data()); a; a = a->Next) ++n;
  return n;
}

int Occurrences(const std::wstring& text, const std::wstring& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::wstring::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

class PlantedFiles : public testing::Test {
 protected:
  void SetUp() override {
    kNetsh.Reset();
    kRefused.Reset();
    CreateDirectoryW(L"C:\\lumaret-trust", nullptr);
    CreateDirectoryW(kFolder, nullptr);
    CreateDirectoryW(kElsewhere, nullptr);
    const std::wstring netsh = standin::BuiltStandIn(L"system32\\netsh.exe");
    const struct {
      std::wstring from, to;
    } files[] = {
        {ThisProgramFolder() + L"Lumaret.exe", exe_},
        {netsh, std::wstring(kFolder) + L"\\netsh.exe"},
        {netsh, std::wstring(kElsewhere) + L"\\netsh.exe"},
        {standin::BuiltStandIn(L"refusing\\IPHLPAPI.DLL"), std::wstring(kFolder) + L"\\IPHLPAPI.DLL"},
        {standin::BuiltStandIn(L"refusing\\bcrypt.dll"), std::wstring(kFolder) + L"\\bcrypt.dll"},
        {standin::BuiltStandIn(L"refusing\\MSIMG32.dll"), std::wstring(kFolder) + L"\\MSIMG32.dll"},
    };
    for (const auto& f : files) {
      ASSERT_TRUE(CopyFileW(f.from.c_str(), f.to.c_str(), FALSE)) << "cannot plant " << f.to.size();
      planted_.push_back(f.to);
    }
  }
  void TearDown() override {
    if (process_) {
      if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) TerminateProcess(process_, 1);
      CloseHandle(process_);
    }
    for (const std::wstring& f : planted_) DeleteFileW(f.c_str());
    DeleteFileW((std::wstring(kFolder) + L"\\Config\\Config.ini").c_str());
    RemoveDirectoryW((std::wstring(kFolder) + L"\\Config").c_str());
  }

  // Started as Explorer would (no console to share), but in the other folder.
  HWND Start() {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring cmd = L"\"" + exe_ + L"\"";
    if (!CreateProcessW(exe_.c_str(), &cmd[0], nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, kElsewhere, &si,
                        &pi)) {
      return nullptr;
    }
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    return WaitForLumaretWindow(30000);
  }

  const std::wstring exe_ = std::wstring(kFolder) + L"\\Lumaret.exe";
  std::vector<std::wstring> planted_;
  HANDLE process_ = nullptr;
};

TEST_F(PlantedFiles, NothingBesideTheProgramOrInTheCurrentDirectoryRuns) {
  HWND w = Start();
  ASSERT_NE(w, nullptr) << "the window did not start";

  ClickControl(w, ControlId::超级按钮_mmsj);
  const std::wstring password = ControlText(w, ControlId::编辑框_pw);
  EXPECT_GE(password.size(), 13u) << "no password made";
  EXPECT_LE(password.size(), 15u);

  ClickControl(w, ControlId::超级按钮3);
  ClickControl(w, ControlId::按钮2);
  const std::wstring report = ControlText(w, ControlId::编辑框1);
  EXPECT_EQ(report.rfind(kAdapterReportHeader, 0), 0u) << "no report header";
  const int adapters = AdaptersSeenHere();
  std::printf("[ info ] the report lists %d adapters\n", adapters);
  EXPECT_EQ(Occurrences(report, L"//名称: "), adapters);
  ClickControl(w, ControlId::按钮1);

  SendMessageTimeoutW(ControlOf(w, ControlId::编辑框_ssid), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Trust Net"),
                      SMTO_NORMAL, 5000, nullptr);
  ClickControl(w, ControlId::超级按钮_ope);
  EXPECT_EQ(ControlText(w, ControlId::透明标签_tip), L"WIFI热点已开启");
  ClickControl(w, ControlId::超级按钮_off);
  EXPECT_EQ(ControlText(w, ControlId::透明标签_tip), L"WIFI热点已关闭");

  PressEscape(w);
  EXPECT_EQ(WaitForSingleObject(process_, 15000), WAIT_OBJECT_0) << "Esc did not close the program";

  for (const standin::Event& e : kRefused.Events()) ADD_FAILURE() << "loaded from beside the program: " << e.program;
  std::vector<std::string> commands;
  for (const standin::Event& e : kNetsh.Events()) {
    if (e.kind != standin::Event::Kind::Begin) continue;
    commands.push_back(e.commandLine);
    EXPECT_EQ(lstrcmpiW(Wide(e.program).c_str(), SystemNetsh().c_str()), 0) << "ran " << e.program;
    EXPECT_EQ(e.showWindow, SW_HIDE);
    EXPECT_FALSE(e.consoleWindow) << "netsh got a console window";
  }
  std::string key(password.begin(), password.end());
  EXPECT_EQ(commands, (std::vector<std::string>{
                          "netsh wlan set hostednetwork mode=allow ssid=\"Trust Net\" key=\"" + key + "\"",
                          "netsh wlan start hostednetwork", "netsh wlan stop hostednetwork"}));
}

}  // namespace
}  // namespace lumaret
