#include "platform/win32/ui/progress_bar_peer.h"

#include <commctrl.h>

#include "ui/progress_bar.h"

namespace platform::win32 {

ProgressBarPeer::ProgressBarPeer(Win32State& state, ui::ProgressBar& bar)
    : WindowPeer(state, bar), bar_(bar) {
    CreateNativeWindow(PROGRESS_CLASSW, 0, PBS_SMOOTH);
    PushModel();
}

ProgressBarPeer::~ProgressBarPeer() {
    DestroyOwnedWindow();
}

void ProgressBarPeer::PushModel() {
    SendMessageW(hwnd_, PBM_SETRANGE32, static_cast<WPARAM>(bar_.Min()),
                 static_cast<LPARAM>(bar_.Max()));
    SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(bar_.Position()), 0);
}

void ProgressBarPeer::Changed(ui::Change what) {
    if (what == ui::Change::Model) {
        PushModel();
        InvalidateRect(hwnd_, nullptr, FALSE);
        return;
    }
    WindowPeer::Changed(what);
}

bool ProgressBarPeer::HandleNativeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_PAINT:
            Paint();  // the control's look, not the system's
            result = 0;
            return true;
        case WM_ERASEBKGND:
            result = 1;
            return true;
        default:
            return WindowPeer::HandleNativeMessage(msg, wParam, lParam, result);
    }
}

}  // namespace platform::win32
