// The desktop shortcut and its path routines against the real shell, the
// Windows Script Host objects and the shell's link interface.
#include "desktop/shortcut.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/run_directory.h"
#include "desktop/shortcut_automation.h"
#include "desktop/tests/shortcut_reader.h"

namespace lumaret {
namespace {

const testing::Environment* const kSession = testing::AddGlobalTestEnvironment(new ShortcutSession);

bool EndsInBackslash(const std::string& s) { return !s.empty() && s.back() == '\\'; }

TEST(SpecialFolder, EveryKindEndsInOneBackslash) {
  for (int kind = 0; kind <= 12; ++kind) {
    SCOPED_TRACE(kind);
    const std::string folder = GetSpecialFolder(kind);
    ASSERT_TRUE(EndsInBackslash(folder)) << folder;
    EXPECT_NE(folder.substr(folder.size() - 2), "\\\\") << folder;
    EXPECT_NE(folder.find(":\\"), std::string::npos) << folder;
  }
  EXPECT_EQ(GetSpecialFolder(0), GetSpecialFolder(3));
  EXPECT_EQ(GetSpecialFolder(), GetSpecialFolder(3));
  EXPECT_EQ(GetSpecialFolder(13), "");
  EXPECT_EQ(GetSpecialFolder(-1), "");
  EXPECT_EQ(GetSpecialFolder(1000), "");
}

TEST(SpecialFolder, KindsNameTheirFolders) {
  char buffer[MAX_PATH];
  GetWindowsDirectoryA(buffer, MAX_PATH);
  EXPECT_EQ(GetSpecialFolder(9), std::string(buffer) + "\\");
  GetSystemDirectoryA(buffer, MAX_PATH);
  EXPECT_EQ(GetSpecialFolder(10), std::string(buffer) + "\\");
  GetTempPathA(MAX_PATH, buffer);  // already ends in a backslash
  EXPECT_EQ(GetSpecialFolder(11), std::string(buffer));
  EXPECT_EQ(GetSpecialFolder(4), GetSpecialFolder(9) + "Fonts\\");
  EXPECT_NE(GetSpecialFolder(3), GetSpecialFolder(1));
  EXPECT_EQ(GetSpecialFolder(6).rfind(GetSpecialFolder(5), 0), 0u) << "programs lie in the start menu";
}

TEST(FileNames, TitleAndExtension) {
  EXPECT_EQ(GetFileTitle("D:\\a\\b.tar.gz", false), "b.tar");
  EXPECT_EQ(GetFileTitle("D:\\a\\b.tar.gz", true), "b.tar.gz");
  EXPECT_EQ(GetFileTitle("D:\\a\\b.tar.gz"), "b.tar") << "omitted counts as false";
  EXPECT_EQ(GetFileTitle("D:\\a\\b", false), "b");
  EXPECT_EQ(GetFileTitle("Tool.exe", false), "Tool");
  EXPECT_EQ(GetFileTitle("", false), "");
  EXPECT_EQ(GetFileExtension("D:\\a\\b.txt"), ".txt");
  EXPECT_EQ(GetFileExtension("D:\\a\\b"), "");
  EXPECT_EQ(GetFileExtension("D:\\a.dir\\b"), "") << "only the last component counts";
  EXPECT_EQ(GetFileExtension(""), "");
}

// The shortcut files go to the real desktop folder of the test prefix.
class DesktopShortcutTest : public testing::Test {
 protected:
  void SetUp() override {
    desktop_ = GetSpecialFolder(3);
    ASSERT_TRUE(EndsInBackslash(desktop_));
    exe_ = GetExecutableFullPath();
    noExtension_ = GetRunDirectory() + "\\prog";
    WriteJunkFile(noExtension_);
  }
  void TearDown() override {
    for (const char* f : {"Lumaret.lnk", "Tool.lnk", "y.lnk", "Tool.LNK", "a.lnkfile"}) {
      DeleteFileA((desktop_ + f).c_str());
    }
    DeleteFileA(noExtension_.c_str());
  }
  std::string desktop_, exe_, noExtension_;
};

TEST_F(DesktopShortcutTest, AsTheOpenButtonMakesIt) {
  std::string name = "Lumaret";
  EXPECT_TRUE(CreateDesktopShortcut(name, exe_, std::nullopt, std::nullopt, 1, std::string("Lumaret")));
  EXPECT_EQ(name, desktop_ + "Lumaret.lnk") << "the name comes back as the shortcut's path";
  const ShortcutFile s = ReadShortcut(name);
  ASSERT_TRUE(s.loaded);
  EXPECT_EQ(s.target, exe_);
  EXPECT_EQ(s.workingDirectory, GetRunDirectory() + "\\");
  EXPECT_EQ(s.iconPath, exe_);
  EXPECT_EQ(s.iconIndex, 0);
  EXPECT_EQ(s.description, "Lumaret");
  EXPECT_EQ(s.arguments, "");
  EXPECT_EQ(s.showCommand, SW_SHOWNORMAL);
  EXPECT_EQ(s.storedShowCommand, SW_SHOWNORMAL);
}

TEST_F(DesktopShortcutTest, NamesBecomeFilesOnTheDesktop) {
  const struct {
    std::string name, file;
  } cases[] = {
      {"C:\\old\\Tool.exe", "Tool.lnk"},
      {"x\\y.lnk", "y.lnk"},
      {"Tool.LNK", "Tool.LNK"},
      {"a.lnkfile", "a.lnkfile"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string name = c.name;
    EXPECT_TRUE(CreateDesktopShortcut(name, exe_));
    EXPECT_EQ(name, desktop_ + c.file);
    EXPECT_TRUE(ReadShortcut(desktop_ + c.file).loaded);
  }
}

TEST_F(DesktopShortcutTest, IconArgumentsAndOmittedStyle) {
  {
    SCOPED_TRACE("target without extension, window style omitted");
    std::string name = "Lumaret";
    EXPECT_TRUE(CreateDesktopShortcut(name, noExtension_));
    const ShortcutFile s = ReadShortcut(name);
    ASSERT_TRUE(s.loaded);
    EXPECT_EQ(s.iconPath, "SHELL32.dll");
    EXPECT_EQ(s.iconIndex, 4);
    EXPECT_EQ(s.storedShowCommand, 0);
    EXPECT_EQ(s.description, "");
  }
  {
    SCOPED_TRACE("icon given as the empty text, arguments given");
    std::string name = "Lumaret";
    EXPECT_TRUE(CreateDesktopShortcut(name, exe_, std::string("--x \"y z\""), std::string(), 3));
    const ShortcutFile s = ReadShortcut(name);
    ASSERT_TRUE(s.loaded);
    EXPECT_EQ(s.iconPath, "") << "an empty icon is written empty, not replaced by the automatic rule";
    EXPECT_EQ(s.arguments, "--x \"y z\"");
    EXPECT_EQ(s.storedShowCommand, 3);
  }
}

TEST_F(DesktopShortcutTest, OlderFileIsReplaced) {
  WriteJunkFile(desktop_ + "Lumaret.lnk");
  ASSERT_FALSE(ReadShortcut(desktop_ + "Lumaret.lnk").loaded);
  std::string name = "Lumaret";
  EXPECT_TRUE(CreateDesktopShortcut(name, exe_));
  EXPECT_EQ(ReadShortcut(name).target, exe_);
}

TEST_F(DesktopShortcutTest, TargetWithoutAFolderDeletesTheOlderShortcutAndMakesNone) {
  for (const char* target : {"prog.exe", "D:\\", ""}) {
    SCOPED_TRACE(target);
    std::string name = "Lumaret";
    ASSERT_TRUE(CreateDesktopShortcut(name, exe_));
    ASSERT_TRUE(FileExists(name));
    name = "Lumaret";
    EXPECT_FALSE(CreateDesktopShortcut(name, target));
    EXPECT_EQ(name, desktop_ + "Lumaret.lnk");
    EXPECT_FALSE(FileExists(name));
  }
}

TEST(Automation, ShellObjectFromTheLibraryOrTheClassName) {
  EXPECT_TRUE(CreateAutomationObject(L"wshom.ocx", L"WshShell"));
  // No such library in System32: the name is tried as a programmatic
  // identifier.
  EXPECT_TRUE(CreateAutomationObject(L"no-such-library.ocx", L"WScript.Shell"));
  EXPECT_FALSE(CreateAutomationObject(L"no-such-library.ocx", L"WshShell.NoSuchClass"));
  EXPECT_FALSE(CreateAutomationObject(L"no-such-library.ocx", L"{6C1E3A2B-0000-4000-8000-00000000AB12}"));
}

// A copy of the Script Host library beside the program: a bare name would
// find it first and register it as the library's home. The library comes
// from System32 and nothing is registered: the registry keeps what it held.
TEST(Automation, TypeLibraryFromSystem32AndNeverRegistered) {
  const char kRegistered[] = "TypeLib\\{F935DC20-1CF0-11D0-ADB9-00C04FD58A0B}\\1.0\\0\\win64";
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string beside = GetRunDirectory() + "\\wshom.ocx";
  ASSERT_TRUE(CopyFileA((std::string(system) + "\\wshom.ocx").c_str(), beside.c_str(), FALSE));
  const char kMarker[] = "C:\\lumaret-marker\\wshom.ocx";
  ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, kRegistered, REG_SZ, kMarker, sizeof kMarker - 1), ERROR_SUCCESS);

