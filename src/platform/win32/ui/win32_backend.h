#pragma once
// The Win32 toolkit backend: real windows, GDI painting, tool tips and the message loop.
// Portable header (no <windows.h>) so the entry point can create it.

#include <memory>

#include "ui/backend.h"

namespace platform::win32 {

struct Win32State;
class Win32PeerFactory;

class Win32Backend final : public ui::Backend {
  public:
    Win32Backend();
    ~Win32Backend() override;

    const ui::ColorResolver& Colors() const override;
    ui::PeerFactory& Peers() override;
    std::unique_ptr<ui::TimerPeer> CreateTimerPeer(ui::Timer& timer) override;
    std::unique_ptr<ui::Canvas> CreateMeasureCanvas() override;
    ui::MessageResult ShowMessage(const std::string& text, const std::string& caption,
                                  ui::MessageKind kind, ui::MessageButtons buttons) override;
    std::optional<std::string> RunSaveDialog(const ui::SaveDialog& dialog,
                                             ui::Form& owner) override;
    std::optional<std::string> RunOpenDialog(const ui::SaveDialog& dialog,
                                             ui::Form& owner) override;
    int CollateNoCase(std::string_view a, std::string_view b) const override;
    ui::Point CursorPos() const override;
    ui::Size ScreenSize() const override;
    void SetTitle(const std::string& title) override;
    void Post(std::function<void()> task) override;
    std::unique_ptr<ui::JobPeer> StartJob(std::function<void()> job) override;
    void RunMessageLoop() override;
    void Terminate() override;
    void ProcessMessages() override;
    int ShowPopupMenu(const ui::PopupMenu& menu, ui::Point screen) override;
    ui::MenuMetrics GetMenuMetrics() const override;
    void SetCursorImage(ui::Cursor which, const ui::Bitmap& image, ui::Color transparent,
                        ui::Point hotSpot) override;

  private:
    std::unique_ptr<Win32State> state_;
    std::unique_ptr<Win32PeerFactory> peers_;
};

}  // namespace platform::win32
