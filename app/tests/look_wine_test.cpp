// The window's look, checked on the screen: screenshots of the real window
// compared pixel by pixel with what the pictures and the look rules say.
// Every screenshot is saved in build/win/screenshots/ for a person to see.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/button_look.h"
#include "app/control_look.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/tests/screen_check.h"
#include "testsupport/window_test_support.h"
#include "common/encoding.h"
#include "common/run_directory.h"
#include "tools/screen_capture.h"

namespace lumaret {
namespace {

// Inside a click handler: lets the screen show what was drawn without
// taking or dispatching any message. Wine copies a window's pixels to the
// screen when the thread finds its queue empty, so it looks for a message
// that is never sent.
void LetTheScreenCatchUp() {
  constexpr UINT kNeverSent = WM_APP + 0x3A5;
  MSG m;
  for (int i = 0; i < 10; ++i) {
    PeekMessageW(&m, nullptr, kNeverSent, kNeverSent, PM_NOREMOVE);
    Sleep(20);
  }
}

std::function<void()> duringOpenClick;
void TestClick(ControlId id) {
  if (id == ControlId::超级按钮_ope && duringOpenClick) {
    duringOpenClick();
    return;
  }
  DispatchClick(id);
}

class LookTest : public testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(0, 0);  // away from the window
    duringOpenClick = nullptr;
    ASSERT_TRUE(w.Create(GetModuleHandleW(nullptr), OnMainWindowCreated, TestClick));
    w.Show();
    SendMessageW(w.tooltip(), TTM_ACTIVATE, FALSE, 0);  // no tip over the shots
    Settle();
    background = ReadPicture(Picture::Background);
    ASSERT_EQ(background.width, 450);
    ASSERT_EQ(background.height, 341);
  }
  void TearDown() override {
    duringOpenClick = nullptr;
    CloseMainWindow();
  }

  Screenshot Shot(const char* name) { return ShootClientArea(w.hwnd(), name); }

  // What the window's own background shows at a client point.
  COLORREF WindowGround(int x, int y) const {
    if (x < background.width && y < background.height && background.At(x, y) != background.key) {
      return background.At(x, y);
    }
    return GetSysColor(COLOR_BTNFACE);
  }

  // Pixels of a picture button: its background colour, with the picture at
  // `origin` (button coordinates), colour-keyed and clipped to the button.
  // Returns the number of pixels that differ and describes the first.
  int CompareButton(const Screenshot& s, ControlId id, Picture which, Point origin, COLORREF fill,
                    std::string* first) {
    return lumaret::CompareButton(w, s, id, ReadPicture(which), origin, fill, first);
  }

  void HoverOver(ControlId id) {
    const Rect r = w.GetPlace(id);
    POINT p{r.left + r.width / 2, r.top + r.height / 2};
    ClientToScreen(w.hwnd(), &p);
    SetCursorPos(p.x, p.y);
    EXPECT_TRUE(SettleUntil([&] { return w.State(id).hover(); })) << Describe(id).name;
  }
  void Leave(ControlId id) {
    SetCursorPos(0, 0);
    EXPECT_TRUE(SettleUntil([&] { return !w.State(id).hover(); })) << Describe(id).name;
  }

  MainWindow& w = TheMainWindow();
  PicturePixels background;
};

bool Covered(const MainWindow& w, int x, int y) {
  for (const ControlDescription& d : Controls()) {
    if (d.inPanel || !IsWindowVisible(w.Control(d.id))) continue;
    const Rect r = w.GetPlace(d.id);
    if (x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height) return true;
  }
  return false;
}

