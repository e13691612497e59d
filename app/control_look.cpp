#include "app/control_look.h"

#include <algorithm>
#include <string>

#include "app/main_window.h"

namespace lumaret {

namespace {

constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A memory DC with a bitmap the size of a control, copied to the target in
// one piece when it goes, so a control never shows half-drawn.
class Buffer {
 public:
  Buffer(HDC target, const RECT& rc)
      : target_(target), rc_(rc), dc_(CreateCompatibleDC(target)),
        bitmap_(CreateCompatibleBitmap(target, std::max<LONG>(1, rc.right - rc.left), std::max<LONG>(1, rc.bottom - rc.top))) {
    old_ = SelectObject(dc_, bitmap_);
    SetViewportOrgEx(dc_, -rc.left, -rc.top, nullptr);
  }
  ~Buffer() {
    SetViewportOrgEx(dc_, 0, 0, nullptr);
    BitBlt(target_, rc_.left, rc_.top, rc_.right - rc_.left, rc_.bottom - rc_.top, dc_, 0, 0, SRCCOPY);
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Buffer(const Buffer&) = delete;
  Buffer& operator=(const Buffer&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC target_;
  RECT rc_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

bool IsRing(ControlId id) { return id == ControlId::超级按钮_id || id == ControlId::超级按钮_mmsj; }

}  // namespace

Picture PictureFor(ControlId id, PictureState state) {
  if (IsRing(id)) return state == PictureState::Lit ? Picture::RingOrange : Picture::RingBlue;
  const bool open = id == ControlId::超级按钮_ope;
  switch (state) {
    case PictureState::Lit: return open ? Picture::OpenLit : Picture::CloseLit;
    case PictureState::Disabled: return open ? Picture::OpenGrey : Picture::CloseGrey;
    default: return open ? Picture::Open : Picture::Close;
  }
}

void DrawKeyed(HDC dc, const LoadedPicture& p, const Rect& dest, int srcLeft, int srcTop) {
  if (!p.bitmap || dest.width <= 0 || dest.height <= 0) return;
  HDC src = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(src, p.bitmap);
  // gdi32's own, not msimg32's TransparentBlt: msimg32.dll is no known DLL.
  GdiTransparentBlt(dc, dest.left, dest.top, dest.width, dest.height, src, srcLeft, srcTop, dest.width, dest.height,
                    p.key);
  SelectObject(src, old);
  DeleteDC(src);
}

void ControlLook::Load(HINSTANCE instance, int dpi) {
  Release();
  dpi_ = dpi;
  for (Picture p : kAllPictures) pictures_[static_cast<std::size_t>(p)] = LoadPicture(instance, p, dpi);
}

void ControlLook::Release() {
  for (LoadedPicture& p : pictures_) {
    if (p.bitmap) DeleteObject(p.bitmap);
    p = LoadedPicture{};
  }
}

void ControlLook::PaintWindowBackground(HDC dc, const RECT& area) const {
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  const LoadedPicture& bg = picture(Picture::Background);
  const RECT picture{0, 0, bg.width, bg.height};
  RECT part;
  if (IntersectRect(&part, &area, &picture)) {
    DrawKeyed(dc, bg, {part.left, part.top, part.right - part.left, part.bottom - part.top}, part.left, part.top);
  }
}

void ControlLook::PaintPanel(HWND panel, HDC dc, const RECT& area) const {
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  RECT rc;
  GetClientRect(panel, &rc);
  DrawEdge(dc, &rc, EDGE_ETCHED, BF_RECT);
}

namespace {

RECT PaintArea(HWND window, HDC dc) {
  RECT rc, clip;
  GetClientRect(window, &rc);
  if (GetClipBox(dc, &clip) != ERROR && clip.right > clip.left) IntersectRect(&rc, &rc, &clip);
  return rc;
}

}  // namespace

void ControlLook::EraseWindow(HWND window, HDC dc) const {
  const RECT area = PaintArea(window, dc);
  if (IsRectEmpty(&area)) return;
  Buffer buffer(dc, area);
  PaintWindowBackground(buffer.dc(), area);
}

void ControlLook::ErasePanel(HWND panel, HDC dc) const {
  const RECT area = PaintArea(panel, dc);
  if (IsRectEmpty(&area)) return;
  Buffer buffer(dc, area);
  PaintPanel(panel, buffer.dc(), area);
}

// What lies beneath a control without a background of its own: the panel
// when the control sits in it, or above it while it is shown; else the
// window's background.
void ControlLook::PaintBeneath(const MainWindow& window, HWND control, HDC dc, const RECT& rc) const {
  HWND panel = window.Control(ControlId::分组框1);
  ControlId id{};
  window.Lookup(control, &id);
  const bool inPanel = GetParent(control) == panel;
  const bool overPanel = !inPanel && static_cast<int>(id) < static_cast<int>(ControlId::分组框1) &&
                         panel && IsWindowVisible(panel);
  HWND under = inPanel || overPanel ? panel : window.hwnd();
  RECT area = rc;
  MapWindowPoints(control, under, reinterpret_cast<POINT*>(&area), 2);
  POINT old;
  OffsetViewportOrgEx(dc, rc.left - area.left, rc.top - area.top, &old);
  if (under == panel) {
    PaintPanel(panel, dc, area);
  } else {
    PaintWindowBackground(dc, area);
  }
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

void ControlLook::DrawPictureButton(ControlId id, HDC dc, const RECT& rc, const ButtonAppearance& a) const {
  FillRect(dc, &rc, IsRing(id) ? static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)) : GetSysColorBrush(COLOR_BTNFACE));
  const LoadedPicture& p = picture(PictureFor(id, a.picture));
  const int w = rc.right - rc.left, h = rc.bottom - rc.top;
  Point at = PicturePlacement(w, h, p.width, p.height);
  at.x += a.shift;
  at.y += a.shift;
  const PictureClip clip = ClipPicture(w, h, at, p.width, p.height);
  DrawKeyed(dc, p, {rc.left + clip.dest.left, rc.top + clip.dest.top, clip.dest.width, clip.dest.height}, clip.srcLeft,
            clip.srcTop);
}

void ControlLook::DrawControl(const MainWindow& window, ControlId id, const DRAWITEMSTRUCT& item) const {
  const ControlDescription& d = Describe(id);
  const ControlState& s = window.State(id);
  const RECT rc = item.rcItem;
  Buffer buffer(item.hDC, rc);
  HDC dc = buffer.dc();
  HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);

