// Arithmetic of the adapter panel's layout. Pure: no Windows header.
#pragma once

#include "app/dpi_scale.h"
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
// sizes but the report's and the hint's width) is kept from it. The steps'
// own lengths (2, 10, 100, 50 and 300 pixels at 96 DPI) are scaled to `dpi`
// like every place of the window, so for the window's outer size at a DPI
// the result is the 96-DPI layout scaled, each value within a pixel of it.
PanelGeometry LayOutAdapterPanelGeometry(int windowWidth, int windowHeight, PanelGeometry start,
                                         int dpi = kDesignDpi);

// The design-time places from the window's description, scaled to `dpi`.
PanelGeometry DesignPanelGeometry(int dpi = kDesignDpi);

}  // namespace lumaret
