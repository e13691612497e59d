#include "app/main_window.h"

#include <commctrl.h>

#include "app/accessible_name.h"
#include "app/control_look.h"
#include "app/dpi_scale.h"
#include "app/panel_layout.h"
#include "app/window_dpi.h"
#include "common/encoding.h"

namespace lumaret {

namespace {

const wchar_t kWindowClass[] = L"LumaretMainWindow";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;
constexpr UINT_PTR kSubclassId = 1;         // the kind's own subclass, below
constexpr UINT_PTR kControlSubclassId = 2;  // ControlProc, on every control

bool IsButtonKind(ControlKind k) {
  return k == ControlKind::TextButton || k == ControlKind::TwoStateButton || k == ControlKind::PictureButton ||
         k == ControlKind::PushButton;
}

bool IsCustomButton(ControlKind k) {
  return k == ControlKind::TextButton || k == ControlKind::TwoStateButton || k == ControlKind::PictureButton;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return TheMainWindow().HandleMessage(hwnd, msg, wp, lp);
}

// Every control: tells the window which control has the focus, so it can
// give it back, and answers screen readers with the names that the window
// texts do not hold.
LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
  const ControlId id = static_cast<ControlId>(ref);
  if (msg == WM_SETFOCUS && Describe(id).takesFocus) TheMainWindow().NoteFocus(id);
  if (msg == WM_GETOBJECT) {
    LRESULT answer = 0;
    if (AnswerAccessibleObject(hwnd, AccessibleNameOf(id), wp, lp, &answer)) return answer;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

// The panel: opaque, takes the clicks that land on it (so nothing beneath it
// is reached), and hands its children's notifications to the window.
LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  switch (msg) {
    case WM_NCHITTEST:
      return HTCLIENT;
    case WM_SETFOCUS:
      // The panel takes no focus of its own; it gets it when a focused
      // child is hidden (the report box while a report is written).
      TheMainWindow().RestoreFocus();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      TheMainWindow().look().ErasePanel(hwnd, dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetParent(hwnd), msg, wp, lp);
    default:
      return DefSubclassProc(hwnd, msg, wp, lp);
  }
}

// The report box keeps Enter for itself and nothing else: Tab and Esc are
// left to the window.
LRESULT CALLBACK ReportBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (msg == WM_GETDLGCODE) {
    LRESULT code = DefSubclassProc(hwnd, msg, wp, lp) & ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
    const MSG* m = reinterpret_cast<const MSG*>(lp);
    if (m && (m->message == WM_KEYDOWN || m->message == WM_CHAR) && m->wParam == VK_RETURN) {
      code |= DLGC_WANTMESSAGE;
    }
    return code;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

// Custom-drawn buttons track the pointer for their hover look: it starts
// when the pointer enters with the left button up, and ends when it leaves
// or the button loses the focus.
LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
  MainWindow& w = TheMainWindow();
  const ControlId id = static_cast<ControlId>(ref);
  ControlState& s = w.State(id);
  const bool before = s.hover();
  switch (msg) {
    case WM_MOUSEMOVE:
      if (s.hoverTracker.OnPointerMove((wp & MK_LBUTTON) != 0)) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&tme);
      }
      break;
    case WM_MOUSELEAVE:
      s.hoverTracker.OnPointerLeave();
      break;
    case WM_KILLFOCUS:
      s.hoverTracker.OnFocusLost();
      break;
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button reports the second click of a double click as
      // BN_DOUBLECLICKED and then neither shows pressed nor clicks when the
      // mouse button comes up, so a quick second click would be lost. Taken
      // as the press it is, it shows pressed and clicks once on the release.
      msg = WM_LBUTTONDOWN;
      break;
    case WM_ERASEBKGND:
      return 1;  // WM_DRAWITEM paints every pixel
    default:
      break;
  }
  if (s.hover() != before) InvalidateRect(hwnd, nullptr, FALSE);
  return DefSubclassProc(hwnd, msg, wp, lp);
}

