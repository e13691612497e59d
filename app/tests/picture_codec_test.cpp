// The stored form of the pictures: what goes in comes out, and anything
// damaged or made up gives no picture, never a read or write outside the
// buffers (this binary runs under the address sanitizer).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/picture_codec.h"

namespace lumaret {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A small deterministic generator, so every run sees the same "random" data.
struct Lcg {
  std::uint32_t state;
  std::uint32_t Next() {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  }
};

Pixels Make(int width, int height, std::uint32_t (*at)(int x, int y)) {
  Pixels p;
  p.width = width;
  p.height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.px.push_back(at(x, y) & 0xFFFFFF);
  return p;
}

// Something like the window's pictures: flat ground, a gradient band, a
// ring of a second colour, noise along its edges.
Pixels Artlike(int width, int height) {
  Pixels p;
  p.width = width;
  p.height = height;
  Lcg lcg{7};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint32_t c = PackRgb(240, 240, 240);
      if (y > height / 5 && y < height / 2) c = PackRgb(30, 120 + y % 60, 210);
      const int dx = x - width / 2, dy = y - height * 2 / 3, d2 = dx * dx + dy * dy;
      if (d2 < 64 && d2 > 16) c = PackRgb(245, 130, 30);
      if (d2 >= 64 && d2 < 90) c = lcg.Next();
      p.px.push_back(c & 0xFFFFFF);
    }
  return p;
}

Pixels Decoded(const Bytes& stored) {
  Pixels p;
  EXPECT_TRUE(DecodePicture(stored.data(), stored.size(), &p));
  return p;
}

bool Same(const Pixels& a, const Pixels& b) { return a.width == b.width && a.height == b.height && a.px == b.px; }

