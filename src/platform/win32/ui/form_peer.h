#pragma once
// A top-level window for a ui::Form.

#include "platform/win32/ui/window_peer.h"
#include "ui/form.h"

namespace platform::win32 {

class FormPeer final : public WindowPeer {
  public:
    FormPeer(Win32State& state, ui::Form& form);

    void Changed(ui::Change what) override;
    void AnimateHide(int milliseconds) override;
    void Activate() override;
    void Show(ui::ShowCommand how) override;
    // The form's key table takes its keys before any control of the form sees them.
    bool PreTranslate(MSG& msg) override;

  private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Styles(DWORD& style, DWORD& exStyle) const;
    // Outer window rectangle for the form's client size at its current position.
    RECT OuterRect() const;
    void ApplyStyles();
    // Shows the window normal, maximised or minimised as the form asks.
    void ShowInState();
    // The state the user left the shown window in: maximised or not (a minimised one counts as
    // what it would be restored to).
    ui::WindowState LeftState() const;
    // Before an active window hides: its owner takes the activation, where the system would
    // give it to whatever window lies next below, perhaps another program's.
    void GiveActivationToOwner() const;

    ui::Form& form_;
};

}  // namespace platform::win32