// The name and password boxes centre their line vertically: the space above
// and below it is a white, borderless non-client margin (a single-line edit
// box draws its text at the top of its client area).
LRESULT CALLBACK EditBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR margin) {
  switch (msg) {
    case WM_NCCALCSIZE: {
      const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      RECT* rc = wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : reinterpret_cast<RECT*>(lp);
      const int m = static_cast<int>(margin);
      if (rc->bottom - rc->top > 2 * m) {
        rc->top += m;
        rc->bottom -= m;
      }
      return r;
    }
    case WM_NCPAINT: {
      HDC dc = GetWindowDC(hwnd);
      RECT outer, client;
      GetWindowRect(hwnd, &outer);
      GetClientRect(hwnd, &client);
      MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
      OffsetRect(&client, -outer.left, -outer.top);
      OffsetRect(&outer, -outer.left, -outer.top);
      ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
      FillRect(dc, &outer, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      ReleaseDC(hwnd, dc);
      return 0;
    }
    case WM_NCHITTEST:
      return HTCLIENT;  // the margin takes clicks like the rest of the box
    default:
      return DefSubclassProc(hwnd, msg, wp, lp);
  }
}

// Labels are drawn without a background of their own; the owner draw paints
// what lies beneath, so the label must not erase first.
LRESULT CALLBACK LabelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (msg == WM_ERASEBKGND) return 1;
  if (msg == WM_SETTEXT) {
    // Shown at once, also while a click handler keeps the loop busy.
    const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    return r;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

// The margin above and below a line of the box's font that centres it.
int LineMargin(HWND box, int height) {
  HDC dc = GetDC(box);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(box, dc);
  return tm.tmHeight > 0 && tm.tmHeight < height ? (height - tm.tmHeight) / 2 : 0;
}

// The window's outer size at `dpi`: its client area at 96 DPI scaled, in the
// frame Windows draws at `dpi`.
Size OuterSizeAt(int dpi) {
  return MainWindowSizeAt(dpi, FrameSizeAt(kWindowStyle, kWindowExStyle, kDesignDpi),
                          FrameSizeAt(kWindowStyle, kWindowExStyle, dpi));
}

}  // namespace

MainWindow::Fonts MainWindow::MakeFonts(int dpi) {
  Fonts f;
  // Windows makes the stock font for the system DPI; at another DPI the
  // same font is made with its height scaled.
  f.gui = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  const int system = SystemDpi();
  LOGFONTW lf{};
  if (dpi != system && GetObjectW(f.gui, sizeof lf, &lf) == sizeof lf) {
    lf.lfHeight = MulDiv(lf.lfHeight, dpi, system);
    lf.lfWidth = MulDiv(lf.lfWidth, dpi, system);
    if (HFONT scaled = CreateFontIndirectW(&lf)) {
      f.gui = scaled;
      f.ownsGui = true;
    }
  }
  f.box = CreateFontW(-ScaleToDpi(kBoxFontHeight, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"黑体");
  return f;
}

void MainWindow::DeleteFonts(const Fonts& f) {
  if (f.ownsGui && f.gui) DeleteObject(f.gui);
  if (f.box) DeleteObject(f.box);
}

HFONT MainWindow::FontFor(ControlKind kind) const {
  return kind == ControlKind::EditBox && fonts_.box ? fonts_.box : fonts_.gui;
}

void MainWindow::SetIcons() {
  const struct {
    WPARAM which;
    int width, height;
  } icons[] = {{ICON_SMALL, SystemMetricAt(SM_CXSMICON, dpi_), SystemMetricAt(SM_CYSMICON, dpi_)},
               {ICON_BIG, SystemMetricAt(SM_CXICON, dpi_), SystemMetricAt(SM_CYICON, dpi_)}};
  for (std::size_t i = 0; i < icons_.size(); ++i) {
    HICON icon = static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON, icons[i].width, icons[i].height, 0));
    if (!icon) continue;
    SendMessageW(hwnd_, WM_SETICON, icons[i].which, reinterpret_cast<LPARAM>(icon));
    if (icons_[i]) DestroyIcon(icons_[i]);
    icons_[i] = icon;
  }
}

MainWindow& TheMainWindow() {
  static MainWindow window;
  return window;
}

