// How the window and its custom-drawn controls look.
#pragma once

#include <windows.h>

#include "app/main_window.h"

namespace lumaret {

// Loads what the look needs (pictures, brushes) from the module's resources;
// Release frees it. Safe to call when the resources are missing: the controls
// then draw without pictures.
void LoadLook(HINSTANCE instance);
void ReleaseLook();

// The window's client area: the background picture at its natural size,
// button face around it.
void PaintWindowBackground(HWND window, HDC dc);

// The panel 分组框1: opaque button face and an etched frame.
void PaintPanel(HWND panel, HDC dc);

// Owner-drawn buttons and labels.
void DrawControl(const MainWindow& window, ControlId id, const DRAWITEMSTRUCT& item);

}  // namespace lumaret
