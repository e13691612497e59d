// MainWindow created in this process with its real controls.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/startup.h"
#include "testsupport/window_test_support.h"
#include "common/encoding.h"
#include "common/run_directory.h"
#include "hotspot/settings_file.h"

namespace lumaret {
namespace {

std::vector<int> checkedAtClick;
void RecordingClick(ControlId id) {
  if (id == ControlId::超级按钮) checkedAtClick.push_back(TheMainWindow().GetChecked(id));
  DispatchClick(id);
}

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    RemoveSettingsBesideProgram();
    checkedAtClick.clear();
    ASSERT_TRUE(w.Create(GetModuleHandleW(nullptr), OnMainWindowCreated, RecordingClick));
    w.Show();
    DrainMessages();
  }
  void TearDown() override {
    CloseMainWindow();
  }
  void Click(ControlId id) {
    SendMessageW(w.Control(id), BM_CLICK, 0, 0);
    DrainMessages();
  }
  void Type(ControlId id, wchar_t ch, int times) {
    for (int i = 0; i < times; ++i) SendMessageW(w.Control(id), WM_CHAR, ch, 1);
  }
  MainWindow& w = TheMainWindow();
};

TEST_F(MainWindowTest, WindowFrameTitleAndPlace) {
  wchar_t title[32];
  GetWindowTextW(w.hwnd(), title, 32);
  EXPECT_STREQ(title, L"Lumaret");
  EXPECT_EQ(w.Width(), 468);
  EXPECT_EQ(w.Height(), 357);
  RECT r;
  GetWindowRect(w.hwnd(), &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 468) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 357) / 2);
  const LONG style = GetWindowLongW(w.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(GetWindowLongW(w.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowVisible(w.hwnd()));
}

TEST_F(MainWindowTest, EveryControlHasItsKindParentPlaceTextAndVisibility) {
  const struct {
    ControlId id;
    Rect place;
  } laidOut[] = {{ControlId::分组框1, {0, 0, 468, 357}},
                 {ControlId::编辑框1, {2, 10, 458, 257}},
                 {ControlId::按钮1, {410, 277, 48, 24}},
                 {ControlId::按钮2, {360, 277, 48, 24}},
                 {ControlId::透明标签3, {60, 277, 300, 24}}};
  for (const ControlDescription& d : Controls()) {
    SCOPED_TRACE(d.name);
    HWND h = w.Control(d.id);
    ASSERT_NE(h, nullptr);
    Rect expected = d.place;
    for (const auto& l : laidOut)
      if (l.id == d.id) expected = l.place;
    EXPECT_EQ(w.GetPlace(d.id), expected) << w.GetPlace(d.id).left << "," << w.GetPlace(d.id).top << " "
                                          << w.GetPlace(d.id).width << "x" << w.GetPlace(d.id).height;
    EXPECT_EQ(GetParent(h), d.inPanel ? w.Control(ControlId::分组框1) : w.hwnd());

    const std::wstring text = d.id == ControlId::编辑框_ssid ? L"" : d.text;  // replaced by the saved name
    EXPECT_EQ(w.GetTextW(d.id), text);

    wchar_t cls[32];
    GetClassNameW(h, cls, 32);
    const LONG style = GetWindowLongW(h, GWL_STYLE);
    switch (d.kind) {
      case ControlKind::EditBox:
        EXPECT_STREQ(cls, L"Edit");
        EXPECT_FALSE(style & ES_MULTILINE);
        EXPECT_FALSE(style & ES_PASSWORD);
        break;
      case ControlKind::ReportBox:
        EXPECT_STREQ(cls, L"Edit");
        EXPECT_TRUE(style & ES_MULTILINE);
        EXPECT_TRUE(style & WS_VSCROLL);
        break;
      case ControlKind::Label:
      case ControlKind::Panel:
        EXPECT_STREQ(cls, L"Static");
        break;
      default:
        EXPECT_STREQ(cls, L"Button");
        break;
    }
    EXPECT_EQ((style & WS_TABSTOP) != 0, d.takesFocus);
    EXPECT_TRUE(IsWindowEnabled(h));
    EXPECT_EQ(w.IsVisible(d.id), d.id != ControlId::分组框1);
    EXPECT_EQ(IsWindowVisible(h) != FALSE, !d.inPanel && d.id != ControlId::分组框1);
  }
  EXPECT_EQ(w.GetChecked(ControlId::超级按钮), 0);
}

TEST_F(MainWindowTest, StackingOrderIsTheWindowsOwn) {
  std::vector<HWND> top, panel;
  for (ControlId id : StackingOrder()) (Describe(id).inPanel ? panel : top).push_back(w.Control(id));
  auto children = [](HWND parent) {
    std::vector<HWND> out;
    for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) out.push_back(h);
    return out;
  };
  EXPECT_EQ(children(w.hwnd()), top);
  EXPECT_EQ(children(w.Control(ControlId::分组框1)), panel);
}

TEST_F(MainWindowTest, ShownPanelCoversAllButTheMakersLinkAndItsBar) {
  auto topmostAt = [&](ControlId id) {
    const Rect r = w.GetPlace(id);
    POINT p{r.left + r.width / 2, r.top + r.height / 2};
    return ChildWindowFromPointEx(w.hwnd(), p, CWP_SKIPINVISIBLE);
  };
  EXPECT_EQ(topmostAt(ControlId::超级按钮_ope), w.Control(ControlId::超级按钮_ope));
  Click(ControlId::超级按钮3);
  ASSERT_TRUE(IsWindowVisible(w.Control(ControlId::分组框1)));
  for (ControlId id : {ControlId::超级按钮_ope, ControlId::超级按钮_off, ControlId::编辑框_ssid, ControlId::超级按钮3,
                       ControlId::透明标签_tip}) {
    EXPECT_EQ(topmostAt(id), w.Control(ControlId::分组框1)) << Describe(id).name;
  }
  EXPECT_EQ(topmostAt(ControlId::超级按钮1), w.Control(ControlId::超级按钮1));
  EXPECT_EQ(topmostAt(ControlId::透明标签4), w.Control(ControlId::透明标签4));
}

