#include "app/panel_layout.h"

namespace lumaret {

PanelGeometry LayOutAdapterPanelGeometry(int windowWidth, int windowHeight, PanelGeometry g, int dpi) {
  const auto S = [dpi](int v) { return ScaleToDpi(v, dpi); };
  g.panel.width = windowWidth;                                      // 1
  g.panel.height = windowHeight;                                    // 2
  g.report.left = S(2);                                             // 3
  g.report.top = S(10);                                             // 4
  g.report.width = g.panel.width - S(10);                           // 5
  g.report.height = g.panel.height - S(100);                        // 6
  g.close.top = g.report.top + g.report.height + S(10);             // 7
  g.close.left = g.report.left + g.report.width - S(50);            // 8
  g.refresh.top = g.close.top;                                      // 9
  g.refresh.left = g.close.left - S(50);                            // 10
  g.hint.width = S(300);                                            // 11
  g.hint.top = g.close.top;                                         // 12
  g.hint.left = g.refresh.left - S(300);                            // 13
  return g;
}

PanelGeometry DesignPanelGeometry(int dpi) {
  return {PlaceAt(ControlId::分组框1, dpi), PlaceAt(ControlId::编辑框1, dpi), PlaceAt(ControlId::按钮1, dpi),
          PlaceAt(ControlId::按钮2, dpi), PlaceAt(ControlId::透明标签3, dpi)};
}

}  // namespace lumaret
