// The rules of the owner-drawn buttons' look: which picture and caption
// colour a button shows in which state, where its picture lands, which part
// of the picture stays inside the button, and when the hover look starts and
// ends. Pure: no Windows header.
#pragma once

#include "app/dpi_scale.h"
#include "app/window_description.h"

namespace lumaret {

// The three pictures a picture button has.
enum class PictureState { Normal, Lit, Disabled };

// What Windows and the pointer say about a button when it is drawn.
struct ButtonCondition {
  bool disabled = false;
  bool pressed = false;  // the mouse button (or Space) is held down on it
  bool hover = false;    // the hover look is on (see HoverTracker)
  bool checked = false;  // two-state button only
};

// What the button shows.
struct ButtonAppearance {
  PictureState picture = PictureState::Normal;
  bool blackCaption = false;  // text buttons: black, else silver
  int shift = 0;              // picture or caption moved this far right and down
};

// Disabled first, then pressed or hover (for the two-state button also
// checked), then normal. Pressed buttons shift, except the two-state button:
// by PressedShift(dpi).
ButtonAppearance ChooseAppearance(ControlKind kind, const ButtonCondition& c, int dpi = kDesignDpi);

// How far a pressed button's picture or caption moves right and down: one
// pixel at 96 DPI, scaled like every length, and never less than one, so a
// press shows at any scale.
constexpr int PressedShift(int dpi) { return ScaleToDpi(1, dpi) > 1 ? ScaleToDpi(1, dpi) : 1; }

// Top-left corner of a picture placed in a button: the difference of the
// sizes halved, each division truncated toward zero.
Point PicturePlacement(int buttonWidth, int buttonHeight, int pictureWidth, int pictureHeight);

// The part of a picture at `origin` (button coordinates) that lies inside a
// button: `dest` in the button, `srcLeft`/`srcTop` the matching corner in the
// picture. Empty (width or height 0) when nothing of it is inside.
struct PictureClip {
  Rect dest;
  int srcLeft = 0;
  int srcTop = 0;
};
PictureClip ClipPicture(int buttonWidth, int buttonHeight, Point origin, int pictureWidth, int pictureHeight);

// The hover look of one button: it starts when the pointer moves onto the
// button with the left mouse button up, and ends when the pointer leaves or
// the button loses the focus. Entering with the button held down, or staying
// on after the focus went, does not start it; only a new entry does.
class HoverTracker {
 public:
  // The pointer moved over the button. True when the pointer has just
  // entered (the caller then asks to hear when it leaves).
  bool OnPointerMove(bool leftButtonDown);
  void OnPointerLeave();
  void OnFocusLost();

  bool hover() const { return hover_; }
  bool inside() const { return inside_; }

 private:
  bool inside_ = false;
  bool hover_ = false;
};

}  // namespace lumaret
