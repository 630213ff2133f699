#include "platform/win32/ui/custom_peer.h"

#include "ui/control.h"

namespace platform::win32 {

CustomPeer::CustomPeer(Win32State& state, ui::Control& control) : WindowPeer(state, control) {
    DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (control.Visible()) style |= WS_VISIBLE;
    if (!control.Enabled()) style |= WS_DISABLED;
    CreateOwnWindow(0, style, ParentHwnd(), ChildRect());
}

}  // namespace platform::win32
