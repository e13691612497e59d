#include <gtest/gtest.h>

#include "app/panel_layout.h"
#include "app/web_address.h"
#include "app/window_description.h"

namespace lumaret {
namespace {

TEST(PanelLayout, WorkedExampleForTheWindowsOwnSize) {
  const PanelGeometry g = LayOutAdapterPanelGeometry(468, 357, DesignPanelGeometry());
  EXPECT_EQ(g.panel, (Rect{0, 0, 468, 357}));
  EXPECT_EQ(g.report, (Rect{2, 10, 458, 257}));
  EXPECT_EQ(g.close, (Rect{410, 277, 48, 24}));
  EXPECT_EQ(g.refresh, (Rect{360, 277, 48, 24}));
  EXPECT_EQ(g.hint, (Rect{60, 277, 300, 24}));
}

TEST(PanelLayout, FollowsAnyOuterSize) {
  struct Case {
    int w, h;
  } cases[] = {{640, 480}, {300, 200}, {120, 110}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.w);
    const PanelGeometry g = LayOutAdapterPanelGeometry(c.w, c.h, DesignPanelGeometry());
    EXPECT_EQ(g.panel, (Rect{0, 0, c.w, c.h}));
    EXPECT_EQ(g.report, (Rect{2, 10, c.w - 10, c.h - 100}));
    EXPECT_EQ(g.close, (Rect{c.w - 58, c.h - 80, 48, 24}));
    EXPECT_EQ(g.refresh, (Rect{c.w - 108, c.h - 80, 48, 24}));
    EXPECT_EQ(g.hint, (Rect{c.w - 408, c.h - 80, 300, 24}));
  }
}

TEST(PanelLayout, KeepsThePanelsPlaceAndTheChildrensHeights) {
  PanelGeometry start = DesignPanelGeometry();
  start.panel.left = 5;
  start.panel.top = 7;
  start.close.height = 30;
  const PanelGeometry g = LayOutAdapterPanelGeometry(468, 357, start);
  EXPECT_EQ(g.panel.left, 5);
  EXPECT_EQ(g.panel.top, 7);
  EXPECT_EQ(g.close.height, 30);
  EXPECT_EQ(g.hint.height, 24);
}

TEST(WindowDescription, CentresWithIntegerDivision) {
  EXPECT_EQ(CentredOrigin(1024, 768, 468, 357).x, 278);
  EXPECT_EQ(CentredOrigin(1024, 768, 468, 357).y, 205);
  EXPECT_EQ(CentredOrigin(1025, 769, 468, 357).x, 278);
  EXPECT_EQ(CentredOrigin(1025, 769, 468, 357).y, 206);
  EXPECT_EQ(CentredOrigin(400, 300, 468, 357).x, -34);
}

TEST(WindowDescription, ListsEveryControlOnceInStackingOrder) {
  const auto& controls = Controls();
  ASSERT_EQ(controls.size(), 19u);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    EXPECT_EQ(static_cast<std::size_t>(controls[i].id), i) << controls[i].name;
  }
  int inPanel = 0;
  for (const auto& c : controls) inPanel += c.inPanel ? 1 : 0;
  EXPECT_EQ(inPanel, 4);
  EXPECT_FALSE(Describe(ControlId::分组框1).startsVisible);
  EXPECT_EQ(Describe(ControlId::编辑框_ssid).inputLimit, 18);
  EXPECT_EQ(Describe(ControlId::编辑框_pw).inputLimit, 26);
}

// Wherever two controls of one parent overlap (the panel at the size it is
// laid out to), the stacking order keeps the one listed first on top; the
// panel covers exactly the controls it lies over.
TEST(WindowDescription, StackingOrderKeepsTheListWhereControlsOverlap) {
  std::array<int, kControlCount> position;
  position.fill(-1);
  const auto& order = StackingOrder();
  for (std::size_t i = 0; i < order.size(); ++i) {
    ASSERT_EQ(position[static_cast<std::size_t>(order[i])], -1) << "twice: " << Describe(order[i]).name;
    position[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
  }
  const PanelGeometry g = LayOutAdapterPanelGeometry(kMainWindowWidth, kMainWindowHeight, DesignPanelGeometry());
  auto place = [&](ControlId id) {
    switch (id) {
      case ControlId::分组框1: return g.panel;
      case ControlId::编辑框1: return g.report;
      case ControlId::按钮1: return g.close;
      case ControlId::按钮2: return g.refresh;
      case ControlId::透明标签3: return g.hint;
      default: return Describe(id).place;
    }
  };
  auto overlap = [](const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
  };
  auto at = [&](ControlId id) { return position[static_cast<std::size_t>(id)]; };
  int overlapping = 0;
  for (const auto& a : Controls()) {
    for (const auto& b : Controls()) {
      if (a.id >= b.id || a.inPanel != b.inPanel || !overlap(place(a.id), place(b.id))) continue;
      ++overlapping;
      EXPECT_LT(at(a.id), at(b.id)) << a.name << " over " << b.name;
    }
    if (!a.inPanel && a.id != ControlId::分组框1) {
      const bool under = overlap(place(a.id), g.panel) && at(a.id) > at(ControlId::分组框1);
      EXPECT_EQ(CoveredByPanel(a.id), under) << a.name;
    }
  }
  EXPECT_EQ(overlapping, 14);  // the panel with every other control of the window
}

TEST(WebAddress, BareHostOpensAsAWebPage) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"www.orvinel.example", "http://www.orvinel.example"},
      {"http://bbs.orvinel.example/forum.php?mod=viewthread&tid=18#lastpost",
       "http://bbs.orvinel.example/forum.php?mod=viewthread&tid=18#lastpost"},
      {"https://x.example/", "https://x.example/"},
      {"C:\\file.html", "http://C:\\file.html"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(WebAddressForShell(c.in), c.out) << c.in;
  EXPECT_STREQ(kHomePageAddress, "www.orvinel.example");
  EXPECT_STREQ(kFaqPageAddress, "http://bbs.orvinel.example/forum.php?mod=viewthread&tid=18#lastpost");
}

}  // namespace
}  // namespace lumaret
