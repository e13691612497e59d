// The window moved to a monitor of another scale: WM_DPICHANGED, as Windows
// sends it, scales every place, font, length and picture to the new DPI and
// loses nothing. (The window's start at a DPI other than 96 is the DPI
// end-to-end test's: tools/dpi_e2e_test.cpp.)
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/dpi_scale.h"
#include "app/main_window.h"
#include "app/panel_layout.h"
#include "app/startup.h"
#include "app/tests/screen_check.h"
#include "app/window_dpi.h"
#include "testsupport/window_test_support.h"

namespace lumaret {
namespace {

LOGFONTW FontOf(HWND control) {
  LOGFONTW lf{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof lf, &lf);
  return lf;
}

class DpiTest : public testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(0, 0);  // away from the window
    RemoveSettingsBesideProgram();
    ASSERT_TRUE(OpenMainWindow());
    SendMessageW(w.tooltip(), TTM_ACTIVATE, FALSE, 0);  // no tip over the shots
    Settle();
    ASSERT_EQ(w.dpi(), 96) << "the tests' prefix runs at 96 DPI";
  }
  void TearDown() override { CloseMainWindow(); }

  // The rectangle Windows suggests for the window at `dpi`: its client area
  // scaled, in the frame at that DPI; centred here, so it stays on the
  // screen for the shots.
  RECT Suggested(int dpi) const {
    const DWORD style = static_cast<DWORD>(GetWindowLongW(w.hwnd(), GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(w.hwnd(), GWL_EXSTYLE));
    const Size size = MainWindowSizeAt(dpi, FrameSizeAt(style, exStyle, 96), FrameSizeAt(style, exStyle, dpi));
    const Point at = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), size.width,
                                   size.height);
    return {at.x, at.y, at.x + size.width, at.y + size.height};
  }
  // As Windows sends it: both halves of wParam the new DPI.
  void MoveToScale(int dpi) {
    RECT suggested = Suggested(dpi);
    SendMessageW(w.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    Settle();
  }

  // Where a control belongs at `dpi`: its place scaled, the panel and its
  // children laid out for the window's outer size.
  Rect Expected(ControlId id, int dpi) const {
    const PanelGeometry g = LayOutAdapterPanelGeometry(w.Width(), w.Height(), DesignPanelGeometry(dpi), dpi);
    switch (id) {
      case ControlId::分组框1: return g.panel;
      case ControlId::编辑框1: return g.report;
      case ControlId::按钮1: return g.close;
      case ControlId::按钮2: return g.refresh;
      case ControlId::透明标签3: return g.hint;
      default: return PlaceAt(id, dpi);
    }
  }

  MainWindow& w = TheMainWindow();
};