  EXPECT_TRUE(CreateAutomationObject(L"wshom.ocx", L"WshShell"));
  std::string name = "Lumaret";
  EXPECT_TRUE(CreateDesktopShortcut(name, GetExecutableFullPath()));
  EXPECT_TRUE(ReadShortcut(name).loaded);

  char registered[MAX_PATH] = {};
  LONG size = sizeof registered;
  EXPECT_EQ(RegQueryValueA(HKEY_CLASSES_ROOT, kRegistered, registered, &size), ERROR_SUCCESS);
  EXPECT_STREQ(registered, kMarker) << "the type library was registered";
  const std::string original = std::string(system) + "\\wshom.ocx";
  RegSetValueA(HKEY_CLASSES_ROOT, kRegistered, REG_SZ, original.c_str(), static_cast<DWORD>(original.size()));
  DeleteFileA(name.c_str());
  DeleteFileA(beside.c_str());
}

TEST(Automation, MembersByName) {
  ComPtr<IDispatch> shell = CreateAutomationObject(L"wshom.ocx", L"WshShell");
  ASSERT_TRUE(shell);
  const std::string path = GetSpecialFolder(11) + "lumaret-member-test.lnk";
  ComPtr<IDispatch> shortcut = CallMethod(shell.get(), L"CreateShortcut", &path);
  ASSERT_TRUE(shortcut);
  EXPECT_TRUE(PutProperty(shortcut.get(), L"Description", std::string("d")));
  EXPECT_TRUE(PutProperty(shortcut.get(), L"windowstyle", 7)) << "names are looked up without regard to case";
  EXPECT_FALSE(PutProperty(shortcut.get(), L"NoSuchProperty", std::string("x")));
  EXPECT_FALSE(CallMethod(shell.get(), L"NoSuchMethod", &path));
  // FullName is a property: the method call falls back to a property get,
  // which returns a text, not an object.
  EXPECT_FALSE(CallMethod(shortcut.get(), L"FullName"));
}

}  // namespace
}  // namespace lumaret
