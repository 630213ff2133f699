#pragma once
// ui::ShellListView as a list view (SysListView32) with the columns Name, Size, Type and
// Modified and the system image lists (attached with the first items); refilled whenever the
// model re-read its root.

#include "platform/win32/ui/list_view_peer_base.h"
#include "ui/shell_list_view.h"

namespace platform::win32 {

class ShellListViewPeer final : public ListViewPeerBase<ui::ShellListView> {
  public:
    ShellListViewPeer(Win32State& state, ui::ShellListView& view);

    void Changed(ui::Change what) override;
    bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    DWORD ViewStyle() const;
    void PushStyle();
    void PushColumns();
    void PushColumnTitles();
    void PushItems();
    void AttachImageLists();

    int shownGeneration_ = -1;
    bool imageListsAttached_ = false;
};

}  // namespace platform::win32
