#include "ui/static_text.h"

namespace ui {

StaticText::StaticText(Control* parent) : Control(parent) {
    SetParentColor(true);
}

void StaticText::Paint(Canvas& canvas) {
    canvas.FillRect(ClientRect(), GetColor());
    canvas.font = GetFont();
    if (!Enabled()) canvas.font.color = clGrayText;
    Rect r = ClientRect();
    canvas.DrawTextIn(Caption(), r, text::kWordBreak | text::kNoPrefix | text::kEndEllipsis);
}

}  // namespace ui