  ButtonCondition c;
  c.disabled = (item.itemState & ODS_DISABLED) != 0;
  c.pressed = (item.itemState & ODS_SELECTED) != 0;
  c.hover = s.hover();
  c.checked = s.checked;
  const ButtonAppearance a = ChooseAppearance(d.kind, c, window.dpi());
  const std::wstring text = window.GetTextW(id);

  switch (d.kind) {
    case ControlKind::Label: {
      PaintBeneath(window, item.hwndItem, dc, rc);
      SetTextColor(dc, kSilver);
      RECT box = rc;
      const UINT align = d.align == LabelAlign::Centre ? DT_CENTER : DT_LEFT;
      // A text longer than the label ends in an ellipsis; the label's text
      // (what screen readers read) stays whole.
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | align);
      break;
    }
    case ControlKind::PictureButton:
      DrawPictureButton(id, dc, rc, a);
      break;
    default: {
      // Text buttons: button face, the caption centred both ways (wrapped
      // at word breaks when it is wider than the button).
      FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
      SetTextColor(dc, a.blackCaption ? kBlack : kSilver);
      const UINT fmt = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
      RECT measure = rc;
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure, fmt | DT_CALCRECT);
      const int textHeight = measure.bottom - measure.top;
      RECT box = rc;
      box.top = rc.top + (rc.bottom - rc.top - textHeight) / 2;
      box.bottom = box.top + textHeight;
      OffsetRect(&box, a.shift, a.shift);
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, fmt);
      break;
    }
  }
  SelectObject(dc, oldFont);
}

}  // namespace lumaret
