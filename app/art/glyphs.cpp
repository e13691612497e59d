#include "app/art/glyphs.h"

#include <cstdio>
#include <cstdlib>
#include <map>

namespace lumaret::art {
namespace {

struct Glyph {
  double advance;
  std::vector<Polyline> strokes;
};

// The four dots along the bottom of 热 and 点.
std::vector<Polyline> FireDots() {
  return {{{2.4, 12.4}, {1.4, 14.8}},
          {{5.6, 12.6}, {6.3, 14.8}},
          {{9.2, 12.6}, {10.0, 14.8}},
          {{12.4, 12.4}, {14.4, 14.8}}};
}

std::vector<Polyline> With(std::vector<Polyline> a, const std::vector<Polyline>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const std::map<char32_t, Glyph>& Glyphs() {
  static const std::map<char32_t, Glyph> glyphs = {
      // Chinese, 16 x 16.
      {U'关',
       {16,
        {{{4.8, 0.9}, {6.2, 3.2}},
         {{11.2, 0.9}, {9.8, 3.2}},
         {{3.0, 5.0}, {13.0, 5.0}},
         {{1.4, 9.0}, {14.6, 9.0}},
         {{8.0, 5.0}, {8.0, 8.6}, {7.0, 11.6}, {4.6, 13.9}, {1.6, 15.2}},
         {{8.6, 10.0}, {10.6, 12.6}, {14.6, 15.0}}}}},
      {U'闭',
       {16,
        {{{2.6, 0.9}, {4.0, 2.4}},
         {{2.4, 3.6}, {2.4, 15.4}},
         {{5.6, 1.8}, {13.8, 1.8}, {13.8, 14.4}, {13.2, 15.0}, {11.6, 14.6}},
         {{4.8, 6.6}, {11.8, 6.6}},
         {{9.6, 4.0}, {9.6, 13.4}, {8.4, 12.8}},
         {{9.2, 7.4}, {7.4, 10.2}, {5.0, 12.2}}}}},
      {U'热',
       {16,
        With({{{0.8, 3.8}, {5.6, 3.8}},
              {{3.2, 0.8}, {3.2, 9.4}, {2.2, 8.8}},
              {{0.8, 8.2}, {5.8, 6.4}},
              {{6.6, 3.6}, {11.6, 3.6}, {11.6, 8.2}, {12.4, 9.4}, {14.6, 9.4}, {14.8, 7.8}},
              {{9.2, 0.8}, {9.0, 4.8}, {8.0, 7.8}, {6.2, 10.0}},
              {{8.6, 6.0}, {10.2, 7.6}}},
             FireDots())}},
      {U'点',
       {16,
        With({{{7.4, 0.8}, {7.4, 6.0}},
              {{7.4, 3.4}, {12.6, 3.4}},
              {{3.6, 6.2}, {3.6, 10.8}},
              {{3.6, 6.2}, {12.4, 6.2}, {12.4, 10.8}},
              {{3.6, 10.6}, {12.4, 10.6}}},
             FireDots())}},
      {U'开',
       {16,
        {{{2.4, 2.2}, {13.6, 2.2}},
         {{1.0, 8.0}, {15.0, 8.0}},
         {{5.8, 2.2}, {5.8, 8.6}, {5.2, 11.8}, {2.4, 15.2}},
         {{10.4, 2.2}, {10.4, 15.4}}}}},
      {U'启',
       {16,
        {{{7.0, 0.6}, {8.6, 2.0}},
         {{3.6, 3.4}, {12.6, 3.4}, {12.6, 7.4}},
         {{3.6, 7.4}, {12.6, 7.4}},
         {{3.6, 3.4}, {3.6, 9.2}, {3.0, 12.2}, {1.2, 14.8}},
         {{5.8, 9.6}, {5.8, 15.4}},
         {{5.8, 9.6}, {13.2, 9.6}, {13.2, 15.4}},
         {{5.8, 14.8}, {13.2, 14.8}}}}},
      {U'密',
       {16,
        {{{7.6, 0.4}, {8.6, 1.6}},
         {{1.8, 4.4}, {1.8, 2.6}, {14.2, 2.6}, {14.2, 4.4}},
         {{3.6, 5.6}, {2.6, 8.6}},
         {{5.6, 4.6}, {5.6, 8.6}, {6.4, 9.4}, {10.6, 9.4}, {11.4, 8.2}},
         {{11.0, 4.6}, {6.2, 9.6}},
         {{12.4, 5.4}, {13.8, 7.8}},
         {{7.8, 4.2}, {9.0, 5.6}},
         {{8.0, 10.2}, {8.0, 14.6}},
         {{3.2, 11.2}, {3.2, 14.8}, {12.8, 14.8}},
         {{12.8, 11.2}, {12.8, 15.6}}}}},
      {U'码',
       {16,
        {{{0.8, 2.0}, {6.2, 2.0}},
         {{3.6, 2.0}, {2.8, 5.8}, {0.8, 9.2}},
         {{2.0, 7.0}, {2.0, 13.4}},
         {{2.0, 7.0}, {5.6, 7.0}, {5.6, 12.6}},
         {{2.0, 12.6}, {5.6, 12.6}},
         {{7.8, 2.0}, {12.8, 2.0}, {12.2, 6.2}},
         {{9.6, 2.0}, {8.8, 8.2}, {14.6, 8.2}, {14.2, 13.6}, {13.4, 15.0}, {11.8, 14.4}},
         {{7.0, 11.4}, {12.2, 11.2}}}}},
      // Latin: capitals 0..12, x-height from 4, baseline at 12.
      {U'L', {7.6, {{{1.2, 0}, {1.2, 12}, {7.0, 12}}}}},
      {U'S',
       {8.6,
        {Join({Arc(4.2, 3.1, 3.0, 2.9, 20, 90), Arc(4.2, 3.1, 3.1, 2.9, 90, 270),
               Arc(4.2, 9.0, 3.3, 3.0, 90, -90), Arc(4.2, 9.0, 3.3, 3.0, -90, -160)})}}},
      {U'I', {2.6, {{{1.2, 0}, {1.2, 12}}}}},
      {U'D', {9.6, {Join({{{1.2, 12}, {1.2, 0}, {3.6, 0}}, Arc(3.6, 6, 4.8, 6, 90, -90), {{1.2, 12}}})}}},
      {U':', {3.0, {{{1.4, 5.2}}, {{1.4, 11.2}}}}},
      {U'u', {8.6, {Join({{{1.2, 4}}, Arc(4.1, 9.2, 2.9, 2.8, 180, 360)}), {{7.0, 4}, {7.0, 12}}}}},
      {U'm',
       {11.8,
        {{{1.2, 4}, {1.2, 12}},
         Join({Arc(3.55, 6.8, 2.35, 2.8, 180, 0), {{5.9, 12}}}),
         Join({{{5.9, 6.8}}, Arc(8.25, 6.8, 2.35, 2.8, 180, 0), {{10.6, 12}}})}}},
      {U'a',
       {8.6,
        {Arc(4.0, 8.0, 3.0, 3.9, 0, 360, 28), {{7.0, 4}, {7.0, 12}}}}},
      {U'r', {5.6, {{{1.2, 4}, {1.2, 12}}, Arc(4.4, 7.6, 3.2, 3.4, 180, 80)}}},
      {U'e',
       {8.6,
        {Join({{{1.0, 8.0}, {7.2, 8.0}}, Arc(4.1, 8.0, 3.1, 3.9, 0, 320, 24)})}}},
      {U't', {5.8, {Join({{{2.4, 1.2}, {2.4, 9.8}}, Arc(4.6, 9.8, 2.2, 2.2, 180, 270)}), {{0.6, 4.2}, {5.0, 4.2}}}}},
  };
  return glyphs;
}

// The glyph of a letter; a letter without one is a fault of this file, so
// the generator stops and the build fails rather than leave a gap in a word.
const Glyph& GlyphOf(char32_t ch) {
  auto it = Glyphs().find(ch);
  if (it == Glyphs().end()) {
    std::fprintf(stderr, "make_art: no glyph for U+%04X\n", static_cast<unsigned>(ch));
    std::exit(1);
  }
  return it->second;
}

}  // namespace

double TextWidth(const std::u32string& text, const TextStyle& style) {
  double w = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    w += GlyphOf(text[i]).advance * style.scale + (i + 1 < text.size() ? style.tracking : 0);
  }
  return w;
}

void DrawText(Canvas& c, const std::u32string& text, double left, double top, const TextStyle& style,
              const std::function<Rgba(double, double)>& colourAt) {
  double x = left;
  for (char32_t ch : text) {
    const Glyph& glyph = GlyphOf(ch);
    std::vector<Polyline> strokes = glyph.strokes;
    for (Polyline& s : strokes)
      for (Pt& p : s) p = {x + p.x * style.scale, top + p.y * style.scale};
    const double half = style.strokeWidth / 2;
    c.Fill(StrokeBounds(strokes, half + 1), [&](double px, double py) { return NearStrokes(strokes, half, px, py); },
           colourAt);
    x += glyph.advance * style.scale + style.tracking;
  }
}

}  // namespace lumaret::art
