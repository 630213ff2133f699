#pragma once
// The Win32 peer of each kind of control (typed double dispatch from ui::Control::CreatePeer).

#include <memory>

#include "platform/win32/ui/win32_state.h"
#include "ui/peer_factory.h"

namespace platform::win32 {

class Win32PeerFactory final : public ui::PeerFactory {
  public:
    explicit Win32PeerFactory(Win32State& state) : state_(state) {}

    // The backend state the peers share, for peers made outside this factory.
    Win32State& State() const { return state_; }

    std::unique_ptr<ui::ControlPeer> MakeCustom(ui::Control& control) override;
    std::unique_ptr<ui::ControlPeer> MakeForm(ui::Form& form) override;
    std::unique_ptr<ui::ControlPeer> MakeColorBox(ui::ColorBox& box) override;
    std::unique_ptr<ui::ControlPeer> MakeListBox(ui::ListBox& list) override;
    std::unique_ptr<ui::ControlPeer> MakeFileListBox(ui::FileListBox& list) override;
    std::unique_ptr<ui::ControlPeer> MakeListView(ui::ListView& view) override;
    std::unique_ptr<ui::ControlPeer> MakeMemo(ui::Memo& memo) override;
    std::unique_ptr<ui::ControlPeer> MakeProgressBar(ui::ProgressBar& bar) override;
    std::unique_ptr<ui::ControlPeer> MakeScrollBox(ui::ScrollBox& box) override;
    std::unique_ptr<ui::ControlPeer> MakeShellListView(ui::ShellListView& view) override;
    std::unique_ptr<ui::ControlPeer> MakeWebBrowser(ui::WebBrowser& browser) override;

  private:
    Win32State& state_;
};

}  // namespace platform::win32
