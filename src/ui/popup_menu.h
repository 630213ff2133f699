#pragma once
// A popup (context) menu: a list of items shown at a screen point. The backend shows it and
// reports which item the user chose; Popup then runs that item's OnClick.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/geometry.h"

namespace ui {

class Application;
class Control;

enum class PopupAlignment { Left, Right, Center };

struct MenuItem {
    std::string caption;
    bool enabled = true;
    bool checked = false;
    bool visible = true;
    std::function<void()> OnClick;
};

class PopupMenu {
  public:
    explicit PopupMenu(Application& app);
    ~PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    std::vector<MenuItem>& Items() { return items_; }
    const std::vector<MenuItem>& Items() const { return items_; }
    MenuItem& AddItem(std::string caption, std::function<void()> onClick = {});

    PopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(PopupAlignment a) { alignment_ = a; }
    // Whether the menu pops up by itself on a right click of the control it belongs to.
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool a) { autoPopup_ = a; }
    // The control that showed the menu last (for handlers that need to know).
    Control* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(Control* c) { popupComponent_ = c; }
    bool RightToLeft() const { return rightToLeft_; }
    void SetRightToLeft(bool r) { rightToLeft_ = r; }

    // Shows the menu with its reference corner at SCREEN (aligned by Alignment) and returns
    // when it closes, after running the chosen item's OnClick.
    void Popup(Point screen);

    // Objects that keep a pointer to the menu register here; they are told when it dies.
    void AddFreeNotification(const void* owner, std::function<void()> onFree);
    void RemoveFreeNotification(const void* owner);

    std::function<void()> OnPopup;

  private:
    Application& app_;
    std::string name_;
    std::vector<MenuItem> items_;
    PopupAlignment alignment_ = PopupAlignment::Left;
    bool autoPopup_ = true;
    bool rightToLeft_ = false;
    Control* popupComponent_ = nullptr;
    std::vector<std::pair<const void*, std::function<void()>>> freeNotifications_;
};

}  // namespace ui
