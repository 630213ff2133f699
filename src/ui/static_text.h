#pragma once
// Text in a window of its own: the caption, word-wrapped, as the window's text, so screen
// readers and other programs read it (a Label is painted by its parent and has no window).
// '&' is an ordinary character; what does not fit ends with an ellipsis.

#include "ui/control.h"

namespace ui {

class StaticText : public Control {
  public:
    explicit StaticText(Control* parent);

    void Paint(Canvas& canvas) override;
    AccessRole AccessibleRole() const override { return AccessRole::StaticText; }
    std::string AccessibleName() const override { return Caption(); }
};

}  // namespace ui
