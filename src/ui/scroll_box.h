#pragma once
// A borderless container that scrolls its children vertically. Children are placed at their
// bounds as laid out for scroll position 0; scrolling moves them up by the scroll position
// (their Bounds() then hold the scrolled place, as the native windows do).

#include <functional>
#include <string_view>

#include "ui/control.h"

namespace ui {

class ScrollBox : public Control {
  public:
    explicit ScrollBox(Control* parent);

    ~ScrollBox() override;

    // Pixels scrolled from the top, 0..MaxScroll().
    int ScrollPos() const { return scrollPos_; }
    // Clamps POS and moves the children; does nothing when the position stays.
    void SetScrollPos(int pos);
    void ScrollBy(int delta) { SetScrollPos(scrollPos_ + delta); }
    // Height of the content: the lowest bottom of the visible children at position 0.
    int ContentHeight() const;
    // Largest scroll position: the content height less the visible height, at least 0.
    int MaxScroll() const;
    // Scrolls the least distance that shows CONTROL (a child, or a control inside one) whole
    // (its top when it is taller).
    void ScrollInView(const Control& control);
    // The keyboard focus moving to a control inside the box scrolls it into view.
    void FocusAnnounced(Control* focused) override;
    // Pixels per line for arrows and the mouse wheel (a wheel notch scrolls three lines).
    int LineStep() const { return lineStep_; }
    void SetLineStep(int step) { lineStep_ = step > 0 ? step : 1; }
    // The mouse wheel turned by DELTA (120 per notch, positive away from the user).
    void Wheel(int delta);
    // Tells the native scroll bar that the content changed (children added or resized).
    void ContentChanged();

    std::function<void()> OnScroll;

  protected:
    std::unique_ptr<ControlPeer> CreatePeer(PeerFactory& factory) override;
    void BoundsChanged() override;

  private:
    int scrollPos_ = 0;
    int lineStep_ = 16;
    int wheelRemainder_ = 0;
};

}  // namespace ui
