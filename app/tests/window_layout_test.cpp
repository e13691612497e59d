#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "app/dpi_scale.h"
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

// The window at 125, 150 and 200 %: every length of the layout steps is
// scaled, so the panel and its children land where the 96-DPI layout,
// scaled, puts them (worked out by hand from the steps).
TEST(PanelLayout, WorkedExampleAtEachScale) {
  const struct {
    int dpi;
    int w, h;  // the window's 468 x 357 scaled
    Rect report, close, refresh, hint;
  } cases[] = {
      {96, 468, 357, {2, 10, 458, 257}, {410, 277, 48, 24}, {360, 277, 48, 24}, {60, 277, 300, 24}},
      // 2.5 and 12.5 round to 3 and 13; 572 and 512 are one short of 458 and
      // 410 scaled (572.5 and 512.5), from 585 - 12.5 rounding the other way.
      {120, 585, 446, {3, 13, 572, 321}, {512, 347, 60, 30}, {449, 347, 60, 30}, {74, 347, 375, 30}},
      {144, 702, 536, {3, 15, 687, 386}, {615, 416, 72, 36}, {540, 416, 72, 36}, {90, 416, 450, 36}},
      {192, 936, 714, {4, 20, 916, 514}, {820, 554, 96, 48}, {720, 554, 96, 48}, {120, 554, 600, 48}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dpi);
    const PanelGeometry g = LayOutAdapterPanelGeometry(c.w, c.h, DesignPanelGeometry(c.dpi), c.dpi);
    EXPECT_EQ(g.panel, (Rect{0, 0, c.w, c.h}));
    EXPECT_EQ(g.report, c.report);
    EXPECT_EQ(g.close, c.close);
    EXPECT_EQ(g.refresh, c.refresh);
    EXPECT_EQ(g.hint, c.hint);
  }
}

// Each step rounds its own lengths, so the result can differ from the
// 96-DPI layout scaled: by at most one pixel at the display scales Windows
// offers (steps of 25 %, 24 DPI), and by at most two at any DPI.
TEST(PanelLayout, ScaledStepsStayWithinRoundingOfTheScaledLayout) {
  const PanelGeometry at96 = LayOutAdapterPanelGeometry(kMainWindowWidth, kMainWindowHeight, DesignPanelGeometry());
  int worst = 0, worstAtScaleSteps = 0;
  for (int dpi = 72; dpi <= 480; ++dpi) {
    const PanelGeometry g = LayOutAdapterPanelGeometry(ScaleToDpi(kMainWindowWidth, dpi),
                                                       ScaleToDpi(kMainWindowHeight, dpi), DesignPanelGeometry(dpi), dpi);
    const Rect got[] = {g.panel, g.report, g.close, g.refresh, g.hint};
    const Rect want[] = {ScaleToDpi(at96.panel, dpi), ScaleToDpi(at96.report, dpi), ScaleToDpi(at96.close, dpi),
                         ScaleToDpi(at96.refresh, dpi), ScaleToDpi(at96.hint, dpi)};
    int off = 0;
    for (int i = 0; i < 5; ++i) {
      off = std::max({off, std::abs(got[i].left - want[i].left), std::abs(got[i].top - want[i].top),
                      std::abs(got[i].width - want[i].width), std::abs(got[i].height - want[i].height)});
    }
    EXPECT_LE(off, dpi % 24 == 0 ? 1 : 2) << "at " << dpi << " DPI";
    worst = std::max(worst, off);
    if (dpi % 24 == 0) worstAtScaleSteps = std::max(worstAtScaleSteps, off);
  }
  EXPECT_EQ(worst, 2);  // the bound is tight: the steps do round apart
  EXPECT_EQ(worstAtScaleSteps, 1);
}

TEST(WindowDescription, PlacesAtEachScale) {
  const struct {
    ControlId id;
    int dpi;
    Rect place;
  } cases[] = {
      {ControlId::编辑框_ssid, 96, {154, 131, 214, 24}},
      {ControlId::编辑框_ssid, 120, {193, 164, 268, 30}},  // 192.5, 163.75, 267.5
      {ControlId::编辑框_ssid, 144, {231, 197, 321, 36}},  // 196.5 rounds up
      {ControlId::编辑框_ssid, 192, {308, 262, 428, 48}},
      {ControlId::超级按钮_mmsj, 120, {465, 226, 21, 16}},  // 226.25, 21.25, 16.25
      {ControlId::超级按钮_mmsj, 144, {558, 272, 26, 20}},  // 271.5, 25.5, 19.5 round up
      {ControlId::超级按钮_off, 144, {516, 372, 144, 60}},
      {ControlId::透明标签_tip, 192, {384, 448, 464, 32}},
      {ControlId::超级按钮1, 120, {390, 380, 130, 20}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << Describe(c.id).name << " at " << c.dpi);
    EXPECT_EQ(PlaceAt(c.id, c.dpi), c.place);
  }
  // The name and password boxes keep their length limits at every scale:
  // they count characters, not pixels.
  EXPECT_EQ(Describe(ControlId::编辑框_ssid).inputLimit, 18);
}

