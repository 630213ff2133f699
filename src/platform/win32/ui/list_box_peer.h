#pragma once
// ui::ListBox as a LISTBOX control. Owner-drawn lists (the style at creation) draw each item
// through the model's OnDrawItem on a GDI canvas; the model keeps the order (no LBS_SORT).

#include <string>
#include <vector>

#include "platform/win32/ui/native_control_peer.h"

namespace ui {
class ListBox;
}

namespace platform::win32 {

class ListBoxPeer final : public NativeControlPeer {
public:
    ListBoxPeer(Win32State& state, ui::ListBox& list);

    void Changed(ui::Change what) override;
    bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool OwnerDrawn() const;
    void PushItems();
    void PushSelection();
    void DrawItem(const DRAWITEMSTRUCT& item);

    ui::ListBox& list_;
    std::vector<std::string> shown_;
};

}  // namespace platform::win32