TEST_F(LookTest, EightPicturesAtTheirSizesKeyedByTheirTopLeftPixel) {
  const struct {
    Picture p;
    int w, h;
  } sizes[] = {{Picture::Background, 450, 341}, {Picture::RingBlue, 18, 17},  {Picture::RingOrange, 18, 17},
               {Picture::Close, 98, 38},        {Picture::CloseLit, 98, 38}, {Picture::CloseGrey, 98, 38},
               {Picture::Open, 98, 38},         {Picture::OpenLit, 98, 38},  {Picture::OpenGrey, 98, 38}};
  for (const auto& s : sizes) {
    SCOPED_TRACE(static_cast<int>(s.p));
    const PicturePixels p = ReadPicture(s.p);
    EXPECT_EQ(p.width, s.w);
    EXPECT_EQ(p.height, s.h);
    ASSERT_FALSE(p.px.empty());
    EXPECT_EQ(p.key, p.At(0, 0));
    EXPECT_EQ(w.look().picture(s.p).key, p.key);
  }
  // The three faces of a button differ, and the two buttons' faces differ.
  EXPECT_NE(ReadPicture(Picture::Open).px, ReadPicture(Picture::OpenLit).px);
  EXPECT_NE(ReadPicture(Picture::Open).px, ReadPicture(Picture::OpenGrey).px);
  EXPECT_NE(ReadPicture(Picture::Open).px, ReadPicture(Picture::Close).px);
}

TEST_F(LookTest, BackgroundAtNaturalSizeWithButtonFaceAroundIt) {
  const Screenshot s = Shot("look-window");
  ASSERT_GT(s.width, 450);
  int bad = 0, checked = 0;
  std::string first;
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x) {
      if (Covered(w, x, y)) continue;
      ++checked;
      if (s.At(x, y) != WindowGround(x, y) && bad++ == 0) {
        first = std::to_string(x) + "," + std::to_string(y) + " want " + Hex(WindowGround(x, y)) + " got " +
                Hex(s.At(x, y));
      }
    }
  EXPECT_GT(checked, 100000);
  EXPECT_EQ(bad, 0) << first;
  // The banner is there, and the strip right of the picture is button face.
  EXPECT_NE(s.At(100, 30), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(s.At(455, 30), GetSysColor(COLOR_BTNFACE));
}

TEST_F(LookTest, RingButtonsShowTheVisiblePartOfTheirRing) {
  std::string first;
  const Screenshot normal = Shot("look-window-rings");
  for (ControlId id : {ControlId::超级按钮_id, ControlId::超级按钮_mmsj}) {
    EXPECT_EQ(CompareButton(normal, id, Picture::RingBlue, {0, -2}, RGB(255, 255, 255), &first), 0)
        << Describe(id).name << " " << first;
  }
  HoverOver(ControlId::超级按钮_id);
  const Screenshot hover = Shot("look-hover-ring");
  EXPECT_EQ(CompareButton(hover, ControlId::超级按钮_id, Picture::RingOrange, {0, -2}, RGB(255, 255, 255), &first), 0)
      << first;
  EXPECT_EQ(CompareButton(hover, ControlId::超级按钮_mmsj, Picture::RingBlue, {0, -2}, RGB(255, 255, 255), &first), 0)
      << first;
  // Pressed: the lit ring one pixel further right and down.
  SendMessageW(w.Control(ControlId::超级按钮_id), BM_SETSTATE, TRUE, 0);
  Settle();
  const Screenshot pressed = Shot("look-pressed-ring");
  EXPECT_EQ(CompareButton(pressed, ControlId::超级按钮_id, Picture::RingOrange, {1, -1}, RGB(255, 255, 255), &first), 0)
      << first;
  SendMessageW(w.Control(ControlId::超级按钮_id), BM_SETSTATE, FALSE, 0);
  Leave(ControlId::超级按钮_id);
  const Screenshot left = Shot("look-left-ring");
  EXPECT_EQ(CompareButton(left, ControlId::超级按钮_id, Picture::RingBlue, {0, -2}, RGB(255, 255, 255), &first), 0)
      << first;
}

