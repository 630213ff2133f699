#include "platform/win32/ui/peer_factory.h"

#include "platform/win32/ui/custom_peer.h"
#include "platform/win32/ui/form_peer.h"
#include "platform/win32/ui/list_box_peer.h"
#include "platform/win32/ui/memo_peer.h"
#include "platform/win32/ui/scroll_box_peer.h"
#include "platform/win32/ui/shell_list_view_peer.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/memo.h"
#include "ui/scroll_box.h"
#include "ui/shell_list_view.h"

namespace platform::win32 {

// One line per standard control.
std::unique_ptr<ui::ControlPeer> CreateWin32Peer(Win32State& state, ui::Control& control) {
    std::string_view kind = control.PeerKind();
    if (kind == "form") return std::make_unique<FormPeer>(state, static_cast<ui::Form&>(control));
    if (kind == "memo") return std::make_unique<MemoPeer>(state, static_cast<ui::Memo&>(control));
    if (kind == "listbox") return std::make_unique<ListBoxPeer>(state, static_cast<ui::ListBox&>(control));
    if (kind == "scrollbox") return std::make_unique<ScrollBoxPeer>(state, static_cast<ui::ScrollBox&>(control));
    if (kind == "shelllistview")
        return std::make_unique<ShellListViewPeer>(state, static_cast<ui::ShellListView&>(control));
    return std::make_unique<CustomPeer>(state, control);
}

}  // namespace platform::win32
