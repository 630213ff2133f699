#include "ui/list_box.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/peer_factory.h"

namespace ui {

ListBox::ListBox(Control* parent) : Control(parent) {
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
}

ListBox::~ListBox() {
    ReleasePeer();
}

std::unique_ptr<ControlPeer> ListBox::CreatePeer(PeerFactory& factory) {
    return factory.MakeListBox(*this);
}

bool ListBox::WantsKey(int key) const {
    return key == key::kUp || key == key::kDown || key == key::kPrior || key == key::kNext ||
           key == key::kHome || key == key::kEnd;
}

bool ListBox::SortsBefore(const std::string& a, const std::string& b) const {
    return App().GetBackend().CollateNoCase(a, b) < 0;
}

void ListBox::SortItems() {
    if (!sorted_) return;
    std::stable_sort(
        items_.begin(), items_.end(),
        [this](const std::string& a, const std::string& b) { return SortsBefore(a, b); });
}

void ListBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    SortItems();
    itemIndex_ = -1;
    topIndex_ = 0;
    NotifyPeer(Change::Model);
    Invalidate();
}

int ListBox::AddItem(std::string item) {
    auto at = items_.end();
    if (sorted_)
        at = std::upper_bound(
            items_.begin(), items_.end(), item,
            [this](const std::string& a, const std::string& b) { return SortsBefore(a, b); });
    int index = static_cast<int>(at - items_.begin());
    items_.insert(at, std::move(item));
    if (itemIndex_ >= index) ++itemIndex_;
    NotifyPeer(Change::Model);
    Invalidate();
    return index;
}

void ListBox::ClearItems() {
    SetItems({});
}

void ListBox::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    NotifyPeer(Change::Model);
    Invalidate();
}

void ListBox::SetItemIndexFromPeer(int index) {
    if (index < -1 || index >= Count()) index = -1;
    itemIndex_ = index;
    Invalidate();
    if (OnChange) OnChange();
}

void ListBox::SetSorted(bool sorted) {
    if (sorted == sorted_) return;
    sorted_ = sorted;
    SortItems();
    NotifyPeer(Change::Style);
    Invalidate();
}

void ListBox::SetStyle(ListBoxStyle style) {
    style_ = style;
    NotifyPeer(Change::Style);
    Invalidate();
}

void ListBox::SetItemHeight(int height) {
    itemHeight_ = std::max(1, height);
    NotifyPeer(Change::Style);
    Invalidate();
}

void ListBox::SetTopIndex(int index) {
    topIndex_ = std::clamp(index, 0, std::max(0, Count() - 1));
    Invalidate();
}

void ListBox::DrawItemDefault(Canvas& canvas, int index, const Rect& r, bool selected) {
    canvas.FillRect(r, selected ? clHighlight : GetColor());
    canvas.font = GetFont();
    if (selected) canvas.font.color = clHighlightText;
    canvas.textBackground = clNone;
    canvas.TextAt(r.left + 2, r.top, items_[static_cast<size_t>(index)]);
}

int ListBox::RowHeight() const {
    if (style_ != ListBoxStyle::Standard) return itemHeight_;
    std::unique_ptr<Canvas> measure = App().GetBackend().CreateMeasureCanvas();
    measure->font = GetFont();
    return std::max(1, measure->TextHeight("0"));
}

int ListBox::ItemAtPos(Point p) const {
    if (p.x < 0 || p.x >= Width() || p.y < 0) return -1;
    int index = topIndex_ + p.y / RowHeight();
    return index < Count() ? index : -1;
}

void ListBox::MouseDown(MouseButton b, Shift s, Point p) {
    if (b == MouseButton::Left) {
        int index = ItemAtPos(p);
        if (index >= 0 && index != itemIndex_) SetItemIndexFromPeer(index);
    }
    Control::MouseDown(b, s, p);  // OnMouseDown, and OnDblClick on a double press
}

void ListBox::DrawItem(Canvas& canvas, int index, const Rect& r, bool selected) {
    if (style_ != ListBoxStyle::Standard && OnDrawItem) {
        CanvasStateGuard guard(canvas);
        OnDrawItem(canvas, index, r, selected);
    } else {
        DrawItemDefault(canvas, index, r, selected);
    }
}

void ListBox::Paint(Canvas& canvas) {
    canvas.FillRect(ClientRect(), GetColor());
    canvas.font = GetFont();
    int height = RowHeight();
    int y = 0;
    for (int i = topIndex_; i < Count() && y < Height(); ++i, y += height)
        DrawItem(canvas, i, {0, y, Width(), y + height}, i == itemIndex_);
}

}  // namespace ui
