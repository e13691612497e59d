// Lumaret.exe started on a display at 125, 150 and 200 % (120, 144 and 192
// DPI), as a user with such a display starts it: the window, its controls,
// its pictures and its captions at that scale, seen from outside. The
// display's scale is the test prefix's LogPixels, which Wine reads when a
// process starts; it is set for each start and put back afterwards, so the
// other tests (and this process) stay at 96 DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>

#include "app/button_look.h"
#include "app/dpi_scale.h"
#include "app/panel_layout.h"
#include "app/picture_codec.h"
#include "app/pictures.h"
#include "app/window_description.h"
#include "tools/driver.h"
#include "tools/screen_capture.h"

namespace lumaret {
namespace {

// The registry values Wine 8 takes the system DPI from: the user's and,
// when the user has none, the machine's (where winecfg writes it).
const struct {
  HKEY root;
  const wchar_t* key;
} kLogPixels[] = {
    {HKEY_CURRENT_USER, L"Control Panel\\Desktop"},
    {HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts"},
};

// The display at `dpi` for the programs started while it lives; the values
// as they were (or their absence) come back when it goes.
class DisplayScale {
 public:
  explicit DisplayScale(int dpi) {
    for (std::size_t i = 0; i < std::size(kLogPixels); ++i) {
      HKEY k = nullptr;
      if (RegCreateKeyExW(kLogPixels[i].root, kLogPixels[i].key, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &k,
                          nullptr) != ERROR_SUCCESS) {
        continue;
      }
      DWORD size = sizeof old_[i], type = 0;
      had_[i] = RegQueryValueExW(k, L"LogPixels", nullptr, &type, reinterpret_cast<BYTE*>(&old_[i]), &size) ==
                    ERROR_SUCCESS &&
                type == REG_DWORD;
      const DWORD value = static_cast<DWORD>(dpi);
      set_[i] = RegSetValueExW(k, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
                ERROR_SUCCESS;
      RegCloseKey(k);
    }
  }
  ~DisplayScale() {
    for (std::size_t i = 0; i < std::size(kLogPixels); ++i) {
      HKEY k = nullptr;
      if (!set_[i] || RegOpenKeyExW(kLogPixels[i].root, kLogPixels[i].key, 0, KEY_WRITE, &k) != ERROR_SUCCESS) continue;
      if (had_[i]) {
        RegSetValueExW(k, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_[i]), sizeof old_[i]);
      } else {
        RegDeleteValueW(k, L"LogPixels");
      }
      RegCloseKey(k);
    }
  }
  bool set() const { return set_[0] || set_[1]; }

 private:
  DWORD old_[std::size(kLogPixels)] = {};
  bool had_[std::size(kLogPixels)] = {};
  bool set_[std::size(kLogPixels)] = {};
};

// What a frame of the window's style adds to its client area at `dpi`, as
// Windows measures it.
Size FrameAt(HWND window, int dpi) {
  using Adjust = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  const auto adjust = reinterpret_cast<Adjust>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  RECT r{0, 0, 0, 0};
  if (!adjust || !adjust(&r, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), static_cast<UINT>(dpi))) {
    return {};
  }
  return {r.right - r.left, r.bottom - r.top};
}

// A picture stored in Lumaret.exe, decoded.
Pixels StoredPicture(HMODULE exe, Picture p, int dpi) {
  const std::string name = PictureResourceName(p, PictureSetFor(dpi));
  HRSRC found = FindResourceW(exe, std::wstring(name.begin(), name.end()).c_str(), RT_RCDATA);
  Pixels out;
  if (found) {
    DecodePicture(static_cast<const std::uint8_t*>(LockResource(LoadResource(exe, found))),
                  SizeofResource(exe, found), &out);
  }
  return out;
}

COLORREF AsColorref(std::uint32_t c) { return RGB(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF); }

// A control's outer rectangle in its parent's client coordinates, read from
// outside.
Rect PlaceOf(HWND main, ControlId id) {
  HWND h = ControlOf(main, id);
  RECT r{};
  if (!h) return {};
  GetWindowRect(h, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

bool Inside(const Rect& r, int x, int y) {
  return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
}

class StartedAtScale : public testing::TestWithParam<int> {
 protected:
  void TearDown() override {
    if (pi_.hProcess) {
      if (WaitForSingleObject(pi_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
      CloseHandle(pi_.hThread);
      CloseHandle(pi_.hProcess);
    }
  }
  // Lumaret.exe started on the scaled display; its window, once shown.
  HWND Start(int dpi) {
    DisplayScale scale(dpi);
    EXPECT_TRUE(scale.set());
    SetCursorPos(0, 0);  // away from the window: no hover look in the shots
    const std::wstring exe = ThisProgramFolder() + L"Lumaret.exe";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring cmd = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) return nullptr;
    // The process has read the DPI once its window is there.
    HWND w = WaitForLumaretWindow(30000);
    Sleep(1000);  // painted
    return w;
  }
  void Close(HWND w) {
    PressEscape(w);
    EXPECT_EQ(WaitForSingleObject(pi_.hProcess, 15000), WAIT_OBJECT_0) << "Esc did not close the program";
    DWORD code = 1234;
    GetExitCodeProcess(pi_.hProcess, &code);
    EXPECT_EQ(code, 0u);
  }
  PROCESS_INFORMATION pi_{};
};

TEST_P(StartedAtScale, WindowControlsPicturesAndCaptionsAtTheDisplaysScale) {
  const int dpi = GetParam();
  HWND w = Start(dpi);
  ASSERT_NE(w, nullptr) << "no window titled Lumaret";

  // The outer size: the client area of 96 DPI scaled, in the frame at this
  // DPI; 468 x 357 scaled (702 x 536 at 150 %) but for what the frame does
  // not scale exactly (Wine keeps its borders 3 pixels wide).
  RECT r{};
  GetWindowRect(w, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  const Size frame96 = FrameAt(w, 96), frame = FrameAt(w, dpi);
  ASSERT_GT(frame.height, 0);
  EXPECT_EQ(Size({width, height}), MainWindowSizeAt(dpi, frame96, frame)) << width << " x " << height;
  EXPECT_LE(std::abs(width - ScaleToDpi(468, dpi)), std::abs(frame.width - ScaleToDpi(frame96.width, dpi)) + 1);
  EXPECT_LE(std::abs(height - ScaleToDpi(357, dpi)), std::abs(frame.height - ScaleToDpi(frame96.height, dpi)) + 1);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);

  // Every control at its place scaled, the panel laid out for this size.
  const PanelGeometry g = LayOutAdapterPanelGeometry(width, height, DesignPanelGeometry(dpi), dpi);
  for (const ControlDescription& d : Controls()) {
    Rect want = PlaceAt(d.id, dpi);
    if (d.id == ControlId::分组框1) want = g.panel;
    if (d.id == ControlId::编辑框1) want = g.report;
    if (d.id == ControlId::按钮1) want = g.close;
    if (d.id == ControlId::按钮2) want = g.refresh;
    if (d.id == ControlId::透明标签3) want = g.hint;
    const Rect got = PlaceOf(w, d.id);
    EXPECT_EQ(got, want) << d.name << " at " << got.left << "," << got.top << " " << got.width << "x" << got.height;
  }

  const Screenshot s = CaptureWindow(w, true);

  // The client area shows this scale's pictures: the background wherever no
  // control lies, the faces and rings centred in their buttons.
  HMODULE exe = LoadLibraryExW((ThisProgramFolder() + L"Lumaret.exe").c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(exe, nullptr);
  const COLORREF face = GetSysColor(COLOR_BTNFACE), white = RGB(255, 255, 255);
  const Pixels bg = StoredPicture(exe, Picture::Background, dpi);
  ASSERT_EQ(bg.width, PictureSizeAt(Picture::Background, dpi).width);
  const std::uint32_t key = bg.At(0, 0);
  int bad = 0, checked = 0;
  std::string first;
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x) {
      bool covered = false;
      for (const ControlDescription& d : Controls()) {
        if (!d.inPanel && d.id != ControlId::分组框1 && Inside(PlaceAt(d.id, dpi), x, y)) covered = true;
      }
      if (covered) continue;
      ++checked;
      const bool inPicture = x < bg.width && y < bg.height && bg.At(x, y) != key;
      const COLORREF want = inPicture ? AsColorref(bg.At(x, y)) : face;
      if (s.At(x, y) != want && bad++ == 0) first = std::to_string(x) + "," + std::to_string(y);
    }
  EXPECT_GT(checked, 100000 * dpi / 96 * dpi / 96);
  EXPECT_EQ(bad, 0) << "background differs first at " << first;

  const struct {
    ControlId id;
    Picture picture;
    COLORREF fill;
  } buttons[] = {{ControlId::超级按钮_ope, Picture::Open, face},
                 {ControlId::超级按钮_off, Picture::Close, face},
                 {ControlId::超级按钮_id, Picture::RingBlue, white},
                 {ControlId::超级按钮_mmsj, Picture::RingBlue, white}};
  for (const auto& b : buttons) {
    const Pixels p = StoredPicture(exe, b.picture, dpi);
    ASSERT_FALSE(p.empty());
    const Rect place = PlaceAt(b.id, dpi);
    const Point at = PicturePlacement(place.width, place.height, p.width, p.height);
    int differ = 0;
    for (int y = 0; y < place.height; ++y)
      for (int x = 0; x < place.width; ++x) {
        const int px = x - at.x, py = y - at.y;
        COLORREF want = b.fill;
        if (px >= 0 && py >= 0 && px < p.width && py < p.height && p.At(px, py) != p.At(0, 0)) {
          want = AsColorref(p.At(px, py));
        }
        if (s.At(place.left + x, place.top + y) != want) ++differ;
      }
    EXPECT_EQ(differ, 0) << Describe(b.id).name;
  }
  FreeLibrary(exe);

  // The bottom row of links on one line: each caption's ink is one band of
  // rows, clear of its button's edges (wrapped, it would be cut off at the
  // top and bottom, as the 96-DPI places with the larger font once did).
  for (ControlId id : {ControlId::超级按钮3, ControlId::超级按钮4, ControlId::超级按钮, ControlId::超级按钮1}) {
    const Rect place = PlaceAt(id, dpi);
    int top = -1, bottom = -1, left = place.width, right = -1, bands = 0;
    bool last = false;
    for (int y = 0; y < place.height; ++y) {
      bool inked = false;
      for (int x = 0; x < place.width; ++x) {
        if (s.At(place.left + x, place.top + y) == face) continue;
        inked = true;
        left = std::min(left, x);
        right = std::max(right, x);
      }
      if (inked && !last) ++bands;
      if (inked && top < 0) top = y;
      if (inked) bottom = y;
      last = inked;
    }
    EXPECT_EQ(bands, 1) << Describe(id).name;
    EXPECT_GT(top, 0) << Describe(id).name;
    EXPECT_LT(bottom, place.height - 1) << Describe(id).name;
    EXPECT_GT(left, 0) << Describe(id).name;
    EXPECT_LT(right, place.width - 1) << Describe(id).name;
  }

  // The whole window as a user sees it, a name and password typed and the
  // focus moved on from the name box (so no caret shows): the README's
  // picture of Lumaret at that scale.
  const struct {
    ControlId id;
    const wchar_t* text;
  } typed[] = {{ControlId::编辑框_ssid, L"我的热点_Lumaret"}, {ControlId::编辑框_pw, L"Kq4xw8Tz2mB6e"}};
  for (const auto& t : typed) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(ControlOf(w, t.id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(t.text), SMTO_NORMAL, 5000,
                        &result);
    EXPECT_EQ(ControlText(w, t.id), t.text);
  }
  PressKey(w, VK_TAB);
  Sleep(1000);
  CreateDirectoryW(L"screenshots", nullptr);
  EXPECT_TRUE(SavePng(CaptureWindow(w), L"screenshots\\e2e-window-" + std::to_wstring(dpi) + L".png"));

  Close(w);
}

INSTANTIATE_TEST_SUITE_P(Scales, StartedAtScale, testing::Values(144, 120, 192),
                         [](const testing::TestParamInfo<int>& i) { return "Dpi" + std::to_string(i.param); });

// The manifest says what Windows reads: per-monitor v2 (then v1) for
// Windows 10 1607 and later, and per-monitor for the older ones, each under
// the namespace Microsoft gives it, as the system's own manifest reader
// finds them.
TEST(DpiAwareness, TheManifestDeclaresPerMonitorAwareness) {
  const std::wstring exe = ThisProgramFolder() + L"Lumaret.exe";
  ACTCTXW ctx{};
  ctx.cbSize = sizeof ctx;
  ctx.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  ctx.lpSource = exe.c_str();
  ctx.lpResourceName = MAKEINTRESOURCEW(1);
  HANDLE context = CreateActCtxW(&ctx);
  ASSERT_NE(context, INVALID_HANDLE_VALUE);
  auto setting = [&](const wchar_t* ns, const wchar_t* name) {
    wchar_t value[128] = {};
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, context, ns, name, value, std::size(value), &written)) return std::wstring(L"(none)");
    return std::wstring(value);
  };
  EXPECT_EQ(setting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"),
            L"PerMonitorV2, PerMonitor");
  EXPECT_EQ(setting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"), L"true/pm");
  ReleaseActCtx(context);
}

}  // namespace
}  // namespace lumaret
