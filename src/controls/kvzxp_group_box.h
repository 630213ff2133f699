#pragma once
// A group box with a rounded silver frame and its caption in a fixed blue. A container: child
// controls are placed inside it.

#include "ui/control.h"

namespace controls {

class TKVZXPCustomGroupBox : public ui::Control {
  public:
    explicit TKVZXPCustomGroupBox(ui::Control* parent);

    void Paint(ui::Canvas& canvas) override;
    ui::AccessRole AccessibleRole() const override { return ui::AccessRole::Grouping; }

    static constexpr ui::Color kFrameColor = ui::Hex(0xC0C0C0);
    static constexpr ui::Color kCaptionColor = ui::Hex(0x2956CB);
};

class TKVZXPGroupBox : public TKVZXPCustomGroupBox {
  public:
    using TKVZXPCustomGroupBox::TKVZXPCustomGroupBox;
};

}  // namespace controls