TEST(PictureCodec, WhatIsStoredComesBackPixelForPixel) {
  static Lcg noise{42};
  const struct {
    const char* what;
    Pixels picture;
  } cases[] = {
      {"one pixel", Make(1, 1, [](int, int) { return PackRgb(1, 2, 3); })},
      {"flat ground, runs far longer than one copy", Make(450, 341, [](int, int) { return PackRgb(240, 240, 240); })},
      {"vertical gradient", Make(98, 38, [](int, int y) { return PackRgb(52 - y, 142 - y, 230 - y); })},
      {"horizontal gradient that wraps", Make(300, 3, [](int x, int) { return PackRgb(x, 2 * x, 255 - x); })},
      {"noise: nothing to copy", Make(37, 23, [](int, int) { return noise.Next(); })},
      {"the widest picture", Make(kMaxPictureSide, 2, [](int x, int y) { return PackRgb(x >> 4, y, x & 15); })},
      {"the tallest picture", Make(1, kMaxPictureSide, [](int, int y) { return PackRgb(y >> 8, y, 0); })},
      {"like the window's pictures", Artlike(200, 120)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Bytes stored = EncodePicture(c.picture);
    ASSERT_FALSE(stored.empty());
    EXPECT_TRUE(Same(Decoded(stored), c.picture));
  }
  // The flat ground packs to almost nothing; noise may even grow a little.
  EXPECT_LT(EncodePicture(cases[1].picture).size(), 2000u);
}

TEST(PictureCodec, RefusesToStoreWhatItCannotDescribe) {
  EXPECT_TRUE(EncodePicture(Pixels{}).empty());
  EXPECT_TRUE(EncodePicture(Make(kMaxPictureSide + 1, 1, [](int, int) { return 0u; })).empty());
  Pixels short_ = Make(4, 4, [](int, int) { return 0u; });
  short_.px.pop_back();
  EXPECT_TRUE(EncodePicture(short_).empty());
}

// Stored pictures written by hand, after the format in picture_codec.h, so
// the decoder is held to the format and not only to its own encoder.
std::uint32_t Crc32(const Bytes& b) {
  std::uint32_t c = 0xFFFFFFFFu;  // bit by bit, as the polynomial is defined
  for (std::uint8_t v : b) {
    c ^= v;
    for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
  }
  return ~c;
}

void Put16(Bytes& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

// Header for a picture whose pixels, as B, G, R bytes, are `pixelBytes`.
Bytes Header(int width, int height, const Bytes& pixelBytes) {
  Bytes out = {'L', 'P', 'I', 'C'};
  Put16(out, static_cast<unsigned>(width));
  Put16(out, static_cast<unsigned>(height));
  const std::uint32_t sum = Crc32(pixelBytes);
  Put16(out, sum & 0xFFFF);
  Put16(out, sum >> 16);
  return out;
}

// One sequence of literal bytes only: how a stream ends.
void PutLiterals(Bytes& out, const Bytes& literals) {
  std::size_t n = literals.size();
  out.push_back(static_cast<std::uint8_t>(std::min<std::size_t>(n, 15) << 4));
  if (n >= 15) {
    for (n -= 15; n >= 255; n -= 255) out.push_back(255);
    out.push_back(static_cast<std::uint8_t>(n));
  }
  out.insert(out.end(), literals.begin(), literals.end());
}

TEST(PictureCodec, DecodesEveryRowFilterAsWritten) {
  ASSERT_EQ(Crc32({'1', '2', '3', '4', '5', '6', '7', '8', '9'}), 0xCBF43926u);  // the CRC-32 check value
  // 2 x 2 pixels. Row 0, unfiltered: (B, G, R) = (10, 20, 30), (40, 50, 60).
  // Row 1: every byte 5 more than what its filter predicts.
  const Bytes row0 = {10, 20, 30, 40, 50, 60};
  const struct {
    int filter;
    Bytes row1;
  } cases[] = {
      {0, {5, 5, 5, 5, 5, 5}},              // none
      {1, {5, 5, 5, 10, 10, 10}},           // left: nothing left of the first pixel
      {2, {15, 25, 35, 45, 55, 65}},        // above
      {3, {10, 15, 20, 30, 37, 45}},        // mean of left and above, rounded down
      {4, {15, 25, 35, 45, 55, 65}},        // Paeth: here the pixel above is nearest the guess
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.filter);
    Bytes pixels = row0;
    pixels.insert(pixels.end(), c.row1.begin(), c.row1.end());
    Bytes rows = {0};
    rows.insert(rows.end(), row0.begin(), row0.end());
    rows.push_back(static_cast<std::uint8_t>(c.filter));
    rows.insert(rows.end(), 6, 5);
    Bytes stored = Header(2, 2, pixels);
    PutLiterals(stored, rows);
    Pixels p;
    ASSERT_TRUE(DecodePicture(stored.data(), stored.size(), &p));
    EXPECT_EQ(p.At(0, 0), PackRgb(30, 20, 10));
    EXPECT_EQ(p.At(0, 1), PackRgb(c.row1[2], c.row1[1], c.row1[0]));
    EXPECT_EQ(p.At(1, 1), PackRgb(c.row1[5], c.row1[4], c.row1[3]));
  }
  // Paeth where the left pixel is nearest the guess, and sums past 255.
  // Row 0: two pixels of 200. Row 1, pixel 0: left 0, above 200, above-left
  // 0, the guess 200 is the pixel above, and 200 + 156 wraps to 100. Pixel 1:
  // left 100, above 200, above-left 200, the guess 100 is the left pixel,
  // and 100 + 200 wraps to 44.
  const Bytes pixels = {200, 200, 200, 200, 200, 200, 100, 100, 100, 44, 44, 44};
  const Bytes rows = {0, 200, 200, 200, 200, 200, 200, 4, 156, 156, 156, 200, 200, 200};
  Bytes stored = Header(2, 2, pixels);
  PutLiterals(stored, rows);
  Pixels p;
  ASSERT_TRUE(DecodePicture(stored.data(), stored.size(), &p));
  EXPECT_EQ(p.At(0, 1), PackRgb(100, 100, 100));
  EXPECT_EQ(p.At(1, 1), PackRgb(44, 44, 44));
}

TEST(PictureCodec, CopiesMayOverlapWhatTheyWrite) {
  // A 5 x 1 grey row: one literal pixel (after its filter byte), then one
  // copy from 3 bytes back for the other 12 bytes.
  const Bytes pixels(15, 9);
  Bytes stored = Header(5, 1, pixels);
  stored.push_back(4 << 4 | (12 - 4));
  stored.insert(stored.end(), {0, 9, 9, 9});
  Put16(stored, 3);
  Pixels p;
  ASSERT_TRUE(DecodePicture(stored.data(), stored.size(), &p));
  EXPECT_EQ(p.px, std::vector<std::uint32_t>(5, PackRgb(9, 9, 9)));
}

TEST(PictureCodec, MadeUpStreamsGiveNoPicture) {
  // The header of a 5 x 1 grey picture, and that header with a stream.
  const Bytes head = Header(5, 1, Bytes(15, 9));
  auto with = [&](std::initializer_list<std::uint8_t> tail) {
    Bytes b = head;
    b.insert(b.end(), tail);
    return b;
  };
  const struct {
    const char* what;
    Bytes stored;
  } cases[] = {
      {"nothing", {}},
      {"a header alone", head},
      {"wrong magic", [&] { Bytes b = with({0x40, 0, 9, 9, 9, 0x08, 3, 0}); b[0] = 'X'; return b; }()},
      {"width 0", [&] { Bytes b = with({0x10, 0}); b[4] = b[5] = 0; return b; }()},
      {"height over the limit", [&] { Bytes b = head; b[6] = 0x01; b[7] = 0x10; return b; }()},
      {"4096 x 4096 from a few bytes", [&] {
         Bytes b = with({0xFF, 255, 255, 255, 1, 0});
         b[4] = 0x00; b[5] = 0x10; b[6] = 0x00; b[7] = 0x10;
         return b;
       }()},
      {"distance 0", with({0x48, 0, 9, 9, 9, 0, 0})},
      {"distance before the start", with({0x48, 0, 9, 9, 9, 5, 0})},
      {"copy past the end of the picture", with({0x49, 0, 9, 9, 9, 3, 0})},
      {"stream ends inside the distance", with({0x48, 0, 9, 9, 9, 3})},
      {"literals run past the data", with({0x40, 0, 9})},
      {"literals run past the picture", with({0xF0, 2, 0, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9})},
      {"length bytes run off the end", with({0xF0, 255, 255})},
      {"a copy length promised on the last literals", [&] {
         Bytes b = head;
         b.push_back(0xF1);
         b.push_back(1);
         b.insert(b.end(), {0, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9});
         return b;
       }()},
      {"bytes after the picture", with({0x48, 0, 9, 9, 9, 3, 0, 0})},
      {"unknown filter", with({0x48, 5, 9, 9, 9, 3, 0})},
      {"pixels that do not match the checksum", with({0x48, 0, 9, 9, 8, 3, 0})},
  };
  // The well-formed stream the cases above break.
  const Bytes good = with({0x48, 0, 9, 9, 9, 3, 0});
  Pixels p;
  ASSERT_TRUE(DecodePicture(good.data(), good.size(), &p));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Pixels out;
    out.width = 1;
    out.px = {1};
    EXPECT_FALSE(DecodePicture(c.stored.data(), c.stored.size(), &out));
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(out.width, 0);
  }
  EXPECT_FALSE(DecodePicture(nullptr, 100, &p));
}