bool MainWindow::Create(HINSTANCE instance, CreatedHandler onCreated, ClickHandler onClick) {
  onClick_ = onClick;

  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (!GetClassInfoExW(instance, kWindowClass, &wc)) {
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr;  // WM_ERASEBKGND paints the whole client area
    wc.lpszClassName = kWindowClass;
    if (!RegisterClassExW(&wc)) return false;
  }

  // Made hidden at its size at 96 DPI first: the DPI it is drawn at is that
  // of the monitor it lands on, which only the window itself can tell.
  instance_ = instance;
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  Point origin = CentredOrigin(screenWidth, screenHeight, kMainWindowWidth, kMainWindowHeight);
  hwnd_ = CreateWindowExW(kWindowExStyle, kWindowClass, kMainWindowTitle, kWindowStyle, origin.x, origin.y,
                          kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance, nullptr);
  if (!hwnd_) return false;
  dpi_ = WindowDpi(hwnd_);
  const Size size = OuterSizeAt(dpi_);
  origin = CentredOrigin(screenWidth, screenHeight, size.width, size.height);
  SetWindowPos(hwnd_, nullptr, origin.x, origin.y, size.width, size.height, SWP_NOZORDER | SWP_NOACTIVATE);

  look_.Load(instance, dpi_);
  fonts_ = MakeFonts(dpi_);
  SetIcons();
  if (!CreateControls(instance)) {
    Destroy();
    return false;
  }
  CreateTooltips(instance);
  InstallWindowToolkit(this);
  if (onCreated) onCreated();
  return true;
}

bool MainWindow::CreateControls(HINSTANCE instance) {
  for (const ControlDescription& d : Controls()) {
    const wchar_t* cls = L"BUTTON";
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    switch (d.kind) {
      case ControlKind::TextButton:
      case ControlKind::TwoStateButton:
      case ControlKind::PictureButton:
        style |= BS_OWNERDRAW;
        break;
      case ControlKind::PushButton:
        style |= BS_PUSHBUTTON | BS_CENTER | BS_VCENTER;
        break;
      case ControlKind::Label:
        cls = L"STATIC";
        style |= SS_OWNERDRAW;
        break;
      case ControlKind::EditBox:
        cls = L"EDIT";
        style |= ES_LEFT | ES_AUTOHSCROLL;
        break;
      case ControlKind::ReportBox:
        cls = L"EDIT";
        style |= ES_LEFT | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER;
        break;
      case ControlKind::Panel:
        cls = L"STATIC";
        style |= SS_NOTIFY | WS_CLIPCHILDREN;
        exStyle |= WS_EX_CONTROLPARENT;
        break;
    }
    if (d.takesFocus) style |= WS_TABSTOP;
    HWND parent = d.inPanel ? Control(ControlId::分组框1) : hwnd_;
    const Rect place = PlaceAt(d.id, dpi_);
    HWND h = CreateWindowExW(exStyle, cls, d.text, style, place.left, place.top, place.width, place.height, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(CommandIdOf(d.id))), instance, nullptr);
    if (!h) return false;
    controls_[static_cast<std::size_t>(d.id)] = h;
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(d.kind)), FALSE);
    switch (d.kind) {
      case ControlKind::EditBox:
        SendMessageW(h, EM_SETLIMITTEXT, static_cast<WPARAM>(d.inputLimit), 0);
        CentreLine(d.id);
        break;
      case ControlKind::ReportBox:
        SendMessageW(h, EM_SETLIMITTEXT, 0, 0);  // no limit of its own
        SetWindowSubclass(h, ReportBoxProc, kSubclassId, 0);
        break;
      case ControlKind::Panel:
        SetWindowSubclass(h, PanelProc, kSubclassId, 0);
        break;
      case ControlKind::Label:
        SetWindowSubclass(h, LabelProc, kSubclassId, 0);
        break;
      default:
        if (IsCustomButton(d.kind)) {
          SetWindowSubclass(h, ButtonProc, kSubclassId, static_cast<DWORD_PTR>(d.id));
        }
        break;
    }
    SetWindowSubclass(h, ControlProc, kControlSubclassId, static_cast<DWORD_PTR>(d.id));
  }

  // Stacking order: each control directly below the one before it among the
  // same parent's children. Tab follows it.
  HWND previousTop = nullptr, previousPanel = nullptr;
  for (ControlId id : StackingOrder()) {
    const ControlDescription& d = Describe(id);
    HWND h = Control(id);
    HWND& previous = d.inPanel ? previousPanel : previousTop;
    SetWindowPos(h, previous ? previous : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = h;
  }
  for (const ControlDescription& d : Controls()) {
    if (d.startsVisible) ShowWindow(Control(d.id), SW_SHOWNA);
  }
  return true;
}

void MainWindow::CreateTooltips(HINSTANCE instance) {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance,
                             nullptr);
  if (!tooltip_) return;
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, ScaleToDpi(kTooltipWrapWidth, dpi_));
  for (const ControlDescription& d : Controls()) {
    if (d.tooltip) SetTooltipW(d.id, d.tooltip);
  }
}

