#include "platform/win32/ui/list_box_peer.h"

#include "platform/win32/text.h"
#include "platform/win32/ui/gdi_canvas.h"
#include "ui/application.h"
#include "ui/list_box.h"

namespace platform::win32 {

ListBoxPeer::ListBoxPeer(Win32State& state, ui::ListBox& list)
    : NativeControlPeer(state, list), list_(list) {
    DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
    // Owner drawing is chosen when the window is made; the system class cannot switch later.
    // The item height is asked for during creation (WM_MEASUREITEM) and set again after it.
    if (OwnerDrawn()) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    CreateControl(L"LISTBOX", WS_EX_CLIENTEDGE, style);
    if (OwnerDrawn()) SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, list_.ItemHeight());
    PushItems();
}

bool ListBoxPeer::OwnerDrawn() const {
    return list_.Style() != ui::ListBoxStyle::Standard;
}

void ListBoxPeer::PushItems() {
    if (list_.Items() != shown_) {
        SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
        SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
        for (const std::string& item : list_.Items())
            SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
        shown_ = list_.Items();
        SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
    PushSelection();
}

void ListBoxPeer::PushSelection() {
    if (SendMessageW(hwnd_, LB_GETCURSEL, 0, 0) != list_.ItemIndex())
        SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(list_.ItemIndex()), 0);
}

void ListBoxPeer::Changed(ui::Change what) {
    switch (what) {
        case ui::Change::Model:
            PushItems();
            return;
        case ui::Change::Style:
            if (OwnerDrawn()) SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, list_.ItemHeight());
            PushItems();
            InvalidateWithFrame(nullptr);
            return;
        default:
            NativeControlPeer::Changed(what);
    }
}

void ListBoxPeer::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1) || static_cast<int>(item.itemID) >= list_.Count()) {
        // An empty list with the focus: just the background.
        GdiCanvas canvas(item.hDC, state_.colors);
        const RECT& r = item.rcItem;
        canvas.FillRect({r.left, r.top, r.right, r.bottom}, list_.GetColor());
        return;
    }
    int index = static_cast<int>(item.itemID);
    const RECT& rc = item.rcItem;
    ui::Rect r{rc.left, rc.top, rc.right, rc.bottom};
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    GdiCanvas canvas(item.hDC, state_.colors);
    DrawListItem(canvas, index, r, selected);
}

void ListBoxPeer::DrawListItem(GdiCanvas& canvas, int index, const ui::Rect& r, bool selected) {
    list_.DrawItem(canvas, index, r, selected);
}

bool ListBoxPeer::Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE) {
        int index = static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0));
        list_.SetItemIndexFromPeer(index == LB_ERR ? -1 : index);
        result = 0;
        return true;
    }
    if (msg == WM_COMMAND && HIWORD(wParam) == LBN_DBLCLK) {
        if (list_.OnDblClick) list_.OnDblClick();
        result = 0;
        return true;
    }
    return ReflectListDrawing(
        msg, wParam, lParam, list_.ItemHeight(),
        [this](const DRAWITEMSTRUCT& item) { DrawItem(item); }, result);
}

}  // namespace platform::win32
