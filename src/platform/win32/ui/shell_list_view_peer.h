#pragma once
// ui::ShellListView as a list view (SysListView32) with the columns Name, Size, Type and
// Modified and the system image lists; refilled whenever the model re-read its root.
//
// The system image lists cost much to make on their first use (about 100 ms under Wine), so
// they come with the first items. Until then empty lists of the same icon sizes stand in:
// they set the row height the grid lines of an empty report show.

#include <windows.h>
#include <commctrl.h>

#include "platform/win32/handles.h"
#include "platform/win32/ui/list_view_peer_base.h"
#include "ui/shell_list_view.h"

namespace platform::win32 {

class ShellListViewPeer final : public ListViewPeerBase<ui::ShellListView> {
  public:
    ShellListViewPeer(Win32State& state, ui::ShellListView& view);
    ~ShellListViewPeer() override;

    void Changed(ui::Change what) override;
    bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    DWORD ViewStyle() const;
    void PushStyle();
    void PushColumns();
    void PushColumnTitles();
    void PushItems();
    void AttachImageLists();

    using ImageListOwner = HandleOwner<HIMAGELIST, &ImageList_Destroy>;
    // Declared before anything that borrows them; the window goes first (the destructor).
    ImageListOwner standInSmall_;
    ImageListOwner standInLarge_;
    int shownGeneration_ = -1;
    bool imageListsAttached_ = false;
};

}  // namespace platform::win32