void MainWindow::SetTooltipW(ControlId id, const std::wstring& text) {
  HWND h = Control(id);
  if (!h || !tooltip_) return;
  std::wstring& stored = tooltips_[static_cast<std::size_t>(id)];
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof(ti);
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = hwnd_;
  ti.uId = reinterpret_cast<UINT_PTR>(h);
  if (text.empty()) {
    if (!stored.empty()) SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    stored.clear();
    return;
  }
  ti.lpszText = const_cast<wchar_t*>(text.c_str());  // the tooltip keeps a copy
  if (stored.empty()) {
    // A static control lets the pointer through to its parent unless it
    // notifies: the tooltip, which watches the control, would never show.
    if (Describe(id).kind == ControlKind::Label) {
      SetWindowLongW(h, GWL_STYLE, GetWindowLongW(h, GWL_STYLE) | SS_NOTIFY);
    }
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  } else {
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
  }
  stored = text;
}

std::wstring MainWindow::TooltipW(ControlId id) const { return tooltips_[static_cast<std::size_t>(id)]; }

void MainWindow::Show() {
  if (!hwnd_) return;
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  UpdateWindow(hwnd_);
  RestoreFocus();
}

void MainWindow::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool MainWindow::Lookup(HWND child, ControlId* id) const {
  if (!child) return false;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i] == child) {
      if (id) *id = static_cast<ControlId>(i);
      return true;
    }
  }
  return false;
}

std::wstring MainWindow::GetTextW(ControlId id) const {
  HWND h = Control(id);
  if (!h) return std::wstring();
  const int n = GetWindowTextLengthW(h);
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(h, &text[0], n + 1)));
  return text;
}

std::string MainWindow::GetText(ControlId id) const { return WideToAnsi(GetTextW(id)); }

void MainWindow::SetTextW(ControlId id, const std::wstring& text) {
  if (HWND h = Control(id)) SetWindowTextW(h, text.c_str());
}

void MainWindow::SetText(ControlId id, const std::string& ansi) { SetTextW(id, AnsiToWide(ansi)); }

