#include "controls/kvzxp_button.h"

#include "controls/rounded_frame.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/text_layout.h"

namespace controls {

namespace {
constexpr ui::Color kDisabledText = ui::Hex(0xB8AA9A);
constexpr ui::Color kCorner = ui::Hex(0x9898DC);
constexpr ui::Color kDisabledCorner = ui::Hex(0xEEEBE8);
constexpr ui::Shift kModifiers = ui::shift::kShift | ui::shift::kCtrl | ui::shift::kAlt;
}  // namespace

TKVZXPButton::TKVZXPButton(ui::Control* parent) : ui::Control(parent) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

TKVZXPButton::~TKVZXPButton() {
    if (ui::Form* form = GetForm()) {
        if (form->DefaultControl() == this) form->SetDefaultControl(nullptr);
        if (form->CancelControl() == this) form->SetCancelControl(nullptr);
    }
}

void TKVZXPButton::SetXPScheme(TXPScheme scheme) {
    scheme_ = scheme;
    int palette = PaletteIndexFor(scheme, App());
    if (palette == palette_) return;
    palette_ = palette;
    Invalidate();
}

void TKVZXPButton::ThemeChanged() {
    if (scheme_ == TXPScheme::xpAutomatic) SetXPScheme(scheme_);
}

void TKVZXPButton::SetDefault(bool v) {
    default_ = v;
    ui::Form* form = GetForm();
    if (form) {
        if (v)
            form->SetDefaultControl(this);
        else if (form->DefaultControl() == this)
            form->SetDefaultControl(nullptr);
    }
    if (form && Realized())
        form->AnnounceFocus();
    else
        active_ = default_;
}

void TKVZXPButton::SetCancel(bool v) {
    cancel_ = v;
    if (ui::Form* form = GetForm()) {
        if (v)
            form->SetCancelControl(this);
        else if (form->CancelControl() == this)
            form->SetCancelControl(nullptr);
    }
}

void TKVZXPButton::SetShowAccelChar(bool v) {
    if (v == showAccelChar_) return;
    showAccelChar_ = v;
    Invalidate();
}

void TKVZXPButton::SetWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    Invalidate();
}

void TKVZXPButton::SetDrawFocusRect(bool v) {
    drawFocusRect_ = v;
    if (v && Focused()) Repaint();
}

void TKVZXPButton::FocusAnnounced(ui::Control* focused) {
    if (auto* button = dynamic_cast<TKVZXPButton*>(focused))
        active_ = button == this;
    else
        active_ = default_;
    Invalidate();
}

void TKVZXPButton::Click() {
    if (ui::Form* form = GetForm()) form->SetModalResult(modalResult_);
    ui::Control::Click();
}

bool TKVZXPButton::Inside(ui::Point p) const {
    // The bottom edge counts as inside, the right edge does not.
    return p.x >= 0 && p.x < Width() && p.y >= 0 && p.y <= Height();
}

ui::AccessState TKVZXPButton::AccessibleState() const {
    ui::AccessState s = ui::Control::AccessibleState();
    if (Hot()) s |= ui::access_state::kHot;
    if (Pressed()) s |= ui::access_state::kPressed;
    return s;
}

bool TKVZXPButton::WantsKey(int key) const {
    // A focused button clicks on Enter itself, so the form's default rule must not click too.
    return key == ui::key::kReturn;
}

void TKVZXPButton::MouseEnter() {
    if (Enabled() && press_.Enter()) Repaint();
    ui::Control::MouseEnter();
}

void TKVZXPButton::MouseLeave() {
    if (Enabled() && press_.Leave()) Repaint();
    ui::Control::MouseLeave();
}

void TKVZXPButton::MouseDown(ui::MouseButton b, ui::Shift s, ui::Point p) {
    if (b == ui::MouseButton::Left && Enabled()) {
        press_.Press();
        SetFocus();
        Invalidate();
    }
    ui::Control::MouseDown(b, s, p);
    // The double-click press clicks once more.
    if (b == ui::MouseButton::Left && (s & ui::shift::kDouble)) Click();
}

void TKVZXPButton::MouseMove(ui::Shift s, ui::Point p) {
    // A windowed button hears of the pointer first through its movement.
    if (!press_.Hot()) MouseEnter();
    if (press_.Track(Inside(p))) Invalidate();
    ui::Control::MouseMove(s, p);
}

