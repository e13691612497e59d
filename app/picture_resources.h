// The window's pictures for a DPI, from the module's resources (stored
// compressed, see picture_codec.h) into DIB sections the window draws from.
#pragma once

#include <windows.h>

#include "app/dpi_scale.h"
#include "app/pictures.h"

namespace lumaret {

// One loaded picture: its bitmap, size and colour key (its top-left pixel).
struct LoadedPicture {
  HBITMAP bitmap = nullptr;
  int width = 0;
  int height = 0;
  COLORREF key = 0;
};

// A picture for `dpi` as a DIB section, which the caller deletes: decoded
// from the resource of its stored set (see PictureSetFor), and resized when
// that set is not the DPI's own. An empty picture when the resource is
// missing or damaged.
LoadedPicture LoadPicture(HINSTANCE instance, Picture which, int dpi = kDesignDpi);

}  // namespace lumaret
