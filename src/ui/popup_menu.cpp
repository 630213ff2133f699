#include "ui/popup_menu.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/backend.h"

namespace ui {

PopupMenu::PopupMenu(Application& app) : app_(app) {}

PopupMenu::~PopupMenu() {
    // Handlers may unregister others while we walk, so take the list first.
    auto pending = std::move(freeNotifications_);
    freeNotifications_.clear();
    for (auto& [owner, onFree] : pending)
        if (onFree) onFree();
}

MenuItem& PopupMenu::AddItem(std::string caption, std::function<void()> onClick) {
    MenuItem item;
    item.caption = std::move(caption);
    item.OnClick = std::move(onClick);
    items_.push_back(std::move(item));
    return items_.back();
}

void PopupMenu::Popup(Point screen) {
    if (OnPopup) OnPopup();
    int chosen = app_.GetBackend().ShowPopupMenu(*this, screen);
    if (chosen < 0 || chosen >= static_cast<int>(items_.size())) return;
    const MenuItem& item = items_[static_cast<size_t>(chosen)];
    if (item.enabled && item.visible && item.OnClick) item.OnClick();
}

void PopupMenu::AddFreeNotification(const void* owner, std::function<void()> onFree) {
    RemoveFreeNotification(owner);
    freeNotifications_.emplace_back(owner, std::move(onFree));
}

void PopupMenu::RemoveFreeNotification(const void* owner) {
    auto& v = freeNotifications_;
    v.erase(std::remove_if(v.begin(), v.end(), [&](const auto& n) { return n.first == owner; }),
            v.end());
}

}  // namespace ui
