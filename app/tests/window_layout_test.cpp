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
