#include "platform/win32/ui/list_view_messages.h"

#include <commctrl.h>

namespace platform::win32::list_view {

void SetColors(HWND list, COLORREF back, COLORREF text) {
    SendMessageW(list, LVM_SETBKCOLOR, 0, back);
    SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, back);
    SendMessageW(list, LVM_SETTEXTCOLOR, 0, text);
    InvalidateRect(list, nullptr, TRUE);
}

void SetSubItem(HWND list, int index, int column, const std::wstring& text) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

int SelectedIndex(HWND list) {
    return static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void Select(HWND list, int index) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    if (index < 0) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

bool IsSelectionChange(LPARAM lParam) {
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
    return change->hdr.code == LVN_ITEMCHANGED && (change->uChanged & LVIF_STATE) &&
           ((change->uNewState ^ change->uOldState) & LVIS_SELECTED);
}

}  // namespace platform::win32::list_view
