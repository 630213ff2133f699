#pragma once
// ui::Memo as a multi-line EDIT control.

#include "platform/win32/ui/native_control_peer.h"

namespace ui {
class Memo;
}

namespace platform::win32 {

class MemoPeer final : public NativeControlPeer {
  public:
    MemoPeer(Win32State& state, ui::Memo& memo);

    void Changed(ui::Change what) override;
    bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    DWORD Style() const;
    void PushText();

    ui::Memo& memo_;
    bool pushing_ = false;
};

}  // namespace platform::win32