TEST_F(LookTest, LargeFacesNormalLitAndGreyWhileTheirHandlerRuns) {
  std::string first;
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const Screenshot normal = Shot("look-window-faces");
  EXPECT_EQ(CompareButton(normal, ControlId::超级按钮_ope, Picture::Open, {-1, 1}, face, &first), 0) << first;
  EXPECT_EQ(CompareButton(normal, ControlId::超级按钮_off, Picture::Close, {-1, 1}, face, &first), 0) << first;

  HoverOver(ControlId::超级按钮_off);
  const Screenshot lit = Shot("look-hover-close");
  EXPECT_EQ(CompareButton(lit, ControlId::超级按钮_off, Picture::CloseLit, {-1, 1}, face, &first), 0) << first;
  Leave(ControlId::超级按钮_off);

  // The handler disables its button: the grey face shows until it is enabled.
  bool ran = false;
  duringOpenClick = [&] {
    ran = true;
    w.SetEnabled(ControlId::超级按钮_ope, false);
    LetTheScreenCatchUp();
    const Screenshot grey = Shot("look-disabled-open");
    EXPECT_EQ(CompareButton(grey, ControlId::超级按钮_ope, Picture::OpenGrey, {-1, 1}, face, &first), 0) << first;
    w.SetEnabled(ControlId::超级按钮_ope, true);
  };
  SendMessageW(w.Control(ControlId::超级按钮_ope), BM_CLICK, 0, 0);
  EXPECT_TRUE(ran);
  SetFocus(w.Control(ControlId::编辑框_ssid));
  Settle();
  const Screenshot after = Shot("look-enabled-open");
  EXPECT_EQ(CompareButton(after, ControlId::超级按钮_ope, Picture::Open, {-1, 1}, face, &first), 0) << first;
}

