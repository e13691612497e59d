// The window as a user works it: quick clicks, the keyboard (Tab order, the
// panel), the focus across activations, and the names screen readers read.
// Mouse and keys arrive as posted messages, the way Windows queues them.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
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

// --- The keyboard ---------------------------------------------------------------

// From the name box, Tab walks the controls in reading order, each ring
// button after its box, and comes round again; Shift+Tab walks back.
TEST_F(WindowInputTest, TabWalksTheControlsInReadingOrder) {
  ASSERT_EQ(Focused(), "编辑框_ssid");
  const std::vector<std::string> forward = {"超级按钮_id", "编辑框_pw", "超级按钮_mmsj", "超级按钮_ope", "超级按钮_off",
                                            "超级按钮3",   "超级按钮4", "超级按钮",      "超级按钮1",    "编辑框_ssid"};
  std::vector<std::string> seen;
  for (std::size_t i = 0; i < forward.size(); ++i) {
    Press(VK_TAB);
    seen.push_back(Focused());
  }
  EXPECT_EQ(seen, forward);

  std::vector<std::string> backward(forward.rbegin() + 1, forward.rend());
  backward.push_back("编辑框_ssid");
  seen.clear();
  for (std::size_t i = 0; i < backward.size(); ++i) {
    Press(VK_TAB, true);
    seen.push_back(Focused());
  }
  EXPECT_EQ(seen, backward);
  EXPECT_TRUE(clicks.empty());
}

// With the panel shown, the keyboard stays among the panel's controls and
// the maker's link above it: no Tab reaches a covered control and no key
// presses one. Hiding the panel gives the focus back.
TEST_F(WindowInputTest, ShownPanelKeepsTheKeyboardAndGivesTheFocusBack) {
  const std::wstring status = w.GetTextW(ControlId::透明标签_tip);
  while (Focused() != "超级按钮3" && clicks.empty() && w.GetTextW(ControlId::透明标签_tip) == status) Press(VK_TAB);
  Press(VK_SPACE);  // 网卡信息
  ASSERT_EQ(clicks, std::vector<ControlId>{ControlId::超级按钮3});
  ASSERT_TRUE(w.IsVisible(ControlId::分组框1));
  EXPECT_EQ(Focused(), "按钮2") << "the focus moves into the panel";

  const std::vector<std::string> reachable = {"编辑框1", "按钮2", "按钮1", "超级按钮1"};
  std::vector<std::string> seen;
  for (bool shift : {false, true}) {
    for (int i = 0; i < 16; ++i) {
      Press(VK_TAB, shift);
      const std::string now = Focused();
      EXPECT_NE(std::find(reachable.begin(), reachable.end(), now), reachable.end()) << now;
      if (std::find(seen.begin(), seen.end(), now) == seen.end()) seen.push_back(now);
    }
    EXPECT_EQ(Focused(), "按钮2");
  }
  EXPECT_EQ(seen.size(), reachable.size());
  for (ControlId id : {ControlId::超级按钮_ope, ControlId::超级按钮_off, ControlId::编辑框_ssid, ControlId::超级按钮}) {
    EXPECT_FALSE(IsWindowVisible(H(id))) << Describe(id).name << " can be reached under the panel";
  }

  Press(VK_SPACE);  // 刷新, where the Tabs came round to
  EXPECT_EQ(clicks, (std::vector<ControlId>{ControlId::超级按钮3, ControlId::按钮2}));
  EXPECT_EQ(w.GetTextW(ControlId::透明标签_tip), status) << "no netsh ran";

  Press(VK_TAB);  // 关闭
  Press(VK_SPACE);
  EXPECT_FALSE(w.IsVisible(ControlId::分组框1));
  EXPECT_EQ(Focused(), "超级按钮3") << "back where it was";
  for (const ControlDescription& d : Controls()) {
    EXPECT_EQ(IsWindowVisible(H(d.id)) != FALSE, !d.inPanel && d.id != ControlId::分组框1) << d.name;
  }
}

// A click with the mouse gives the clicked button the focus; the panel
// hands it back there too, and shown twice it still remembers the first.
TEST_F(WindowInputTest, PanelShownByMouseGivesTheFocusBackToItsButton) {
  HWND show = H(ControlId::超级按钮3);
  PostMessageW(show, WM_LBUTTONDOWN, MK_LBUTTON, Middle(ControlId::超级按钮3));
  PostMessageW(show, WM_LBUTTONUP, 0, Middle(ControlId::超级按钮3));
  DrainMessages();
  ASSERT_TRUE(w.IsVisible(ControlId::分组框1));
  w.SetVisible(ControlId::分组框1, true);  // once more: changes nothing
  EXPECT_EQ(Focused(), "按钮2");
  HWND hide = H(ControlId::按钮1);
  PostMessageW(hide, WM_LBUTTONDOWN, MK_LBUTTON, Middle(ControlId::按钮1));
  PostMessageW(hide, WM_LBUTTONUP, 0, Middle(ControlId::按钮1));
  DrainMessages();
  EXPECT_FALSE(w.IsVisible(ControlId::分组框1));
  EXPECT_EQ(Focused(), "超级按钮3");
}