void TKVZXPButton::MouseUp(ui::MouseButton b, ui::Shift s, ui::Point p) {
    bool click = false;
    if (b == ui::MouseButton::Left && Enabled()) {
        press_.Release();
        Invalidate();
        click = Inside(p);
    }
    ui::Control::MouseUp(b, s, p);
    if (click) Click();
}

void TKVZXPButton::KeyDown(int& key, ui::Shift s) {
    if (!(s & kModifiers)) {
        if (key == ui::key::kSpace) {
            if (press_.PressBySpace()) {
                SetFocus();
                Invalidate();
            }
        } else if (key == ui::key::kReturn) {
            Click();
        }
    }
    ui::Control::KeyDown(key, s);
}

void TKVZXPButton::KeyUp(int& key, ui::Shift s) {
    if (!(s & kModifiers) && key == ui::key::kSpace) {
        press_.ReleaseSpace();
        Invalidate();
        Click();
    }
    ui::Control::KeyUp(key, s);
}

void TKVZXPButton::FocusEnter() {
    Invalidate();
    ui::Control::FocusEnter();
}

void TKVZXPButton::FocusExit() {
    press_.FocusLost();
    Invalidate();
    ui::Control::FocusExit();
}

bool TKVZXPButton::DialogChar(char32_t ch) {
    if (showAccelChar_ && CanFocus()) {
        char32_t accel = ui::AcceleratorOf(Caption());
        char32_t lower = (ch >= U'A' && ch <= U'Z') ? ch - U'A' + U'a' : ch;
        if (accel != 0 && accel == lower) {
            Click();
            SetFocus();
            return true;
        }
    }
    return ui::Control::DialogChar(ch);
}

void TKVZXPButton::EnabledChanged() {
    press_.Reset();
    Invalidate();
}

void TKVZXPButton::Paint(ui::Canvas& canvas) {
    const int w = Width(), h = Height();
    const XPPalette& palette = PaletteColors(palette_);
    const bool enabled = Enabled();
    const bool focused = Focused();

    XPGradientColors faceColours = palette.faceNormal;
    int inset = 0;
    if (!enabled) {
        faceColours = palette.faceDisabled;
    } else if (press_.Pressed()) {
        faceColours = palette.facePressed;
    } else if (press_.Hot() && !press_.Held()) {
        faceColours = palette.faceHot;
        inset = 3;
    } else if (press_.Held() || focused) {
        inset = 3;
    } else if (!active_) {
        inset = 0;
    } else if (default_) {
        inset = 3;
    }
    PaintXPGradient(w - 2 * inset, h - 2 * inset, faceColours.top, faceColours.bottom, 255, 1, true,
                    face_, DitherFor(App()));
    PaintXPGradient(w, h, palette.hotRing.top, palette.hotRing.bottom, 16, 1, true, hotRing_,
                    DitherFor(App()));
    PaintXPGradient(w, h, palette.focusRing.top, palette.focusRing.bottom, 16, 1, true, focusRing_,
                    DitherFor(App()));

    if (enabled && (press_.Hot() || press_.Held())) canvas.DrawBitmap(0, 0, hotRing_);
    if (focused && !press_.Held() && !press_.Hot()) canvas.DrawBitmap(0, 0, focusRing_);
    if (active_ && !focused) canvas.DrawBitmap(0, 0, focusRing_);
    canvas.DrawBitmap(inset, inset, face_);

    const ui::Color border = enabled ? palette.buttonBorder : kDisabledButtonBorder;
    DrawRoundedFrame(canvas, w, h, border, Parent() ? Parent()->GetColor() : ui::clBtnFace,
                     enabled ? kCorner : kDisabledCorner);

    ui::Rect r{2, 1, w - 2, h - 1};
    std::uint32_t flags = ui::text::kCenter | ui::text::kExpandTabs;
    if (wordWrap_) flags |= ui::text::kWordBreak;
    if (!showAccelChar_) flags |= ui::text::kNoPrefix;
    canvas.font = GetFont();
    if (!enabled) canvas.font.color = kDisabledText;
    canvas.textBackground = ui::clNone;
    std::string measured = Caption();
    if (measured.empty() || (showAccelChar_ && measured == "&")) measured += ' ';
    ui::Rect calc = r;
    canvas.DrawTextIn(measured, calc, flags | ui::text::kCalcRect);
    r = r.Offset(0, (h - calc.bottom) / 2);
    canvas.DrawTextIn(Caption(), r, flags);

    if (focused && drawFocusRect_) canvas.DrawFocusRect({2, 2, w - 2, h - 2});
}

}  // namespace controls
