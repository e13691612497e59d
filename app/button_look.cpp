#include "app/button_look.h"

#include <algorithm>

namespace lumaret {

ButtonAppearance ChooseAppearance(ControlKind kind, const ButtonCondition& c, int dpi) {
  const bool twoState = kind == ControlKind::TwoStateButton;
  ButtonAppearance a;
  if (c.disabled) {
    a.picture = PictureState::Disabled;
    return a;
  }
  const bool pressed = c.pressed || (twoState && c.checked);
  if (pressed || c.hover) {
    a.picture = PictureState::Lit;
    a.blackCaption = true;
  }
  if (c.pressed && !twoState) a.shift = PressedShift(dpi);
  return a;
}

Point PicturePlacement(int buttonWidth, int buttonHeight, int pictureWidth, int pictureHeight) {
  // C++ integer division truncates toward zero, as the rule asks.
  return {(buttonWidth - pictureWidth) / 2, (buttonHeight - pictureHeight) / 2};
}

PictureClip ClipPicture(int buttonWidth, int buttonHeight, Point origin, int pictureWidth, int pictureHeight) {
  const int left = std::max(0, origin.x);
  const int top = std::max(0, origin.y);
  const int right = std::min(buttonWidth, origin.x + pictureWidth);
  const int bottom = std::min(buttonHeight, origin.y + pictureHeight);
  PictureClip clip;
  if (right <= left || bottom <= top) return clip;
  clip.dest = {left, top, right - left, bottom - top};
  clip.srcLeft = left - origin.x;
  clip.srcTop = top - origin.y;
  return clip;
}

bool HoverTracker::OnPointerMove(bool leftButtonDown) {
  if (inside_) return false;
  inside_ = true;
  hover_ = !leftButtonDown;
  return true;
}

void HoverTracker::OnPointerLeave() {
  inside_ = false;
  hover_ = false;
}

void HoverTracker::OnFocusLost() { hover_ = false; }

}  // namespace lumaret
