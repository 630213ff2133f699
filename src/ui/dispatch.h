#pragma once
// Keyboard and focus dispatch shared by both backends: the backend reports what the
// platform saw; these decide which control and which form rule gets it.

#include "ui/input.h"

namespace ui {

class Control;

// A key went down in FOCUSED: the form's key table, then the form's dialog keys (Tab, Enter,
// Escape) first unless the control wants the key, then the control's KeyDown. Returns true when the
// form took the key.
bool DispatchKeyDown(Control& focused, int key, Shift s);
void DispatchKeyUp(Control& focused, int key, Shift s);
// A character typed in FOCUSED. With ALT (or when the control leaves the character
// unused and takes no text) it is offered to the form's accelerators.
void DispatchChar(Control& focused, char32_t ch, bool alt);
// Focus moved from OLD to NOW (either may be null).
void DispatchFocusChange(Control* old, Control* now);
// The desktop theme changed: WINDOW hears it, and so do its graphic controls, which have no
// window of their own to be told.
void DispatchThemeChanged(Control& window);

}  // namespace ui