TEST(PictureCodec, TruncatedOrDamagedGivesNoPictureOrTheSamePixels) {
  // A damaged byte either gives no picture or changed nothing (a copy from
  // another distance within a run of equal bytes copies the same bytes).
  const Pixels picture = Artlike(40, 30);
  const Bytes stored = EncodePicture(picture);
  ASSERT_TRUE(Same(Decoded(stored), picture));
  for (std::size_t n = 0; n < stored.size(); ++n) {
    // A copy of exactly n bytes, so the sanitizer sees any read beyond them.
    const Bytes cut(stored.begin(), stored.begin() + static_cast<std::ptrdiff_t>(n));
    Pixels out;
    EXPECT_FALSE(DecodePicture(cut.data(), cut.size(), &out)) << n << " bytes";
  }
  int harmless = 0;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    for (std::uint8_t flip : {0x01, 0x80, 0xFF}) {
      Bytes damaged = stored;
      damaged[i] ^= flip;
      Pixels out;
      if (DecodePicture(damaged.data(), damaged.size(), &out)) {
        EXPECT_TRUE(Same(out, picture)) << "byte " << i << " ^ " << int(flip);
        ++harmless;
      }
    }
  }
  // The header and the checksum are never harmless; only few stream bytes are.
  EXPECT_LT(harmless, static_cast<int>(stored.size()) / 10);
}

TEST(PictureCodec, RandomDamageNeverReachesOutsideTheBuffers) {
  const Pixels picture = Artlike(64, 48);
  const Bytes stored = EncodePicture(picture);
  Lcg lcg{2024};
  int refused = 0;
  constexpr int kRounds = 3000;
  for (int round = 0; round < kRounds; ++round) {
    Bytes damaged = stored;
    const int changes = 1 + static_cast<int>(lcg.Next() % 4);
    for (int k = 0; k < changes; ++k) {
      // Mostly in the stream, where the decoder has to follow what it reads.
      damaged[12 + lcg.Next() % (damaged.size() - 12)] = static_cast<std::uint8_t>(lcg.Next());
    }
    if (lcg.Next() % 4 == 0) damaged.resize(12 + lcg.Next() % (damaged.size() - 12));
    Pixels out;
    if (DecodePicture(damaged.data(), damaged.size(), &out)) {
      EXPECT_TRUE(Same(out, picture)) << "round " << round;  // only a change that changed nothing
    } else {
      EXPECT_TRUE(out.empty());
      ++refused;
    }
  }
  EXPECT_GT(refused, kRounds * 9 / 10);
}

}  // namespace
}  // namespace lumaret