TEST_F(DpiTest, EveryPlaceFontAndLengthFollowsTheNewScale) {
  HFONT stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTW stockFont{};
  ASSERT_EQ(GetObjectW(stock, sizeof stockFont, &stockFont), static_cast<int>(sizeof stockFont));
  // To 150 %, 125 %, 200 %, and back to 100 %, where everything is as it
  // was made.
  for (int dpi : {144, 120, 192, 96}) {
    SCOPED_TRACE(testing::Message() << dpi << " DPI");
    const RECT suggested = Suggested(dpi);
    MoveToScale(dpi);
    EXPECT_EQ(w.dpi(), dpi);
    RECT r{};
    GetWindowRect(w.hwnd(), &r);
    EXPECT_EQ(r.left, suggested.left);
    EXPECT_EQ(r.top, suggested.top);
    EXPECT_EQ(w.Width(), suggested.right - suggested.left);
    EXPECT_EQ(w.Height(), suggested.bottom - suggested.top);
    if (dpi == 96) {
      EXPECT_EQ(w.Width(), 468);
      EXPECT_EQ(w.Height(), 357);
    }

    for (const ControlDescription& d : Controls()) {
      const Rect got = w.GetPlace(d.id), want = Expected(d.id, dpi);
      EXPECT_EQ(got, want) << d.name << " at " << got.left << "," << got.top << " " << got.width << "x" << got.height;
      const LOGFONTW font = FontOf(w.Control(d.id));
      if (d.kind == ControlKind::EditBox) {
        EXPECT_EQ(font.lfHeight, -ScaleToDpi(14, dpi)) << d.name;
        EXPECT_STREQ(font.lfFaceName, L"黑体");
        EXPECT_EQ(font.lfWeight, FW_NORMAL);
      } else {
        // The default GUI font, made for the system DPI, at the window's.
        EXPECT_EQ(font.lfHeight, MulDiv(stockFont.lfHeight, dpi, SystemDpi())) << d.name;
        EXPECT_STREQ(font.lfFaceName, stockFont.lfFaceName);
        if (dpi == SystemDpi()) {
          EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(w.Control(d.id), WM_GETFONT, 0, 0)), stock) << d.name;
        }
      }
    }
    // The boxes count characters: their limits stay.
    EXPECT_EQ(SendMessageW(w.Control(ControlId::编辑框_ssid), EM_GETLIMITTEXT, 0, 0), 18);
    EXPECT_EQ(SendMessageW(w.Control(ControlId::编辑框_pw), EM_GETLIMITTEXT, 0, 0), 26);
    // Their one line is centred in them with the new font and height: the
    // margin above and below it is what is left of the box's height.
    for (ControlId box : {ControlId::编辑框_ssid, ControlId::编辑框_pw}) {
      HWND h = w.Control(box);
      HDC dc = GetDC(h);
      HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
      TEXTMETRICW tm{};
      GetTextMetricsW(dc, &tm);
      SelectObject(dc, old);
      ReleaseDC(h, dc);
      RECT client{};
      GetClientRect(h, &client);
      const int height = w.GetPlace(box).height;
      EXPECT_EQ(client.bottom, height - 2 * ((height - tm.tmHeight) / 2)) << Describe(box).name;
    }
    EXPECT_EQ(SendMessageW(w.tooltip(), TTM_GETMAXTIPWIDTH, 0, 0), ScaleToDpi(400, dpi));

    // The pictures and the icons for the new scale.
    EXPECT_EQ(w.look().dpi(), dpi);
    for (Picture p : kAllPictures) {
      EXPECT_EQ(w.look().picture(p).width, PictureSizeAt(p, dpi).width);
      EXPECT_EQ(w.look().picture(p).height, PictureSizeAt(p, dpi).height);
    }
    const struct {
      WPARAM which;
      int metric;
    } icons[] = {{ICON_SMALL, SM_CXSMICON}, {ICON_BIG, SM_CXICON}};
    for (const auto& i : icons) {
      HICON icon = reinterpret_cast<HICON>(SendMessageW(w.hwnd(), WM_GETICON, i.which, 0));
      ICONINFO info{};
      ASSERT_TRUE(icon && GetIconInfo(icon, &info));
      BITMAP bm{};
      GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
      EXPECT_EQ(bm.bmWidth, SystemMetricAt(i.metric, dpi));
      if (info.hbmColor) DeleteObject(info.hbmColor);
      if (info.hbmMask) DeleteObject(info.hbmMask);
    }
  }
}

// The ink of a text button's caption in a shot: the rows and columns that
// differ from the button face.
struct Ink {
  int top = -1, bottom = -1, left = -1, right = -1;
  int bands = 0;  // runs of inked rows
};
Ink InkOf(const Screenshot& s, const Rect& r, COLORREF ground) {
  Ink ink;
  bool lastInked = false;
  for (int y = 0; y < r.height; ++y) {
    bool inked = false;
    for (int x = 0; x < r.width; ++x) {
      if (s.At(r.left + x, r.top + y) == ground) continue;
      inked = true;
      ink.left = ink.left < 0 ? x : std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
    }
    if (inked) {
      if (ink.top < 0) ink.top = y;
      ink.bottom = y;
      if (!lastInked) ++ink.bands;
    }
    lastInked = inked;
  }
  return ink;
}