// The darkest pixel of a control's rectangle: the caption colour wherever
// the glyphs are solid.
int Darkest(const Screenshot& s, const Rect& r) {
  int dark = 255;
  for (int y = r.top; y < r.top + r.height; ++y)
    for (int x = r.left; x < r.left + r.width; ++x) {
      const COLORREF c = s.At(x, y);
      dark = std::min(dark, (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3);
    }
  return dark;
}

TEST_F(LookTest, TextButtonCaptionsSilverThenBlackUnderThePointerOrChecked) {
  const Rect faq = w.GetPlace(ControlId::超级按钮4), toggle = w.GetPlace(ControlId::超级按钮);
  const Screenshot normal = Shot("look-window-captions");
  EXPECT_GE(Darkest(normal, faq), 180);  // silver (192) at its darkest
  EXPECT_LE(Darkest(normal, faq), 200);
  EXPECT_GE(Darkest(normal, toggle), 180);

  HoverOver(ControlId::超级按钮4);
  EXPECT_LE(Darkest(Shot("look-hover-caption"), faq), 60);
  Leave(ControlId::超级按钮4);
  EXPECT_GE(Darkest(Shot("look-left-caption"), faq), 180);

  // Losing the focus ends the hover look with the pointer still there, and
  // only a new entry starts it again.
  HoverOver(ControlId::超级按钮4);
  SetFocus(w.Control(ControlId::超级按钮4));
  SetFocus(w.Control(ControlId::编辑框_ssid));
  Settle();
  EXPECT_FALSE(w.State(ControlId::超级按钮4).hover());
  EXPECT_GE(Darkest(Shot("look-focus-lost-caption"), faq), 180);
  const Rect r = w.GetPlace(ControlId::超级按钮4);
  POINT p{r.left + 5, r.top + r.height / 2};
  ClientToScreen(w.hwnd(), &p);
  SetCursorPos(p.x, p.y);  // moving within the button
  Settle();
  EXPECT_FALSE(w.State(ControlId::超级按钮4).hover());
  Leave(ControlId::超级按钮4);

  // The two-state button: black while checked, whatever the pointer does.
  SendMessageW(w.Control(ControlId::超级按钮), BM_CLICK, 0, 0);
  SetFocus(w.Control(ControlId::编辑框_ssid));
  Settle();
  ASSERT_EQ(w.GetChecked(ControlId::超级按钮), 1);
  EXPECT_LE(Darkest(Shot("look-checked-toggle"), toggle), 60);
  SendMessageW(w.Control(ControlId::超级按钮), BM_CLICK, 0, 0);
  SetFocus(w.Control(ControlId::编辑框_ssid));
  Settle();
  EXPECT_GE(Darkest(Shot("look-unchecked-toggle"), toggle), 180);
}

TEST_F(LookTest, StatusTextHasNoBackgroundAndIsReplacedCleanly) {
  // Over the banner, where an opaque label would show.
  const ControlId tip = ControlId::透明标签_tip;
  w.SetLeft(tip, 40);
  w.SetTop(tip, 40);
  w.SetTextW(tip, L"正在开启WIFI热点...正在开启WIFI热点...");
  Settle();
  w.SetTextW(tip, L"WIFI热点已开启");
  Settle();
  const Screenshot s = Shot("look-status-over-banner");
  const Rect r = w.GetPlace(tip);

  HDC dc = GetDC(w.Control(tip));
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(w.Control(tip), WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32W(dc, L"WIFI热点已开启", 9, &extent);
  SelectObject(dc, old);
  ReleaseDC(w.Control(tip), dc);
  ASSERT_GT(extent.cx, 20);
  ASSERT_LT(extent.cx + 4, r.width);

  int leftover = 0, inked = 0, opaque = 0;
  auto between = [](int v, int a, int b) { return v >= std::min(a, b) - 2 && v <= std::max(a, b) + 2; };
  for (int y = r.top; y < r.top + r.height; ++y)
    for (int x = r.left; x < r.left + r.width; ++x) {
      const COLORREF got = s.At(x, y), ground = WindowGround(x, y);
      if (x >= r.left + extent.cx + 2) {
        if (got != ground) ++leftover;  // the old, longer text must be gone
        continue;
      }
      if (got == ground) continue;
      ++inked;
      // Glyph pixels blend silver into what lies beneath; anything else is a fill.
      if (!between(GetRValue(got), GetRValue(ground), 192) || !between(GetGValue(got), GetGValue(ground), 192) ||
          !between(GetBValue(got), GetBValue(ground), 192)) {
        ++opaque;
      }
    }
  EXPECT_EQ(leftover, 0);
  EXPECT_GT(inked, 20);
  EXPECT_EQ(opaque, 0);
}

// A status text longer than the line: drawn up to an ellipsis (three dots
// on the baseline, not a glyph cut in half), the label's text whole, and the
// whole message in the tooltip when the pointer rests on the line.
TEST_F(LookTest, LongStatusEndsInAnEllipsisAndItsTooltipShowsItWhole) {
  const ControlId tip = ControlId::透明标签_tip;
  const std::wstring message = L"WIFI热点开启失败：组或资源的状态不是执行请求操作的正确状态。请检查无线网卡驱动";
  const std::wstring whole = message + L"\r\n\r\nnetsh:\r\n无法启动承载网络。\r\n组或资源的状态不是执行请求操作的正确状态。";
  w.SetTextW(tip, message);
  w.SetTooltipW(tip, whole);
  Settle();
  EXPECT_EQ(w.GetTextW(tip), message);
  EXPECT_EQ(w.TooltipW(tip), whole);

  const Screenshot s = Shot("look-status-ellipsis");
  const Rect r = w.GetPlace(tip);
  // The inked rows and the last inked column of the line.
  int top = r.height, bottom = -1, right = -1;
  for (int y = 0; y < r.height; ++y)
    for (int x = 0; x < r.width; ++x) {
      if (s.At(r.left + x, r.top + y) == WindowGround(r.left + x, r.top + y)) continue;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
      right = std::max(right, x);
    }
  ASSERT_GT(bottom, top);
  EXPECT_GT(right, r.width - 30) << "the text does not reach the end of the line";
  // The last few inked columns hold dots: ink only in the lower third.
  int highInk = 0;
  for (int y = top; y < top + (bottom - top + 1) * 2 / 3; ++y)
    for (int x = right - 8; x <= right; ++x) {
      if (s.At(r.left + x, r.top + y) != WindowGround(r.left + x, r.top + y)) ++highInk;
    }
  EXPECT_EQ(highInk, 0) << "the line ends in a cut glyph, not in an ellipsis";

  // The pointer on the line: the tooltip shows the status line's tool.
  HWND tooltip = w.tooltip();
  SendMessageW(tooltip, TTM_ACTIVATE, TRUE, 0);
  POINT p{r.left + r.width / 2, r.top + r.height / 2};
  ClientToScreen(w.hwnd(), &p);
  SetCursorPos(p.x, p.y);
  EXPECT_TRUE(SettleUntil([&] { return IsWindowVisible(tooltip) != FALSE; })) << "no tooltip on the status line";
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  std::vector<wchar_t> text(4096, L'\0');
  ti.lpszText = text.data();
  ASSERT_TRUE(SendMessageW(tooltip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&ti)));
  EXPECT_EQ(ti.uId, reinterpret_cast<UINT_PTR>(w.Control(tip)));
  if (IsWindowVisible(tooltip)) {
    const std::string path = GetRunDirectory() + "\\..\\screenshots\\look-status-tooltip.png";
    SavePng(CaptureWindow(tooltip), std::wstring(path.begin(), path.end()));
    RECT shown{};
    GetWindowRect(tooltip, &shown);
    EXPECT_GT(shown.bottom - shown.top, 3 * 12) << "the tooltip does not show the lines of netsh's output";
  }
  SetCursorPos(0, 0);
  SendMessageW(tooltip, TTM_ACTIVATE, FALSE, 0);
  Settle();

  // The empty text takes the tooltip away again.
  w.SetTooltipW(tip, L"");
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 3);
}

