#include <gtest/gtest.h>

#include <utility>

#include "app/button_look.h"
#include "app/dpi_scale.h"
#include "app/pictures.h"

namespace lumaret {
namespace {

TEST(PicturePlacement, CentresTruncatingTowardZero) {
  const struct {
    int bw, bh, pw, ph;
    Point at;
  } cases[] = {
      {17, 13, 18, 17, {0, -2}},   // ring in its small button: -1/2 and -4/2
      {96, 40, 98, 38, {-1, 1}},   // large face: one column lost each side
      {98, 38, 98, 38, {0, 0}},    // exact fit
      {20, 20, 15, 11, {2, 4}},    // smaller picture: 5/2 and 9/2 round down
      {10, 10, 13, 15, {-1, -2}},  // -3/2 and -5/2 toward zero, not -2 and -3
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bw << "x" << c.bh << " <- " << c.pw << "x" << c.ph);
    const Point p = PicturePlacement(c.bw, c.bh, c.pw, c.ph);
    EXPECT_EQ(p.x, c.at.x);
    EXPECT_EQ(p.y, c.at.y);
  }
}

TEST(ClipPicture, KeepsOnlyWhatLiesInsideTheButton) {
  // Ring: top two rows, bottom two rows and the last column fall outside.
  PictureClip ring = ClipPicture(17, 13, {0, -2}, 18, 17);
  EXPECT_EQ(ring.dest, (Rect{0, 0, 17, 13}));
  EXPECT_EQ(ring.srcLeft, 0);
  EXPECT_EQ(ring.srcTop, 2);
  // Ring pressed: shifted to (1, -1).
  PictureClip pressed = ClipPicture(17, 13, {1, -1}, 18, 17);
  EXPECT_EQ(pressed.dest, (Rect{1, 0, 16, 13}));
  EXPECT_EQ(pressed.srcTop, 1);
  // Face: a column lost each side, a row of background above and below.
  PictureClip face = ClipPicture(96, 40, {-1, 1}, 98, 38);
  EXPECT_EQ(face.dest, (Rect{0, 1, 96, 38}));
  EXPECT_EQ(face.srcLeft, 1);
  EXPECT_EQ(face.srcTop, 0);
  // Entirely outside: nothing to draw.
  PictureClip gone = ClipPicture(10, 10, {12, 0}, 5, 5);
  EXPECT_EQ(gone.dest.width * gone.dest.height, 0);
}

TEST(PicturePlacement, ScaledButtonsAndScaledPicturesAtEveryStoredScale) {
  // Buttons and pictures are scaled size by size, each rounded on its own,
  // so the differences the rule halves change with the scale.
  const ControlId ring = ControlId::超级按钮_id, face = ControlId::超级按钮_ope;
  const struct {
    int dpi;
    ControlId button;
    Picture picture;
    Point at;
    Rect dest;
    int srcLeft, srcTop;
  } cases[] = {
      // ring: button 17 x 13, picture 18 x 17 at 96 DPI
      {96, ring, Picture::RingBlue, {0, -2}, {0, 0, 17, 13}, 0, 2},
      {120, ring, Picture::RingBlue, {-1, -2}, {0, 0, 21, 16}, 1, 2},   // 21 x 16, 23 x 21: -2/2, -5/2
      {144, ring, Picture::RingBlue, {0, -3}, {0, 0, 26, 20}, 0, 3},    // 26 x 20, 27 x 26: -1/2 is 0
      {192, ring, Picture::RingBlue, {-1, -4}, {0, 0, 34, 26}, 1, 4},   // 34 x 26, 36 x 34
      // face: button 96 x 40, picture 98 x 38 at 96 DPI
      {96, face, Picture::Open, {-1, 1}, {0, 1, 96, 38}, 1, 0},
      {120, face, Picture::Open, {-1, 1}, {0, 1, 120, 48}, 1, 0},       // 120 x 50, 123 x 48: -3/2 is -1
      {144, face, Picture::Open, {-1, 1}, {0, 1, 144, 57}, 1, 0},       // 144 x 60, 147 x 57: 3/2 is 1
      {192, face, Picture::Open, {-2, 2}, {0, 2, 192, 76}, 2, 0},       // 192 x 80, 196 x 76
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << Describe(c.button).name << " at " << c.dpi);
    const Rect b = ScaleToDpi(Describe(c.button).place, c.dpi);
    const PictureSize p = PictureSizeAt(c.picture, c.dpi);
    const Point at = PicturePlacement(b.width, b.height, p.width, p.height);
    EXPECT_EQ(at.x, c.at.x);
    EXPECT_EQ(at.y, c.at.y);
    const PictureClip clip = ClipPicture(b.width, b.height, at, p.width, p.height);
    EXPECT_EQ(clip.dest, c.dest);
    EXPECT_EQ(clip.srcLeft, c.srcLeft);
    EXPECT_EQ(clip.srcTop, c.srcTop);
  }
  // The two ring buttons, and the two large ones, have one size at every
  // scale, so one picture fits both.
  for (int dpi : kPictureSetDpis) {
    for (auto pair : {std::make_pair(ControlId::超级按钮_mmsj, ring), std::make_pair(ControlId::超级按钮_off, face)}) {
      const Rect a = ScaleToDpi(Describe(pair.first).place, dpi), b = ScaleToDpi(Describe(pair.second).place, dpi);
      EXPECT_EQ(a.width, b.width);
      EXPECT_EQ(a.height, b.height);
    }
  }
}

