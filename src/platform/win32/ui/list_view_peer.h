#pragma once
// ui::ListView as a report list view (SysListView32): the model's columns, rows and selection,
// grid lines and whole-row selection as extended styles, its colours.

#include <vector>

#include "platform/win32/ui/list_view_peer_base.h"
#include "ui/list_view.h"

namespace platform::win32 {

class ListViewPeer final : public ListViewPeerBase<ui::ListView> {
  public:
    ListViewPeer(Win32State& state, ui::ListView& view);

    void Changed(ui::Change what) override;
    bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void PushStyle();
    void PushColumns();
    void PushRows();

    std::vector<ui::ListColumn> shownColumns_;
    std::vector<ui::ListView::Row> shownRows_;
};

}  // namespace platform::win32
