// MainWindow: the program's one window and its 19 child controls, made from
// the description in window_description.h. The operations here are the
// toolkit the click handlers use: read and set texts (ANSI texts cross into
// the Unicode window converted through the ANSI code page), enable, check,
// show and move controls.
//
// The window is drawn at the DPI of its monitor (the manifest declares it
// per-monitor aware): every place, size, font and picture of the
// description, given at 96 DPI, is scaled to the window's DPI when it is
// made, and again when Windows moves it to a monitor of another scale.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "app/button_look.h"
#include "app/control_look.h"
#include "app/window_description.h"
#include "common/window_toolkit.h"

namespace lumaret {

// What a custom-drawn control knows about itself beyond what Windows keeps
// (whether a button is pressed, Windows tells when it is drawn).
struct ControlState {
  bool checked = false;       // two-state button only
  HoverTracker hoverTracker;  // the hover look, from the pointer and the focus
  // The hover look is on (text and picture buttons).
  bool hover() const { return hoverTracker.hover(); }
};

class MainWindow final : public WindowToolkit {
 public:
  using ClickHandler = void (*)(ControlId);
  using CreatedHandler = void (*)();

  // Creates the window and all its controls, hidden, at the DPI of the
  // monitor it lands on (centred on the primary one), installs it as the
  // handlers' window toolkit, then raises the created event. The window
  // itself stays invisible until Show(). False when the window could not be
  // made.
  bool Create(HINSTANCE instance, CreatedHandler onCreated, ClickHandler onClick);
  // Shows and activates the window; the focus goes to the control that last
  // had it, the name box at first.
  void Show();
  // Destroys the window if it still exists (tests; the user closes it).
  void Destroy();

  HWND hwnd() const { return hwnd_; }
  bool IsOpen() const override { return hwnd_ != nullptr; }
  HWND Control(ControlId id) const { return controls_[static_cast<std::size_t>(id)]; }
  // The control of a child window, or false when the window is none of ours.
  bool Lookup(HWND child, ControlId* id) const;

  // Texts. GetText/SetText carry ANSI texts; the W forms carry UTF-16.
  std::string GetText(ControlId id) const override;
  void SetText(ControlId id, const std::string& ansi) override;
  std::wstring GetTextW(ControlId id) const override;
  void SetTextW(ControlId id, const std::wstring& text) override;
  // Appends at the end of an edit box: caret to the end, scrolled into view,
  // the empty selection replaced by the text.
  void AppendTextW(ControlId id, const std::wstring& text) override;
  // Tooltips: the three buttons' from the description, added at creation;
  // any control's set later (a label gains SS_NOTIFY, so that it sees the
  // pointer instead of letting it through to the window).
  void SetTooltipW(ControlId id, const std::wstring& text) override;
  std::wstring TooltipW(ControlId id) const override;

  void SetEnabled(ControlId id, bool enabled) override;
  bool IsEnabled(ControlId id) const override;
  // Showing the panel 分组框1 also hides the controls it lies over, so they
  // take no focus and no key and screen readers skip them, and moves the
  // focus into it; hiding it shows them again and gives the focus back to
  // the control that had it before. A covered control made visible while
  // the panel is shown appears when the panel goes.
  void SetVisible(ControlId id, bool visible) override;
  bool IsVisible(ControlId id) const override;

  bool FocusedControl(ControlId* id) const override;
  // A control under the shown panel gets the focus when the panel goes.
  void FocusControl(ControlId id) override;
  // The control that last had the focus: it gets it back whenever the window
  // does (activation, Alt+Tab, a focused control hidden); the name box when
  // that control is gone, hidden or disabled, or the panel's refresh button
  // while the panel is shown.
  void NoteFocus(ControlId id);
  void RestoreFocus();
  // As the main loop: see DispatchWindowMessage.
  void RouteMessage(MSG& msg) override;

  // Two-state button: exactly 1 (checked) or 0.
  int GetChecked(ControlId id) const override;
  void SetChecked(ControlId id, bool checked) override;