// The window's outer size is its client area scaled, with the frame at that
// DPI around it: 702 x 536 at 150 % for a frame that scales exactly, a few
// pixels less for Wine's, whose borders stay 3 pixels wide.
TEST(WindowDescription, OuterSizeAtEachScale) {
  const struct {
    const char* frame;
    int dpi;
    Size at96, atDpi, outer;
  } cases[] = {
      {"exact", 96, {16, 40}, {16, 40}, {468, 357}},
      {"exact", 120, {16, 40}, {20, 50}, {585, 446}},
      {"exact", 144, {16, 40}, {24, 60}, {702, 536}},  // 475.5 rounds up
      {"exact", 192, {16, 40}, {32, 80}, {936, 714}},
      {"wine", 96, {6, 25}, {6, 25}, {468, 357}},
      {"wine", 120, {6, 25}, {6, 30}, {584, 445}},  // 577.5 rounds up
      {"wine", 144, {6, 25}, {6, 34}, {699, 532}},
      {"wine", 192, {6, 25}, {6, 43}, {930, 707}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.frame << " frame at " << c.dpi);
    EXPECT_EQ(MainWindowSizeAt(c.dpi, c.at96, c.atDpi), c.outer);
  }
}

// Scaled one by one, the places keep the window's arrangement at each
// scale: the controls that overlap at 96 DPI (the panel, laid out, over the
// window's controls) overlap, no others do, and the row of links and bars
// along the bottom stays one unbroken row.
TEST(WindowDescription, ScaledPlacesKeepTheArrangement) {
  auto overlap = [](const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
  };
  auto placesAt = [](int dpi) {
    std::array<Rect, kControlCount> places;
    for (const auto& d : Controls()) places[static_cast<std::size_t>(d.id)] = PlaceAt(d.id, dpi);
    const PanelGeometry g = LayOutAdapterPanelGeometry(ScaleToDpi(kMainWindowWidth, dpi),
                                                       ScaleToDpi(kMainWindowHeight, dpi), DesignPanelGeometry(dpi), dpi);
    places[static_cast<std::size_t>(ControlId::分组框1)] = g.panel;
    places[static_cast<std::size_t>(ControlId::编辑框1)] = g.report;
    places[static_cast<std::size_t>(ControlId::按钮1)] = g.close;
    places[static_cast<std::size_t>(ControlId::按钮2)] = g.refresh;
    places[static_cast<std::size_t>(ControlId::透明标签3)] = g.hint;
    return places;
  };
  const auto at96 = placesAt(96);
  const ControlId row[] = {ControlId::超级按钮3, ControlId::透明标签1, ControlId::超级按钮4, ControlId::透明标签2,
                           ControlId::超级按钮,  ControlId::透明标签4, ControlId::超级按钮1};
  for (int dpi : {120, 144, 192}) {
    SCOPED_TRACE(dpi);
    const auto places = placesAt(dpi);
    for (const auto& a : Controls()) {
      for (const auto& b : Controls()) {
        if (a.id >= b.id || a.inPanel != b.inPanel) continue;
        const std::size_t i = static_cast<std::size_t>(a.id), j = static_cast<std::size_t>(b.id);
        EXPECT_EQ(overlap(places[i], places[j]), overlap(at96[i], at96[j])) << a.name << " and " << b.name;
      }
    }
    for (std::size_t k = 1; k < std::size(row); ++k) {
      const Rect& left = places[static_cast<std::size_t>(row[k - 1])];
      const Rect& right = places[static_cast<std::size_t>(row[k])];
      EXPECT_EQ(left.left + left.width, right.left) << Describe(row[k]).name;
      EXPECT_EQ(left.top, right.top);
      EXPECT_EQ(left.height, right.height);
    }
  }
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
