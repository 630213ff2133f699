#pragma once
// TTray: one icon in the notification area for its owner window. ShowIcon adds it (and may
// hide the owner), HideIcon removes it and shows the owner again; a double-click on the icon
// does the same as HideIcon, a right-button press opens PopupMenu at the mouse. The shell is
// reached through platform::NotificationArea, so the logic runs against a fake in tests.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/notification_area.h"
#include "ui/bitmap.h"
#include "ui/color.h"

namespace ui {
class Form;
class PopupMenu;
}  // namespace ui

namespace shell {

class TTray {
  public:
    // The icon's messages come back as this message (WM_USER + 1) to the tray's own window.
    static constexpr std::uint32_t kCallbackMessage = 0x401;
    // Posted to the owner after the menu closed (WM_USER).
    static constexpr std::uint32_t kMenuClosedMessage = 0x400;
    // The mouse codes the callback carries in lParam.
    static constexpr std::intptr_t kLeftDoubleClick = 0x203;  // WM_LBUTTONDBLCLK
    static constexpr std::intptr_t kRightButtonDown = 0x204;  // WM_RBUTTONDOWN
    // The longest tool tip, in characters.
    static constexpr std::size_t kTipLength = 63;

    TTray(ui::Form& owner, platform::NotificationArea& area);
    // A shown icon stays: the program removes it before exit.
    ~TTray();
    TTray(const TTray&) = delete;
    TTray& operator=(const TTray&) = delete;

    ui::PopupMenu* PopupMenu() const { return popupMenu_; }
    // The menu must outlive the tray or be unset first.
    void SetPopupMenu(ui::PopupMenu* menu) { popupMenu_ = menu; }
    const ui::Bitmap& Image() const { return image_; }
    // Copies IMAGE (pixels of TRANSPARENT are left out); an empty image shows the program's
    // own icon.
    void SetImage(const ui::Bitmap& image, ui::Color transparent = ui::clNone);
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint) { hint_ = std::move(hint); }

    // Adds the icon; when the shell takes it and HIDE_OWNER, hides the owner. Returns whether
    // the shell took it.
    bool ShowIcon(bool hideOwner);
    // Removes the icon; when the shell removed one, makes the owner visible. Returns whether
    // an icon was removed.
    bool HideIcon();
    // Opens PopupMenu at the mouse position (nothing without a menu), with the owner in the
    // foreground, then posts kMenuClosedMessage to the owner.
    void PopupAtCursor();
    // The callback message: a left double-click hides the icon, a right-button press opens
    // the menu; anything else is ignored.
    void WMTrayNotify(std::intptr_t mouseMessage);

    // The record as last filled by ShowIcon.
    const platform::NotifyIconRecord& Record() const { return record_; }

  private:
    platform::WindowHandle OwnerHandle() const;
    bool EnsureMessageWindow();

    ui::Form& owner_;
    platform::NotificationArea& area_;
    ui::PopupMenu* popupMenu_ = nullptr;
    ui::Bitmap image_;
    ui::Color transparent_ = ui::clNone;
    std::string hint_;
    std::unique_ptr<platform::MessageWindow> window_;
    std::unique_ptr<platform::OwnedIcon> icon_;
    platform::NotifyIconRecord record_;
};

// TEXT cut to at most MAX characters (UTF-8 code points; a sequence is never split).
std::string CutToCharacters(const std::string& text, std::size_t max);

}  // namespace shell