// At each scale the screen shows that scale's pictures where the rules put
// them, a pressed button moves by that scale's shift, and every caption of
// the bottom row fits its button on one line.
TEST_F(DpiTest, TheScreenShowsThePicturesAndCaptionsOfTheNewScale) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE), white = RGB(255, 255, 255);
  for (int dpi : {144, 120, 192}) {
    SCOPED_TRACE(testing::Message() << dpi << " DPI");
    MoveToScale(dpi);
    SetFocus(w.Control(ControlId::超级按钮_ope));  // no caret in the shots
    Settle();
    const std::string name = "dpi-changed-" + std::to_string(dpi);
    const Screenshot s = ShootClientArea(w.hwnd(), name.c_str());
    const PicturePixels bg = ReadPicture(Picture::Background, dpi);
    ASSERT_EQ(bg.width, PictureSizeAt(Picture::Background, dpi).width);

    // The background at its natural size, button face around it, wherever
    // no control lies.
    int bad = 0, checked = 0;
    std::string first;
    for (int y = 0; y < s.height; ++y)
      for (int x = 0; x < s.width; ++x) {
        bool covered = false;
        for (const ControlDescription& d : Controls()) {
          const Rect r = w.GetPlace(d.id);
          if (!d.inPanel && IsWindowVisible(w.Control(d.id)) && x >= r.left && x < r.left + r.width && y >= r.top &&
              y < r.top + r.height) {
            covered = true;
          }
        }
        if (covered) continue;
        ++checked;
        const bool inPicture = x < bg.width && y < bg.height && bg.At(x, y) != bg.key;
        const COLORREF want = inPicture ? bg.At(x, y) : face;
        if (s.At(x, y) != want && bad++ == 0) {
          first = std::to_string(x) + "," + std::to_string(y) + " want " + Hex(want) + " got " + Hex(s.At(x, y));
        }
      }
    EXPECT_GT(checked, 100000 * dpi / 96 * dpi / 96);  // as at 96 DPI, over the scaled area
    EXPECT_EQ(bad, 0) << first;

    // The faces and rings of the scale, centred by the rule with the
    // scaled sizes.
    const struct {
      ControlId id;
      Picture picture;
      COLORREF fill;
    } buttons[] = {{ControlId::超级按钮_ope, Picture::Open, face},
                   {ControlId::超级按钮_off, Picture::Close, face},
                   {ControlId::超级按钮_id, Picture::RingBlue, white},
                   {ControlId::超级按钮_mmsj, Picture::RingBlue, white}};
    for (const auto& b : buttons) {
      const PicturePixels p = ReadPicture(b.picture, dpi);
      const Rect r = w.GetPlace(b.id);
      const Point at = PicturePlacement(r.width, r.height, p.width, p.height);
      EXPECT_EQ(CompareButton(w, s, b.id, p, at, b.fill, &first), 0) << Describe(b.id).name << " " << first;
    }

    // Pressed, the lit ring moves right and down by the scale's shift.
    HWND ring = w.Control(ControlId::超级按钮_id);
    SendMessageW(ring, BM_SETSTATE, TRUE, 0);
    Settle();
    const Screenshot pressed = ShootClientArea(w.hwnd(), (name + "-pressed-ring").c_str());
    const PicturePixels lit = ReadPicture(Picture::RingOrange, dpi);
    const Rect r = w.GetPlace(ControlId::超级按钮_id);
    Point at = PicturePlacement(r.width, r.height, lit.width, lit.height);
    at.x += PressedShift(dpi);
    at.y += PressedShift(dpi);
    EXPECT_EQ(CompareButton(w, pressed, ControlId::超级按钮_id, lit, at, white, &first), 0) << first;
    SendMessageW(ring, BM_SETSTATE, FALSE, 0);
    Settle();

    // The links along the bottom: each caption, measured with the window's
    // font, fits its button, and shows as one line of ink clear of the
    // button's edges (a wrapped caption would be cut off at both).
    for (ControlId id : {ControlId::超级按钮3, ControlId::超级按钮4, ControlId::超级按钮, ControlId::超级按钮1}) {
      SCOPED_TRACE(Describe(id).name);
      HWND h = w.Control(id);
      const std::wstring caption = w.GetTextW(id);
      HDC dc = GetDC(h);
      HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
      SIZE extent{};
      GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
      TEXTMETRICW tm{};
      GetTextMetricsW(dc, &tm);
      SelectObject(dc, old);
      ReleaseDC(h, dc);
      const Rect place = w.GetPlace(id);
      EXPECT_LE(extent.cx, place.width);
      EXPECT_LE(tm.tmHeight, place.height);
      const Ink ink = InkOf(s, place, face);
      EXPECT_EQ(ink.bands, 1);
      EXPECT_GT(ink.top, 0);
      EXPECT_LT(ink.bottom, place.height - 1);
      EXPECT_GT(ink.left, 0);
      EXPECT_LT(ink.right, place.width - 1);
    }
  }
}

