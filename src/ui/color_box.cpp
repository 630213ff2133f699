#include "ui/color_box.h"

#include <algorithm>

#include "ui/peer_factory.h"

namespace ui {

ColorBox::ColorBox(Control* parent) : Control(parent) {
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 145, 22);
}

ColorBox::~ColorBox() {
    ReleasePeer();
}

std::unique_ptr<ControlPeer> ColorBox::CreatePeer(PeerFactory& factory) {
    return factory.MakeColorBox(*this);
}

bool ColorBox::WantsKey(int key) const {
    if (droppedDown_ && (key == key::kEscape || key == key::kReturn)) return true;
    return key == key::kUp || key == key::kDown || key == key::kPrior || key == key::kNext ||
           key == key::kHome || key == key::kEnd;
}

void ColorBox::SetItems(std::vector<NamedColorItem> items) {
    items_ = std::move(items);
    bool hadSelection = itemIndex_ != -1;
    itemIndex_ = -1;
    NotifyPeer(Change::Model);
    Invalidate();
    if (hadSelection && OnSelectionChange) OnSelectionChange();
}

void ColorBox::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    NotifyPeer(Change::Model);
    Invalidate();
    if (OnSelectionChange) OnSelectionChange();
}

void ColorBox::SetItemIndexFromPeer(int index) {
    if (index < -1 || index >= Count()) index = -1;
    bool moved = index != itemIndex_;
    itemIndex_ = index;
    Invalidate();
    if (moved && OnSelectionChange) OnSelectionChange();
    if (OnChange) OnChange();
}

Color ColorBox::Selected() const {
    return itemIndex_ < 0 ? clNone : items_[static_cast<std::size_t>(itemIndex_)].color;
}

void ColorBox::SetDropDownCount(int count) {
    dropDownCount_ = std::max(1, count);
    NotifyPeer(Change::Style);
}

void ColorBox::DrawItem(Canvas& canvas, int index, const Rect& r, bool selected) {
    canvas.FillRect(r, selected ? clHighlight : GetColor());
    if (index < 0 || index >= Count()) return;
    const NamedColorItem& item = items_[static_cast<std::size_t>(index)];
    int side = std::max(1, r.Height() - 4);
    Rect swatch = Rect::FromSize(r.left + 2, r.top + 2, side + 6, side);
    canvas.FillRect(swatch, item.color);
    canvas.FrameRect(swatch, clBlack);
    canvas.font = GetFont();
    if (selected) canvas.font.color = clHighlightText;
    canvas.textBackground = clNone;
    Rect text{swatch.right + 4, r.top, r.right, r.bottom};
    canvas.DrawTextIn(item.name, text, text::kSingleLine | text::kVCenter | text::kNoPrefix);
}

void ColorBox::Paint(Canvas& canvas) {
    Rect client = ClientRect();
    canvas.FillRect(client, GetColor());
    canvas.FrameRect(client, clBtnShadow);
    int arrow = client.Height() - 2;
    Rect field{1, 1, client.right - 1 - arrow, client.bottom - 1};
    DrawItem(canvas, itemIndex_, field, false);
    Rect button{field.right, 1, client.right - 1, client.bottom - 1};
    canvas.FillRect(button, clBtnFace);
    int cx = (button.left + button.right) / 2;
    int cy = (button.top + button.bottom) / 2;
    for (int row = 0; row < 3; ++row)
        canvas.FillRect({cx - 3 + row, cy - 1 + row, cx + 4 - row, cy + row}, clBtnText);
}

}  // namespace ui
