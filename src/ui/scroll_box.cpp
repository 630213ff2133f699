#include "ui/scroll_box.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/peer_factory.h"

namespace ui {

ScrollBox::ScrollBox(Control* parent) : Control(parent) {
    SetBounds(0, 0, 185, 41);
}

int ScrollBox::ContentHeight() const {
    int bottom = 0;
    for (const Control* child : Children())
        if (child->Visible()) bottom = std::max(bottom, child->Bounds().bottom + scrollPos_);
    return bottom;
}

ScrollBox::~ScrollBox() {
    ReleasePeer();
}

std::unique_ptr<ControlPeer> ScrollBox::CreatePeer(PeerFactory& factory) {
    return factory.MakeScrollBox(*this);
}

int ScrollBox::MaxScroll() const {
    return std::max(0, ContentHeight() - ClientRect().Height());
}

void ScrollBox::SetScrollPos(int pos) {
    pos = std::clamp(pos, 0, MaxScroll());
    if (pos == scrollPos_) return;
    int delta = scrollPos_ - pos;
    scrollPos_ = pos;
    // Copy first: moving a child must not disturb the walk.
    std::vector<Control*> children = Children();
    for (Control* child : children) child->SetBounds(child->Bounds().Offset(0, delta));
    NotifyPeer(Change::Model);
    Invalidate();
    if (OnScroll) OnScroll();
}

void ScrollBox::ScrollInView(const Control& control) {
    // Its place in the box's client area.
    Rect b = control.Bounds();
    for (const Control* c = control.Parent(); c != this; c = c->Parent()) {
        if (!c) return;  // not inside the box
        b = b.Offset(c->Left(), c->Top());
    }
    int visible = ClientRect().Height();
    if (b.top < 0 || b.Height() > visible)
        ScrollBy(b.top);
    else if (b.bottom > visible)
        ScrollBy(b.bottom - visible);
}

void ScrollBox::FocusAnnounced(Control* focused) {
    if (focused && focused != this) ScrollInView(*focused);
}

void ScrollBox::Wheel(int delta) {
    // Whole notches scroll three lines each; fine wheels accumulate.
    wheelRemainder_ += delta;
    int notches = wheelRemainder_ / 120;
    wheelRemainder_ -= notches * 120;
    if (notches) ScrollBy(-notches * 3 * lineStep_);
}

void ScrollBox::ContentChanged() {
    // A shorter content may leave the position past the new end.
    if (scrollPos_ > MaxScroll()) SetScrollPos(MaxScroll());
    NotifyPeer(Change::Model);
}

void ScrollBox::BoundsChanged() {
    ContentChanged();
}

}  // namespace ui
