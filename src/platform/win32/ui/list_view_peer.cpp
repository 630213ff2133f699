#include "platform/win32/ui/list_view_peer.h"

#include <commctrl.h>

#include "platform/win32/text.h"
#include "platform/win32/ui/list_view_messages.h"
#include "ui/application.h"

namespace platform::win32 {

namespace {

int ColumnFormat(ui::Alignment alignment) {
    switch (alignment) {
        case ui::Alignment::Right:
            return LVCFMT_RIGHT;
        case ui::Alignment::Center:
            return LVCFMT_CENTER;
        case ui::Alignment::Left:
            break;
    }
    return LVCFMT_LEFT;
}

}  // namespace

ListViewPeer::ListViewPeer(Win32State& state, ui::ListView& view) : ListViewPeerBase(state, view) {
    CreateControl(WC_LISTVIEWW, view_.Border() ? WS_EX_CLIENTEDGE : 0,
                  LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_TABSTOP);
    PushStyle();
    PushColumns();
    PushColors();
    PushRows();
}

void ListViewPeer::PushStyle() {
    LONG_PTR ex = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
    LONG_PTR wanted = view_.Border() ? (ex | WS_EX_CLIENTEDGE) : (ex & ~WS_EX_CLIENTEDGE);
    if (wanted != ex) {
        SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, wanted);
        SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    DWORD extended = 0;
    if (view_.GridLines()) extended |= LVS_EX_GRIDLINES;
    if (view_.RowSelect()) extended |= LVS_EX_FULLROWSELECT;
    SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT,
                 extended);
}

// Columns are added once they are known; later changes only retitle them.
void ListViewPeer::PushColumns() {
    const auto& columns = view_.Columns();
    for (size_t c = 0; c < columns.size(); ++c) {
        std::wstring title = Widen(columns[c].title);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = ColumnFormat(columns[c].alignment);
        column.cx = columns[c].width;
        column.pszText = title.data();
        column.iSubItem = static_cast<int>(c);
        if (c < shownColumns_.size()) {
            if (columns[c] == shownColumns_[c]) continue;
            SendMessageW(hwnd_, LVM_SETCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
        } else {
            SendMessageW(hwnd_, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
        }
    }
    shownColumns_ = columns;
}

void ListViewPeer::PushRows() {
    if (view_.Rows() != shownRows_) {
        pushing_ = true;
        SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
        SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0);
        const int columns = static_cast<int>(view_.Columns().size());
        for (int r = 0; r < view_.Count(); ++r) {
            std::wstring caption = Widen(view_.Cell(r, 0));
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = r;
            item.pszText = caption.data();
            const int index = static_cast<int>(
                SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
            if (index < 0) continue;
            for (int c = 1; c < columns; ++c) {
                list_view::SetSubItem(hwnd_, index, c, Widen(view_.Cell(r, c)));
            }
        }
        shownRows_ = view_.Rows();
        SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd_, nullptr, TRUE);
        pushing_ = false;
    }
    PushSelection();
}

void ListViewPeer::Changed(ui::Change what) {
    if (PushLook(what)) return;
    switch (what) {
        case ui::Change::Model:
            PushRows();
            return;
        case ui::Change::Style:
            PushStyle();
            PushColumns();
            PushRows();
            return;
        case ui::Change::Caption:
            PushColumns();
            return;
        default:
            NativeControlPeer::Changed(what);
    }
}

bool ListViewPeer::Reflect(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
    if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == LVN_COLUMNCLICK) {
        view_.ColumnClick(reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem);
        result = 0;
        return true;
    }
    return ReflectSelection(msg, lParam, result);
}

}  // namespace platform::win32