// The user's work survives the move: texts, the status line and its
// tooltip, the checked state, the disabled button, the focus and the
// panel, shown or hidden.
TEST_F(DpiTest, NothingIsLostWhenTheScaleChanges) {
  const std::wstring status = L"WIFI热点开启失败：请以管理员身份运行";
  const std::wstring tooltip = L"WIFI热点开启失败：请以管理员身份运行\r\n\r\nnetsh:\r\n请求的操作需要提升。";
  w.SetTextW(ControlId::编辑框_ssid, L"我的热点");
  w.SetTextW(ControlId::编辑框_pw, L"Kq4xw8Tz2mB6e");
  w.SetTextW(ControlId::透明标签_tip, status);
  w.SetTooltipW(ControlId::透明标签_tip, tooltip);
  w.SetChecked(ControlId::超级按钮, true);
  w.SetEnabled(ControlId::超级按钮_off, false);
  w.FocusControl(ControlId::编辑框_pw);
  SendMessageW(w.Control(ControlId::编辑框_pw), EM_SETSEL, 2, 5);
  auto unchanged = [&] {
    EXPECT_EQ(w.GetTextW(ControlId::编辑框_ssid), L"我的热点");
    EXPECT_EQ(w.GetTextW(ControlId::编辑框_pw), L"Kq4xw8Tz2mB6e");
    EXPECT_EQ(w.GetTextW(ControlId::透明标签_tip), status);
    EXPECT_EQ(w.TooltipW(ControlId::透明标签_tip), tooltip);
    EXPECT_EQ(SendMessageW(w.tooltip(), TTM_GETTOOLCOUNT, 0, 0), 4);
    EXPECT_EQ(w.GetChecked(ControlId::超级按钮), 1);
    EXPECT_FALSE(w.IsEnabled(ControlId::超级按钮_off));
    EXPECT_TRUE(w.IsEnabled(ControlId::超级按钮_ope));
  };

  MoveToScale(144);
  unchanged();
  ControlId focused{};
  ASSERT_TRUE(w.FocusedControl(&focused));
  EXPECT_EQ(focused, ControlId::编辑框_pw);
  DWORD start = 0, end = 0;
  SendMessageW(w.Control(ControlId::编辑框_pw), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 2u);
  EXPECT_EQ(end, 5u);
  EXPECT_FALSE(w.IsVisible(ControlId::分组框1));

  // The panel shown, with a report, over the controls it hides.
  ShowAdapterPanel();
  DrainMessages();
  w.SetTextW(ControlId::编辑框1, L"");
  w.AppendTextW(ControlId::编辑框1, L"本地连接\r\nIP: 192.168.137.1\r\n");
  ASSERT_TRUE(IsWindowVisible(w.Control(ControlId::分组框1)));
  ASSERT_TRUE(w.FocusedControl(&focused));
  EXPECT_EQ(focused, ControlId::按钮2);
  MoveToScale(192);
  unchanged();
  EXPECT_TRUE(IsWindowVisible(w.Control(ControlId::分组框1)));
  EXPECT_EQ(w.GetPlace(ControlId::分组框1), (Rect{0, 0, w.Width(), w.Height()}));
  EXPECT_FALSE(IsWindowVisible(w.Control(ControlId::超级按钮_ope)));  // still under the panel
  EXPECT_TRUE(IsWindowVisible(w.Control(ControlId::超级按钮1)));      // still above it
  EXPECT_EQ(w.GetTextW(ControlId::编辑框1), L"本地连接\r\nIP: 192.168.137.1\r\n");
  ASSERT_TRUE(w.FocusedControl(&focused));
  EXPECT_EQ(focused, ControlId::按钮2);

  // Closed again at 125 %: the controls come back where that scale puts
  // them, the focus where it was.
  MoveToScale(120);
  HideAdapterPanel();
  DrainMessages();
  EXPECT_FALSE(IsWindowVisible(w.Control(ControlId::分组框1)));
  EXPECT_TRUE(IsWindowVisible(w.Control(ControlId::超级按钮_ope)));
  EXPECT_EQ(w.GetPlace(ControlId::超级按钮_ope), PlaceAt(ControlId::超级按钮_ope, 120));
  ASSERT_TRUE(w.FocusedControl(&focused));
  EXPECT_EQ(focused, ControlId::编辑框_pw);
  unchanged();
}

}  // namespace
}  // namespace lumaret
