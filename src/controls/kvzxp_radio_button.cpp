#include "controls/kvzxp_radio_button.h"

#include <vector>

#include "controls/xp_radio_images.h"

namespace controls {

namespace {
using ui::Hex;
}  // namespace

TKVZXPRadioButton::TKVZXPRadioButton(ui::Control* parent) : XPCheckControl(parent) {
    SetTabStop(false);
}

void TKVZXPRadioButton::SetChecked(bool c) {
    if (c != checked_) {
        checked_ = c;
        SetTabStop(c);
        if (c) {
            if (Parent()) {
                std::vector<ui::Control*> siblings = Parent()->Children();
                for (ui::Control* sibling : siblings)
                    if (auto* radio = dynamic_cast<TKVZXPRadioButton*>(sibling);
                        radio && radio != this)
                        radio->SetChecked(false);
            }
            Click();
        }
    }
    RefreshBox();
}

void TKVZXPRadioButton::Click() {
    SetChecked(true);
    XPCheckControl::Click();
}

void TKVZXPRadioButton::Paint(ui::Canvas& canvas) {
    canvas.FillRect(ClientRect(), GetColor());
    const ui::Rect box = BoxRect();
    const int l = box.left, t = box.top, r = box.right, b = box.bottom;

    XPRadioImage which = XPRadioImage::Up;
    if (!Enabled())
        which = XPRadioImage::Disabled;
    else if (IsPressed())
        which = XPRadioImage::Down;
    else if (Hot() || Held())
        which = XPRadioImage::Hot;
    const ui::Bitmap& image = RadioImage(which);
    {
        ui::CanvasStateGuard guard(canvas);
        canvas.SetClip({l, t, r + 2, b + 1});
        canvas.DrawBitmapTransparent(l, t, image, image.Pixel(0, image.Height() - 1));
    }

    if (checked_) {
        const ui::Color dot = Enabled() ? Hex(0x28B033) : Hex(0xCBC1B6);
        canvas.pen = {dot, 1, ui::PenStyle::Solid};
        canvas.brush = {dot, ui::BrushStyle::Solid};
        canvas.Ellipse({l + 4, t + 4, r - 2, b - 3});
        canvas.brush = {Hex(0xBAEFBE), ui::BrushStyle::Solid};
        if (IsPressed())
            canvas.Ellipse({l + 4, t + 4, r - 3, b - 4});
        else
            canvas.Ellipse({l + 4, t + 4, r - 4, b - 5});
    }

    PaintCaption(canvas);
}

}  // namespace controls
