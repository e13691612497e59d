// The pictures as the generator draws them, at every stored DPI: their sizes
// and keys, where their elements sit relative to the controls at that DPI,
// and at 96 DPI exactly the pictures the window has always shown.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <utility>

#include "app/art/artwork.h"
#include "app/button_look.h"
#include "app/dpi_scale.h"
#include "app/picture_codec.h"
#include "app/picture_scaling.h"
#include "app/window_description.h"

namespace lumaret {
namespace {

using art::Canvas;

// Each picture is drawn once per run; several tests look at it.
const Canvas& Drawn(Picture p, int dpi) {
  static std::map<std::pair<int, int>, Canvas> drawn;
  const auto key = std::make_pair(static_cast<int>(p), dpi);
  auto it = drawn.find(key);
  if (it == drawn.end()) it = drawn.emplace(key, art::DrawPicture(p, dpi)).first;
  return it->second;
}
const Pixels& Stored(Picture p, int dpi) {
  static std::map<std::pair<int, int>, Pixels> stored;
  const auto key = std::make_pair(static_cast<int>(p), dpi);
  auto it = stored.find(key);
  if (it == stored.end()) it = stored.emplace(key, art::ToPixels(Drawn(p, dpi))).first;
  return it->second;
}

// A covered pixel is content (see ToPixels).
bool IsContent(const Canvas& c, int x, int y) { return c.at(x, y).a >= 128; }

std::uint64_t Fingerprint(const Pixels& p) {
  std::uint64_t f = 1469598103934665603ull;  // FNV-1a over R, G, B, top row first
  for (std::uint32_t c : p.px)
    for (int shift : {16, 8, 0}) {
      f ^= c >> shift & 0xFF;
      f *= 1099511628211ull;
    }
  return f;
}

TEST(Art, AtNinetySixDpiEveryPictureAndTheIconAreAsTheyWere) {
  // The look at 100 % does not change with the other scales: these are the
  // fingerprints of the pictures and icon images the window has shown since
  // its first look.
  const struct {
    Picture p;
    std::uint64_t fingerprint;
  } pictures[] = {
      {Picture::Background, 0xf9e5dbfaf7a53b54ull}, {Picture::RingBlue, 0xd92962b15ad34951ull},
      {Picture::RingOrange, 0x5dd67ce5b44025f9ull}, {Picture::Close, 0xb82eff49f4d570e1ull},
      {Picture::CloseLit, 0xcb3480ccedeb7acaull},   {Picture::CloseGrey, 0xb3a3a4ca41f7dfd7ull},
      {Picture::Open, 0x0f2d274987feac57ull},       {Picture::OpenLit, 0x1049fdff29330eceull},
      {Picture::OpenGrey, 0x7114deedf27c8024ull},
  };
  for (const auto& c : pictures) {
    SCOPED_TRACE(PictureResourceName(c.p, 96));
    EXPECT_EQ(Fingerprint(Stored(c.p, 96)), c.fingerprint);
  }
  const struct {
    int size;
    std::uint64_t fingerprint;
  } icons[] = {{16, 0xc4ac26f381860b8bull}, {32, 0xf235e68bd6dd2123ull}, {48, 0x74f6273a7fdb4e13ull}};
  for (const auto& c : icons) {
    SCOPED_TRACE(c.size);
    const Canvas icon = art::DrawIcon(c.size);
    std::uint64_t f = 1469598103934665603ull;  // over R, G, B, A
    for (int y = 0; y < icon.height(); ++y)
      for (int x = 0; x < icon.width(); ++x) {
        const art::Rgba& p = icon.at(x, y);
        for (std::uint8_t v : {p.r, p.g, p.b, p.a}) {
          f ^= v;
          f *= 1099511628211ull;
        }
      }
    EXPECT_EQ(f, c.fingerprint);
  }
}

TEST(Art, EverySetHasTheScaledSizesAndTheKeyOnlyOutsideTheContent) {
  for (int dpi : kPictureSetDpis) {
    for (Picture p : kAllPictures) {
      SCOPED_TRACE(PictureResourceName(p, dpi));
      const Canvas& c = Drawn(p, dpi);
      const Pixels& px = Stored(p, dpi);
      ASSERT_EQ(c.width(), PictureSizeAt(p, dpi).width);
      ASSERT_EQ(c.height(), PictureSizeAt(p, dpi).height);
      // The corner, where the key comes from, is ground; no content pixel
      // has the key's colour, so none of it turns into a hole.
      EXPECT_FALSE(IsContent(c, 0, 0));
      const std::uint32_t key = px.At(0, 0);
      int holes = 0, content = 0;
      for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
          if (!IsContent(c, x, y)) continue;
          ++content;
          if (px.At(x, y) == key) ++holes;
        }
      EXPECT_GT(content, c.width() * c.height() / 20);
      EXPECT_EQ(holes, 0);
      // What the exe stores of it comes back as drawn.
      const std::vector<std::uint8_t> stored = EncodePicture(px);
      Pixels back;
      ASSERT_TRUE(DecodePicture(stored.data(), stored.size(), &back));
      EXPECT_EQ(back.px, px.px);
    }
  }
}

Rect Place(ControlId id, int dpi) { return ScaleToDpi(Describe(id).place, dpi); }

// Counts the pixels of `r` (clipped to the picture) for which `bad` holds.
template <typename F>
int CountIn(const Pixels& p, const Rect& r, F bad) {
  int n = 0;
  for (int y = std::max(0, r.top); y < std::min(p.height, r.top + r.height); ++y)
    for (int x = std::max(0, r.left); x < std::min(p.width, r.left + r.width); ++x)
      if (bad(p.At(x, y))) ++n;
  return n;
}

TEST(Art, TheBackgroundIsDrawnAroundTheControlsAtEveryScale) {
  constexpr std::uint32_t kWhite = PackRgb(255, 255, 255);
  auto dark = [](std::uint32_t c) { return (c >> 16 & 0xFF) < 100 && (c >> 8 & 0xFF) < 100 && (c & 0xFF) < 100; };
  for (int dpi : kPictureSetDpis) {
    SCOPED_TRACE(dpi);
    const Pixels& bg = Stored(Picture::Background, dpi);
    const std::uint32_t key = bg.At(0, 0);
    // The boxes and their ring buttons lie inside the white frames.
    for (ControlId id : {ControlId::编辑框_ssid, ControlId::编辑框_pw, ControlId::超级按钮_id, ControlId::超级按钮_mmsj}) {
      EXPECT_EQ(CountIn(bg, Place(id, dpi), [&](std::uint32_t c) { return c != kWhite; }), 0) << Describe(id).name;
    }
    // Nothing is drawn where the buttons with faces and the labels and text
    // buttons without a background of their own are.
    for (ControlId id : {ControlId::超级按钮_ope, ControlId::超级按钮_off, ControlId::透明标签_tip, ControlId::超级按钮1,
                         ControlId::超级按钮3, ControlId::超级按钮4, ControlId::超级按钮, ControlId::透明标签1,
                         ControlId::透明标签2, ControlId::透明标签4}) {
      EXPECT_EQ(CountIn(bg, Place(id, dpi), [&](std::uint32_t c) { return c != key; }), 0) << Describe(id).name;
    }
    // The orange icon sits just left of the status line, level with it.
    const Rect tip = Place(ControlId::透明标签_tip, dpi);
    const std::uint32_t icon = bg.At(tip.left - ScaleToDpi(16, dpi), tip.top + tip.height / 2);
    EXPECT_GT(icon >> 16 & 0xFF, 200u);
    EXPECT_LT(icon & 0xFF, 100u);
    // Each caption is left of its box, on the box's rows.
    for (ControlId id : {ControlId::编辑框_ssid, ControlId::编辑框_pw}) {
      SCOPED_TRACE(Describe(id).name);
      const Rect box = Place(id, dpi);
      const Rect beside{0, box.top - box.height / 2, box.left, 2 * box.height};
      long ink = 0, rows = 0;
      for (int y = beside.top; y < beside.top + beside.height; ++y)
        for (int x = 0; x < box.left; ++x)
          if (dark(bg.At(x, y))) {
            ++ink;
            rows += y;
          }
      ASSERT_GT(ink, 20);
      const double middle = static_cast<double>(rows) / ink;
      EXPECT_GT(middle, box.top);
      EXPECT_LT(middle, box.top + box.height);
    }
  }
}

TEST(Art, RingsAndFacesShowWholeInTheirButtonsAtEveryScale) {
  const struct {
    Picture p;
    ControlId button;
  } cases[] = {
      {Picture::RingBlue, ControlId::超级按钮_id}, {Picture::RingOrange, ControlId::超级按钮_mmsj},
      {Picture::Close, ControlId::超级按钮_off},   {Picture::CloseLit, ControlId::超级按钮_off},
      {Picture::CloseGrey, ControlId::超级按钮_off}, {Picture::Open, ControlId::超级按钮_ope},
      {Picture::OpenLit, ControlId::超级按钮_ope}, {Picture::OpenGrey, ControlId::超级按钮_ope},
  };
  for (int dpi : kPictureSetDpis) {
    for (const auto& c : cases) {
      SCOPED_TRACE(PictureResourceName(c.p, dpi));
      const Canvas& picture = Drawn(c.p, dpi);
      const Rect button = Place(c.button, dpi);
      const Point at = PicturePlacement(button.width, button.height, picture.width(), picture.height());
      const PictureClip shown = ClipPicture(button.width, button.height, at, picture.width(), picture.height());
      // Every content pixel lands inside the button; only ground is cut off.
      int cut = 0;
      double left = 1e9, right = -1, top = 1e9, bottom = -1;
      for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
          if (!IsContent(picture, x, y)) continue;
          left = std::min<double>(left, x);
          right = std::max<double>(right, x + 1);
          top = std::min<double>(top, y);
          bottom = std::max<double>(bottom, y + 1);
          if (x < shown.srcLeft || x >= shown.srcLeft + shown.dest.width || y < shown.srcTop ||
              y >= shown.srcTop + shown.dest.height) {
            ++cut;
          }
        }
      EXPECT_EQ(cut, 0);
      // And it sits in the middle of the button across, within a pixel.
      EXPECT_NEAR(at.x + (left + right) / 2, button.width / 2.0, 1.0);
    }
  }
}

