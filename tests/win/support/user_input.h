#pragma once
// Working a running program's windows as a user does, from another process: clicks posted to
// the window under a point, and waiting for their effects.

#include <windows.h>

#include <functional>

namespace wintest {

// A left click at POINT of WINDOW's client area, posted to the deepest visible child window
// there, as a user's click arrives.
inline void ClickAt(HWND window, POINT point) {
    HWND target = window;
    POINT local = point;
    for (;;) {
        HWND child = ChildWindowFromPointEx(target, local, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == target) break;
        MapWindowPoints(target, child, &local, 1);
        target = child;
    }
    const LPARAM at = MAKELPARAM(local.x, local.y);
    PostMessageW(target, WM_MOUSEMOVE, 0, at);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(target, WM_LBUTTONUP, 0, at);
}

// Polls DONE every 50 ms until it holds or MILLISECONDS have passed; its last answer.
inline bool WaitUntil(const std::function<bool()>& done, int milliseconds = 20000) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (done()) return true;
        Sleep(50);
    }
    return done();
}

}  // namespace wintest
