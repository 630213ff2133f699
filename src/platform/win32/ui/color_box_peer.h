#pragma once
// ui::ColorBox as an owner-drawn drop-down list (COMBOBOX): each entry drawn by the model, the
// user's choice reported back. The window is as tall as the field and the dropped list.

#include <string>
#include <vector>

#include "platform/win32/ui/native_control_peer.h"

namespace ui {
class ColorBox;
}

namespace platform::win32 {

class ColorBoxPeer final : public NativeControlPeer {
  public:
    ColorBoxPeer(Win32State& state, ui::ColorBox& box);

    void Changed(ui::Change what) override;
    bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    // Places the window: the model's field and, below it, room for the dropped list.
    void PushBounds();
    void PushItems();
    void DrawItem(const DRAWITEMSTRUCT& item);

    ui::ColorBox& box_;
    std::vector<std::string> shown_;
};

}  // namespace platform::win32
