// How the window and its custom-drawn controls look: the pictures from the
// module's resources, drawn with their colour keys, and the owner-drawn
// buttons and labels. The rules of which picture or caption colour a button
// shows and where its picture lands are in button_look.h.
#pragma once

#include <windows.h>

#include <array>

#include "app/button_look.h"
#include "app/dpi_scale.h"
#include "app/picture_resources.h"
#include "app/window_description.h"

namespace lumaret {

class MainWindow;

// The picture a picture button shows in a state.
Picture PictureFor(ControlId id, PictureState state);

class ControlLook {
 public:
  ControlLook() = default;
  ~ControlLook() { Release(); }
  ControlLook(const ControlLook&) = delete;
  ControlLook& operator=(const ControlLook&) = delete;

  // Loads the pictures for `dpi` from the module's resources; Release frees
  // them. Without the resources the controls draw without pictures.
  void Load(HINSTANCE instance, int dpi = kDesignDpi);
  void Release();
  int dpi() const { return dpi_; }
  const LoadedPicture& picture(Picture p) const { return pictures_[static_cast<std::size_t>(p)]; }

  // `area` of the window's client area (client coordinates, drawn at the
  // same coordinates of `dc`): button face, with the background picture at
  // its natural size in the top-left corner, colour-keyed.
  void PaintWindowBackground(HDC dc, const RECT& area) const;
  // `area` of the panel 分组框1: opaque button face and an etched frame
  // along the edge of its whole client rectangle.
  void PaintPanel(HWND panel, HDC dc, const RECT& area) const;
  // The same for the part of `window` or `panel` that `dc` may paint
  // (its clip box), double-buffered: for WM_ERASEBKGND and WM_PAINT.
  void EraseWindow(HWND window, HDC dc) const;
  void ErasePanel(HWND panel, HDC dc) const;
  // Owner-drawn buttons and labels, double-buffered.
  void DrawControl(const MainWindow& window, ControlId id, const DRAWITEMSTRUCT& item) const;

 private:
  void PaintBeneath(const MainWindow& window, HWND control, HDC dc, const RECT& rc) const;
  void DrawPictureButton(ControlId id, HDC dc, const RECT& rc, const ButtonAppearance& a) const;
  std::array<LoadedPicture, kPictureCount> pictures_{};
  int dpi_ = kDesignDpi;
};

// A keyed copy of part of a picture: the pixels of its key colour are left
// out. `dest` in `dc`, taken from (`srcLeft`, `srcTop`) of the picture.
void DrawKeyed(HDC dc, const LoadedPicture& p, const Rect& dest, int srcLeft, int srcTop);

}  // namespace lumaret
