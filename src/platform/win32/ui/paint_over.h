#pragma once
// Lets a standard control draw over its native painting (frames of the XP-style list box and
// memo): after the system class has painted the client or the frame, the control paints on a
// canvas over the whole window.

#include <windows.h>

#include "ui/color.h"

namespace ui {
class Control;
}

namespace platform::win32 {

// Runs the native handler of MSG (WM_PAINT or WM_NCPAINT) and then the control's
// PaintOverWindow on the window DC. Returns the native result.
LRESULT PaintNativeThenOver(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            ui::Control& control, const ui::ColorResolver& colors);

// Invalidates R of the client and the frame, so that both are painted (and painted over).
void InvalidateWithFrame(HWND hwnd, const RECT* r);

}  // namespace platform::win32
