#include "controls/kvzxp_group_box.h"

namespace controls {

TKVZXPCustomGroupBox::TKVZXPCustomGroupBox(ui::Control* parent) : ui::Control(parent) {
    SetBounds(0, 0, 185, 105);
    SetTabStop(false);
    SetParentColor(true);
}

void TKVZXPCustomGroupBox::Paint(ui::Canvas& canvas) {
    // The background as the window's erase would leave it.
    canvas.FillRect(ClientRect(), GetColor());
    canvas.font = GetFont();
    const int h = canvas.TextHeight("0");
    const ui::Rect r{0, h / 2 - 1, Width(), Height()};
    canvas.brush = {GetColor(), ui::BrushStyle::Solid};
    canvas.pen = {kFrameColor, 1, ui::PenStyle::Solid};
    canvas.RoundRect({r.left + 2, r.top, r.right - 2, r.bottom - 2}, 6, 6);
    if (Caption().empty()) return;
    ui::Rect caption{10, 0, 0, h};
    canvas.DrawTextIn(Caption(), caption, ui::text::kSingleLine | ui::text::kCalcRect);
    canvas.font.color = kCaptionColor;
    // The opaque text background hides the frame line behind the caption.
    canvas.textBackground = GetColor();
    canvas.DrawTextIn(Caption(), caption, ui::text::kSingleLine);
    canvas.textBackground = ui::clNone;
}

}  // namespace controls
