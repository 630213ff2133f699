#pragma once
// Shared state of the Win32 backend, visible to its peers.

#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>

#include "platform/win32/handles.h"
#include "ui/color.h"
#include "ui/input.h"

namespace ui {
class Control;
class Timer;
}  // namespace ui

namespace platform::win32 {

// System colours from GetSysColor.
class SystemColorResolver final : public ui::ColorResolver {
  public:
    ui::Color SystemRgb(int index) const override {
        return static_cast<ui::Color>(GetSysColor(index));
    }
};

struct Win32State {
    SystemColorResolver colors;
    HINSTANCE instance = nullptr;
    // The message-only window that receives the timers' WM_TIMER.
    WindowOwner timerWindow;
    std::map<UINT_PTR, ui::Timer*> timers;
    UINT_PTR nextTimerId = 1;
    ui::Control* focused = nullptr;
    std::string title;
    // One tool-tip window per top-level form window (owned by that window, which destroys it).
    std::map<HWND, HWND> toolTips;
    // Cursors the program drew itself, used instead of the system's.
    std::map<ui::Cursor, CursorOwner> cursors;
    // Tasks posted for the interface thread (any thread adds, the timer window runs them).
    std::mutex postedLock;
    std::deque<std::function<void()>> posted;
    bool runningPosted = false;
};

// The toolkit's window class name.
inline constexpr wchar_t kWindowClass[] = L"SkarvelWindow";

}  // namespace platform::win32
