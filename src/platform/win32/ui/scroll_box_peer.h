#pragma once
// ui::ScrollBox as a borderless window of the toolkit's class with a vertical scroll bar. The
// bar mirrors the model's range and position; the bar and the mouse wheel move the model,
// which moves the child windows.

#include "platform/win32/ui/window_peer.h"

namespace ui {
class ScrollBox;
}

namespace platform::win32 {

class ScrollBoxPeer final : public WindowPeer {
  public:
    ScrollBoxPeer(Win32State& state, ui::ScrollBox& box);

    void Changed(ui::Change what) override;

  private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void SyncBar();
    void Scroll(int code);

    ui::ScrollBox& box_;
    SCROLLINFO shown_{};
};

}  // namespace platform::win32
