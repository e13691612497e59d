// The description of MainWindow: its size and every one of its controls with
// kind, parent, place, starting text, tooltip and focus, listed from the top
// of the stacking order to the bottom as designed, and the stacking order the
// window really gets (the design's where controls overlap, reading order
// elsewhere). Pure data: no Windows header.
#pragma once

#include <array>
#include <cstddef>

#include "common/control_id.h"

namespace lumaret {

enum class ControlKind {
  TextButton,
  TwoStateButton,
  PictureButton,
  PushButton,
  Label,
  EditBox,
  ReportBox,
  Panel,
};

enum class LabelAlign { Left, Centre };

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

struct ControlDescription {
  ControlId id;
  const char* name;          // design name, UTF-8 (for tests and messages)
  ControlKind kind;
  bool inPanel;              // parent is 分组框1, else the window
  Rect place;                // design-time place, in the parent's client coordinates
  const wchar_t* text;       // starting text / caption
  const wchar_t* tooltip;    // nullptr when the control has none
  bool takesFocus;
  bool startsVisible;
  int inputLimit;            // characters the user may type; 0 = no limit of its own
  LabelAlign align;          // labels only
};

constexpr int kMainWindowWidth = 468;
constexpr int kMainWindowHeight = 357;
extern const wchar_t kMainWindowTitle[];

// Lengths of the look, in pixels at 96 DPI like the places: the character
// height of the name and password boxes' font, and the width at which a
// tooltip line wraps.
constexpr int kBoxFontHeight = 14;
constexpr int kTooltipWrapWidth = 400;

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size& o) const { return width == o.width && height == o.height; }
};

// The window's outer size at `dpi`, from what its frame (borders and title
// bar) takes at 96 DPI and at `dpi`: the client area that 468 x 357 leaves at
// 96 DPI, scaled, with the frame at `dpi` around it. So everything inside
// the frame scales with the window, and Windows sizes a window moved to a
// monitor of another scale the same way. At 96 DPI it is 468 x 357 whatever
// the frame.
Size MainWindowSizeAt(int dpi, Size frameAt96, Size frameAtDpi);

// The control list, in stacking order (index == static_cast<int>(ControlId)).
const std::array<ControlDescription, kControlCount>& Controls();
const ControlDescription& Describe(ControlId id);

// A control's design-time place at `dpi`: left, top, width and height each
// scaled (see dpi_scale.h).
Rect PlaceAt(ControlId id, int dpi);

// The stacking order the controls get, top first, each parent's children
// together. Where controls overlap it is the list's: 超级按钮1 and 透明标签4
// over the panel, the panel over every other control of the window. Nothing
// else overlaps, so below the panel, and inside it, the controls follow in
// reading order (top to bottom, left to right). The keyboard walks the
// controls that take the focus in the stacking order, so this is also the
// Tab order: the name box, its ring button, the password box, its ring
// button, open, close, 网卡信息, 常见问题, 自动开启热点, and then "Orvinel
// 出品" (the first of the order, reached again after the last).
const std::array<ControlId, kControlCount>& StackingOrder();

// The controls that the shown panel lies over: every control of the window
// below it in the list.
bool CoveredByPanel(ControlId id);

// Numeric id of a child window of a control (WM_COMMAND ids); kept clear of
// IDOK and IDCANCEL.
constexpr int kFirstControlCommandId = 1001;
inline int CommandIdOf(ControlId id) { return kFirstControlCommandId + static_cast<int>(id); }

// Top-left corner that centres a window of the given outer size on a screen:
// integer division, as the window's description asks.
struct Point {
  int x = 0;
  int y = 0;
};
Point CentredOrigin(int screenWidth, int screenHeight, int width, int height);

}  // namespace lumaret
