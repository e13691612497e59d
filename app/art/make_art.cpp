// Draws the program's icon and pictures from code and writes them into the
// folder given as the only argument. Run on the build machine; the resource
// compiler then embeds what it wrote.
//
// Every picture's top-left pixel is its colour key: the window leaves out
// the pixels of that colour when it draws the picture. The background and
// the two large faces stand on the button-face grey (240, 240, 240), the
// rings on white, so the anti-aliased edges blend into what shows through.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "app/art/glyphs.h"
#include "app/art/raster.h"

namespace lumaret::art {
namespace {

const Rgba kClear{0, 0, 0, 0};
const Rgba kBlue{30, 120, 210, 255};
const Rgba kWhite{255, 255, 255, 255};
const Rgba kBlack{0, 0, 0, 255};
const Rgba kGround{240, 240, 240, 255};  // button face: the key of the background and the faces
const Rgba kOrange{245, 130, 30, 255};

std::function<Rgba(double, double)> Solid(Rgba c) {
  return [c](double, double) { return c; };
}
// A vertical gradient between `top` and `bottom` over the rows y0..y1.
std::function<Rgba(double, double)> Vertical(Rgba top, Rgba bottom, double y0, double y1) {
  return [=](double, double y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0, 1.0)); };
}
Rgba WithAlpha(Rgba c, double a) {
  c.a = static_cast<std::uint8_t>(std::lround(std::clamp(a, 0.0, 1.0) * 255));
  return c;
}

void FillRoundRect(Canvas& c, Box b, double radius, const std::function<Rgba(double, double)>& colour) {
  c.Fill(Box{b.left - 1, b.top - 1, b.right + 1, b.bottom + 1},
         [=](double x, double y) { return InRoundRect(x, y, b.left, b.top, b.right, b.bottom, radius); }, colour);
}

// A soft shadow of a rounded rectangle moved down by `drop`, fading out over `blur` pixels.
void SoftShadow(Canvas& c, Box b, double radius, double drop, double blur, double strength) {
  c.Glow(Box{b.left - blur, b.top + drop - blur, b.right + blur, b.bottom + drop + blur}, [=](double x, double y) {
    const double d = RoundRectDistance(x, y, b.left, b.top + drop, b.right, b.bottom + drop, radius);
    return WithAlpha(Rgba{0, 40, 90, 255}, strength * (1 - Smoothstep(-blur, blur, d)));
  });
}

// A blue rounded square with the three arcs and the dot of a Wi-Fi sign.
Canvas DrawIcon(int size) {
  Canvas c(size, size, kClear);
  const double s = size;
  c.Fill([&](double x, double y) { return InRoundRect(x, y, 0.5, 0.5, s - 0.5, s - 0.5, s * 0.2); }, kBlue);
  const double cx = s / 2, cy = s * 0.74;
  c.Fill([&](double x, double y) { return std::hypot(x - cx, y - cy) <= s * 0.085; }, kWhite);
  for (double r : {0.23, 0.37, 0.51}) {
    const double outer = s * r, inner = outer - s * 0.075;
    c.Fill(
        [&](double x, double y) {
          const double d = std::hypot(x - cx, y - cy);
          if (d < inner || d > outer || y > cy) return false;
          return std::fabs(x - cx) <= (cy - y);  // the upper quarter, 90 degrees wide
        },
        kWhite);
  }
  return c;
}

