#pragma once
// ui::Memo as a multi-line EDIT control.

#include "platform/win32/ui/gdi.h"
#include "platform/win32/ui/window_peer.h"

namespace ui {
class Memo;
}

namespace platform::win32 {

class MemoPeer final : public WindowPeer {
public:
    MemoPeer(Win32State& state, ui::Memo& memo);

    void Changed(ui::Change what) override;
    bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    bool HandleNativeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    DWORD Style() const;
    void PushText();
    void PushFont();

    ui::Memo& memo_;
    FontPtr font_;
    BrushPtr background_;
    bool pushing_ = false;
};

}  // namespace platform::win32