// --- The focus across activations ---------------------------------------------

// Another window takes the activation and gives it back (Alt+Tab, a click on
// the title bar): the focus returns to the control that last had it, or to
// the first choice when that one can no longer take it.
TEST_F(WindowInputTest, ActivationGivesTheFocusBackToTheControlThatHadIt) {
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  const struct {
    const char* label;
    ControlId focus;
    void (*meanwhile)(MainWindow&);  // while the other window is active
    const char* expected;
  } cases[] = {
      {"password box", ControlId::编辑框_pw, nullptr, "编辑框_pw"},
      {"a link at the bottom", ControlId::超级按钮4, nullptr, "超级按钮4"},
      {"open button, disabled meanwhile", ControlId::超级按钮_ope,
       [](MainWindow& m) { m.SetEnabled(ControlId::超级按钮_ope, false); }, "编辑框_ssid"},
      {"refresh button in the shown panel", ControlId::按钮2, nullptr, "按钮2"},
      {"report box, hidden meanwhile", ControlId::编辑框1,
       [](MainWindow& m) { m.SetVisible(ControlId::编辑框1, false); }, "按钮2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    if (Describe(c.focus).inPanel) w.SetVisible(ControlId::分组框1, true);
    SetFocus(H(c.focus));
    DrainMessages();
    ASSERT_EQ(Focused(), Describe(c.focus).name);

    SetForegroundWindow(other);
    DrainMessages();
    ASSERT_EQ(GetActiveWindow(), other);
    EXPECT_EQ(Focused(), "(none of ours)");
    if (c.meanwhile) c.meanwhile(w);

    SetForegroundWindow(w.hwnd());
    DrainMessages();
    ASSERT_EQ(GetActiveWindow(), w.hwnd());
    EXPECT_EQ(Focused(), c.expected);

    w.SetEnabled(ControlId::超级按钮_ope, true);
    w.SetVisible(ControlId::编辑框1, true);
    w.SetVisible(ControlId::分组框1, false);
  }
  DestroyWindow(other);
  DrainMessages();
}

// --- Screen readers ---------------------------------------------------------------

TEST_F(WindowInputTest, ScreenReadersReadWhatEachControlIs) {
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  w.SetTextW(ControlId::编辑框_ssid, L"MyNet");
  const struct {
    ControlId id;
    const wchar_t* name;
  } cases[] = {
      {ControlId::超级按钮_ope, L"开启热点"},      {ControlId::超级按钮_off, L"关闭热点"},
      {ControlId::超级按钮_mmsj, L"随机生成密码"}, {ControlId::超级按钮_id, L"恢复默认名称"},
      {ControlId::编辑框_ssid, L"SSID"},           {ControlId::编辑框_pw, L"密码"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Describe(c.id).name);
    ComPtr<IAccessible> acc;
    ASSERT_EQ(AccessibleObjectFromWindow(H(c.id), OBJID_CLIENT, __uuidof(IAccessible), acc.put_void()), S_OK);
    ASSERT_TRUE(acc);
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    EXPECT_EQ(acc->get_accName(self, &name), S_OK);
    EXPECT_EQ(std::wstring(name ? name : L""), c.name);
    SysFreeString(name);
    // Everything else is Windows' own answer for the control: its role,
    // its value (an edit box's text), and the window behind it.
    ComPtr<IAccessible> standard;
    ASSERT_EQ(CreateStdAccessibleObject(H(c.id), OBJID_CLIENT, __uuidof(IAccessible), standard.put_void()), S_OK);
    VARIANT role, standardRole;
    VariantInit(&role);
    VariantInit(&standardRole);
    EXPECT_EQ(acc->get_accRole(self, &role), standard->get_accRole(self, &standardRole));
    EXPECT_EQ(role.vt, standardRole.vt);
    EXPECT_EQ(role.lVal, standardRole.lVal);
    if (c.id == ControlId::编辑框_ssid) {
      BSTR value = nullptr;
      EXPECT_EQ(acc->get_accValue(self, &value), S_OK);
      EXPECT_EQ(std::wstring(value ? value : L""), L"MyNet");
      SysFreeString(value);
    }
    HWND found = nullptr;
    EXPECT_EQ(WindowFromAccessibleObject(acc.get(), &found), S_OK);
    EXPECT_EQ(found, H(c.id));
  }
  OleUninitialize();
}

}  // namespace
}  // namespace lumaret