void MainWindow::AppendTextW(ControlId id, const std::wstring& text) {
  HWND h = Control(id);
  if (!h) return;
  const int end = GetWindowTextLengthW(h);
  SendMessageW(h, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
  SendMessageW(h, EM_SCROLLCARET, 0, 0);
  SendMessageW(h, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void MainWindow::SetEnabled(ControlId id, bool enabled) {
  // Redrawn at once, so a handler that disables its button shows the
  // disabled look while it runs.
  if (HWND h = Control(id)) {
    EnableWindow(h, enabled ? TRUE : FALSE);
    InvalidateRect(h, nullptr, FALSE);
    UpdateWindow(h);
  }
}

bool MainWindow::IsEnabled(ControlId id) const {
  HWND h = Control(id);
  return h && IsWindowEnabled(h);
}

void MainWindow::SetVisible(ControlId id, bool visible) {
  if (id == ControlId::分组框1) return ShowPanel(visible);
  HWND h = Control(id);
  if (!h) return;
  if (CoveredByPanel(id) && IsVisible(ControlId::分组框1)) {
    hiddenByPanel_[static_cast<std::size_t>(id)] = visible;  // shown when the panel goes
    return;
  }
  ShowWindow(h, visible ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::ShowPanel(bool shown) {
  HWND panel = Control(ControlId::分组框1);
  if (!panel || shown == IsVisible(ControlId::分组框1)) return;
  // The controls under the panel cannot be seen while it is shown; hidden,
  // they also take no focus and no key, and screen readers skip them. The
  // panel covers them all, so hiding and showing them changes no pixel.
  if (shown) {
    focusBeforePanel_ = lastFocus_;
    ShowWindow(panel, SW_SHOWNA);
    MoveFocusTo(FocusTarget(std::nullopt, true));
    for (const ControlDescription& d : Controls()) {
      HWND h = Control(d.id);
      const bool hide = CoveredByPanel(d.id) && IsVisible(d.id);
      hiddenByPanel_[static_cast<std::size_t>(d.id)] = hide;
      if (hide) ShowWindow(h, SW_HIDE);
    }
  } else {
    for (const ControlDescription& d : Controls()) {
      bool& hidden = hiddenByPanel_[static_cast<std::size_t>(d.id)];
      if (hidden) ShowWindow(Control(d.id), SW_SHOWNA);
      hidden = false;
    }
    // The focus leaves before the panel goes, so no hidden control keeps it.
    MoveFocusTo(FocusTarget(focusBeforePanel_, false));
    focusBeforePanel_.reset();
    ShowWindow(panel, SW_HIDE);
  }
}

bool MainWindow::IsVisible(ControlId id) const {
  HWND h = Control(id);
  return h && (GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool MainWindow::FocusedControl(ControlId* id) const { return Lookup(GetFocus(), id); }

void MainWindow::FocusControl(ControlId id) {
  HWND h = Control(id);
  if (!h) return;
  if (CoveredByPanel(id) && IsVisible(ControlId::分组框1)) {
    focusBeforePanel_ = id;  // hidden under the panel: it gets the focus when the panel goes
    return;
  }
  SetFocus(h);
}

void MainWindow::NoteFocus(ControlId id) { lastFocus_ = id; }

bool MainWindow::CanFocus(ControlId id) const {
  HWND h = Control(id);
  return h && Describe(id).takesFocus && IsWindowVisible(h) && IsWindowEnabled(h);
}

HWND MainWindow::FocusTarget(std::optional<ControlId> wanted, bool panelShown) const {
  if (wanted && CanFocus(*wanted)) return Control(*wanted);
  // The panel's refresh button, or the name box; failing that, the first
  // control of the order that can take the focus.
  const ControlId first = panelShown ? ControlId::按钮2 : ControlId::编辑框_ssid;
  if (CanFocus(first)) return Control(first);
  for (ControlId id : StackingOrder()) {
    if (Describe(id).inPanel == panelShown && CanFocus(id)) return Control(id);
  }
  return nullptr;
}

void MainWindow::MoveFocusTo(HWND target) {
  ControlId id;
  if (!Lookup(target, &id)) return;
  lastFocus_ = id;
  // Only while the window has the focus: SetFocus would activate it.
  HWND focus = GetFocus();
  if (focus && (focus == hwnd_ || IsChild(hwnd_, focus))) SetFocus(target);
}

void MainWindow::RestoreFocus() {
  if (!hwnd_) return;
  if (HWND target = FocusTarget(lastFocus_, IsVisible(ControlId::分组框1))) SetFocus(target);
}

void MainWindow::RouteMessage(MSG& msg) { DispatchWindowMessage(msg); }

int MainWindow::GetChecked(ControlId id) const { return State(id).checked ? 1 : 0; }

void MainWindow::SetChecked(ControlId id, bool checked) {
  State(id).checked = checked;
  if (HWND h = Control(id)) InvalidateRect(h, nullptr, FALSE);
}

Rect MainWindow::GetPlace(ControlId id) const {
  HWND h = Control(id);
  if (!h) return {};
  RECT r;
  GetWindowRect(h, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void MainWindow::SetPlace(ControlId id, const Rect& r) {
  if (HWND h = Control(id)) {
    SetWindowPos(h, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void MainWindow::SetLeft(ControlId id, int v) {
  Rect r = GetPlace(id);
  r.left = v;
  SetPlace(id, r);
}
void MainWindow::SetTop(ControlId id, int v) {
  Rect r = GetPlace(id);
  r.top = v;
  SetPlace(id, r);
}
void MainWindow::SetWidth(ControlId id, int v) {
  Rect r = GetPlace(id);
  r.width = v;
  SetPlace(id, r);
}
void MainWindow::SetHeight(ControlId id, int v) {
  Rect r = GetPlace(id);
  r.height = v;
  SetPlace(id, r);
}

void MainWindow::CentreLine(ControlId id) {
  HWND h = Control(id);
  if (!h) return;
  SetWindowSubclass(h, EditBoxProc, kSubclassId, static_cast<DWORD_PTR>(LineMargin(h, GetPlace(id).height)));
  SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void MainWindow::PlaceControls() {
  for (const ControlDescription& d : Controls()) {
    SetPlace(d.id, PlaceAt(d.id, dpi_));
    if (d.kind == ControlKind::EditBox) CentreLine(d.id);
  }
}

void MainWindow::LayOutAdapterPanel() {
  const PanelGeometry before{GetPlace(ControlId::分组框1), GetPlace(ControlId::编辑框1), GetPlace(ControlId::按钮1),
                             GetPlace(ControlId::按钮2), GetPlace(ControlId::透明标签3)};
  const PanelGeometry g = LayOutAdapterPanelGeometry(Width(), Height(), before, dpi_);
  const struct {
    ControlId id;
    Rect r;
  } places[] = {{ControlId::分组框1, g.panel},
                {ControlId::编辑框1, g.report},
                {ControlId::按钮1, g.close},
                {ControlId::按钮2, g.refresh},
                {ControlId::透明标签3, g.hint}};
  for (const auto& p : places) {
    SetWidth(p.id, p.r.width);
    SetHeight(p.id, p.r.height);
    SetLeft(p.id, p.r.left);
    SetTop(p.id, p.r.top);
  }
}

void MainWindow::ChangeDpi(int dpi, const RECT& suggested) {
  dpi_ = dpi > 0 ? dpi : kDesignDpi;
  // The controls take the new fonts before the old ones go.
  const Fonts old = fonts_;
  fonts_ = MakeFonts(dpi_);
  for (const ControlDescription& d : Controls()) {
    SendMessageW(Control(d.id), WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(d.kind)), FALSE);
  }
  DeleteFonts(old);
  look_.Load(instance_, dpi_);
  SetIcons();
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  PlaceControls();
  LayOutAdapterPanel();
  if (tooltip_) SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, ScaleToDpi(kTooltipWrapWidth, dpi_));
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

int MainWindow::Width() const {
  RECT r{};
  if (hwnd_) GetWindowRect(hwnd_, &r);
  return r.right - r.left;
}

int MainWindow::Height() const {
  RECT r{};
  if (hwnd_) GetWindowRect(hwnd_, &r);
  return r.bottom - r.top;
}

void MainWindow::RaiseClick(ControlId id) {
  // The two-state button flips before its click event is raised, so the
  // handler sees the state that the click produced.
  if (Describe(id).kind == ControlKind::TwoStateButton) SetChecked(id, !State(id).checked);
  if (onClick_) onClick_(id);
}

LRESULT MainWindow::HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      look_.EraseWindow(hwnd, reinterpret_cast<HDC>(wp));
      return 1;
    case WM_COMMAND: {
      const int cmd = LOWORD(wp);
      if (lp == 0 && cmd == IDOK) {
        // Enter: a focused button is clicked, as in a dialog.
        ControlId id;
        if (Lookup(GetFocus(), &id) && IsButtonKind(Describe(id).kind) && IsEnabled(id)) RaiseClick(id);
        return 0;
      }
      ControlId id;
      if (lp != 0 && HIWORD(wp) == BN_CLICKED && Lookup(reinterpret_cast<HWND>(lp), &id) &&
          IsButtonKind(Describe(id).kind)) {
        RaiseClick(id);
      }
      return 0;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      ControlId id;
      if (item && Lookup(item->hwndItem, &id)) {
        look_.DrawControl(*this, id, *item);
        return TRUE;
      }
      break;
    }
    case WM_SETFOCUS:
      // Activation (Alt+Tab back, a click on the title bar) gives the window
      // the focus: it goes on to the control that last had it.
      RestoreFocus();
      return 0;
    case WM_DPICHANGED:
      // Moved to a monitor of another scale (or the scale changed): both
      // halves of wp carry the new DPI, lp the rectangle Windows suggests.
      if (lp) ChangeDpi(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_DESTROY: {
      // Nothing paints any more: the fonts and icons go with the window.
      DeleteFonts(fonts_);
      fonts_ = Fonts{};
      for (HICON& icon : icons_) {
        if (icon) DestroyIcon(icon);
        icon = nullptr;
      }
      dpi_ = kDesignDpi;
      hwnd_ = nullptr;
      tooltip_ = nullptr;
      controls_.fill(nullptr);
      states_.fill(ControlState{});
      lastFocus_.reset();
      focusBeforePanel_.reset();
      hiddenByPanel_.fill(false);
      tooltips_.fill(std::wstring());
      look_.Release();
      PostQuitMessage(0);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void DispatchWindowMessage(MSG& msg) {
  HWND main = TheMainWindow().hwnd();
  if (main && (msg.hwnd == main || IsChild(main, msg.hwnd))) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      SendMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
    }
    if (IsDialogMessageW(main, &msg)) return;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchWindowMessage(msg);
  return static_cast<int>(msg.wParam);
}

}  // namespace lumaret
