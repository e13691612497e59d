// Sizes at a DPI, the choice of the stored set, and the resizing of a
// colour-keyed picture for a DPI without a set of its own.
#include <gtest/gtest.h>

#include "app/dpi_scale.h"
#include "app/picture_scaling.h"
#include "app/pictures.h"

namespace lumaret {
namespace {

TEST(ScaleToDpi, RoundsLikeMulDivHalvesAwayFromZero) {
  const struct {
    int value, dpi, scaled;
  } cases[] = {
      {450, 96, 450}, {341, 144, 512},  // 511.5
      {450, 120, 563},                  // 562.5
      {17, 144, 26},  {13, 144, 20},    // 25.5, 19.5
      {17, 120, 21},  {13, 120, 16},    // 21.25, 16.25
      {98, 192, 196}, {1, 120, 1},      // 1.25
      {0, 144, 0},    {-1, 144, -2},    // -1.5: away from zero, as MulDiv
      {-3, 120, -4},  {-2, 120, -3},    // -3.75, -2.5
      {100000, 288, 300000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " at " << c.dpi);
    EXPECT_EQ(ScaleToDpi(c.value, c.dpi), c.scaled);
  }
  // Each of left, top, width and height on its own.
  EXPECT_EQ(ScaleToDpi(Rect{371, 136, 17, 13}, 120), (Rect{464, 170, 21, 16}));
}

TEST(PictureSizeAt, TheSizesAt96ScaledLikeThePlaces) {
  const struct {
    Picture p;
    int dpi;
    int width, height;
  } cases[] = {
      {Picture::Background, 96, 450, 341}, {Picture::RingBlue, 96, 18, 17},  {Picture::OpenGrey, 96, 98, 38},
      {Picture::Background, 144, 675, 512}, {Picture::RingOrange, 144, 27, 26}, {Picture::Close, 144, 147, 57},
      {Picture::Background, 120, 563, 426}, {Picture::RingBlue, 120, 23, 21}, {Picture::CloseLit, 120, 123, 48},
      {Picture::Background, 192, 900, 682}, {Picture::RingBlue, 192, 36, 34}, {Picture::Open, 192, 196, 76},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.p) << " at " << c.dpi);
    EXPECT_EQ(PictureSizeAt(c.p, c.dpi).width, c.width);
    EXPECT_EQ(PictureSizeAt(c.p, c.dpi).height, c.height);
  }
}

TEST(PictureSetFor, ItsOwnSetElseTheNextLargerElseTheLargest) {
  const struct {
    int dpi, set;
  } cases[] = {
      {96, 96},   {120, 120}, {144, 144}, {192, 192}, {288, 288},  // stored
      {72, 96},   {97, 120},  {121, 144}, {168, 192}, {216, 288}, {240, 288},
      {384, 288},  // beyond the largest: scaled up from it
      {0, 96},    {-96, 96},  // nonsense counts as 96
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dpi);
    EXPECT_EQ(PictureSetFor(c.dpi), c.set);
  }
  EXPECT_EQ(PictureResourceName(Picture::Background, 144), "BACKGROUND_144");
  EXPECT_EQ(PictureResourceName(Picture::OpenGrey, 96), "OPEN_GREY_96");
}

constexpr std::uint32_t kKey = PackRgb(240, 240, 240);
constexpr std::uint32_t kRed = PackRgb(200, 0, 0);

Pixels Grid(int width, int height, std::initializer_list<std::uint32_t> px) {
  Pixels p;
  p.width = width;
  p.height = height;
  p.px = px;
  return p;
}

TEST(AwayFromKey, OnlyTheKeyMovesAndOnlyByOneStepOfBlue) {
  EXPECT_EQ(AwayFromKey(kRed, kKey), kRed);
  EXPECT_EQ(AwayFromKey(kKey, kKey), PackRgb(240, 240, 241));
  EXPECT_EQ(AwayFromKey(PackRgb(255, 255, 255), PackRgb(255, 255, 255)), PackRgb(255, 255, 254));
}

TEST(ResamplePicture, KeyWhereMostOfTheAreaIsKeyElseTheMeanOfTheRest) {
  // Halving: each new pixel covers a 2 x 2 block of old ones.
  const std::uint32_t a = PackRgb(100, 0, 0), b = PackRgb(0, 100, 0), c = PackRgb(0, 0, 100), d = PackRgb(20, 20, 20);
  const Pixels from = Grid(8, 2, {kKey, kKey, a, b, kKey, kRed, kKey, kKey,  //
                                  kKey, kKey, c, d, kRed, kRed, kRed, kKey});
  const Pixels to = ResamplePicture(from, 4, 1);
  ASSERT_EQ(to.width, 4);
  ASSERT_EQ(to.height, 1);
  EXPECT_EQ(to.At(0, 0), kKey);                   // all key
  EXPECT_EQ(to.At(1, 0), PackRgb(30, 30, 30));    // the plain mean of four
  EXPECT_EQ(to.At(2, 0), kRed);                   // one key: red, not pinker
  EXPECT_EQ(to.At(3, 0), kKey);                   // three key of four
  // Half key, half content stays content.
  EXPECT_EQ(ResamplePicture(Grid(4, 1, {kKey, kKey, kKey, kRed}), 2, 1).At(1, 0), kRed);
}

TEST(ResamplePicture, WeighsByTheAreaEachOldPixelCovers) {
  // Three pixels into two: each new one covers one and a half old ones.
  const Pixels from = Grid(3, 2, {kKey, kKey, kKey,  //
                                  PackRgb(10, 10, 10), PackRgb(100, 100, 100), PackRgb(200, 200, 200)});
  const Pixels to = ResamplePicture(from, 2, 2);
  EXPECT_EQ(to.At(0, 1), PackRgb(40, 40, 40));     // (10 + 100 / 2) / 1.5
  EXPECT_EQ(to.At(1, 1), PackRgb(167, 167, 167));  // (100 / 2 + 200) / 1.5, rounded
  // Growing: every new pixel lies within one old one or straddles two.
  const Pixels grown = ResamplePicture(Grid(2, 1, {kKey, kRed}), 4, 1);
  EXPECT_EQ(grown.px, (std::vector<std::uint32_t>{kKey, kKey, kRed, kRed}));
  const Pixels same = ResamplePicture(from, 3, 2);
  EXPECT_EQ(same.px, from.px);
}

TEST(ResamplePicture, ContentNeverTurnsIntoTheKeyAndTheCornerAlwaysIsIt) {
  // Two greys either side of the key average to the key itself.
  const Pixels from = Grid(4, 2, {kKey, kKey, PackRgb(241, 241, 241), PackRgb(239, 239, 239),  //
                                  kKey, kKey, PackRgb(241, 241, 241), PackRgb(239, 239, 239)});
  const Pixels to = ResamplePicture(from, 2, 1);
  EXPECT_EQ(to.At(1, 0), PackRgb(240, 240, 241));
  // A corner covered mostly by content still carries the key: the window
  // takes the key from there.
  const Pixels corner = ResamplePicture(Grid(2, 2, {kKey, kRed, kRed, kRed}), 1, 1);
  EXPECT_EQ(corner.At(0, 0), kKey);
}

TEST(ResamplePicture, NothingInNothingOut) {
  EXPECT_TRUE(ResamplePicture(Pixels{}, 4, 4).empty());
  EXPECT_TRUE(ResamplePicture(Grid(1, 1, {kKey}), 0, 4).empty());
  EXPECT_TRUE(ResamplePicture(Grid(1, 1, {kKey}), 4, -1).empty());
}

}  // namespace
}  // namespace lumaret