TEST_F(LookTest, ShownPanelHidesTheMainControlsButNotTheMakersLink) {
  SendMessageW(w.Control(ControlId::超级按钮3), BM_CLICK, 0, 0);
  SetFocus(w.Control(ControlId::按钮1));
  Settle();
  ASSERT_TRUE(IsWindowVisible(w.Control(ControlId::分组框1)));
  const Screenshot s = Shot("look-panel");
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  // The etched frame along the panel's left edge, and its opaque face where
  // the banner, the faces and the boxes were.
  EXPECT_EQ(s.At(0, 150), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(s.At(1, 150), GetSysColor(COLOR_BTNHIGHLIGHT));
  // The report box: a one-pixel border, then white.
  const Rect box = w.GetPlace(ControlId::编辑框1);
  EXPECT_EQ(s.At(box.left, box.top + 100), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(s.At(box.left + 1, box.top + 100), RGB(255, 255, 255));
  EXPECT_EQ(s.At(box.left + 50, box.top), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(s.At(box.left + 50, box.top + 1), RGB(255, 255, 255));
  auto inPanelChild = [&](int x, int y) {
    for (ControlId c : {ControlId::编辑框1, ControlId::按钮1, ControlId::按钮2, ControlId::透明标签3}) {
      const Rect r = w.GetPlace(c);
      if (x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height) return true;
    }
    return false;
  };
  for (ControlId id : {ControlId::超级按钮_ope, ControlId::超级按钮_off, ControlId::超级按钮_id,
                       ControlId::透明标签_tip, ControlId::超级按钮3, ControlId::超级按钮}) {
    const Rect r = w.GetPlace(id);
    int notFace = 0;
    for (int y = r.top; y < r.top + r.height; ++y)
      for (int x = r.left; x < r.left + r.width; ++x) {
        if (!inPanelChild(x, y) && s.At(x, y) != face) ++notFace;
      }
    EXPECT_EQ(notFace, 0) << Describe(id).name;
  }
  // 超级按钮1 and its bar are drawn above the panel, on its face.
  const int faceGrey = (GetRValue(face) + GetGValue(face) + GetBValue(face)) / 3;
  EXPECT_LE(Darkest(s, w.GetPlace(ControlId::超级按钮1)), 200);
  const Rect bar = w.GetPlace(ControlId::透明标签4);
  EXPECT_LE(Darkest(s, bar), faceGrey - 15);
  EXPECT_EQ(s.At(bar.left, bar.top), face);
}

TEST_F(LookTest, BoxesUseTheBoldSansNamedHeiti) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(w.Control(ControlId::编辑框_ssid), WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  LOGFONTW lf{};
  GetObjectW(font, sizeof(lf), &lf);
  EXPECT_STREQ(lf.lfFaceName, L"黑体");
  EXPECT_EQ(lf.lfHeight, -14);
  EXPECT_EQ(lf.lfWeight, FW_NORMAL);
  // The name resolves to an installed CJK font that has the characters.
  HDC dc = GetDC(w.hwnd());
  HGDIOBJ old = SelectObject(dc, font);
  WORD glyphs[2] = {};
  EXPECT_EQ(GetGlyphIndicesW(dc, L"密码", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS), 2u);
  EXPECT_NE(glyphs[0], 0xFFFF);
  EXPECT_NE(glyphs[1], 0xFFFF);
  // The name is known as such (unmapped, the system would fall back to some
  // other face and name it), and under Wine the prefix maps it to WenQuanYi
  // Micro Hei: the font file's own name table says which font was taken.
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  EXPECT_STREQ(face, L"黑体");
  const DWORD kNameTable = 'n' | ('a' << 8) | ('m' << 16) | ('e' << 24);
  std::string names(GetFontData(dc, kNameTable, 0, nullptr, 0) == GDI_ERROR ? 0 : GetFontData(dc, kNameTable, 0, nullptr, 0), '\0');
  if (!names.empty()) GetFontData(dc, kNameTable, 0, &names[0], static_cast<DWORD>(names.size()));
  SelectObject(dc, old);
  ReleaseDC(w.hwnd(), dc);
  const std::string utf16be("\0W\0e\0n\0Q\0u\0a\0n\0Y\0i", 18);
  EXPECT_TRUE(names.find("WenQuanYi") != std::string::npos || names.find(utf16be) != std::string::npos)
      << names.size() << " bytes of names";

  w.SetTextW(ControlId::编辑框_ssid, L"我的热点_Lumaret");
  w.SetTextW(ControlId::编辑框_pw, L"Kq4xw8Tz2mB6e");
  SetFocus(w.Control(ControlId::超级按钮_ope));  // no caret, no focus mark
  Settle();
  const Screenshot s = Shot("look-boxes-text");
  EXPECT_LE(Darkest(s, w.GetPlace(ControlId::编辑框_ssid)), 60);  // black text on white
  EXPECT_LE(Darkest(s, w.GetPlace(ControlId::编辑框_pw)), 60);
  // The whole window, frame and title included, as a user sees it.
  const Screenshot window = CaptureWindow(w.hwnd());
  const std::string path = GetRunDirectory() + "\\..\\screenshots\\lumaret-window.png";
  EXPECT_TRUE(SavePng(window, std::wstring(path.begin(), path.end())));
}

TEST_F(LookTest, StandardTooltipsOnTheThreeButtonsWrapAt400Pixels) {
  HWND tip = w.tooltip();
  ASSERT_NE(tip, nullptr);
  wchar_t cls[64] = {};
  GetClassNameW(tip, cls, 64);
  EXPECT_STREQ(cls, TOOLTIPS_CLASSW);
  EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 400);
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 3);
  for (const ControlDescription& d : Controls()) {
    if (!d.tooltip) continue;
    SCOPED_TRACE(d.name);
    wchar_t text[256] = {};
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.hwnd = w.hwnd();
    ti.uId = reinterpret_cast<UINT_PTR>(w.Control(d.id));
    ti.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&ti));
    EXPECT_STREQ(text, d.tooltip);
  }

  // Resting on 超级按钮_id shows its tip.
  SendMessageW(tip, TTM_ACTIVATE, TRUE, 0);
  HoverOver(ControlId::超级按钮_id);
  EXPECT_TRUE(SettleUntil([&] { return IsWindowVisible(tip) != FALSE; }));
  RECT oneLine{};
  GetWindowRect(tip, &oneLine);
  if (IsWindowVisible(tip)) {
    Screenshot s = CaptureWindow(tip);
    const std::string path = GetRunDirectory() + "\\..\\screenshots\\look-tooltip.png";
    SavePng(s, std::wstring(path.begin(), path.end()));
  }
  // A tip far wider than 400 pixels wraps into lines no wider than that.
  std::wstring longText;
  for (int i = 0; i < 20; ++i) longText += L"热点名称 <仅可输入字母> ";
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof(ti);
  ti.hwnd = w.hwnd();
  ti.uId = reinterpret_cast<UINT_PTR>(w.Control(ControlId::超级按钮_id));
  ti.lpszText = &longText[0];
  SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
  SendMessageW(tip, TTM_UPDATE, 0, 0);
  Settle();
  RECT wrapped{};
  GetWindowRect(tip, &wrapped);
  EXPECT_LE(wrapped.right - wrapped.left, 400 + 2 * 8);  // 400 for the text, plus the tip's margins
  EXPECT_GE(wrapped.bottom - wrapped.top, 2 * (oneLine.bottom - oneLine.top) - 8);
  ti.lpszText = const_cast<wchar_t*>(Describe(ControlId::超级按钮_id).tooltip);
  SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
  Leave(ControlId::超级按钮_id);
}

}  // namespace
}  // namespace lumaret
