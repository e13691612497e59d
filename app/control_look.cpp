#include "app/control_look.h"

namespace lumaret {

void LoadLook(HINSTANCE) {}
void ReleaseLook() {}

void PaintWindowBackground(HWND window, HDC dc) {
  RECT rc;
  GetClientRect(window, &rc);
  FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
}

void PaintPanel(HWND panel, HDC dc) {
  RECT rc;
  GetClientRect(panel, &rc);
  FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &rc, EDGE_ETCHED, BF_RECT);
}

void DrawControl(const MainWindow& window, ControlId id, const DRAWITEMSTRUCT& item) {
  const ControlDescription& d = Describe(id);
  const ControlState& s = window.State(id);
  HDC dc = item.hDC;
  RECT rc = item.rcItem;
  FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);
  const std::wstring text = window.GetTextW(id);
  switch (d.kind) {
    case ControlKind::Label: {
      SetTextColor(dc, RGB(192, 192, 192));
      UINT fmt = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
      fmt |= d.align == LabelAlign::Centre ? DT_CENTER : DT_LEFT;
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc, fmt);
      break;
    }
    case ControlKind::PictureButton: {
      const bool disabled = (item.itemState & ODS_DISABLED) != 0;
      HBRUSH brush = GetSysColorBrush(disabled ? COLOR_GRAYTEXT : COLOR_HIGHLIGHT);
      FillRect(dc, &rc, brush);
      break;
    }
    default: {
      const bool lit = s.hover || s.pressed || (item.itemState & ODS_SELECTED) || s.checked;
      SetTextColor(dc, lit ? RGB(0, 0, 0) : RGB(192, 192, 192));
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
      break;
    }
  }
}

}  // namespace lumaret
