#pragma once
// ui::ListBox as a LISTBOX control. Owner-drawn lists (the style at creation) draw each item
// through the model (OnDrawItem) on a GDI canvas; the model keeps the order (no LBS_SORT).
// A double-click raises the model's OnDblClick.

#include <string>
#include <vector>

#include "platform/win32/ui/native_control_peer.h"

namespace ui {
class ListBox;
}

namespace platform::win32 {

class GdiCanvas;

class ListBoxPeer : public NativeControlPeer {
  public:
    ListBoxPeer(Win32State& state, ui::ListBox& list);

    void Changed(ui::Change what) override;
    bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  protected:
    // Draws item INDEX of an owner-drawn list in R.
    virtual void DrawListItem(GdiCanvas& canvas, int index, const ui::Rect& r, bool selected);

  private:
    bool OwnerDrawn() const;
    void PushItems();
    void PushSelection();
    void DrawItem(const DRAWITEMSTRUCT& item);

    ui::ListBox& list_;
    std::vector<std::string> shown_;
};

}  // namespace platform::win32
