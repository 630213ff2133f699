#include "controls/kvzxp_speed_button.h"

#include "controls/rounded_frame.h"
#include "controls/xp_scheme.h"
#include "ui/application.h"

namespace controls {

namespace {
constexpr std::uint8_t kVertical = 1;
}  // namespace

TKVZXPSpeedButton::TKVZXPSpeedButton(ui::Control* parent) : SpeedButtonBase(parent, false) {}

TKVZXPSpeedButton::~TKVZXPSpeedButton() {
    SetDropDownMenu(nullptr);
}

bool TKVZXPSpeedButton::SameKind(const SpeedButtonBase& other) const {
    return dynamic_cast<const TKVZXPSpeedButton*>(&other) != nullptr;
}

void TKVZXPSpeedButton::SetDropDownMenu(ui::PopupMenu* menu) {
    if (menu == dropDownMenu_) return;
    if (dropDownMenu_) dropDownMenu_->RemoveFreeNotification(this);
    dropDownMenu_ = menu;
    if (menu) menu->AddFreeNotification(this, [this] { dropDownMenu_ = nullptr; });
}

void TKVZXPSpeedButton::SystemColorsChanged() {
    glyph_.ClearImages();
    FixUpState();
    (void)glyph_.ImageFor(state_, App().Colors());
    Invalidate();
}

void TKVZXPSpeedButton::MouseDown(ui::MouseButton b, ui::Shift s, ui::Point p) {
    SpeedButtonBase::MouseDown(b, s, p);
    // The second press of a double click reaches OnDblClick only on a latched button.
    if (b == ui::MouseButton::Left && (s & ui::shift::kDouble) && Down() && OnDblClick)
        OnDblClick();
}

void TKVZXPSpeedButton::PressStarted() {
    if (!repeatAction_) return;
    if (!repeatTimer_) {
        repeatTimer_ = std::make_unique<ui::Timer>(App());
        repeatTimer_->OnTimer = [this] { RepeatTick(); };
    }
    repeatTimer_->SetInterval(400);
    repeatTimer_->SetEnabled(true);
}

void TKVZXPSpeedButton::RepeatTick() {
    repeatTimer_->SetInterval(100);
    if (state_ != TButtonState::bsDown || !MouseCapture()) return;
    try {
        Click();
    } catch (...) {
        repeatTimer_->SetEnabled(false);
        throw;
    }
}

void TKVZXPSpeedButton::MouseUp(ui::MouseButton b, ui::Shift s, ui::Point p) {
    SpeedButtonBase::MouseUp(b, s, p);
    if (repeatTimer_) repeatTimer_->SetEnabled(false);
    if (!repeatAction_ && dropDownMenu_) ShowDropDown();
}

void TKVZXPSpeedButton::ShowDropDown() {
    ui::PopupMenu* menu = dropDownMenu_;
    menu->SetAutoPopup(false);
    menu->SetPopupComponent(this);
    menu->SetAlignment(ui::PopupAlignment::Left);
    menu->Popup(ClientToScreen({-1, Height()}));
    // The menu may have been destroyed by one of its items.
    if (dropDownMenu_ == menu) menu->SetAutoPopup(true);
    if (Flat() && mouseInControl_ && Enabled()) SetHovered(false);
}

void TKVZXPSpeedButton::DrawGradient(ui::Canvas& canvas, ui::Bitmap& bitmap, int x, int y, int w,
                                     int h, ui::Color top, ui::Color bottom, int steps) {
    if (w <= 0 || h <= 0) return;
    PaintXPGradient(w, h, top, bottom, static_cast<std::uint8_t>(steps), kVertical, true, bitmap,
                    DitherFor(App()));
    canvas.DrawBitmap(x, y, bitmap);
}

void TKVZXPSpeedButton::Paint(ui::Canvas& canvas) {
    using ui::Hex;
    const int w = Width(), h = Height();
    FixUpState();
    canvas.font = GetFont();
    const ui::Color parentColor = Parent() ? Parent()->GetColor() : ui::clBtnFace;
    if (!Transparent()) canvas.FillRect(ClientRect(), parentColor);

    const bool pressed = state_ == TButtonState::bsDown || state_ == TButtonState::bsExclusive;
    const bool disabled = state_ == TButtonState::bsDisabled;
    const ui::Point offset = pressed ? ui::Point{1, 1} : ui::Point{0, 0};

    if (Flat()) {
        // A disabled flat button has no face.
        if (disabled) {
            // nothing
        } else if (pressed || Down()) {
            DrawGradient(canvas, face_, 0, 0, w, h, Hex(0xE0E0E0), Hex(0xE4E4E4), 255);
        } else if (mouseInControl_) {
            DrawGradient(canvas, ring_, 0, 0, w, h, Hex(0xEAEAEA), Hex(0xD7D7D7), 255);
            DrawGradient(canvas, face_, 0, 0, w - 3, h - 3, Hex(0xFFFFFF), Hex(0xEEEEEE), 255);
        }
    } else {
        ui::Color top = Hex(0xFFFFFF), bottom = Hex(0xEFEBE7);
        int inset = 0;
        if (disabled) {
            top = Hex(0xEFEBE7);
            bottom = Hex(0xFFFFFF);
        } else if (pressed || Down()) {
            top = Hex(0xE0E0E0);
            bottom = Hex(0xE4E4E4);
        } else if (mouseInControl_ && !MouseCapture()) {
            inset = 3;
        }
        PaintXPGradient(w - 2 * inset, h - 2 * inset, top, bottom, 255, kVertical, true, face_,
                        DitherFor(App()));
        PaintXPGradient(w, h, Hex(0xFFE2AE), Hex(0xFFC251), 16, kVertical, true, ring_,
                        DitherFor(App()));
        if (inset == 3) canvas.DrawBitmap(0, 0, ring_);
        canvas.DrawBitmap(inset, inset, face_);
    }

    PaintBorder(canvas);

    if (Flat() && pressed) canvas.font.color = ui::clHighlightText;

    ui::Size cell = glyph_.CellSize();
    ButtonLayoutResult layout = LayoutFor(canvas, offset, cell);
    int slot = glyph_.ImageFor(state_, canvas.Colors());
    if (slot >= 0 && glyph_.List())
        glyph_.List()->Draw(canvas, slot, layout.glyph.x, layout.glyph.y, !disabled);

    if (!Caption().empty()) {
        canvas.textBackground = ui::clNone;
        const std::uint32_t flags = ui::text::kCenter | ui::text::kVCenter;
        ui::Rect r = layout.text;
        if (disabled) {
            ui::Rect shifted = r.Offset(1, 1);
            canvas.font.color = ui::clBtnHighlight;
            canvas.DrawTextIn(Caption(), shifted, flags);
            canvas.font.color = ui::clBtnShadow;
        }
        canvas.DrawTextIn(Caption(), r, flags);
    }
}

void TKVZXPSpeedButton::PaintBorder(ui::Canvas& canvas) {
    using ui::Hex;
    const int w = Width(), h = Height();
    const bool pressed = state_ == TButtonState::bsDown || state_ == TButtonState::bsExclusive;
    if (!Enabled() || !(!Flat() || mouseInControl_ || Down())) return;

    ui::Color line, cornerA, cornerB;
    if (Flat()) {
        line = (pressed || Down()) ? Hex(0xB8AA9A) : Hex(0xC8C8C8);
        cornerA = Hex(0xE0E0E0);
        cornerB = Hex(0xF2F2F2);
    } else {
        line = Hex(0x244E93);
        cornerA = Hex(0x9898DC);
        cornerB = Hex(0xCFCFEF);
    }
    const ui::Color parentColor = Parent() ? Parent()->GetColor() : ui::clBtnFace;

    DrawRoundedFrame(canvas, w, h, line, parentColor, cornerA);
    for (ui::Point p : {ui::Point{2, 1}, {w - 3, 1}, {2, h - 2}, {1, 2}, {w - 2, 2}, {1, h - 3}})
        canvas.SetPixel(p.x, p.y, cornerB);
    if (!Flat()) {
        canvas.SetPixel(w - 3, h - 2, cornerB);
        canvas.SetPixel(w - 2, h - 3, cornerB);
    }
}

}  // namespace controls
