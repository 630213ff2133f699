#include "shell/tray.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/popup_menu.h"

namespace shell {

std::string CutToCharacters(const std::string& text, std::size_t max) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A character starts at every byte that is not a continuation byte.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == max)
            return text.substr(0, i);
    }
    return text;
}

TTray::TTray(ui::Form& owner, platform::NotificationArea& area) : owner_(owner), area_(area) {}

TTray::~TTray() = default;

void TTray::SetImage(const ui::Bitmap& image, ui::Color transparent) {
    image_ = image;
    transparent_ = transparent;
}

platform::WindowHandle TTray::OwnerHandle() const {
    // Asking for the handle makes the owner's window when it has none yet.
    if (!owner_.Peer()) owner_.Realize();
    return owner_.Peer() ? owner_.Peer()->NativeHandle() : nullptr;
}

bool TTray::EnsureMessageWindow() {
    // One window for the tray's life: the record of any icon shown names it.
    if (!window_) {
        window_ = area_.CreateMessageWindow(
            [this](const platform::WindowMessage& message, std::intptr_t& result) {
                if (message.message != kCallbackMessage) return false;
                // The platform calls in here: what the handlers raise is reported.
                owner_.App().Guard([&] { WMTrayNotify(message.lParam); });
                result = 0;
                return true;
            });
    }
    return window_ != nullptr;
}

bool TTray::ShowIcon(bool hideOwner) {
    if (!EnsureMessageWindow()) return false;
    record_.window = window_->Handle();
    record_.id = 0;
    record_.flags = platform::notify_flag::kMessage | platform::notify_flag::kIcon |
                    platform::notify_flag::kTip;
    record_.callbackMessage = kCallbackMessage;
    icon_.reset();
    if (!image_.Empty()) {
        std::vector<std::uint32_t> pixels(image_.Pixels().begin(), image_.Pixels().end());
        icon_ = area_.MakeIcon(image_.Width(), image_.Height(), pixels, transparent_);
    }
    record_.icon = icon_ ? icon_->Handle() : area_.ApplicationIcon();
    record_.tip = CutToCharacters(hint_, kTipLength);
    bool added = area_.AddIcon(record_);
    if (added && hideOwner) owner_.SetVisible(false);
    return added;
}

bool TTray::HideIcon() {
    bool removed = area_.DeleteIcon(record_);
    if (removed) owner_.SetVisible(true);
    return removed;
}

void TTray::PopupAtCursor() {
    if (!popupMenu_) return;
    ui::Point at = owner_.App().GetBackend().CursorPos();
    platform::WindowHandle owner = OwnerHandle();
    area_.BringToForeground(owner);
    popupMenu_->Popup(at);
    area_.PostToWindow(owner, {kMenuClosedMessage, 0, 0});
}

void TTray::WMTrayNotify(std::intptr_t mouseMessage) {
    if (mouseMessage == kLeftDoubleClick)
        (void)HideIcon();
    else if (mouseMessage == kRightButtonDown)
        PopupAtCursor();
}

}  // namespace shell