bool IsRing(Picture p) { return p == Picture::RingBlue || p == Picture::RingOrange; }

// Where the content of a picture is, on average, and how much of it there is.
struct Ink {
  double x = 0, y = 0;
  int pixels = 0;
};
Ink InkOf(const Pixels& p) {
  Ink ink;
  const std::uint32_t key = p.At(0, 0);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      if (p.At(x, y) != key) {
        ink.x += x;
        ink.y += y;
        ++ink.pixels;
      }
  if (ink.pixels) {
    ink.x /= ink.pixels;
    ink.y /= ink.pixels;
  }
  return ink;
}

TEST(Art, ASetScaledDownLooksLikeTheSetDrawnForThatScale) {
  // What a DPI without a set of its own gets, tried where the answer is
  // known: each set made from the next larger one, next to the set drawn.
  for (std::size_t i = 0; i + 1 < kPictureSetDpis.size(); ++i) {
    const int dpi = kPictureSetDpis[i], larger = kPictureSetDpis[i + 1];
    for (Picture p : kAllPictures) {
      SCOPED_TRACE(PictureResourceName(p, dpi));
      const Pixels& drawn = Stored(p, dpi);
      const Pixels made = ResamplePicture(Stored(p, larger), drawn.width, drawn.height);
      ASSERT_EQ(made.px.size(), drawn.px.size());
      const std::uint32_t key = drawn.At(0, 0);
      ASSERT_EQ(made.At(0, 0), key);
      if (IsRing(p)) {
        // A thin ring drawn for its button sits up to a pixel off the middle
        // the scaled-down one lands on (the places round differently); it
        // keeps its place and weight.
        const Ink a = InkOf(drawn), b = InkOf(made);
        EXPECT_NEAR(a.x, b.x, 1.0);
        EXPECT_NEAR(a.y, b.y, 1.0);
        EXPECT_NEAR(b.pixels, a.pixels, a.pixels / 4);
        continue;
      }
      std::size_t disagree = 0, both = 0;
      double difference = 0;
      for (std::size_t k = 0; k < drawn.px.size(); ++k) {
        const bool a = drawn.px[k] == key, b = made.px[k] == key;
        if (a != b) ++disagree;
        if (a || b) continue;
        ++both;
        for (int shift : {16, 8, 0}) {
          const int want = drawn.px[k] >> shift & 0xFF, got = made.px[k] >> shift & 0xFF;
          difference += std::abs(want - got);
        }
      }
      // Key and content agree but for a thin seam along the edges, and the
      // colours are close on average.
      EXPECT_LT(disagree, drawn.px.size() / 25);
      ASSERT_GT(both, 0u);
      EXPECT_LT(difference / (3 * both), 12.0);
    }
  }
}

TEST(Art, AllStoredSetsTogetherLeaveTheExeWellUnderOneMebibyte) {
  // The exe's code and other resources take about 300 KiB.
  std::size_t total = 0;
  for (int dpi : kPictureSetDpis)
    for (Picture p : kAllPictures) total += EncodePicture(Stored(p, dpi)).size();
  EXPECT_LT(total, 512u * 1024);
  RecordProperty("stored_bytes", static_cast<int>(total));
}

}  // namespace
}  // namespace lumaret
