#include "platform/win32/ui/color_box_peer.h"

#include "platform/win32/text.h"
#include "platform/win32/ui/gdi_canvas.h"
#include "ui/color_box.h"

namespace platform::win32 {

ColorBoxPeer::ColorBoxPeer(Win32State& state, ui::ColorBox& box)
    : NativeControlPeer(state, box), box_(box) {
    // The entry height is asked for during creation (WM_MEASUREITEM).
    CreateControl(L"COMBOBOX", 0,
                  CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP);
    PushBounds();
    PushItems();
}

void ColorBoxPeer::PushBounds() {
    RECT r = ChildRect();
    int dropped = box_.ItemHeight() * box_.DropDownCount() + 2;
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top + dropped,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ColorBoxPeer::PushItems() {
    std::vector<std::string> names;
    for (const ui::NamedColorItem& item : box_.Items()) names.push_back(item.name);
    if (names != shown_) {
        SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
        for (const std::string& name : names)
            SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(name).c_str()));
        shown_ = std::move(names);
    }
    if (SendMessageW(hwnd_, CB_GETCURSEL, 0, 0) != box_.ItemIndex())
        SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(box_.ItemIndex()), 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void ColorBoxPeer::Changed(ui::Change what) {
    switch (what) {
        case ui::Change::Model:
            PushItems();
            return;
        case ui::Change::Bounds:
        case ui::Change::Style:
            PushBounds();
            return;
        case ui::Change::BackColor:
            InvalidateWithFrame(nullptr);
            return;
        default:
            NativeControlPeer::Changed(what);
    }
}

void ColorBoxPeer::DrawItem(const DRAWITEMSTRUCT& item) {
    const RECT& rc = item.rcItem;
    ui::Rect r{rc.left, rc.top, rc.right, rc.bottom};
    GdiCanvas canvas(item.hDC, state_.colors);
    int index = item.itemID == static_cast<UINT>(-1) ? -1 : static_cast<int>(item.itemID);
    box_.DrawItem(canvas, index, r, (item.itemState & ODS_SELECTED) != 0);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT))
        DrawFocusRect(item.hDC, &rc);
}

bool ColorBoxPeer::Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_COMMAND && (HIWORD(wParam) == CBN_DROPDOWN || HIWORD(wParam) == CBN_CLOSEUP)) {
        box_.SetDroppedDownFromPeer(HIWORD(wParam) == CBN_DROPDOWN);
        result = 0;
        return true;
    }
    if (msg == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE) {
        int index = static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
        box_.SetItemIndexFromPeer(index == CB_ERR ? -1 : index);
        result = 0;
        return true;
    }
    return ReflectListDrawing(
        msg, wParam, lParam, box_.ItemHeight(),
        [this](const DRAWITEMSTRUCT& item) { DrawItem(item); }, result);
}

}  // namespace platform::win32
