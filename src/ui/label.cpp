#include "ui/label.h"

namespace ui {

Label::Label(Control* parent) : GraphicControl(parent) {
    SetParentColor(true);
}

void Label::SetTransparent(bool t) {
    transparent_ = t;
    Invalidate();
}

void Label::SetAlignment(Alignment a) {
    alignment_ = a;
    Invalidate();
}

void Label::SetWordWrap(bool w) {
    wordWrap_ = w;
    Invalidate();
}

void Label::Paint(Canvas& canvas) {
    if (!transparent_) canvas.FillRect(ClientRect(), GetColor());
    canvas.font = GetFont();
    if (!Enabled()) canvas.font.color = clGrayText;
    std::uint32_t flags = wordWrap_ ? text::kWordBreak : text::kSingleLine;
    if (alignment_ == Alignment::Center) flags |= text::kCenter;
    if (alignment_ == Alignment::Right) flags |= text::kRight;
    Rect r = ClientRect();
    canvas.DrawTextIn(Caption(), r, flags);
}

}  // namespace ui
