#include "app/art/artwork.h"

#include <algorithm>
#include <cmath>

#include "app/art/glyphs.h"
#include "app/button_look.h"
#include "app/dpi_scale.h"
#include "app/picture_scaling.h"
#include "app/window_description.h"

namespace lumaret::art {
namespace {

const Rgba kClear{0, 0, 0, 0};
const Rgba kBlue{30, 120, 210, 255};
const Rgba kWhite{255, 255, 255, 255};
const Rgba kBlack{0, 0, 0, 255};
const Rgba kOrange{245, 130, 30, 255};
// The grounds, transparent so that alpha counts what the drawing covers:
// button face, the key of the background and the faces, and white, the key
// of the rings.
const Rgba kGround{240, 240, 240, 0};
const Rgba kWhiteGround{255, 255, 255, 0};

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

int Right(const Rect& r) { return r.left + r.width; }
int Bottom(const Rect& r) { return r.top + r.height; }

// Lengths and places at one DPI. Every number in the drawings below is in
// pixels at 96 DPI. S(v) scales a length, or a place that goes with no
// control; what goes with a control is placed from that control's place at
// this DPI, so it stays with the control whatever the rounding of the places.
// At 96 DPI every value comes out exactly as written.
class Scale {
 public:
  explicit Scale(int dpi) : dpi_(dpi), k_(dpi / static_cast<double>(kDesignDpi)) {}
  int dpi() const { return dpi_; }
  double operator()(double v) const { return v * k_; }
  // Where a control is at this DPI.
  Rect Place(ControlId id) const { return ScaleToDpi(Describe(id).place, dpi_); }
  // A position `v96` that lies `v96 - edge96` from an edge of a control at
  // 96 DPI, now that the edge lies at `edge`.
  double Beside(double edge, double edge96, double v96) const { return edge + (v96 - edge96) * k_; }

