#include "platform/win32/ui/shell_list_view_peer.h"

#include <commctrl.h>
#include <shlwapi.h>

#include "platform/win32/shell_folder_win32.h"
#include "platform/win32/text.h"
#include "platform/win32/ui/list_view_messages.h"
#include "ui/application.h"
#include "ui/shell_list_view.h"

namespace platform::win32 {

namespace {

constexpr int kColumnWidths[ui::ShellListView::kColumnCount] = {150, 70, 110, 120};

// The modified time in the user's short date and time formats; "" when unknown.
std::wstring ModifiedText(std::int64_t ticks) {
    if (ticks <= 0) return L"";
    FILETIME utc{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
    FILETIME local;
    SYSTEMTIME st;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &st)) return L"";
    wchar_t date[64] = {};
    wchar_t time[64] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, 64);
    GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &st, nullptr, time, 64);
    return std::wstring(date) + L" " + time;
}

std::wstring SizeText(const platform::ShellItem& item) {
    if (item.IsFolder()) return L"";
    wchar_t text[64] = {};
    if (StrFormatKBSizeW(static_cast<LONGLONG>(item.size), text, 64)) return text;
    return Widen(ui::ShellListView::SizeText(item));
}

}  // namespace

ShellListViewPeer::ShellListViewPeer(Win32State& state, ui::ShellListView& view)
    : ListViewPeerBase(state, view) {
    // The system image lists are shared: the view must not destroy them.
    CreateControl(WC_LISTVIEWW, WS_EX_CLIENTEDGE,
                  ViewStyle() | LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS | LVS_SINGLESEL |
                      LVS_AUTOARRANGE | WS_TABSTOP);
    standInSmall_.reset(ImageList_Create(GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), ILC_COLOR32, 0, 1));
    standInLarge_.reset(ImageList_Create(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                                         ILC_COLOR32, 0, 1));
    SendMessageW(hwnd_, LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(standInSmall_.get()));
    SendMessageW(hwnd_, LVM_SETIMAGELIST, LVSIL_NORMAL,
                 reinterpret_cast<LPARAM>(standInLarge_.get()));
    PushColumns();
    PushStyle();
    PushColors();
    PushItems();
}

ShellListViewPeer::~ShellListViewPeer() {
    DestroyOwnedWindow();  // before the stand-in lists it shows
}

DWORD ShellListViewPeer::ViewStyle() const {
    switch (view_.GetViewStyle()) {
        case ui::ViewStyle::List:
            return LVS_LIST;
        case ui::ViewStyle::Icon:
            return LVS_ICON;
        case ui::ViewStyle::SmallIcon:
            return LVS_SMALLICON;
        case ui::ViewStyle::Report:
            break;
    }
    return LVS_REPORT;
}

void ShellListViewPeer::PushStyle() {
    LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    LONG_PTR wanted = (style & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | ViewStyle();
    if (wanted != style) SetWindowLongPtrW(hwnd_, GWL_STYLE, wanted);
    DWORD mask = LVS_EX_GRIDLINES | LVS_EX_TRACKSELECT | LVS_EX_FULLROWSELECT;
    DWORD ex = LVS_EX_FULLROWSELECT;
    if (view_.GridLines()) ex |= LVS_EX_GRIDLINES;
    if (view_.HotTrack()) ex |= LVS_EX_TRACKSELECT;
    SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, mask, ex);
}

void ShellListViewPeer::PushColumns() {
    for (int c = 0; c < ui::ShellListView::kColumnCount; ++c) {
        std::wstring title = Widen(view_.ColumnTitle(c));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = c == 1 ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = kColumnWidths[c];
        column.pszText = title.data();
        column.iSubItem = c;
        SendMessageW(hwnd_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c),
                     reinterpret_cast<LPARAM>(&column));
    }
}

void ShellListViewPeer::PushColumnTitles() {
    for (int c = 0; c < ui::ShellListView::kColumnCount; ++c) {
        std::wstring title = Widen(view_.ColumnTitle(c));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT;
        column.pszText = title.data();
        SendMessageW(hwnd_, LVM_SETCOLUMNW, static_cast<WPARAM>(c),
                     reinterpret_cast<LPARAM>(&column));
    }
}

void ShellListViewPeer::AttachImageLists() {
    if (imageListsAttached_) return;
    imageListsAttached_ = true;
    SendMessageW(hwnd_, LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(ShellFolderWin32::SystemImageList(false)));
    SendMessageW(hwnd_, LVM_SETIMAGELIST, LVSIL_NORMAL,
                 reinterpret_cast<LPARAM>(ShellFolderWin32::SystemImageList(true)));
}

void ShellListViewPeer::PushItems() {
    if (shownGeneration_ != view_.Generation()) {
        shownGeneration_ = view_.Generation();
        const auto& items = view_.Items();
        if (!items.empty()) AttachImageLists();
        pushing_ = true;
        SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
        SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0);
        SendMessageW(hwnd_, LVM_SETITEMCOUNT, items.size(), 0);
        for (size_t i = 0; i < items.size(); ++i) {
            const platform::ShellItem& shown = items[i];
            std::wstring name = Widen(shown.name);
            LVITEMW item{};
            item.mask = LVIF_TEXT | LVIF_IMAGE;
            item.iItem = static_cast<int>(i);
            item.pszText = name.data();
            item.iImage = shown.iconIndex;
            int index = static_cast<int>(
                SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
            if (index < 0) continue;
            list_view::SetSubItem(hwnd_, index, 1, SizeText(shown));
            list_view::SetSubItem(hwnd_, index, 2, Widen(shown.typeName));
            list_view::SetSubItem(hwnd_, index, 3, ModifiedText(shown.modified));
        }
        SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd_, nullptr, TRUE);
        pushing_ = false;
    }
    PushSelection();
}

void ShellListViewPeer::Changed(ui::Change what) {
    if (PushLook(what)) return;
    switch (what) {
        case ui::Change::Model:
            PushItems();
            return;
        case ui::Change::Style:
            PushStyle();
            return;
        case ui::Change::Caption:
            PushColumnTitles();
            return;
        default:
            NativeControlPeer::Changed(what);
    }
}

bool ShellListViewPeer::Reflect(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
    if (msg != WM_NOTIFY || !hwnd_) return false;
    if (ReflectSelection(msg, lParam, result)) return true;
    if (reinterpret_cast<const NMHDR*>(lParam)->code == NM_DBLCLK) {
        if (view_.OnDblClick) view_.OnDblClick();
        result = 0;
        return true;
    }
    return false;
}

}  // namespace platform::win32