  // Places: the outer rectangle in the parent's client coordinates. Setting
  // the width or height keeps left and top; setting left or top keeps the size.
  Rect GetPlace(ControlId id) const;
  void SetLeft(ControlId id, int v);
  void SetTop(ControlId id, int v);
  void SetWidth(ControlId id, int v);
  void SetHeight(ControlId id, int v);
  // The window's own outer size.
  int Width() const;
  int Height() const;
  // Sizes the adapter panel to the window's outer size and arranges its
  // four children along it, by the layout steps at the window's DPI.
  void LayOutAdapterPanel();

  // The DPI the window is drawn at; places and sizes are those of the
  // description scaled to it.
  int dpi() const { return dpi_; }

  ControlState& State(ControlId id) { return states_[static_cast<std::size_t>(id)]; }
  const ControlState& State(ControlId id) const { return states_[static_cast<std::size_t>(id)]; }
  HWND tooltip() const { return tooltip_; }
  // The pictures and drawing of the window and its custom-drawn controls.
  const ControlLook& look() const { return look_; }

  // Window procedure plumbing (public for the subclass procedures).
  LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void RaiseClick(ControlId id);

 private:
  bool CreateControls(HINSTANCE instance);
  void CreateTooltips(HINSTANCE instance);
  // The fonts at one DPI: the default GUI font (the stock one at the system
  // DPI, else one made for the DPI) and the name and password boxes' font.
  struct Fonts {
    HFONT gui = nullptr;
    bool ownsGui = false;
    HFONT box = nullptr;
  };
  static Fonts MakeFonts(int dpi);
  static void DeleteFonts(const Fonts& fonts);
  HFONT FontFor(ControlKind kind) const;
  // The window's small and large icons at dpi_, from the icon's images.
  void SetIcons();
  // WM_DPICHANGED: everything scaled to the new DPI, the window moved to
  // the rectangle Windows suggests; texts, states and focus stay.
  void ChangeDpi(int dpi, const RECT& suggested);
  // Every control at its place at dpi_ (the panel's children are then laid
  // out by LayOutAdapterPanel), the edit boxes' lines centred again.
  void PlaceControls();
  // A name or password box's line centred for its font and height.
  void CentreLine(ControlId id);
  void SetPlace(ControlId id, const Rect& r);
  void ShowPanel(bool shown);
  // Visible (with all its parents) and enabled, and one that takes the focus.
  bool CanFocus(ControlId id) const;
  // Where the focus goes: `wanted` when it can take it, else the first
  // choice of the window with the panel shown or not.
  HWND FocusTarget(std::optional<ControlId> wanted, bool panelShown) const;
  // Gives `target` the focus if the window has it now, and makes it the
  // control that gets it back on activation.
  void MoveFocusTo(HWND target);

  HINSTANCE instance_ = nullptr;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  int dpi_ = kDesignDpi;
  Fonts fonts_;                   // at dpi_
  std::array<HICON, 2> icons_{};  // small and large, at dpi_
  ControlLook look_;
  ClickHandler onClick_ = nullptr;
  std::array<HWND, kControlCount> controls_{};
  std::array<ControlState, kControlCount> states_{};
  std::optional<ControlId> lastFocus_;
  std::optional<ControlId> focusBeforePanel_;
  std::array<bool, kControlCount> hiddenByPanel_{};  // to show again when the panel goes
  std::array<std::wstring, kControlCount> tooltips_{};  // empty: the control has none
};

// The program's one MainWindow.
MainWindow& TheMainWindow();

// The message loop of the GUI thread, and the handling of one message that
// it and any nested pump share: Esc on the window or any of its controls
// closes the window like the close box; Tab and Shift+Tab move the focus in
// the stacking order (see StackingOrder); everything else is translated and
// dispatched.
void DispatchWindowMessage(MSG& msg);
int RunMessageLoop();

}  // namespace lumaret
