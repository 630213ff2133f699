#include "controls/speed_button_base.h"

#include "ui/application.h"
#include "ui/text_layout.h"

namespace controls {

SpeedButtonBase::SpeedButtonBase(ui::Control* parent, bool perStateCells)
    : ui::GraphicControl(parent), glyph_(GlyphCache::Of(App()), perStateCells) {
    SetBounds(0, 0, 23, 22);
    glyph_.OnChange = [this] { Invalidate(); };
}

SpeedButtonBase::~SpeedButtonBase() {
    glyph_.OnChange = nullptr;
}

void SpeedButtonBase::SetGlyph(const ui::Bitmap& bitmap) {
    glyph_.SetGlyph(bitmap);
    Invalidate();
}

void SpeedButtonBase::SetNumGlyphs(int n) {
    if (n > 4) n = 4;
    if (n == glyph_.NumGlyphs()) return;
    glyph_.SetNumGlyphs(n);
    Invalidate();
}

void SpeedButtonBase::SetFlat(bool f) {
    if (f == flat_) return;
    flat_ = f;
    Invalidate();
}

void SpeedButtonBase::SetTransparent(bool t) {
    if (t == transparent_) return;
    transparent_ = t;
    Invalidate();
}

void SpeedButtonBase::SetLayout(TButtonLayout l) {
    if (l == layout_) return;
    layout_ = l;
    Invalidate();
}

void SpeedButtonBase::SetMargin(int m) {
    if (m == margin_ || m < -1) return;
    margin_ = m;
    Invalidate();
}

void SpeedButtonBase::SetSpacing(int s) {
    if (s == spacing_) return;
    spacing_ = s;
    Invalidate();
}

void SpeedButtonBase::SetGroupIndex(int g) {
    if (g == groupIndex_) return;
    groupIndex_ = g;
    NotifyGroup();
}

void SpeedButtonBase::SetAllowAllUp(bool a) {
    if (a == allowAllUp_) return;
    allowAllUp_ = a;
    NotifyGroup();
}

void SpeedButtonBase::SetDown(bool d) {
    if (groupIndex_ == 0) d = false;
    if (d == down_) return;
    if (down_ && !allowAllUp_) return;
    down_ = d;
    if (d) {
        if (state_ == TButtonState::bsUp) Invalidate();
        state_ = TButtonState::bsExclusive;
        NotifyGroup();
    } else {
        state_ = TButtonState::bsUp;
        Repaint();
    }
}

void SpeedButtonBase::NotifyGroup() {
    if (groupIndex_ == 0 || !Parent()) return;
    // Copy: a handler may change the tree.
    std::vector<ui::Control*> siblings = Parent()->Children();
    for (ui::Control* c : siblings) {
        auto* other = dynamic_cast<SpeedButtonBase*>(c);
        if (other && other != this && other->SameKind(*this))
            other->ButtonPressed(groupIndex_, *this);
    }
}

void SpeedButtonBase::ButtonPressed(int groupIndex, SpeedButtonBase& sender) {
    if (groupIndex != groupIndex_) return;
    if (sender.down_ && down_) {
        down_ = false;
        state_ = TButtonState::bsUp;
        Invalidate();
    }
    allowAllUp_ = sender.allowAllUp_;
}

void SpeedButtonBase::FixUpState() {
    if (!Enabled()) {
        state_ = TButtonState::bsDisabled;
        dragging_ = false;
    } else if (state_ == TButtonState::bsDisabled) {
        state_ = (down_ && groupIndex_ != 0) ? TButtonState::bsExclusive : TButtonState::bsUp;
    }
}

void SpeedButtonBase::EnabledChanged() {
    FixUpState();
    // Build the image the new state shows before it is first painted.
    (void)glyph_.ImageFor(Enabled() ? TButtonState::bsUp : TButtonState::bsDisabled,
                          App().Colors());
    UpdateTracking();
}

bool SpeedButtonBase::InsideForRelease(ui::Point p) const {
    return p.x >= 0 && p.x < Width() && p.y >= 0 && p.y <= Height();
}

bool SpeedButtonBase::AnyCapture() const {
    const ui::Control* w = Parent();
    while (w && !w->IsWindowed()) w = w->Parent();
    return w && w->MouseCaptureChild() != nullptr;
}

void SpeedButtonBase::MouseDown(ui::MouseButton b, ui::Shift s, ui::Point p) {
    if (OnMouseDown) OnMouseDown(b, s, p);
    if (b != ui::MouseButton::Left || !Enabled()) return;
    if (!down_) {
        state_ = TButtonState::bsDown;
        Invalidate();
    }
    dragging_ = true;
    PressStarted();
}

void SpeedButtonBase::MouseMove(ui::Shift s, ui::Point p) {
    if (OnMouseMove) OnMouseMove(s, p);
    if (dragging_) {
        TButtonState next = down_
                                ? TButtonState::bsExclusive
                                : (InsideForRelease(p) ? TButtonState::bsDown : TButtonState::bsUp);
        if (next != state_) {
            state_ = next;
            Invalidate();
        }
    } else if (!mouseInControl_) {
        UpdateTracking();
    }
}

void SpeedButtonBase::MouseUp(ui::MouseButton b, ui::Shift s, ui::Point p) {
    if (OnMouseUp) OnMouseUp(b, s, p);
    if (b != ui::MouseButton::Left || !dragging_) return;
    dragging_ = false;
    bool inside = InsideForRelease(p);
    if (groupIndex_ == 0) {
        state_ = TButtonState::bsUp;
        mouseInControl_ = false;
        if (inside) Invalidate();
    } else if (inside) {
        SetDown(!down_);
        if (down_) Repaint();
    } else {
        if (down_) state_ = TButtonState::bsExclusive;
        Repaint();
    }
    if (inside) Click();
    UpdateTracking();
}

bool SpeedButtonBase::MayEnter() const {
    return Enabled() && !AnyCapture();
}

bool SpeedButtonBase::MayLeave() const {
    return Enabled() && !(flat_ && dragging_);
}

void SpeedButtonBase::MouseEnter() {
    ui::GraphicControl::MouseEnter();
    if (mouseInControl_ || !MayEnter()) return;
    SetHovered(true);
}

void SpeedButtonBase::MouseLeave() {
    ui::GraphicControl::MouseLeave();
    if (!mouseInControl_ || !MayLeave()) return;
    SetHovered(false);
}

void SpeedButtonBase::SetHovered(bool hovered) {
    mouseInControl_ = hovered;
    Repaint();
    AccessibleChanged(ui::AccessEvent::StateChange);
}

ui::AccessState SpeedButtonBase::AccessibleState() const {
    ui::AccessState s = ui::GraphicControl::AccessibleState();
    if (mouseInControl_) s |= ui::access_state::kHot;
    if (state_ == TButtonState::bsDown || state_ == TButtonState::bsExclusive)
        s |= ui::access_state::kPressed;
    return s;
}

void SpeedButtonBase::UpdateTracking() {
    if (!flat_ || !Enabled()) return;
    ui::Control* window = WindowedAncestor();
    if (!window) return;
    ui::Point p = window->ScreenToClient(App().GetBackend().CursorPos());
    bool over = window->GraphicChildAt(p) == this;
    if (over == mouseInControl_) return;
    if (over) {
        if (MayEnter()) SetHovered(true);
    } else if (MayLeave()) {
        SetHovered(false);
    }
}

bool SpeedButtonBase::DialogChar(char32_t ch) {
    char32_t key = (ch >= U'A' && ch <= U'Z') ? ch + 32 : ch;
    char32_t accelerator = ui::AcceleratorOf(Caption());
    if (accelerator != 0 && accelerator == key && Enabled() && Visible() && Parent() &&
        Parent()->Showing()) {
        Click();
        return true;
    }
    return ui::GraphicControl::DialogChar(ch);
}

ButtonLayoutResult SpeedButtonBase::LayoutFor(ui::Canvas& canvas, ui::Point offset,
                                              ui::Size glyph) {
    ui::Size text;
    if (!Caption().empty()) {
        ui::Rect bounds{0, 0, Width(), 0};
        canvas.DrawTextIn(Caption(), bounds, ui::text::kCalcRect);
        text = bounds.GetSize();
    }
    return CalcButtonLayout(ClientRect(), offset, glyph, text, layout_, margin_, spacing_, false);
}

}  // namespace controls
