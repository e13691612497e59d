// Names for screen readers where a control's window text does not say what
// it is: the picture buttons have no caption (their words are in the
// pictures), and an edit box's text is its content, while the captions SSID
// and 密码 are painted in the background picture, where no screen reader
// can read them.
#pragma once

#include <windows.h>

#include "common/control_id.h"

namespace lumaret {

// The name a screen reader announces for the control; null when its own
// window text already says it (text buttons, push buttons) or it has none
// worth saying (labels, the panel).
const wchar_t* AccessibleNameOf(ControlId id);

// Answers WM_GETOBJECT for `control`: for OBJID_CLIENT, Windows' standard
// accessible object of the control with `name` as its accName; false (the
// message is then left to the control) for any other object, or when
// oleacc.dll cannot be had. oleacc.dll is loaded from System32 on the first
// question.
bool AnswerAccessibleObject(HWND control, const wchar_t* name, WPARAM wp, LPARAM lp, LRESULT* result);

}  // namespace lumaret