// The window's background, 450 x 341. The controls it is drawn around (in
// client coordinates): the name box 154,131 214x24 with its ring button at
// 371,136; the password box 153,176 215x24 with its ring at 372,181; the
// status line from 192,224; the large buttons 244..440 x 248..288; the row
// of text buttons along y 304..320.
Canvas DrawBackground() {
  Canvas c(450, 341, kGround);

  // Title banner: a blue ribbon with a soft shadow beneath it.
  const Box band{14, 18, 436, 80};
  SoftShadow(c, band, 8, 4, 7, 0.30);
  FillRoundRect(c, band, 8, Vertical(Rgba{62, 150, 236, 255}, Rgba{22, 102, 196, 255}, band.top, band.bottom));
  // A sheen over the upper half, and a darker lower edge, so it reads as a ribbon.
  c.Fill(Box{band.left, band.top, band.right, band.top + 32},
         [=](double x, double y) { return InRoundRect(x, y, band.left + 1, band.top + 1, band.right - 1, band.top + 31, 7); },
         [=](double, double y) { return WithAlpha(kWhite, 0.16 * (1 - (y - band.top) / 31)); });
  c.Fill(Box{band.left, band.bottom - 3, band.right, band.bottom},
         [=](double x, double y) {
           return InRoundRect(x, y, band.left, band.top, band.right, band.bottom, 8) && y > band.bottom - 2;
         },
         Solid(WithAlpha(Rgba{10, 60, 140, 255}, 0.45)));

  // The name, in white bold letters.
  const TextStyle title{2.2, 4.6, 1.6};
  const std::u32string name = U"Lumaret";
  const double nameTop = (band.top + band.bottom) / 2 - 6 * title.scale;
  DrawText(c, name, 36, nameTop + 1.2, title, Solid(WithAlpha(Rgba{0, 50, 120, 255}, 0.35)));
  DrawText(c, name, 36, nameTop, title, Solid(kWhite));

  // The raised tab at the banner's right end, with a play triangle.
  const Box tab{386, 31, 422, 67};
  SoftShadow(c, tab, 7, 2, 3, 0.45);
  FillRoundRect(c, tab, 7, Vertical(Rgba{96, 178, 250, 255}, Rgba{38, 122, 214, 255}, tab.top, tab.bottom));
  c.Fill(Box{tab.left, tab.top, tab.right, tab.top + 3},
         [=](double x, double y) { return InRoundRect(x, y, tab.left, tab.top, tab.right, tab.bottom, 7) && y < tab.top + 1.2; },
         Solid(WithAlpha(kWhite, 0.55)));
  const double tx = (tab.left + tab.right) / 2 + 1.5, ty = (tab.top + tab.bottom) / 2;
  c.Fill(Box{tab.left, tab.top, tab.right, tab.bottom},
         [=](double x, double y) {
           // Right-pointing triangle, 12 wide and 14 high.
           const double l = tx - 6, r = tx + 6, half = 7;
           if (x < l || x > r) return false;
           const double reach = half * (r - x) / (r - l);
           return std::fabs(y - ty) <= reach;
         },
         Solid(kWhite));

  // Captions of the two boxes.
  const TextStyle latin{0.9, 1.9, 0.6};
  const TextStyle chinese{14.0 / 16, 1.7, 0.6};
  const double right = 140;
  DrawText(c, U"SSID:", right - TextWidth(U"SSID:", latin), 143 - 6 * latin.scale, latin, Solid(kBlack));
  const double colon = TextWidth(U":", latin);
  const double pwLeft = right - colon - 0.6 - TextWidth(U"密码", chinese);
  DrawText(c, U"密码", pwLeft, 188 - 7.6 * chinese.scale, chinese, Solid(kBlack));
  DrawText(c, U":", right - colon, 188 - 6 * latin.scale, latin, Solid(kBlack));

  // The two input frames: white, rounded, with a blue outline, around a box
  // and its ring button.
  for (const Box frame : {Box{147, 127, 395, 159}, Box{147, 172, 395, 204}}) {
    SoftShadow(c, frame, 7, 1, 2, 0.10);
    FillRoundRect(c, frame, 7, Solid(kBlue));
    FillRoundRect(c, Box{frame.left + 1.3, frame.top + 1.3, frame.right - 1.3, frame.bottom - 1.3}, 5.8, Solid(kWhite));
  }

  // The orange icon left of the status line, with an exclamation mark.
  const Box icon{173, 225, 187, 239};
  FillRoundRect(c, icon, 3.5, Vertical(Rgba{255, 170, 70, 255}, Rgba{236, 116, 18, 255}, icon.top, icon.bottom));
  const double ix = (icon.left + icon.right) / 2;
  c.Fill(Box{icon.left, icon.top, icon.right, icon.bottom},
         [=](double x, double y) {
           return NearStrokes({{{ix, 228.2}, {ix, 232.8}}, {{ix, 235.6}}}, 1.05, x, y);
         },
         Solid(kWhite));

  // A hairline above the row of text buttons.
  c.Fill(Box{8, 296, 442, 299}, [](double x, double y) { return x >= 8 && x <= 442 && y >= 297 && y < 298; },
         Solid(Rgba{218, 222, 228, 255}));
  c.Fill(Box{8, 296, 442, 299}, [](double x, double y) { return x >= 8 && x <= 442 && y >= 298 && y < 299; },
         Solid(Rgba{252, 252, 252, 255}));
  return c;
}

