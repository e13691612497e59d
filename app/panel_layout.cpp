#include "app/panel_layout.h"

namespace lumaret {

PanelGeometry LayOutAdapterPanelGeometry(int windowWidth, int windowHeight, PanelGeometry g) {
  g.panel.width = windowWidth;                                      // 1
  g.panel.height = windowHeight;                                    // 2
  g.report.left = 2;                                                // 3
  g.report.top = 10;                                                // 4
  g.report.width = g.panel.width - 10;                              // 5
  g.report.height = g.panel.height - 100;                           // 6
  g.close.top = g.report.top + g.report.height + 10;                // 7
  g.close.left = g.report.left + g.report.width - 50;               // 8
  g.refresh.top = g.close.top;                                      // 9
  g.refresh.left = g.close.left - 50;                               // 10
  g.hint.width = 300;                                               // 11
  g.hint.top = g.close.top;                                         // 12
  g.hint.left = g.refresh.left - 300;                               // 13
  return g;
}

PanelGeometry DesignPanelGeometry() {
  return {Describe(ControlId::分组框1).place, Describe(ControlId::编辑框1).place, Describe(ControlId::按钮1).place,
          Describe(ControlId::按钮2).place, Describe(ControlId::透明标签3).place};
}

}  // namespace lumaret
