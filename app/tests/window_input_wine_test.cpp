// The window as a user works it: quick clicks. The mouse arrives as posted
// messages, the way Windows queues them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/startup.h"
#include "common/win_handles.h"
#include "desktop/startup_entry_path.h"
#include "testsupport/window_test_support.h"

namespace lumaret {
namespace {

const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

bool RunValueExists(HKEY root) {
  RegKey k;
  if (RegOpenKeyExA(root, kRunKey, 0, KEY_READ, k.put()) != ERROR_SUCCESS) return false;
  return RegQueryValueExA(k.get(), kStartupEntryName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

void DeleteRunValues() {
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    RegKey k;
    if (RegOpenKeyExA(root, kRunKey, 0, KEY_WRITE, k.put()) == ERROR_SUCCESS) RegDeleteValueA(k.get(), kStartupEntryName);
  }
}

// Every click the window raises, in order; the web links are only noted
// (no browser under test).
std::vector<ControlId> clicks;
void RecordingClick(ControlId id) {
  clicks.push_back(id);
  if (id != ControlId::超级按钮1 && id != ControlId::超级按钮4) DispatchClick(id);
}

int passwordBoxTextsSet = 0;
LRESULT CALLBACK CountTextsSet(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (msg == WM_SETTEXT) ++passwordBoxTextsSet;
  return DefSubclassProc(hwnd, msg, wp, lp);
}

class WindowInputTest : public testing::Test {
 protected:
  void SetUp() override {
    RemoveSettingsBesideProgram();
    DeleteRunValues();
    clicks.clear();
    ASSERT_TRUE(w.Create(GetModuleHandleW(nullptr), OnMainWindowCreated, RecordingClick));
    w.Show();
    DrainMessages();
  }
  void TearDown() override {
    CloseMainWindow();
    DeleteRunValues();
  }

  HWND H(ControlId id) const { return w.Control(id); }
  LPARAM Middle(ControlId id) const {
    RECT r;
    GetClientRect(H(id), &r);
    return MAKELPARAM(r.right / 2, r.bottom / 2);
  }
  // A key pressed and released: the down goes to the control with the
  // focus, the up to the one that has it then. With `shift`, Shift is held.
  void Press(WPARAM key, bool shift = false) {
    BYTE keys[256];
    GetKeyboardState(keys);
    const BYTE shiftBefore = keys[VK_SHIFT];
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    PostMessageW(GetFocus(), WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
    DrainMessages();
    PostMessageW(GetFocus(), WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | 0xC0000000u));
    DrainMessages();
    keys[VK_SHIFT] = shiftBefore;
    SetKeyboardState(keys);
  }
  // The control with the focus, by name; "(none of ours)" otherwise.
  std::string Focused() const {
    ControlId id;
    return w.FocusedControl(&id) ? Describe(id).name : "(none of ours)";
  }

  MainWindow& w = TheMainWindow();
};

// --- Every click counts -------------------------------------------------------

// The second click of a double click shows pressed like the first, and the
// release clicks.
TEST_F(WindowInputTest, DoubleClickOnTheStartupButtonChecksAndUnchecksIt) {
  HWND button = H(ControlId::超级按钮);
  PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, Middle(ControlId::超级按钮));
  PostMessageW(button, WM_LBUTTONUP, 0, Middle(ControlId::超级按钮));
  PostMessageW(button, WM_LBUTTONDBLCLK, MK_LBUTTON, Middle(ControlId::超级按钮));
  DrainMessages();
  EXPECT_TRUE(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED) << "the second press shows pressed";
  EXPECT_EQ(w.GetChecked(ControlId::超级按钮), 1);
  EXPECT_TRUE(RunValueExists(HKEY_LOCAL_MACHINE) || RunValueExists(HKEY_CURRENT_USER));
  PostMessageW(button, WM_LBUTTONUP, 0, Middle(ControlId::超级按钮));
  DrainMessages();

  EXPECT_EQ(clicks, (std::vector<ControlId>{ControlId::超级按钮, ControlId::超级按钮}));
  EXPECT_FALSE(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
  EXPECT_EQ(w.GetChecked(ControlId::超级按钮), 0);
  EXPECT_EQ(w.GetTextW(ControlId::超级按钮), L"自动开启热点[已关闭]");
  EXPECT_FALSE(RunValueExists(HKEY_LOCAL_MACHINE));
  EXPECT_FALSE(RunValueExists(HKEY_CURRENT_USER));
}

// All four messages waiting at once: the second click comes in while the
// first password is being made (the generator lets waiting events run), and
// still makes a password of its own.
TEST_F(WindowInputTest, DoubleClickOnThePasswordButtonMakesTwoPasswords) {
  passwordBoxTextsSet = 0;
  ASSERT_TRUE(SetWindowSubclass(H(ControlId::编辑框_pw), CountTextsSet, 77, 0));
  HWND button = H(ControlId::超级按钮_mmsj);
  const LPARAM at = Middle(ControlId::超级按钮_mmsj);
  PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(button, WM_LBUTTONUP, 0, at);
  PostMessageW(button, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageW(button, WM_LBUTTONUP, 0, at);
  DrainMessages();
  RemoveWindowSubclass(H(ControlId::编辑框_pw), CountTextsSet, 77);

  EXPECT_EQ(clicks, (std::vector<ControlId>{ControlId::超级按钮_mmsj, ControlId::超级按钮_mmsj}));
  EXPECT_EQ(passwordBoxTextsSet, 2);
  const std::size_t length = w.GetText(ControlId::编辑框_pw).size();
  EXPECT_TRUE(length >= 13 && length <= 15) << length;
}

}  // namespace
}  // namespace lumaret