// A ring for the small buttons, 18 x 17 on white. Its button is 17 x 13 and
// shows the rows 2..14 and the columns 0..16, so the ring sits within them.
Canvas DrawRing(Rgba colour) {
  Canvas c(18, 17, kWhite);
  const double cx = 8.5, cy = 8.5;
  c.Fill([=](double x, double y) {
    const double d = std::hypot(x - cx, y - cy);
    return d <= 5.7 && d >= 3.6;
  }, colour);
  return c;
}

enum class Face { Normal, Lit, Grey };

// A large face, 98 x 38. Its 96 x 40 button shows the columns 1..96 and
// every row, with a row of button face above and below.
Canvas DrawFace(const std::u32string& words, Face look) {
  Canvas c(98, 38, kGround);
  const Box body{1.5, 0.8, 96.5, 35.2};
  Rgba top, bottom, text = kWhite;
  switch (look) {
    case Face::Normal: top = {52, 142, 230, 255}; bottom = {20, 98, 190, 255}; break;
    case Face::Lit: top = {104, 186, 255, 255}; bottom = {46, 136, 230, 255}; break;
    case Face::Grey: top = {212, 217, 224, 255}; bottom = {190, 197, 207, 255}; text = {248, 249, 251, 255}; break;
  }
  SoftShadow(c, body, 6, 1.4, 1.6, look == Face::Grey ? 0.12 : 0.30);
  FillRoundRect(c, body, 6, Vertical(top, bottom, body.top, body.bottom));
  // Top highlight; the lit face also carries a glossy upper half.
  c.Fill(Box{body.left, body.top, body.right, body.top + 3},
         [=](double x, double y) { return InRoundRect(x, y, body.left, body.top, body.right, body.bottom, 6) && y < body.top + 1.1; },
         Solid(WithAlpha(kWhite, look == Face::Grey ? 0.5 : 0.45)));
  if (look == Face::Lit) {
    c.Fill(Box{body.left, body.top, body.right, 18},
           [=](double x, double y) { return InRoundRect(x, y, body.left + 1, body.top + 1, body.right - 1, 17.5, 5); },
           [=](double, double y) { return WithAlpha(kWhite, 0.10 + 0.16 * (1 - (y - body.top) / 17)); });
  }
  const TextStyle style{15.0 / 16, 1.9, 1.2};
  const double left = (c.width() - TextWidth(words, style)) / 2;
  const double topY = (body.top + body.bottom) / 2 - 7.8 * style.scale;
  if (look != Face::Grey) DrawText(c, words, left, topY + 1, style, Solid(WithAlpha(Rgba{0, 40, 110, 255}, 0.35)));
  DrawText(c, words, left, topY, style, Solid(text));
  return c;
}

}  // namespace
}  // namespace lumaret::art

int main(int argc, char** argv) {
  using namespace lumaret::art;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_art OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string out = argv[1] + std::string("/");
  bool ok = WriteFile(out + "lumaret.ico", EncodeIco({DrawIcon(16), DrawIcon(32), DrawIcon(48)}));
  const struct {
    const char* file;
    Canvas picture;
  } pictures[] = {
      {"background.bmp", DrawBackground()},
      {"ring_blue.bmp", DrawRing(kBlue)},
      {"ring_orange.bmp", DrawRing(kOrange)},
      {"close.bmp", DrawFace(U"关闭热点", Face::Normal)},
      {"close_lit.bmp", DrawFace(U"关闭热点", Face::Lit)},
      {"close_grey.bmp", DrawFace(U"关闭热点", Face::Grey)},
      {"open.bmp", DrawFace(U"开启热点", Face::Normal)},
      {"open_lit.bmp", DrawFace(U"开启热点", Face::Lit)},
      {"open_grey.bmp", DrawFace(U"开启热点", Face::Grey)},
  };
  for (const auto& p : pictures) ok = WriteFile(out + p.file, EncodeBmp24(p.picture)) && ok;
  return ok ? 0 : 1;
}
