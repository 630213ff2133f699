#include "controls/wqm_speed_button.h"

#include "ui/application.h"

namespace controls {

TWQMSpeedButton::TWQMSpeedButton(ui::Control* parent)
    : SpeedButtonBase(parent, true), hotGlyph_(GlyphCache::Of(App()), true) {
    hotGlyph_.OnChange = [this] {
        if (mouseInControl_) Invalidate();
    };
}

TWQMSpeedButton::~TWQMSpeedButton() {
    hotGlyph_.OnChange = nullptr;
    SetDropDownMenu(nullptr);
}

bool TWQMSpeedButton::SameKind(const SpeedButtonBase& other) const {
    return dynamic_cast<const TWQMSpeedButton*>(&other) != nullptr;
}

void TWQMSpeedButton::SetHotGlyph(const ui::Bitmap& bitmap) {
    hotGlyph_.SetGlyph(bitmap);
}

void TWQMSpeedButton::SetNumHotGlyphs(int n) {
    if (n > 4) n = 4;
    if (n == hotGlyph_.NumGlyphs()) return;
    hotGlyph_.SetNumGlyphs(n);
}

void TWQMSpeedButton::SetFlatStyle(TWQMSpeedBtnFlatStyle s) {
    if (s == flatStyle_) return;
    flatStyle_ = s;
    Invalidate();
}

void TWQMSpeedButton::SetDropDownMenu(ui::PopupMenu* menu) {
    if (menu == dropDownMenu_) return;
    if (dropDownMenu_) dropDownMenu_->RemoveFreeNotification(this);
    dropDownMenu_ = menu;
    if (menu) {
        menu->SetRightToLeft(false);
        menu->AddFreeNotification(this, [this] { dropDownMenu_ = nullptr; });
    }
}

bool TWQMSpeedButton::MayEnter() const {
    return Flat() && Enabled() && !AnyCapture();
}

bool TWQMSpeedButton::MayLeave() const {
    return Flat() && Enabled() && !dragging_;
}

void TWQMSpeedButton::MouseDown(ui::MouseButton b, ui::Shift s, ui::Point p) {
    if (b == ui::MouseButton::Left && Borderless() && dropDownMenu_) {
        if (OnMouseDown) OnMouseDown(b, s, p);
        if (menuDropped_) {
            menuDropped_ = false;
            Invalidate();
        } else if (ui::Rect(ClientRect()).Contains(p)) {
            SetMouseCapture(true);
            DropMenu();
            MouseUp(b, s, p);
        }
        return;
    }
    // A double click is one more press.
    SpeedButtonBase::MouseDown(b, s & ~ui::shift::kDouble, p);
}

void TWQMSpeedButton::MouseUp(ui::MouseButton b, ui::Shift s, ui::Point p) {
    SpeedButtonBase::MouseUp(b, s, p);
    if (MouseCapture()) SetMouseCapture(false);
}

void TWQMSpeedButton::DropMenu() {
    bool allow = true;
    if (OnBeforeDropDownMenu) OnBeforeDropDownMenu(*this, allow);
    if (!allow || !dropDownMenu_) return;
    menuDropped_ = true;
    Repaint();

    ui::PopupMenu* menu = dropDownMenu_;
    int x = 0;
    if (menu->Alignment() == ui::PopupAlignment::Right)
        x = Width();
    else if (menu->Alignment() == ui::PopupAlignment::Center)
        x = Width() / 2;
    ui::Point at = ClientToScreen({x, Height()});

    ui::Backend& backend = App().GetBackend();
    ui::MenuMetrics metrics = backend.GetMenuMetrics();
    int estimate = metrics.borderWidth > 0 ? 2 * metrics.borderWidth : 2;
    estimate += metrics.itemHeight * static_cast<int>(menu->Items().size());
    if (at.y + estimate > backend.ScreenSize().height) at.y = at.y - estimate - Height() - 2;
    if (at.x < 0) at.x = 0;

    menu->Popup(at);
    menuDropped_ = false;
    Repaint();
}

void TWQMSpeedButton::Paint(ui::Canvas& canvas) {
    FixUpState();
    canvas.font = GetFont();
    // No theme engine draws for this program, so the borderless flat look is the drawn one.
    if (Flat() && Borderless())
        PaintBorderless(canvas);
    else
        PaintStandard(canvas);
}

void TWQMSpeedButton::FillCheckerboard(ui::Canvas& canvas) {
    ui::Color face = canvas.Resolve(ui::clBtnFace), light = canvas.Resolve(ui::clBtnHighlight);
    for (int y = 0; y < Height(); ++y)
        for (int x = 0; x < Width(); ++x) canvas.SetPixel(x, y, ((x + y) & 1) ? light : face);
}

void TWQMSpeedButton::PaintBorderless(ui::Canvas& canvas) {
    const bool pressed = state_ == TButtonState::bsDown || state_ == TButtonState::bsExclusive;
    if (pressed || (mouseInControl_ && state_ != TButtonState::bsDisabled)) {
        if (!Transparent()) canvas.FillRect(ClientRect(), GetColor());
    } else if (!Transparent()) {
        canvas.FillRect(ClientRect(), GetColor());
    }
    ui::Point offset{0, 0};
    if (pressed || menuDropped_) {
        if (state_ == TButtonState::bsExclusive && !(Flat() && mouseInControl_))
            FillCheckerboard(canvas);
        offset = {1, 1};
    }
    PaintContents(canvas, offset);
}

void TWQMSpeedButton::PaintStandard(ui::Canvas& canvas) {
    const bool pressed = state_ == TButtonState::bsDown || state_ == TButtonState::bsExclusive;
    if (!Transparent() || !Flat()) canvas.FillRect(ClientRect(), GetColor());
    if (state_ == TButtonState::bsExclusive && !(Flat() && mouseInControl_))
        FillCheckerboard(canvas);

    // Classic 3-D edges: two lines raised, two sunken when pressed; flat shows one line
    // while hovered or pressed.
    auto edge = [&](ui::Rect r, ui::Color topLeft, ui::Color bottomRight) {
        canvas.FillRect({r.left, r.top, r.right - 1, r.top + 1}, topLeft);
        canvas.FillRect({r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
        canvas.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
        canvas.FillRect({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    };
    ui::Rect outer = ClientRect();
    if (Flat()) {
        if (pressed)
            edge(outer, ui::clBtnShadow, ui::clBtnHighlight);
        else if (mouseInControl_ && state_ != TButtonState::bsDisabled)
            edge(outer, ui::clBtnHighlight, ui::clBtnShadow);
    } else if (pressed) {
        edge(outer, ui::SystemColor(ui::sys::k3dDkShadow), ui::clBtnHighlight);
        edge(outer.Inflate(-1, -1), ui::clBtnShadow, ui::SystemColor(ui::sys::k3dLight));
    } else {
        edge(outer, ui::clBtnHighlight, ui::SystemColor(ui::sys::k3dDkShadow));
        edge(outer.Inflate(-1, -1), ui::SystemColor(ui::sys::k3dLight), ui::clBtnShadow);
    }
    PaintContents(canvas, pressed ? ui::Point{1, 1} : ui::Point{0, 0});
}

void TWQMSpeedButton::PaintContents(ui::Canvas& canvas, ui::Point offset) {
    const bool pressed = state_ == TButtonState::bsDown || state_ == TButtonState::bsExclusive;
    bool useHot = !hotGlyph_.Glyph().Empty() && (pressed || mouseInControl_ || menuDropped_);
    ButtonGlyph& holder = useHot ? hotGlyph_ : glyph_;

    ButtonLayoutResult layout = LayoutFor(canvas, offset, holder.CellSize());
    int slot = holder.ImageFor(state_, canvas.Colors());
    if (slot >= 0 && holder.List()) {
        if (!Transparent() && state_ != TButtonState::bsExclusive) {
            ui::Size cell = holder.CellSize();
            canvas.FillRect(
                ui::Rect::FromSize(layout.glyph.x, layout.glyph.y, cell.width, cell.height),
                ui::clBtnFace);
        }
        holder.List()->Draw(canvas, slot, layout.glyph.x, layout.glyph.y, true);
    }
    if (!Caption().empty()) {
        canvas.textBackground = ui::clNone;
        if (state_ == TButtonState::bsDisabled) canvas.font.color = ui::clGrayText;
        ui::Rect r = layout.text;
        canvas.DrawTextIn(Caption(), r, ui::text::kCenter | ui::text::kVCenter);
    }
}

}  // namespace controls
