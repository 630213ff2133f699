#pragma once
// The notification area through Shell_NotifyIconW. Each message window is a hidden tool
// window of its own class; its window procedure hands every message to the handler first.

#include "platform/notification_area.h"

namespace platform::win32 {

class NotificationAreaWin32 final : public NotificationArea {
  public:
    std::unique_ptr<MessageWindow> CreateMessageWindow(MessageHandler handler) override;
    bool AddIcon(const NotifyIconRecord& record) override;
    bool DeleteIcon(const NotifyIconRecord& record) override;
    IconHandle ApplicationIcon() override;
    std::unique_ptr<OwnedIcon> MakeIcon(int width, int height,
                                        const std::vector<std::uint32_t>& pixels,
                                        std::uint32_t transparent) override;
    void BringToForeground(WindowHandle window) override;
    void PostToWindow(WindowHandle window, const WindowMessage& message) override;
};

}  // namespace platform::win32