TEST(ChooseAppearance, StateTable) {
  const ControlKind P = ControlKind::PictureButton, T = ControlKind::TextButton, S = ControlKind::TwoStateButton;
  const PictureState N = PictureState::Normal, L = PictureState::Lit, D = PictureState::Disabled;
  const struct {
    const char* what;
    ControlKind kind;
    ButtonCondition c;  // disabled, pressed, hover, checked
    PictureState picture;
    bool black;
    int shift;
  } cases[] = {
      {"picture normal", P, {false, false, false, false}, N, false, 0},
      {"picture hover", P, {false, false, true, false}, L, true, 0},
      {"picture pressed", P, {false, true, false, false}, L, true, 1},
      {"picture pressed and hover", P, {false, true, true, false}, L, true, 1},
      {"picture disabled wins over hover", P, {true, false, true, false}, D, false, 0},
      {"picture disabled wins over pressed", P, {true, true, false, false}, D, false, 0},
      {"text normal", T, {false, false, false, false}, N, false, 0},
      {"text hover", T, {false, false, true, false}, L, true, 0},
      {"text pressed shifts", T, {false, true, false, false}, L, true, 1},
      {"text ignores checked", T, {false, false, false, true}, N, false, 0},
      {"two-state normal", S, {false, false, false, false}, N, false, 0},
      {"two-state checked is black", S, {false, false, false, true}, L, true, 0},
      {"two-state hover is black", S, {false, false, true, false}, L, true, 0},
      {"two-state pressed never shifts", S, {false, true, false, false}, L, true, 0},
      {"two-state checked and pressed", S, {false, true, true, true}, L, true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ButtonAppearance a = ChooseAppearance(c.kind, c.c);
    EXPECT_EQ(a.picture, c.picture);
    EXPECT_EQ(a.blackCaption, c.black);
    EXPECT_EQ(a.shift, c.shift);
  }
}

// The pressed shift is one pixel at 96 DPI, scaled like every length, and
// at least one pixel at any DPI; the two-state button still never moves.
TEST(ChooseAppearance, PressedShiftAtEachScale) {
  const struct {
    int dpi, shift;
  } cases[] = {{96, 1}, {120, 1}, {144, 2}, {192, 2}, {288, 3}, {72, 1}, {40, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dpi);
    const ButtonCondition pressed{false, true, false, false};
    EXPECT_EQ(ChooseAppearance(ControlKind::PictureButton, pressed, c.dpi).shift, c.shift);
    EXPECT_EQ(ChooseAppearance(ControlKind::TextButton, pressed, c.dpi).shift, c.shift);
    EXPECT_EQ(ChooseAppearance(ControlKind::TwoStateButton, pressed, c.dpi).shift, 0);
    EXPECT_EQ(ChooseAppearance(ControlKind::PictureButton, ButtonCondition{false, false, true, false}, c.dpi).shift, 0);
  }
}

TEST(HoverTracker, StartsOnEntryWithTheButtonUpEndsOnLeaveOrFocusLoss) {
  HoverTracker t;
  EXPECT_TRUE(t.OnPointerMove(false));  // entry: caller starts leave tracking
  EXPECT_TRUE(t.hover());
  EXPECT_FALSE(t.OnPointerMove(false));  // still inside
  t.OnFocusLost();
  EXPECT_FALSE(t.hover());
  t.OnPointerMove(false);  // moving on after the focus went does not restart it
  EXPECT_FALSE(t.hover());
  t.OnPointerLeave();
  EXPECT_FALSE(t.inside());
  t.OnPointerMove(false);  // a new entry does
  EXPECT_TRUE(t.hover());
  t.OnPointerLeave();
  EXPECT_FALSE(t.hover());
}

TEST(HoverTracker, EnteringWithTheLeftButtonHeldDoesNotStartIt) {
  HoverTracker t;
  EXPECT_TRUE(t.OnPointerMove(true));
  EXPECT_FALSE(t.hover());
  t.OnPointerMove(false);  // released inside: still no hover until it re-enters
  EXPECT_FALSE(t.hover());
  t.OnPointerLeave();
  t.OnPointerMove(false);
  EXPECT_TRUE(t.hover());
}

}  // namespace
}  // namespace lumaret
