#include "ui/form.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/peer_factory.h"

namespace ui {

Form::Form(Application& app) : Control(app, nullptr) {
    SetVisible(false);
    app.RegisterForm(this);
}

Form::~Form() {
    ReleasePeer();
    App().UnregisterForm(this);
}

std::unique_ptr<ControlPeer> Form::CreatePeer(PeerFactory& factory) {
    return factory.MakeForm(*this);
}

void Form::BeforeDestruction() {
    if (destroying_) return;
    destroying_ = true;
    if (OnDestroy) OnDestroy();
}

void Form::SetClientSize(int width, int height) {
    clientSize_ = {width, height};
    // Without a peer the window frame is not known; the client size is the outer size.
    if (!Peer()) SetBounds(Left(), Top(), width, height);
    NotifyPeer(Change::ClientSize);
    AlignControls();
    Invalidate();
}

void Form::PeerResized(Size client) {
    if (client == clientSize_) return;
    clientSize_ = client;
    AlignControls();
}

void Form::SetBorderStyle(BorderStyle s) {
    borderStyle_ = s;
    NotifyPeer(Change::Style);
}

void Form::SetBorderIcons(unsigned icons) {
    borderIcons_ = icons;
    NotifyPeer(Change::Style);
}

void Form::SetWindowState(WindowState s) {
    windowState_ = s;
    NotifyPeer(Change::Style);
}

void Form::SetStayOnTop(bool s) {
    stayOnTop_ = s;
    NotifyPeer(Change::Style);
}

void Form::SetPosition(Position p, Form* centerOn) {
    position_ = p;
    centerOn_ = centerOn;
}

void Form::ApplyPosition() {
    positioned_ = true;
    Size outer = Bounds().GetSize();
    Rect area{};
    switch (position_) {
        case Position::Designed:
            return;
        case Position::DesktopCenter:
        case Position::ScreenCenter: {
            Size screen = App().GetBackend().ScreenSize();
            area = {0, 0, screen.width, screen.height};
            break;
        }
        case Position::MainFormCenter:
        case Position::OwnerFormCenter: {
            Form* other = centerOn_ ? centerOn_ : App().MainForm();
            if (!other || other == this) return;
            area = other->Bounds();
            break;
        }
    }
    int x = area.left + (area.Width() - outer.width) / 2;
    int y = area.top + (area.Height() - outer.height) / 2;
    SetBounds(x, y, outer.width, outer.height);
}

void Form::ShowForm() {
    Realize();
    if (!positioned_) ApplyPosition();
    SetVisible(true);
    if (Peer()) Peer()->Activate();
}

void Form::VisibleChanged() {
    if (Visible()) {
        if (OnShow) OnShow();
    } else {
        if (OnHide) OnHide();
    }
}

void Form::Close() {
    CloseAction action = (App().MainForm() == this) ? CloseAction::Free : CloseAction::Hide;
    if (OnClose) OnClose(action);
    if (action == CloseAction::None) return;
    if (App().MainForm() == this) {
        if (action != CloseAction::Minimize) App().Terminate();
        return;
    }
    if (action == CloseAction::Hide || action == CloseAction::Free) Hide();
}

void Form::AnimateHide(int milliseconds) {
    if (Peer()) Peer()->AnimateHide(milliseconds);
}

void Form::AnnounceFocus() {
    std::function<void(Control*)> tell = [&](Control* c) {
        for (Control* child : c->Children()) {
            child->FocusAnnounced(activeControl_);
            tell(child);
        }
    };
    tell(this);
}

Control* Form::NextTabStop(Control* from, bool forward) {
    std::vector<Control*> order;
    std::function<void(Control*)> collect = [&](Control* c) {
        for (Control* child : c->Children()) {
            if (!child->IsWindowed()) continue;
            if (child->TabStop() && child->CanFocus()) order.push_back(child);
            collect(child);
        }
    };
    collect(this);
    if (order.empty()) return nullptr;
    auto it = std::find(order.begin(), order.end(), from);
    if (it == order.end()) return forward ? order.front() : order.back();
    size_t i = static_cast<size_t>(it - order.begin());
    size_t n = order.size();
    return order[forward ? (i + 1) % n : (i + n - 1) % n];
}

Control* Form::NextInGroup(Control& from, bool forward) {
    std::vector<Control*> group;
    if (Control* parent = from.Parent()) {
        for (Control* c : parent->Children())
            if (c == &from || (c->IsWindowed() && c->CanFocus() && from.InArrowGroupWith(*c)))
                group.push_back(c);
    }
    if (group.size() < 2) return nullptr;
    const size_t n = group.size();
    const size_t i =
        static_cast<size_t>(std::find(group.begin(), group.end(), &from) - group.begin());
    return group[forward ? (i + 1) % n : (i + n - 1) % n];
}

bool Form::HandleDialogKey(int key, Shift s) {
    Control* focused = activeControl_;
    if (focused && focused->WantsKey(key)) return false;
    switch (key) {
        case key::kTab: {
            if (s & (shift::kCtrl | shift::kAlt)) return false;
            if (Control* next = NextTabStop(focused, !(s & shift::kShift))) next->SetFocus();
            return true;
        }
        case key::kLeft:
        case key::kUp:
        case key::kRight:
        case key::kDown: {
            if (!focused || (s & (shift::kShift | shift::kCtrl | shift::kAlt))) return false;
            Control* next = NextInGroup(*focused, key == key::kRight || key == key::kDown);
            if (!next) return false;
            next->SetFocus();
            return true;
        }
        case key::kReturn:
            // Only the plain keys: Shift+Enter, Ctrl+Enter or Alt+Escape are someone else's.
            if (s & (shift::kShift | shift::kCtrl | shift::kAlt)) return false;
            if (defaultControl_ && defaultControl_->Enabled() && defaultControl_->Showing()) {
                defaultControl_->Click();
                return true;
            }
            return false;
        case key::kEscape:
            if (s & (shift::kShift | shift::kCtrl | shift::kAlt)) return false;
            if (cancelControl_ && cancelControl_->Enabled() && cancelControl_->Showing()) {
                cancelControl_->Click();
                return true;
            }
            return false;
        default:
            return false;
    }
}

bool Form::HandleAccelerator(char32_t ch) {
    return DialogChar(ch);
}

bool Form::DialogButtonFor(int key) const {
    const Control* button = key == key::kEscape   ? cancelControl_
                            : key == key::kReturn ? defaultControl_
                                                  : nullptr;
    return button && button->Enabled() && button->Showing();
}

void Form::AddShortcut(int key, Shift mods, Control& target, std::function<void()> action) {
    shortcuts_.push_back({key, mods, &target, std::move(action)});
    target.SetShortcut(key, mods);
}

void Form::AddShortcut(int key, Shift mods, std::function<void()> action) {
    shortcuts_.push_back({key, mods, nullptr, std::move(action)});
}

bool Form::HandleShortcut(int key, Shift s) {
    if (!Enabled() || !Visible()) return false;
    s &= shift::kShift | shift::kCtrl | shift::kAlt;
    if (s == shift::kNone &&
        ((activeControl_ && activeControl_->WantsKey(key)) || DialogButtonFor(key)))
        return false;
    for (const Shortcut& entry : shortcuts_) {
        if (entry.key != key || entry.mods != s) continue;
        if (entry.target && !entry.target->Enabled()) return false;
        if (entry.action)
            entry.action();
        else
            entry.target->Click();
        return true;
    }
    return false;
}

}  // namespace ui
