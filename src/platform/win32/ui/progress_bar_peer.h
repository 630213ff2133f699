#pragma once
// ui::ProgressBar as the system's progress bar (msctls_progress32): it holds the control's
// range and position, so PBM_GETPOS, PBM_GETRANGE and screen readers read the bar as any
// other; it paints with the control's own look.

#include "platform/win32/ui/window_peer.h"

namespace ui {
class ProgressBar;
}

namespace platform::win32 {

class ProgressBarPeer final : public WindowPeer {
  public:
    ProgressBarPeer(Win32State& state, ui::ProgressBar& bar);
    ~ProgressBarPeer() override;

    void Changed(ui::Change what) override;

  protected:
    bool HandleNativeMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void PushModel();

    ui::ProgressBar& bar_;
};

}  // namespace platform::win32
