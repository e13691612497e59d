// The start-with-Windows value against the real registry of the test run's
// Wine prefix, and the button in the real window.
#include "desktop/startup_entry.h"

#include <gtest/gtest.h>

#include <string>

#include "testsupport/window_test_support.h"
#include "common/run_directory.h"
#include "common/win_handles.h"
#include "desktop/startup_entry_path.h"

namespace lumaret {
namespace {

const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kTestKeys[] = "Software\\LumaretTests";

struct StoredValue {
  bool exists = false;
  DWORD type = 0;
  std::string bytes;  // with the terminating zero, as stored
};

StoredValue ReadStored(HKEY root, const char* key, const std::string& name) {
  StoredValue v;
  RegKey k;
  if (RegOpenKeyExA(root, key, 0, KEY_READ, k.put()) != ERROR_SUCCESS) return v;
  DWORD size = 0;
  if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &v.type, nullptr, &size) != ERROR_SUCCESS) return v;
  v.bytes.assign(size, '\0');
  v.exists = RegQueryValueExA(k.get(), name.c_str(), nullptr, &v.type, reinterpret_cast<BYTE*>(&v.bytes[0]),
                              &size) == ERROR_SUCCESS;
  v.bytes.resize(size);
  return v;
}

bool KeyExists(HKEY root, const std::string& key) {
  RegKey k;
  return RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, k.put()) == ERROR_SUCCESS;
}

void PutValue(HKEY root, const std::string& name, const std::string& data) {
  RegKey k;
  ASSERT_EQ(RegCreateKeyA(root, kRunKey, k.put()), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(k.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                           static_cast<DWORD>(data.size() + 1)),
            ERROR_SUCCESS);
}

void DeleteTree(HKEY root, const char* key) { RegDeleteTreeA(root, key); RegDeleteKeyA(root, key); }

// Every test starts and ends without the value (or a subkey of its name)
// under either real Run key, and without the test keys.
class StartupEntryTest : public testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override {
    if (refusing_) RegCloseKey(refusing_);
    Clean();
  }
  static void Clean() {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
      RegKey k;
      if (RegOpenKeyExA(root, kRunKey, 0, KEY_WRITE, k.put()) == ERROR_SUCCESS) {
        RegDeleteValueA(k.get(), kStartupEntryName);
        RegDeleteValueA(k.get(), "wifi\x81\x5C");
      }
      RegDeleteKeyA(root, RunValueFullPath(kStartupEntryName).c_str());
    }
    DeleteTree(HKEY_CURRENT_USER, kTestKeys);
  }
  // A root that refuses every write below it, as a machine-wide key does for
  // a user without the right: a key deleted while its handle is still open
  // (every open, create and set below it fails with ERROR_KEY_DELETED).
  HKEY RefusingRoot() {
    if (!refusing_) {
      const std::string path = std::string(kTestKeys) + "\\Refusing";
      RegCreateKeyA(HKEY_CURRENT_USER, path.c_str(), &refusing_);
      RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
    }
    return refusing_;
  }
  StoredValue Machine() { return ReadStored(HKEY_LOCAL_MACHINE, kRunKey, kStartupEntryName); }
  StoredValue User() { return ReadStored(HKEY_CURRENT_USER, kRunKey, kStartupEntryName); }

  HKEY refusing_ = nullptr;
};

