#include "controls/kvzxp_collapse_panel.h"

#include <algorithm>

#include "controls/kvzxp_header.h"

namespace controls {

int ClampBorder(int border) {
    return std::clamp(border, 0, 30);
}

TKVZXPCollapsePanel::TKVZXPCollapsePanel(ui::Control* parent) : ui::Control(parent) {
    SetColor(ui::Hex(0xCBDBF8));
    SetBounds(0, 0, 170, 120);
}

TKVZXPCollapsePanel::~TKVZXPCollapsePanel() {
    std::vector<TKVZXPHeader*> headers = std::move(linkedBy_);
    for (TKVZXPHeader* h : headers) h->PanelDestroyed(this);
}

void TKVZXPCollapsePanel::SetBorder(int border) {
    border = ClampBorder(border);
    if (border == border_) return;
    border_ = border;
    AlignControls();
    Invalidate();
}

void TKVZXPCollapsePanel::SetColorFrame(ui::Color c) {
    colorFrame_ = c;
    Invalidate();
}

void TKVZXPCollapsePanel::SetColorBackground(ui::Color c) {
    colorBackground_ = c;
    Invalidate();
}

ui::Rect TKVZXPCollapsePanel::AlignRect() const {
    return {border_ + 1, 1, Width() - border_ - 1, Height() - 5};
}

void TKVZXPCollapsePanel::Paint(ui::Canvas& canvas) {
    canvas.FillRect(ClientRect(), colorBackground_);
    canvas.pen = {colorFrame_, 1, ui::PenStyle::Solid};
    canvas.brush = {GetColor(), ui::BrushStyle::Solid};
    // The top line lies above the control: only the sides and the bottom show.
    canvas.Rectangle({border_, -1, Width() - border_, Height() - 4});
}

void TKVZXPCollapsePanel::MouseDown(ui::MouseButton b, ui::Shift s, ui::Point p) {
    if (b == ui::MouseButton::Left) clicked_ = !(s & ui::shift::kDouble);
    ui::Control::MouseDown(b, s, p);
}

void TKVZXPCollapsePanel::MouseUp(ui::MouseButton b, ui::Shift s, ui::Point p) {
    bool click = b == ui::MouseButton::Left && clicked_;
    if (b == ui::MouseButton::Left) clicked_ = false;
    ui::Control::MouseUp(b, s, p);
    if (click && ClientRect().Contains(p)) Click();
}

}  // namespace controls
