#pragma once
// The notification area (the tray) of the shell: icons added and removed by record, the
// hidden window that receives an icon's mouse messages, and the few window calls a tray menu
// needs. Every call reports failure by its result and never throws.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/window_handle.h"

namespace platform {

// An icon handle (an HICON on Windows); null for none.
using IconHandle = void*;

// Fields of the record that are valid, numbered as the platform numbers them.
namespace notify_flag {
constexpr std::uint32_t kMessage = 0x1;
constexpr std::uint32_t kIcon = 0x2;
constexpr std::uint32_t kTip = 0x4;
}  // namespace notify_flag

// What an icon is added or removed with.
struct NotifyIconRecord {
    WindowHandle window = nullptr;  // receives the callback message
    std::uint32_t id = 0;
    std::uint32_t flags = 0;
    std::uint32_t callbackMessage = 0;
    IconHandle icon = nullptr;
    std::string tip;  // UTF-8, at most 63 characters
};

// A message a window received: its number and its two parameters.
struct WindowMessage {
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

// A hidden window of its own that hands every message to its handler; the window goes with
// the object.
class MessageWindow {
  public:
    virtual ~MessageWindow() = default;
    virtual WindowHandle Handle() const = 0;
};

// An icon made from pixels; destroyed with the object.
class OwnedIcon {
  public:
    virtual ~OwnedIcon() = default;
    virtual IconHandle Handle() const = 0;
};

class NotificationArea {
  public:
    virtual ~NotificationArea() = default;

    // HANDLER answers the messages it takes (true, with the result in RESULT); the others get
    // the platform's default processing. Null when the window cannot be made.
    using MessageHandler = std::function<bool(const WindowMessage& message, std::intptr_t& result)>;
    virtual std::unique_ptr<MessageWindow> CreateMessageWindow(MessageHandler handler) = 0;

    // Adds the icon of RECORD; false when the shell refuses.
    virtual bool AddIcon(const NotifyIconRecord& record) = 0;
    // Removes the icon RECORD names (window and id); false when there is none or the shell
    // refuses.
    virtual bool DeleteIcon(const NotifyIconRecord& record) = 0;

    // The executable's own icon (the resource "MAINICON"), small size; null when missing.
    virtual IconHandle ApplicationIcon() = 0;
    // An icon of WIDTH x HEIGHT from PIXELS (0x00BBGGRR, row by row); pixels of TRANSPARENT are
    // left out. Null when it cannot be made.
    virtual std::unique_ptr<OwnedIcon> MakeIcon(int width, int height,
                                                const std::vector<std::uint32_t>& pixels,
                                                std::uint32_t transparent) = 0;

    // Brings WINDOW to the foreground, so that a menu it shows closes on a click elsewhere.
    virtual void BringToForeground(WindowHandle window) = 0;
    // Posts MESSAGE to WINDOW's queue.
    virtual void PostToWindow(WindowHandle window, const WindowMessage& message) = 0;
};

}  // namespace platform