TEST_F(MainWindowTest, PanelShowsAndHidesKeepingItsText) {
  Click(ControlId::超级按钮3);
  Click(ControlId::超级按钮3);
  EXPECT_TRUE(w.IsVisible(ControlId::分组框1));
  w.SetTextW(ControlId::编辑框1, L"报告\r\n");
  w.AppendTextW(ControlId::编辑框1, L"more");
  Click(ControlId::按钮1);
  Click(ControlId::按钮1);
  EXPECT_FALSE(w.IsVisible(ControlId::分组框1));
  Click(ControlId::超级按钮3);
  EXPECT_EQ(w.GetTextW(ControlId::编辑框1), L"报告\r\nmore");
  EXPECT_EQ(w.GetPlace(ControlId::按钮1), (Rect{410, 277, 48, 24}));
}

TEST_F(MainWindowTest, BoxesRefuseTypingPastTheirLimitButTakeProgramText) {
  Type(ControlId::编辑框_ssid, L'a', 19);
  EXPECT_EQ(w.GetTextW(ControlId::编辑框_ssid), std::wstring(18, L'a'));
  Type(ControlId::编辑框_pw, L'b', 27);
  EXPECT_EQ(w.GetTextW(ControlId::编辑框_pw), std::wstring(26, L'b'));
  Type(ControlId::编辑框_ssid, L'中', 1);
  EXPECT_EQ(w.GetTextW(ControlId::编辑框_ssid).size(), 18u);

  w.SetText(ControlId::编辑框_ssid, std::string(40, 'x'));
  EXPECT_EQ(w.GetText(ControlId::编辑框_ssid), std::string(40, 'x'));
  // What the user types reaches the program in the ANSI code page.
  w.SetTextW(ControlId::编辑框_pw, L"密码 pw");
  EXPECT_EQ(w.GetText(ControlId::编辑框_pw), "\xC3\xDC\xC2\xEB pw");
}

TEST_F(MainWindowTest, TwoStateButtonFlipsBeforeItsClickIsRaised) {
  Click(ControlId::超级按钮);
  Click(ControlId::超级按钮);
  EXPECT_EQ(checkedAtClick, (std::vector<int>{1, 0}));
}

TEST_F(MainWindowTest, TabLeavesTheReportBoxAndEnterBreaksTheLine) {
  Click(ControlId::超级按钮3);
  HWND report = w.Control(ControlId::编辑框1);
  SetFocus(report);
  auto press = [](HWND h, WPARAM key) {
    MSG m{h, WM_KEYDOWN, key, 1, 0, {0, 0}};
    DispatchWindowMessage(m);
    DrainMessages();
  };
  press(report, VK_RETURN);
  EXPECT_EQ(w.GetTextW(ControlId::编辑框1), L"\r\n");
  press(report, VK_TAB);
  EXPECT_NE(GetFocus(), report);
  EXPECT_EQ(w.GetTextW(ControlId::编辑框1), L"\r\n");
}

TEST_F(MainWindowTest, TooltipsOnTheThreeButtons) {
  ASSERT_NE(w.tooltip(), nullptr);
  EXPECT_EQ(SendMessageW(w.tooltip(), TTM_GETTOOLCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(w.tooltip(), TTM_GETMAXTIPWIDTH, 0, 0), 400);
}

// Esc closes the window from any control, the program returns from its
// message loop, and the exit clean-up runs exactly once.
ControlId escTarget;
void PressEscOnTarget() {
  MainWindow& w = TheMainWindow();
  if (escTarget == ControlId::编辑框1) w.SetVisible(ControlId::分组框1, true);
  HWND h = w.Control(escTarget);
  SetFocus(h);
  PostMessageW(h, WM_KEYDOWN, VK_ESCAPE, 1);
}

TEST(StartProgram, EscClosesFromAnyControlAndCleansUpOnce) {
  for (ControlId target : {ControlId::编辑框_ssid, ControlId::编辑框_pw, ControlId::编辑框1, ControlId::超级按钮_ope}) {
    SCOPED_TRACE(Describe(target).name);
    RemoveSettingsBesideProgram();
    escTarget = target;
    const int before = ExitCleanupRuns();
    EXPECT_EQ(StartProgram(GetModuleHandleW(nullptr), PressEscOnTarget), 0);
    EXPECT_EQ(TheMainWindow().hwnd(), nullptr) << "window still there";
    EXPECT_EQ(ExitCleanupRuns(), before + 1);
    EXPECT_TRUE(SettingsPath.empty());
    EXPECT_TRUE(SavedSsid.empty());
  }
}

TEST(StartProgram, MakesTheExecutablesFolderCurrent) {
  SetCurrentDirectoryA("C:\\");
  escTarget = ControlId::编辑框_ssid;
  StartProgram(GetModuleHandleW(nullptr), PressEscOnTarget);
  char cwd[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, cwd);
  EXPECT_EQ(std::string(cwd), GetRunDirectory());
}

}  // namespace
}  // namespace lumaret