 private:
  int dpi_;
  double k_;
};

// The part of a picture that its button shows (see PicturePlacement).
PictureClip ShownPart(const Rect& button, PictureSize picture) {
  const Point at = PicturePlacement(button.width, button.height, picture.width, picture.height);
  return ClipPicture(button.width, button.height, at, picture.width, picture.height);
}

// A blue rounded square with the three arcs and the dot of a Wi-Fi sign.
Canvas DrawIconAt(int size) {
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

// The window's background, 450 x 341 at 96 DPI, drawn around the controls:
// the name box 编辑框_ssid with its ring button 超级按钮_id, the password box
// 编辑框_pw with its ring 超级按钮_mmsj, the status line 透明标签_tip, the
// large buttons, and the row of text buttons along the bottom.
Canvas DrawBackground(const Scale& S) {
  const PictureSize size = PictureSizeAt(Picture::Background, S.dpi());
  Canvas c(size.width, size.height, kGround);

  // Title banner: a blue ribbon with a soft shadow beneath it.
  const Box band{S(14), S(18), S(436), S(80)};
  SoftShadow(c, band, S(8), S(4), S(7), 0.30);
  FillRoundRect(c, band, S(8), Vertical(Rgba{62, 150, 236, 255}, Rgba{22, 102, 196, 255}, band.top, band.bottom));
  // A sheen over the upper half, and a darker lower edge, so it reads as a ribbon.
  const double one = S(1), sheen = S(31), bandRadius = S(8), sheenRadius = S(7), edge = S(2);
  c.Fill(Box{band.left, band.top, band.right, band.top + S(32)},
         [=](double x, double y) {
           return InRoundRect(x, y, band.left + one, band.top + one, band.right - one, band.top + sheen, sheenRadius);
         },
         [=](double, double y) { return WithAlpha(kWhite, 0.16 * (1 - (y - band.top) / sheen)); });
  c.Fill(Box{band.left, band.bottom - S(3), band.right, band.bottom},
         [=](double x, double y) {
           return InRoundRect(x, y, band.left, band.top, band.right, band.bottom, bandRadius) && y > band.bottom - edge;
         },
         Solid(WithAlpha(Rgba{10, 60, 140, 255}, 0.45)));

  // The name, in white bold letters.
  const TextStyle title{S(2.2), S(4.6), S(1.6)};
  const std::u32string name = U"Lumaret";
  const double nameTop = (band.top + band.bottom) / 2 - 6 * title.scale;
  DrawText(c, name, S(36), nameTop + S(1.2), title, Solid(WithAlpha(Rgba{0, 50, 120, 255}, 0.35)));
  DrawText(c, name, S(36), nameTop, title, Solid(kWhite));

  // The raised tab at the banner's right end, with a play triangle.
  const Box tab{S(386), S(31), S(422), S(67)};
  const double tabRadius = S(7), rim = S(1.2);
  SoftShadow(c, tab, tabRadius, S(2), S(3), 0.45);
  FillRoundRect(c, tab, tabRadius, Vertical(Rgba{96, 178, 250, 255}, Rgba{38, 122, 214, 255}, tab.top, tab.bottom));
  c.Fill(Box{tab.left, tab.top, tab.right, tab.top + S(3)},
         [=](double x, double y) {
           return InRoundRect(x, y, tab.left, tab.top, tab.right, tab.bottom, tabRadius) && y < tab.top + rim;
         },
         Solid(WithAlpha(kWhite, 0.55)));
  const double tx = (tab.left + tab.right) / 2 + S(1.5), ty = (tab.top + tab.bottom) / 2;
  const double triangleHalfWidth = S(6), triangleHalfHeight = S(7);
  c.Fill(Box{tab.left, tab.top, tab.right, tab.bottom},
         [=](double x, double y) {
           // Right-pointing triangle, 12 wide and 14 high.
           const double l = tx - triangleHalfWidth, r = tx + triangleHalfWidth, half = triangleHalfHeight;
           if (x < l || x > r) return false;
           const double reach = half * (r - x) / (r - l);
           return std::fabs(y - ty) <= reach;
         },
         Solid(kWhite));

  // Where the two input frames go, each around a box and its ring button.
  // They line up: both start a little left of the box that starts further
  // left, and end a little right of the ring that ends further right.
  const Rect ssid = S.Place(ControlId::编辑框_ssid), pw = S.Place(ControlId::编辑框_pw);
  const Rect ringId = S.Place(ControlId::超级按钮_id), ringPw = S.Place(ControlId::超级按钮_mmsj);
  const double frameLeft = std::min(ssid.left, pw.left) - S(6);
  const double frameRight = std::max(Right(ringId), Right(ringPw)) + S(6);

  // Captions of the two boxes, ending a little left of the frames, on the
  // middle line of their box.
  const TextStyle latin{S(0.9), S(1.9), S(0.6)};
  const TextStyle chinese{S(14.0 / 16), S(1.7), S(0.6)};
  const double right = frameLeft - S(7);
  const double ssidMiddle = ssid.top + ssid.height / 2.0, pwMiddle = pw.top + pw.height / 2.0;
  DrawText(c, U"SSID:", right - TextWidth(U"SSID:", latin), ssidMiddle - 6 * latin.scale, latin, Solid(kBlack));
  const double colon = TextWidth(U":", latin);
  const double pwLeft = right - colon - S(0.6) - TextWidth(U"密码", chinese);
  DrawText(c, U"密码", pwLeft, pwMiddle - 7.6 * chinese.scale, chinese, Solid(kBlack));
  DrawText(c, U":", right - colon, pwMiddle - 6 * latin.scale, latin, Solid(kBlack));

  // The two input frames: white, rounded, with a blue outline.
  for (const Rect& box : {ssid, pw}) {
    const Box frame{frameLeft, box.top - S(4), frameRight, Bottom(box) + S(4)};
    SoftShadow(c, frame, S(7), S(1), S(2), 0.10);
    FillRoundRect(c, frame, S(7), Solid(kBlue));
    const double inset = S(1.3);
    FillRoundRect(c, Box{frame.left + inset, frame.top + inset, frame.right - inset, frame.bottom - inset}, S(5.8),
                  Solid(kWhite));
  }

  // The orange icon just left of the status line, with an exclamation mark.
  const Rect tip = S.Place(ControlId::透明标签_tip);
  const Rect tip96 = Describe(ControlId::透明标签_tip).place;
  const Box icon{tip.left - S(19), tip.top + S(1), tip.left - S(5), tip.top + S(15)};
  FillRoundRect(c, icon, S(3.5), Vertical(Rgba{255, 170, 70, 255}, Rgba{236, 116, 18, 255}, icon.top, icon.bottom));
  const double ix = (icon.left + icon.right) / 2;
  auto down = [&](double y96) { return S.Beside(tip.top, tip96.top, y96); };
  const std::vector<Polyline> mark = {{{ix, down(228.2)}, {ix, down(232.8)}}, {{ix, down(235.6)}}};
  const double markHalfWidth = S(1.05);
  c.Fill(Box{icon.left, icon.top, icon.right, icon.bottom},
         [=](double x, double y) { return NearStrokes(mark, markHalfWidth, x, y); }, Solid(kWhite));

  // A hairline above the row of text buttons: a darker line and a lighter
  // one, each a whole number of pixels high so it stays crisp.
  const double lineTop = std::round(S.Place(ControlId::超级按钮3).top - S(7));
  const double line = std::max(1.0, std::round(S(1)));
  const double lineLeft = S(8), lineRight = S(442);
  const Box hairline{lineLeft, lineTop - 1, lineRight, lineTop + 2 * line};
  c.Fill(hairline,
         [=](double x, double y) { return x >= lineLeft && x <= lineRight && y >= lineTop && y < lineTop + line; },
         Solid(Rgba{218, 222, 228, 255}));
  c.Fill(hairline,
         [=](double x, double y) {
           return x >= lineLeft && x <= lineRight && y >= lineTop + line && y < lineTop + 2 * line;
         },
         Solid(Rgba{252, 252, 252, 255}));
  return c;
}

// A ring for the small buttons, 18 x 17 on white at 96 DPI, in the middle
// of the part of the picture its button shows (at 96 DPI the 17 x 13 button
// shows the rows 2..14 and the columns 0..16).
Canvas DrawRing(const Scale& S, Picture p, Rgba colour) {
  const PictureSize size = PictureSizeAt(p, S.dpi());
  Canvas c(size.width, size.height, kWhiteGround);
  const PictureClip shown = ShownPart(S.Place(ControlId::超级按钮_id), size);
  const double cx = shown.srcLeft + shown.dest.width / 2.0, cy = shown.srcTop + shown.dest.height / 2.0;
  const double outer = S(5.7), inner = S(3.6);
  c.Fill([=](double x, double y) {
    const double d = std::hypot(x - cx, y - cy);
    return d <= outer && d >= inner;
  }, colour);
  return c;
}

enum class Face { Normal, Lit, Grey };

// A large face, 98 x 38 at 96 DPI, where its 96 x 40 button shows the
// columns 1..96 and every row, with a row of button face above and below.
// The body is centred across on the part the button shows, and down on the
// picture.
Canvas DrawFace(const Scale& S, Picture p, ControlId button, const std::u32string& words, Face look) {
  const PictureSize size = PictureSizeAt(p, S.dpi()), size96 = PictureSizeAt(p, kDesignDpi);
  Canvas c(size.width, size.height, kGround);
  const PictureClip shown = ShownPart(S.Place(button), size);
  const double shownLeft = shown.srcLeft, shownRight = shown.srcLeft + shown.dest.width;
  const double ox = (shownLeft + shownRight) / 2 - S(size96.width / 2.0);
  const double oy = size.height / 2.0 - S(size96.height / 2.0);
  const Box body{S(1.5) + ox, S(0.8) + oy, S(96.5) + ox, S(35.2) + oy};
  Rgba top, bottom, text = kWhite;
  switch (look) {
    case Face::Normal: top = {52, 142, 230, 255}; bottom = {20, 98, 190, 255}; break;
    case Face::Lit: top = {104, 186, 255, 255}; bottom = {46, 136, 230, 255}; break;
    case Face::Grey: top = {212, 217, 224, 255}; bottom = {190, 197, 207, 255}; text = {248, 249, 251, 255}; break;
  }
  const double radius = S(6);
  SoftShadow(c, body, radius, S(1.4), S(1.6), look == Face::Grey ? 0.12 : 0.30);
  FillRoundRect(c, body, radius, Vertical(top, bottom, body.top, body.bottom));
  // Top highlight; the lit face also carries a glossy upper half.
  const double rim = S(1.1);
  c.Fill(Box{body.left, body.top, body.right, body.top + S(3)},
         [=](double x, double y) {
           return InRoundRect(x, y, body.left, body.top, body.right, body.bottom, radius) && y < body.top + rim;
         },
         Solid(WithAlpha(kWhite, look == Face::Grey ? 0.5 : 0.45)));
  if (look == Face::Lit) {
    const double one = S(1), glossBottom = oy + S(17.5), glossRadius = S(5), glossHeight = S(17);
    c.Fill(Box{body.left, body.top, body.right, oy + S(18)},
           [=](double x, double y) {
             return InRoundRect(x, y, body.left + one, body.top + one, body.right - one, glossBottom, glossRadius);
           },
           [=](double, double y) { return WithAlpha(kWhite, 0.10 + 0.16 * (1 - (y - body.top) / glossHeight)); });
  }
  const TextStyle style{S(15.0 / 16), S(1.9), S(1.2)};
  const double left = (shownLeft + shownRight - TextWidth(words, style)) / 2;
  const double topY = (body.top + body.bottom) / 2 - 7.8 * style.scale;
  if (look != Face::Grey) DrawText(c, words, left, topY + S(1), style, Solid(WithAlpha(Rgba{0, 40, 110, 255}, 0.35)));
  DrawText(c, words, left, topY, style, Solid(text));
  return c;
}

}  // namespace

Canvas DrawIcon(int size) { return DrawIconAt(size); }

Canvas DrawPicture(Picture p, int dpi) {
  const Scale s(dpi);
  const ControlId close = ControlId::超级按钮_off, open = ControlId::超级按钮_ope;
  switch (p) {
    case Picture::Background: return DrawBackground(s);
    case Picture::RingBlue: return DrawRing(s, p, kBlue);
    case Picture::RingOrange: return DrawRing(s, p, kOrange);
    case Picture::Close: return DrawFace(s, p, close, U"关闭热点", Face::Normal);
    case Picture::CloseLit: return DrawFace(s, p, close, U"关闭热点", Face::Lit);
    case Picture::CloseGrey: return DrawFace(s, p, close, U"关闭热点", Face::Grey);
    case Picture::Open: return DrawFace(s, p, open, U"开启热点", Face::Normal);
    case Picture::OpenLit: return DrawFace(s, p, open, U"开启热点", Face::Lit);
    case Picture::OpenGrey: return DrawFace(s, p, open, U"开启热点", Face::Grey);
  }
  return Canvas(1, 1, kGround);
}

Pixels ToPixels(const Canvas& c) {
  Pixels out;
  out.width = c.width();
  out.height = c.height();
  out.px.reserve(static_cast<std::size_t>(c.width()) * c.height());
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) {
      const Rgba& p = c.at(x, y);
      out.px.push_back(PackRgb(p.r, p.g, p.b));
    }
  const std::uint32_t key = out.px[0];
  for (std::size_t i = 0; i < out.px.size(); ++i) {
    if (c.at(static_cast<int>(i % c.width()), static_cast<int>(i / c.width())).a >= 128) {
      out.px[i] = AwayFromKey(out.px[i], key);
    }
  }
  return out;
}

}  // namespace lumaret::art
