// Arithmetic of the adapter panel's layout. Pure: no Windows header.
#pragma once

#include "app/window_description.h"

namespace lumaret {

// The places of the panel and its four children (outer rectangles in the
// parent's client coordinates).
struct PanelGeometry {
  Rect panel;    // 分组框1
  Rect report;   // 编辑框1
  Rect close;    // 按钮1
  Rect refresh;  // 按钮2
  Rect hint;     // 透明标签3
};

// The layout steps in their order, each reading what the steps before it
// set, for a window of the given outer size. `start` holds the places before
// the layout; what the steps do not set (the panel's place, the children's
// heights) is kept from it.
PanelGeometry LayOutAdapterPanelGeometry(int windowWidth, int windowHeight, PanelGeometry start);

// The design-time places from the window's description.
PanelGeometry DesignPanelGeometry();

}  // namespace lumaret
