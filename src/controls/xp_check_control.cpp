#include "controls/xp_check_control.h"

#include "ui/text_layout.h"

namespace controls {

namespace {
constexpr ui::Color kDisabledText = ui::Hex(0xB8AA9A);
constexpr std::uint32_t kCaptionFlags = ui::text::kSingleLine | ui::text::kVCenter;
}  // namespace

XPCheckControl::XPCheckControl(ui::Control* parent) : ui::Control(parent) {
    SetBounds(0, 0, 120, 17);
    // The caption area shows the parent's colour until the control is given its own.
    SetParentColor(true);
}

void XPCheckControl::SetAlignment(TLeftRight a) {
    if (a == alignment_) return;
    alignment_ = a;
    // The native window is made again with the new layout.
    NotifyPeer(ui::Change::Style);
    Invalidate();
}

ui::Rect XPCheckControl::BoxRect() const {
    const int m = Height() / 2;
    if (alignment_ == TLeftRight::taRightJustify) return {2, m - 6, 13, m + 6};
    return {Width() - 15, m - 6, Width() - 4, m + 6};
}

ui::Rect XPCheckControl::CaptionRect(int textWidth) const {
    if (alignment_ == TLeftRight::taRightJustify) return {20, 0, 21 + textWidth, Height()};
    return {2, 0, Width() - 17, Height()};
}

ui::Rect XPCheckControl::BoxStrip() const {
    if (alignment_ == TLeftRight::taRightJustify) return {2, 0, 14, Height()};
    return {Width() - 15, 0, Width() - 3, Height()};
}

void XPCheckControl::RefreshBox() {
    InvalidateRect(BoxStrip());
    Update();
    AccessibleChanged(ui::AccessEvent::StateChange);
}

ui::AccessState XPCheckControl::AccessibleState() const {
    ui::AccessState s = ui::Control::AccessibleState();
    if (Hot()) s |= ui::access_state::kHot;
    if (IsPressed()) s |= ui::access_state::kPressed;
    return s;
}

bool XPCheckControl::NoModifiers(ui::Shift s) {
    return (s & (ui::shift::kShift | ui::shift::kAlt | ui::shift::kCtrl)) == 0;
}

bool XPCheckControl::Inside(ui::Point p) const {
    return p.x >= 0 && p.x < Width() && p.y >= 0 && p.y <= Height();
}

void XPCheckControl::PointerEnters() {
    pointerInside_ = true;
    if (Enabled() && press_.Enter()) RefreshBox();
}

void XPCheckControl::MouseEnter() {
    ui::Control::MouseEnter();
    PointerEnters();
}

void XPCheckControl::MouseLeave() {
    ui::Control::MouseLeave();
    pointerInside_ = false;
    if (Enabled() && press_.Leave()) RefreshBox();
}

void XPCheckControl::MouseDown(ui::MouseButton b, ui::Shift s, ui::Point p) {
    if (OnMouseDown) OnMouseDown(b, s, p);
    if (b != ui::MouseButton::Left || !Enabled()) return;
    press_.Press();
    focusingByMouse_ = true;
    SetFocus();
    focusingByMouse_ = false;
    RefreshBox();
}

void XPCheckControl::MouseMove(ui::Shift s, ui::Point p) {
    // The first movement over the window is its entry.
    if (!pointerInside_) PointerEnters();
    if (press_.Track(Inside(p))) RefreshBox();
    ui::Control::MouseMove(s, p);
}

void XPCheckControl::MouseUp(ui::MouseButton b, ui::Shift s, ui::Point p) {
    if (OnMouseUp) OnMouseUp(b, s, p);
    if (b != ui::MouseButton::Left || !Enabled()) return;
    press_.Release();
    RefreshBox();
    if (Inside(p)) Click();
}

void XPCheckControl::KeyDown(int& key, ui::Shift s) {
    if (key == ui::key::kSpace && NoModifiers(s)) {
        if (press_.PressBySpace()) {
            SetFocus();
            RefreshBox();
        }
    }
    ui::Control::KeyDown(key, s);
}

void XPCheckControl::KeyUp(int& key, ui::Shift s) {
    if (key == ui::key::kSpace && NoModifiers(s)) {
        press_.ReleaseSpace();
        RefreshBox();
        Click();
    }
    ui::Control::KeyUp(key, s);
}

void XPCheckControl::FocusExit() {
    press_.FocusLost();
    Invalidate();
    ui::Control::FocusExit();
}

void XPCheckControl::FocusEnter() {
    if (!focusingByMouse_) FocusedWithoutMouse();
    Invalidate();
    ui::Control::FocusEnter();
}

bool XPCheckControl::DialogChar(char32_t ch) {
    char32_t key = (ch >= U'A' && ch <= U'Z') ? ch + 32 : ch;
    char32_t accelerator = ui::AcceleratorOf(Caption());
    if (accelerator != 0 && accelerator == key && CanFocus()) {
        SetFocus();
        if (Focused()) AcceleratorAction();
        return true;
    }
    return ui::Control::DialogChar(ch);
}

void XPCheckControl::EnabledChanged() {
    if (!Enabled()) press_.Reset();
    Invalidate();
}

ui::Color XPCheckControl::ResolvedTextColor() const {
    return Enabled() ? GetFont().color : kDisabledText;
}

void XPCheckControl::PaintCaption(ui::Canvas& canvas) {
    canvas.font = GetFont();
    canvas.font.color = ResolvedTextColor();
    ui::Rect measured{0, 0, Width(), Height()};
    canvas.DrawTextIn(Caption(), measured, kCaptionFlags | ui::text::kCalcRect);
    const int textWidth = measured.Width();
    const int textHeight = measured.Height();

    ui::Rect r = CaptionRect(textWidth);
    canvas.FillRect(r, GetColor());
    canvas.textBackground = GetColor();
    ui::Rect drawn = r;
    canvas.DrawTextIn(Caption(), drawn, kCaptionFlags);
    canvas.textBackground = ui::clNone;

    if (!Focused()) return;
    ui::Rect f = r;
    if (alignment_ == TLeftRight::taLeftJustify) {
        if (textWidth + f.left < f.right) f.right = f.left + textWidth + 2;
    } else if (f.left + textWidth > Width()) {
        f.right = Width();
    }
    f.left -= 1;
    const int h = Height();
    f.top = h / 2 - textHeight / 2 - 2;
    f.bottom = textHeight / 2 + h / 2 + 2;
    if (f.bottom - f.top > h) {
        f.top = 0;
        f.bottom = h;
    }
    canvas.DrawFocusRect(f);
}

}  // namespace controls