TEST_F(StartupEntryTest, WriteQueryAndRemoveTheMachineWideValue) {
  const std::string data = QuotedProgramPath("C:\\Program Files\\Lumaret Tools\\Lumaret.exe");
  EXPECT_FALSE(SetStartupEntry(kStartupEntryName, "", false, true));

  EXPECT_TRUE(SetStartupEntry(kStartupEntryName, data));
  const StoredValue v = Machine();
  ASSERT_TRUE(v.exists);
  EXPECT_EQ(v.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(v.bytes, "\"C:\\Program Files\\Lumaret Tools\\Lumaret.exe\"" + std::string(1, '\0'));
  EXPECT_FALSE(User().exists);
  EXPECT_TRUE(SetStartupEntry(kStartupEntryName, "", false, true));

  // A rewrite replaces older data.
  EXPECT_TRUE(SetStartupEntry(kStartupEntryName, "\"D:\\new\\Lumaret.exe\""));
  EXPECT_EQ(Machine().bytes, "\"D:\\new\\Lumaret.exe\"" + std::string(1, '\0'));

  // Query and remove together: only the lookup.
  EXPECT_TRUE(SetStartupEntry(kStartupEntryName, "", true, true));
  EXPECT_TRUE(Machine().exists);

  EXPECT_TRUE(SetStartupEntry(kStartupEntryName, "", true));
  EXPECT_FALSE(Machine().exists);
  EXPECT_FALSE(SetStartupEntry(kStartupEntryName, "", false, true));
  // Nothing left to delete: nothing happens.
  EXPECT_FALSE(SetStartupEntry(kStartupEntryName, "", true));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kRunKey));
}

TEST_F(StartupEntryTest, TheEntryNameIsSplitOffAfterItsTwoByteCharacters) {
  // "\x81\x5C" ends in the backslash code: a value of that name, no subkey.
  EXPECT_TRUE(SetStartupEntry("wifi\x81\x5C", "x"));
  EXPECT_TRUE(ReadStored(HKEY_LOCAL_MACHINE, kRunKey, "wifi\x81\x5C").exists);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kRunKey) + "\\wifi\x81"));
  EXPECT_TRUE(SetStartupEntry("wifi\x81\x5C", "", true));
  EXPECT_FALSE(ReadStored(HKEY_LOCAL_MACHINE, kRunKey, "wifi\x81\x5C").exists);
}

TEST_F(StartupEntryTest, RemoveClearsBothKeysAndASubkeyOfTheName) {
  PutValue(HKEY_LOCAL_MACHINE, kStartupEntryName, "a");
  PutValue(HKEY_CURRENT_USER, kStartupEntryName, "b");
  EXPECT_TRUE(SetStartupEntry(kStartupEntryName, "", true));
  EXPECT_FALSE(Machine().exists);
  EXPECT_FALSE(User().exists);

  // A subkey "orvinelwifi" of the Run key, without subkeys of its own and no
  // value of that name: the delete takes the subkey.
  const std::string subkey = RunValueFullPath(kStartupEntryName);
  RegKey k;
  ASSERT_EQ(RegCreateKeyA(HKEY_LOCAL_MACHINE, subkey.c_str(), k.put()), ERROR_SUCCESS);
  k.reset();
  EXPECT_FALSE(SetStartupEntry(kStartupEntryName, "", false, true)) << "a subkey is no value";
  EXPECT_TRUE(SetStartupEntry(kStartupEntryName, "", true));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, subkey));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kRunKey));
}

TEST_F(StartupEntryTest, TheRunKeyIsCreatedWhenMissing) {
  // A root of the test's own, without any SOFTWARE\...\Run below it.
  const std::string rootPath = std::string(kTestKeys) + "\\Machine";
  RegKey machine;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, rootPath.c_str(), machine.put()), ERROR_SUCCESS);
  StartupRoots roots;
  roots.machine = machine.get();
  roots.user = RefusingRoot();
  EXPECT_TRUE(SetStartupEntry(roots, kStartupEntryName, "\"C:\\x.exe\""));
  EXPECT_EQ(ReadStored(machine.get(), kRunKey, kStartupEntryName).bytes, "\"C:\\x.exe\"" + std::string(1, '\0'));
  EXPECT_TRUE(SetStartupEntry(roots, kStartupEntryName, "", false, true));
}

