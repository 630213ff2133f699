#include "platform/win32/ui/scroll_box_peer.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/scroll_box.h"

namespace platform::win32 {

ScrollBoxPeer::ScrollBoxPeer(Win32State& state, ui::ScrollBox& box)
    : WindowPeer(state, box), box_(box) {
    DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL;
    if (box.Visible()) style |= WS_VISIBLE;
    if (!box.Enabled()) style |= WS_DISABLED;
    CreateOwnWindow(0, style, ParentHwnd(), ChildRect());
    SyncBar();
}

void ScrollBoxPeer::SyncBar() {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = box_.ContentHeight() > 0 ? box_.ContentHeight() - 1 : 0;
    info.nPage = static_cast<UINT>(box_.ClientRect().Height());
    info.nPos = box_.ScrollPos();
    if (info.nMax == shown_.nMax && info.nPage == shown_.nPage && info.nPos == shown_.nPos &&
        shown_.cbSize)
        return;
    shown_ = info;
    SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
}

void ScrollBoxPeer::Changed(ui::Change what) {
    if (what == ui::Change::Model) {
        SyncBar();
        return;
    }
    WindowPeer::Changed(what);
    if (what == ui::Change::Bounds || what == ui::Change::ClientSize) SyncBar();
}

void ScrollBoxPeer::Scroll(int code) {
    int line = box_.LineStep();
    int page = std::max(line, box_.ClientRect().Height() - line);
    switch (code) {
        case SB_LINEUP:
            box_.ScrollBy(-line);
            break;
        case SB_LINEDOWN:
            box_.ScrollBy(line);
            break;
        case SB_PAGEUP:
            box_.ScrollBy(-page);
            break;
        case SB_PAGEDOWN:
            box_.ScrollBy(page);
            break;
        case SB_TOP:
            box_.SetScrollPos(0);
            break;
        case SB_BOTTOM:
            box_.SetScrollPos(box_.MaxScroll());
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_TRACKPOS;
            if (GetScrollInfo(hwnd_, SB_VERT, &info)) box_.SetScrollPos(info.nTrackPos);
            break;
        }
        default:
            break;
    }
    SyncBar();
}

LRESULT ScrollBoxPeer::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_VSCROLL:
            Scroll(LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            box_.Wheel(GET_WHEEL_DELTA_WPARAM(wParam));
            SyncBar();
            return 0;
        case WM_PAINT:
            // Children added since the last change: the bar catches up before painting.
            SyncBar();
            break;
        default:
            break;
    }
    return WindowPeer::HandleMessage(msg, wParam, lParam);
}

}  // namespace platform::win32
