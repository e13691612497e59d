// What the click handlers need of the window: its controls by name, their
// texts and tooltips, enabled, checked and visible states and the keyboard
// focus, and the handling of a window message as the main loop does it.
// The window (app/) implements this and installs itself when it is made;
// the features below it know only this interface.
#pragma once

#include <windows.h>

#include <string>

#include "common/control_id.h"

namespace lumaret {

class WindowToolkit {
 public:
  virtual ~WindowToolkit() = default;

  // The window exists (it may be closed while a handler waits).
  virtual bool IsOpen() const = 0;

  // Texts. GetText/SetText carry ANSI texts (converted through the ANSI code
  // page); the W forms carry UTF-16.
  virtual std::string GetText(ControlId id) const = 0;
  virtual void SetText(ControlId id, const std::string& ansi) = 0;
  virtual std::wstring GetTextW(ControlId id) const = 0;
  virtual void SetTextW(ControlId id, const std::wstring& text) = 0;
  // Appends at the end of an edit box: caret to the end, scrolled into view,
  // the empty selection replaced by the text.
  virtual void AppendTextW(ControlId id, const std::wstring& text) = 0;

  // A control's tooltip, shown while the pointer rests on the control (a
  // label too); the empty text removes it. The text may hold line breaks.
  virtual void SetTooltipW(ControlId id, const std::wstring& text) = 0;
  virtual std::wstring TooltipW(ControlId id) const = 0;

  virtual void SetEnabled(ControlId id, bool enabled) = 0;
  virtual bool IsEnabled(ControlId id) const = 0;
  virtual void SetVisible(ControlId id, bool visible) = 0;
  virtual bool IsVisible(ControlId id) const = 0;

  // Two-state button: exactly 1 (checked) or 0.
  virtual int GetChecked(ControlId id) const = 0;
  virtual void SetChecked(ControlId id, bool checked) = 0;

  // The control that has the keyboard focus; false when none of ours has it.
  virtual bool FocusedControl(ControlId* id) const = 0;
  virtual void FocusControl(ControlId id) = 0;

  // Handles one message taken from this thread's queue exactly as the main
  // message loop does (keyboard navigation, Esc, dispatch).
  virtual void RouteMessage(MSG& msg) = 0;
};

// The window the handlers work on. Before a window has installed itself this
// is a toolkit without a window: it reads empty texts and changes nothing.
WindowToolkit& TheWindow();
void InstallWindowToolkit(WindowToolkit* toolkit);

}  // namespace lumaret
