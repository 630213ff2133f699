#include "controls/kvzxp_check_box.h"

#include "controls/xp_scheme.h"

namespace controls {

namespace {
using ui::Hex;
constexpr std::uint8_t kVertical = 1;
constexpr ui::Color kFrame = Hex(0x006C6C);
constexpr ui::Color kFrameDisabled = Hex(0xB8AA9A);
constexpr ui::Color kTick = Hex(0x28B033);
constexpr ui::Color kMarkDisabled = Hex(0xB4B4B4);
}  // namespace

TKVZXPCustomCheckBox::TKVZXPCustomCheckBox(ui::Control* parent) : XPCheckControl(parent) {
    SetTabStop(true);
}

void TKVZXPCustomCheckBox::SetState(TCheckBoxState s) {
    if (s == state_) return;
    state_ = s;
    RefreshBox();
    if (OnStateChange) OnStateChange();
}

ui::AccessState TKVZXPCustomCheckBox::AccessibleState() const {
    ui::AccessState s = XPCheckControl::AccessibleState();
    if (state_ == TCheckBoxState::cbChecked) s |= ui::access_state::kChecked;
    if (state_ == TCheckBoxState::cbGrayed) s |= ui::access_state::kMixed;
    return s;
}

void TKVZXPCustomCheckBox::Toggle() {
    switch (state_) {
        case TCheckBoxState::cbUnchecked:
            state_ = allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked;
            break;
        case TCheckBoxState::cbChecked:
            state_ = TCheckBoxState::cbUnchecked;
            break;
        case TCheckBoxState::cbGrayed:
            state_ = TCheckBoxState::cbChecked;
            break;
    }
    RefreshBox();
    if (OnStateChange) OnStateChange();
}

void TKVZXPCustomCheckBox::Click() {
    Toggle();
    XPCheckControl::Click();
}

void TKVZXPCustomCheckBox::Paint(ui::Canvas& canvas) {
    canvas.FillRect(ClientRect(), GetColor());
    const ui::Rect box = BoxRect();
    const int l = box.left, t = box.top, r = box.right, b = box.bottom;
    const bool enabled = Enabled();

    ui::Color top = Hex(0xEFEBE7), bottom = Hex(0xFFFFFF);
    int size = 13, inset = 0;
    if (!enabled) {
        // the disabled face is the plain one
    } else if (IsPressed()) {
        top = Hex(0xB6A898);
        bottom = Hex(0xF7F3EB);
    } else if (Hot() || Held()) {
        size = 7;
        inset = 3;
    }
    PaintXPGradient(size, size, top, bottom, 255, kVertical, true, face_, DitherFor(App()));
    PaintXPGradient(13, 13, Hex(0xFFD382), Hex(0xFFC251), 16, kVertical, true, ring_,
                    DitherFor(App()));
    if (inset == 3) canvas.DrawBitmap(l, t, ring_);
    canvas.DrawBitmap(l + inset, t + inset, face_);

    // The frame's four lines, end points included, close the 13 x 13 square: left x = L and
    // right x = R + 1 from T to B - 1, top y = T from L to R, bottom y = B from L to R + 1. Its
    // right column lies outside the strip a box refresh repaints, and never changes with the
    // hot or pressed state.
    canvas.FrameRect({l, t, r + 2, b + 1}, enabled ? kFrame : kFrameDisabled);

    if (state_ == TCheckBoxState::cbChecked) {
        canvas.pen = {enabled ? kTick : kMarkDisabled, 1, ui::PenStyle::Solid};
        static constexpr int kTickLines[6][4] = {{2, 4, 6, 8}, {2, 5, 5, 8}, {2, 6, 5, 9},
                                                 {8, 2, 4, 6}, {8, 3, 4, 7}, {8, 4, 5, 7}};
        for (const auto& line : kTickLines) {
            canvas.MoveTo(l + 1 + line[0], t + 1 + line[1]);
            canvas.LineTo(l + 1 + line[2], t + 1 + line[3]);
        }
    } else if (state_ == TCheckBoxState::cbGrayed) {
        ui::Color c = !enabled ? kMarkDisabled : (inset == 3 ? Hex(0x208A28) : Hex(0x2BBD35));
        canvas.pen = {c, 1, ui::PenStyle::Solid};
        canvas.brush = {c, ui::BrushStyle::Solid};
        canvas.Rectangle({l + 3, t + 3, r - 1, b - 2});
    }

    PaintCaption(canvas);
}

}  // namespace controls
