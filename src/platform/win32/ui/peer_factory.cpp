#include "platform/win32/ui/peer_factory.h"

#include "platform/win32/ui/color_box_peer.h"
#include "platform/win32/ui/custom_peer.h"
#include "platform/win32/ui/file_list_box_peer.h"
#include "platform/win32/ui/form_peer.h"
#include "platform/win32/ui/list_box_peer.h"
#include "platform/win32/ui/list_view_peer.h"
#include "platform/win32/ui/memo_peer.h"
#include "platform/win32/ui/progress_bar_peer.h"
#include "platform/win32/ui/scroll_box_peer.h"
#include "platform/win32/ui/shell_list_view_peer.h"
#include "platform/win32/ui/web_browser_peer.h"

namespace platform::win32 {

std::unique_ptr<ui::ControlPeer> Win32PeerFactory::MakeCustom(ui::Control& control) {
    return std::make_unique<CustomPeer>(state_, control);
}
std::unique_ptr<ui::ControlPeer> Win32PeerFactory::MakeForm(ui::Form& form) {
    return std::make_unique<FormPeer>(state_, form);
}
std::unique_ptr<ui::ControlPeer> Win32PeerFactory::MakeColorBox(ui::ColorBox& box) {
    return std::make_unique<ColorBoxPeer>(state_, box);
}
std::unique_ptr<ui::ControlPeer> Win32PeerFactory::MakeListBox(ui::ListBox& list) {
    return std::make_unique<ListBoxPeer>(state_, list);
}
std::unique_ptr<ui::ControlPeer> Win32PeerFactory::MakeFileListBox(ui::FileListBox& list) {
    return std::make_unique<FileListBoxPeer>(state_, list);
}
std::unique_ptr<ui::ControlPeer> Win32PeerFactory::MakeListView(ui::ListView& view) {
    return std::make_unique<ListViewPeer>(state_, view);
}
std::unique_ptr<ui::ControlPeer> Win32PeerFactory::MakeMemo(ui::Memo& memo) {
    return std::make_unique<MemoPeer>(state_, memo);
}
std::unique_ptr<ui::ControlPeer> Win32PeerFactory::MakeProgressBar(ui::ProgressBar& bar) {
    return std::make_unique<ProgressBarPeer>(state_, bar);
}
std::unique_ptr<ui::ControlPeer> Win32PeerFactory::MakeScrollBox(ui::ScrollBox& box) {
    return std::make_unique<ScrollBoxPeer>(state_, box);
}
std::unique_ptr<ui::ControlPeer> Win32PeerFactory::MakeShellListView(ui::ShellListView& view) {
    return std::make_unique<ShellListViewPeer>(state_, view);
}
std::unique_ptr<ui::ControlPeer> Win32PeerFactory::MakeWebBrowser(ui::WebBrowser& browser) {
    return std::make_unique<WebBrowserPeer>(state_, browser);
}

}  // namespace platform::win32
