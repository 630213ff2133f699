#include "platform/win32/ui/file_list_box_peer.h"

#include <commctrl.h>
#include <shellapi.h>

#include "platform/win32/ole_session.h"
#include "platform/win32/shell_folder_win32.h"
#include "platform/win32/text.h"
#include "platform/win32/ui/gdi_canvas.h"
#include "ui/file_list_box.h"

namespace platform::win32 {

FileListBoxPeer::FileListBoxPeer(Win32State& state, ui::FileListBox& list)
    : ListBoxPeer(state, list), files_(list) {}

void FileListBoxPeer::Changed(ui::Change what) {
    if (what == ui::Change::Model && files_.Directory() != iconsOf_) {
        icons_.clear();
        iconsOf_ = files_.Directory();
    }
    ListBoxPeer::Changed(what);
}

int FileListBoxPeer::IconIndex(const std::string& path) {
    auto known = icons_.find(path);
    if (known != icons_.end()) return known->second;
    OleSession::Ensure();
    SHFILEINFOW info{};
    bool found = SHGetFileInfoW(Widen(path).c_str(), 0, &info, sizeof(info),
                                SHGFI_SYSICONINDEX | SHGFI_SMALLICON) != 0;
    int index = found ? info.iIcon : -1;
    icons_.emplace(path, index);
    return index;
}

void FileListBoxPeer::DrawListItem(GdiCanvas& canvas, int index, const ui::Rect& r, bool selected) {
    auto* list = static_cast<HIMAGELIST>(ShellFolderWin32::SystemImageList(false));
    int icon = IconIndex(files_.FullPath(index));
    if (!list || icon < 0) {
        files_.DrawItem(canvas, index, r, selected);  // the plain page glyph
        return;
    }
    files_.DrawItemText(canvas, index, r, selected);
    ui::Rect g = ui::FileListBox::GlyphRect(r);
    ui::Point origin = canvas.Origin();
    ImageList_Draw(list, icon, canvas.Dc(), g.left + origin.x, g.top + origin.y, ILD_TRANSPARENT);
}

}  // namespace platform::win32
