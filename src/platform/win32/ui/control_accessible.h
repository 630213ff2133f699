#pragma once
// The accessible object (IAccessible) of a window painted by its control: the system's
// standard client object answers for everything the control does not know (place, parent,
// focus, navigation between windows); the control answers for its role, name, state and
// default action, and its window-less parts (speed buttons, headers) are simple child
// elements numbered 1..N before the standard object's own children.
//
// The object holds the window handle, not the control: a client may keep it after the window
// is gone, and then every call answers that the object is no longer there.

#include <windows.h>

#include "ui/accessibility.h"

namespace ui {
class Control;
}

namespace platform::win32 {

// Whether CONTROL's window answers WM_GETOBJECT for its client area itself.
bool HasOwnAccessible(ui::Control& control);
// The answer to WM_GETOBJECT (OBJID_CLIENT, flags WPARAM) for the own window HWND; 0 when no
// object could be made (the default answer then applies).
LRESULT AnswerClientObject(HWND hwnd, WPARAM wParam);
// Raises the accessibility event for WHAT on HWND's client area, or on its part PART (>0).
void RaiseAccessibleEvent(HWND hwnd, ui::AccessEvent what, int part);

}  // namespace platform::win32