TEST_F(StartupEntryTest, RefusedMachineWideWriteFallsBackToTheUsersRunKey) {
  StartupRoots roots;
  roots.machine = RefusingRoot();
  ASSERT_FALSE(WriteRegistryText(roots.machine, RunValueFullPath(kStartupEntryName), "x")) << "root not refusing";

  EXPECT_TRUE(SetStartupEntry(roots, kStartupEntryName, "\"C:\\My Tools\\Lumaret.exe\""));
  EXPECT_EQ(User().bytes, "\"C:\\My Tools\\Lumaret.exe\"" + std::string(1, '\0'));
  EXPECT_EQ(User().type, static_cast<DWORD>(REG_SZ));
  EXPECT_TRUE(SetStartupEntry(roots, kStartupEntryName, "", false, true)) << "the query looks in both";

  // A later run with the right: the machine-wide value, and the per-user
  // copy goes so that Windows starts the program once.
  EXPECT_TRUE(SetStartupEntry(kStartupEntryName, "\"C:\\My Tools\\Lumaret.exe\""));
  EXPECT_TRUE(Machine().exists);
  EXPECT_FALSE(User().exists);

  // Both refusing: the write fails.
  roots.user = RefusingRoot();
  EXPECT_FALSE(SetStartupEntry(roots, kStartupEntryName, "x"));
}

// The button in the real window, made as at start-up.
class StartupButtonTest : public StartupEntryTest {
 protected:
  void OpenWindow() { ASSERT_TRUE(OpenMainWindow()); }
  void TearDown() override {
    CloseMainWindow();
    StartupEntryTest::TearDown();
  }
  void Click() {
    SendMessageW(w.Control(ControlId::超级按钮), BM_CLICK, 0, 0);
    DrainMessages();
  }
  void ExpectButton(bool checked) {
    EXPECT_EQ(w.GetChecked(ControlId::超级按钮), checked ? 1 : 0);
    EXPECT_EQ(w.GetTextW(ControlId::超级按钮), checked ? L"自动开启热点[已开启]" : L"自动开启热点[已关闭]");
  }
  MainWindow& w = TheMainWindow();
};

TEST_F(StartupButtonTest, ClicksWriteTheQuotedPathAndRemoveIt) {
  PutValue(HKEY_CURRENT_USER, kStartupEntryName, "C:\\old place\\Lumaret.exe");
  OpenWindow();
  ExpectButton(true);

  Click();  // unchecked: gone from both keys
  ExpectButton(false);
  EXPECT_FALSE(Machine().exists);
  EXPECT_FALSE(User().exists);

  Click();  // checked: this executable's path, quoted, and the argument, machine-wide
  ExpectButton(true);
  const StoredValue v = Machine();
  ASSERT_TRUE(v.exists);
  EXPECT_EQ(v.bytes, "\"" + GetExecutableFullPath() + "\" /autostart" + std::string(1, '\0'));
  EXPECT_FALSE(User().exists);
}

TEST_F(StartupButtonTest, StateAtStartUpFollowsTheRegistry) {
  const struct {
    const char* label;
    HKEY root;  // where the value is put; null for none
    bool checked;
  } cases[] = {
      {"no value", nullptr, false},
      {"machine-wide value", HKEY_LOCAL_MACHINE, true},
      {"per-user value", HKEY_CURRENT_USER, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Clean();
    if (c.root) PutValue(c.root, kStartupEntryName, "\"C:\\old\\Lumaret.exe\"");
    OpenWindow();
    ExpectButton(c.checked);
    CloseMainWindow();
  }
}

TEST_F(StartupButtonTest, RefusedWritesFallBackOrPutTheButtonBack) {
  OpenWindow();
  StartupRoots roots;
  roots.machine = RefusingRoot();

  w.SetChecked(ControlId::超级按钮, true);  // as a click leaves it
  ApplyStartupToggle(roots);
  ExpectButton(true);
  EXPECT_EQ(User().bytes, "\"" + GetExecutableFullPath() + "\" /autostart" + std::string(1, '\0'));

  w.SetChecked(ControlId::超级按钮, false);
  ApplyStartupToggle(roots);
  ExpectButton(false);
  EXPECT_FALSE(User().exists);

  roots.user = RefusingRoot();
  w.SetChecked(ControlId::超级按钮, true);
  ApplyStartupToggle(roots);
  ExpectButton(false);
  EXPECT_FALSE(User().exists);
  EXPECT_FALSE(Machine().exists);
}

}  // namespace
}  // namespace lumaret
